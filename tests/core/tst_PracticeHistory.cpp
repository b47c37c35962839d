#include "TestRegistry.h"

#include "PracticeRig.h"
#include "TrainerRig.h"

#include "app/Trainer.h"
#include "history/KeyStats.h"
#include "history/RecordFile.h"
#include "history/WeakKeys.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

#include <functional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

// A trainer whose runs are scripted: targets decided in advance, time moved by hand.
struct Session {
    TrainerRig rig;
    Trainer trainer{rig.platform()};

    // prepare: puts files in place before the start-up reads them.
    explicit Session(const std::function<void(TrainerRig&)>& prepare = {}) {
        if (prepare)
            prepare(rig);
        trainer.load();
        trainer.deferredStart.tick(); // no settings file: style 0, total 10, level 1
    }
    void style(int index) { trainer.menus.fengge1[index]->trigger(); }
    void queue(std::initializer_list<int> targets) {
        for (int code : targets)
            rig.random.queued << PracticeRig::drawFor(code) << 0.5;
    }
    void start() {
        trainer.run.start();
        rig.clock.advance(5.125);
        trainer.run.tickCountdown();
    }
    void press(double after, int code, int state = 0) {
        rig.clock.advance(after);
        trainer.keyInput.keyDown(code, state);
    }
    QList<RunRecord> records() const { return RecordFile(trainer.platform().data).load(); }
};

RunRecord record(int code, int shown, int missed, const QDateTime& when) {
    RunRecord r;
    r.when = when;
    r.styleName = QStringLiteral("字母和数字");
    r.level = 3;
    r.total = 50;
    r.count = r.hits = 50;
    r.accuracy = 100;
    r.seconds = 60;
    r.speed = 50;
    r.keys = {{code, shown, shown - missed, 400, shown, 0, {}}};
    if (missed > 0)
        r.keys[0].wrong = {{83, missed}};
    return r;
}

QByteArray lineOf(const RunRecord& r) {
    return r.toJson() + '\n';
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class PracticeHistoryTest : public QObject {
    Q_OBJECT
private slots:
    void aScriptedRunIsRecordedWithItsFiguresWhenItEnds() {
        Session s;
        s.queue({'A', 'B', 'A', 'C'});
        s.start();
        s.press(0.25, 'S'); // wrong, so A is not struck at once
        s.press(0.25, 'A'); // 500 ms
        s.press(0.25, 'B'); // 250 ms, at once
        s.press(0.75, 'A'); // 750 ms, at once
        s.trainer.run.tickRun();
        s.trainer.run.stop(); // C is still waiting and does not count

        const QList<RunRecord> records = s.records();
        QCOMPARE(records.size(), 1);
        const RunRecord& r = records[0];
        QCOMPARE(r.when, QDateTime(QDate(2026, 3, 14), QTime(10, 0, 6)));
        QCOMPARE(r.styleName, QStringLiteral("字母和数字"));
        QCOMPARE((QList<double>{r.level, r.total, r.seconds}), (QList<double>{1, 10, 1.5}));
        QCOMPARE((QList<int>{r.style, r.count, r.hits, r.accuracy, r.speed, r.wubiEdition}),
                 (QList<int>{0, 5, 3, 60, 120, 0}));
        QCOMPARE(r.keys, (QList<KeyFigures>{{'A', 2, 1, 625, 2, 0, {{'S', 1}}},
                                            {'B', 1, 1, 250, 1, 0, {}}}));
    }

    void underTheShiftAwareStyleTheWrongShiftIsASlipNotAWrongKey() {
        Session s;
        s.style(11);
        s.queue({'a', 'B'});
        s.start();
        s.press(0.5, 'A', 1); // Shift+A for a
        s.press(0.5, 'Q');
        s.press(0.5, 'A');
        s.trainer.run.stop();
        const QList<KeyFigures> keys = s.records().value(0).keys;
        QCOMPARE(keys.value(0), (KeyFigures{'a', 1, 0, 1500, 1, 1, {{'Q', 1}}}));
    }

    void aRunEndedBeforeAnyCharacterLeavesNoRecord() {
        Session s;
        s.start();
        s.trainer.run.stop();
        s.trainer.run.start(); // not even begun
        s.trainer.run.stop();
        QVERIFY(s.records().isEmpty());
    }

    void readingSkipsEveryLineThatIsNoCompleteRecord_data() {
        QTest::addColumn<QByteArray>("bad");
        const QByteArray good = lineOf(record('A', 4, 1, QDateTime(QDate(2025, 1, 1), {})));
        QTest::newRow("truncated") << good.left(good.size() / 2);
        QTest::newRow("truncated in the keys") << good.left(good.size() - 8);
        QTest::newRow("corrupt") << QByteArray("{\"time\":\"x\",,,");
        QTest::newRow("foreign json") << QByteArray("{\"hello\":1,\"keys\":[]}");
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe\x01[[]]}", 9);
        QTest::newRow("blank lines") << QByteArray("\r\n  \n");
        QTest::newRow("lesson without a stage")
            << QByteArray("{\"accuracy\":90,\"count\":10,\"hits\":9,\"lesson\":\"keys-01\","
                          "\"lessonName\":\"f j\",\"seconds\":5,\"speed\":60,"
                          "\"styleName\":\"课程练习\",\"time\":\"2025-01-01T09:00:00\","
                          "\"keys\":[]}");
        QTest::newRow("lesson with an empty id")
            << QByteArray("{\"accuracy\":90,\"count\":10,\"hits\":9,\"lesson\":\"\","
                          "\"lessonName\":\"f j\",\"seconds\":5,\"speed\":60,\"stage\":\"键位\","
                          "\"styleName\":\"课程练习\",\"time\":\"2025-01-01T09:00:00\","
                          "\"keys\":[]}");
        QTest::newRow("a count beyond any integer")
            << QByteArray("{\"accuracy\":90,\"count\":1e300,\"hits\":9,\"level\":3,\"total\":10,"
                          "\"seconds\":5,\"speed\":60,\"style\":0,\"styleName\":\"x\","
                          "\"time\":\"2025-01-01T09:00:00\",\"keys\":[]}");
        QTest::newRow("run without a style")
            << QByteArray("{\"accuracy\":90,\"count\":10,\"hits\":9,\"level\":3,\"total\":10,"
                          "\"seconds\":5,\"speed\":60,\"styleName\":\"x\","
                          "\"time\":\"2025-01-01T09:00:00\",\"keys\":[]}");
    }

    void runsAndLessonsReadBackAndOlderLinesStillRead_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("lesson");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("charSpeed");
        // A line as the program wrote it before the course existed.
        QTest::newRow("a run of an older version")
            << QByteArray(
                   "{\"accuracy\":98,\"count\":50,\"hits\":49,\"level\":3,\"seconds\":"
                   "41.5,\"speed\":71,\"style\":3,\"styleName\":\"所有键\",\"time\":"
                   "\"2025-03-01T10:00:00\",\"total\":50,\"keys\":[[65,2,1,400,2,0,[[83,1]]]]}")
            << QString() << 3 << 0;
        QTest::newRow("a lesson")
            << QByteArray("{\"accuracy\":96,\"count\":260,\"hits\":250,\"lesson\":\"keys-03\","
                          "\"lessonName\":\"键位 第 3 课 s l\",\"seconds\":150.2,\"speed\":100,"
                          "\"stage\":\"键位\",\"styleName\":\"课程练习\",\"time\":"
                          "\"2026-12-09T10:00:00\",\"keys\":[[115,40,39,300,40,0,[]]]}")
            << "keys-03" << 0 << 0;
        QTest::newRow("a lesson that typed Chinese")
            << QByteArray(
                   "{\"accuracy\":96,\"characters\":40,\"charSpeed\":25,\"codeLength\":3.4,"
                   "\"count\":136,\"hits\":130,\"lesson\":\"wubi-07\",\"lessonName\":\"x\","
                   "\"seconds\":96,\"speed\":85,\"stage\":\"五笔\",\"styleName\":\"课程练习\","
                   "\"time\":\"2026-12-09T10:00:00\",\"keys\":[]}")
            << "wubi-07" << 0 << 25;
    }
    void runsAndLessonsReadBackAndOlderLinesStillRead() {
        QFETCH(QByteArray, line);
        const std::optional<RunRecord> r = RunRecord::fromJson(line);
        QVERIFY(r);
        QTEST(r->lesson, "lesson");
        QTEST(r->style, "style");
        QTEST(r->charSpeed, "charSpeed");
        QCOMPARE(r->isLesson(), !r->lesson.isEmpty());
        // Written again, it reads back the same, and a lesson carries no style, level or total.
        QCOMPARE(RunRecord::fromJson(r->toJson()), r);
        QCOMPARE(r->toJson().contains("\"level\""), !r->isLesson());
    }
    void readingSkipsEveryLineThatIsNoCompleteRecord() {
        QFETCH(QByteArray, bad);
        TrainerRig rig;
        const RecordFile file(rig.platform().data);
        const RunRecord first = record('A', 4, 1, QDateTime(QDate(2025, 1, 1), QTime(9, 0)));
        const RunRecord second = record('B', 2, 2, QDateTime(QDate(2025, 1, 2), QTime(9, 0)));
        writeFile(file.path(), lineOf(first) + bad + '\n' + lineOf(second) + bad);
        QCOMPARE(file.load(), (QList<RunRecord>{first, second}));
        QCOMPARE(file.loadLast(1), QList<RunRecord>{second});

        // A record appended after a cut-off line starts a line of its own.
        RecordFile writer(rig.platform().data);
        QVERIFY(writer.append(first));
        QCOMPARE(file.load().size(), 3);
    }

    void anOversizedFileIsReplacedByItsNewestRecords() {
        TrainerRig rig;
        RecordFile file(rig.platform().data);
        const QDateTime start(QDate(2025, 1, 1), QTime(0, 0));
        QByteArray bytes;
        int written = 0;
        while (bytes.size() < RecordFile::maxBytes)
            bytes += lineOf(record('A', 4, 1, start.addSecs(60 * written++)));
        writeFile(file.path(), bytes);

        const RunRecord newest = record('Z', 1, 0, start.addDays(365));
        QVERIFY(file.append(newest));
        QVERIFY(QFileInfo(file.path()).size() <= RecordFile::keptBytes);
        const QList<RunRecord> kept = file.load();
        QCOMPARE(kept.last(), newest);
        QCOMPARE(kept[kept.size() - 2].when, start.addSecs(60 * (written - 1)));
        QVERIFY(kept.size() < written);
        QCOMPARE(QDir(rig.dir.path() + "/数据库").entryList(QDir::Files).size(), 1);
    }

    void aFailedWriteLosesOnlyTheRecordBeingWritten_data() {
        QTest::addColumn<QString>("fault");
        QTest::newRow("no data folder") << "no folder";
        QTest::newRow("the file is a folder") << "folder";
#ifdef Q_OS_UNIX // a full device and a file-size limit to run into
        QTest::newRow("disk full") << "full";
        QTest::newRow("size limit reached mid-line") << "limit";
#endif
    }
    void aFailedWriteLosesOnlyTheRecordBeingWritten() {
        QFETCH(QString, fault);
        Session s;
        const QString path = RecordFile(s.trainer.platform().data).path();
        const QByteArray older = lineOf(record('A', 4, 1, QDateTime(QDate(2025, 1, 1), {})));
        if (fault == "no folder")
            QDir(s.rig.dir.path() + "/数据库").removeRecursively();
        else if (fault == "folder")
            QDir().mkpath(path);
        else if (fault == "full")
            QVERIFY(QFile::link("/dev/full", path));
        else
            writeFile(path, older);

#ifdef Q_OS_UNIX
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        if (fault == "limit") {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit = saved;
            limit.rlim_cur = rlim_t(older.size() + 20);
            setrlimit(RLIMIT_FSIZE, &limit);
        }
#endif
        s.queue({'A', 'B'});
        s.start();
        s.press(0.5, 'A');
        s.trainer.run.stop();
#ifdef Q_OS_UNIX
        setrlimit(RLIMIT_FSIZE, &saved);
#endif

        // The run ended as usual and the program goes on.
        QVERIFY(!s.trainer.state.running());
        QCOMPARE(s.trainer.state.jizhong(), 1);
        if (fault == "limit") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), older);
        }
        s.start();
        QVERIFY(s.trainer.state.running());
    }

    void weakKeysAreDrawnMoreOftenAndEveryAllowedCodeStillComesUp_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("weak");
        QTest::addColumn<int>("strong");
        QTest::addColumn<int>("setSize");
        QTest::newRow("letters and digits") << 0 << int('Q') << int('W') << 36;
        QTest::newRow("small letters, same key") << 6 << int('q') << int('w') << 36;
        QTest::newRow("all characters") << 11 << int('Q') << int('W') << 94;
    }
    void weakKeysAreDrawnMoreOftenAndEveryAllowedCodeStillComesUp() {
        QFETCH(int, style);
        QFETCH(int, weak);
        QFETCH(int, strong);
        QFETCH(int, setSize);
        PracticeRig p;
        FakeClock clock;
        RunRecorder current(clock);
        WeakKeys weights(p.options, current);
        const QDateTime day(QDate(2025, 1, 1), {});
        // The Q key missed 8 times in 10, the W key never.
        weights.setRecent({record('Q', 10, 8, day), record('W', 10, 0, day)});
        p.options.setYicuojian(true);
        p.checkStyle(style);
        p.selector.setWeights(&weights);

        QMap<int, int> drawn;
        p.setTotal(999999);
        for (int i = 0; i < 40000; ++i) {
            p.startRun(0);
            p.selector.zifu();
            ++drawn[p.state.mubiao];
        }
        QCOMPARE(int(drawn.size()), setSize);
        QVERIFY2(drawn[weak] > 3 * drawn[strong],
                 qPrintable(QStringLiteral("%1 against %2").arg(drawn[weak]).arg(drawn[strong])));
    }

    void withTheOptionOffTheDrawIsExactlyTheUniformOne() {
        PracticeRig plain;
        PracticeRig weighted;
        FakeClock clock;
        RunRecorder current(clock);
        WeakKeys weights(weighted.options, current);
        weights.setRecent({record('Q', 10, 8, QDateTime(QDate(2025, 1, 1), {}))});
        weighted.selector.setWeights(&weights);
        for (PracticeRig* p : {&plain, &weighted}) {
            p->checkStyle(3);
            p->setTotal(999999);
        }
        for (int i = 0; i < 2000; ++i) {
            plain.startRun(0);
            weighted.startRun(0);
            plain.selector.zifu();
            weighted.selector.zifu();
            QCOMPARE(weighted.state.mubiao, plain.state.mubiao);
            QCOMPARE(weighted.state.hengzuobiao, plain.state.hengzuobiao);
        }
        // Both consumed the same numbers: the next ones agree as well.
        QCOMPARE(weighted.random.next(), plain.random.next());
    }

    void aRunIsRecordedForTheLearnerItBeganWith_data() {
        QTest::addColumn<bool>("switchMidRun");
        QTest::newRow("switched between runs") << false;
        QTest::newRow("switched during the run") << true;
    }
    void aRunIsRecordedForTheLearnerItBeganWith() {
        QFETCH(bool, switchMidRun);
        Session s;
        const LearnerFiles other{QStringLiteral("数据库/学员/1")};
        const DataFolder& data = s.trainer.platform().data;
        QDir(data.path()).mkpath(other.folder);
        s.queue({'A', 'B'});
        s.start();
        s.press(0.5, 'A');
        if (!switchMidRun)
            s.trainer.run.stop();
        s.trainer.history.setLearner(other);
        s.trainer.run.stop();
        s.queue({'Q', 'W'});
        s.start();
        s.press(0.5, 'Q');
        s.trainer.run.stop();

        const QList<RunRecord> first = RecordFile(data).load();
        const QList<RunRecord> second = RecordFile(data, other.records()).load();
        QCOMPARE(first.size(), 1);
        QCOMPARE(first[0].keys.first().code, int('A'));
        QCOMPARE(second.size(), 1);
        QCOMPARE(second[0].keys.first().code, int('Q'));
    }

    void theWeakKeysAreTheCurrentLearnersAndASwitchReadsNothing() {
        Session s;
        const LearnerFiles other{QStringLiteral("数据库/学员/1")};
        const DataFolder& data = s.trainer.platform().data;
        QDir(data.path()).mkpath(other.folder);
        const QDateTime day(QDate(2025, 1, 1), {});
        writeFile(RecordFile(data).path(), lineOf(record('Q', 10, 8, day)));
        writeFile(RecordFile(data, other.records()).path(), lineOf(record('Q', 10, 0, day)));
        const int q = KeyStats::keyOfCode('Q');
        QCOMPARE(s.trainer.history.recentWeakKeys().missRate(q), 0.8);

        // The other learner's file is read when next needed, not at the switch.
        QFile::rename(RecordFile(data, other.records()).path(), data.file("moved.jsonl"));
        s.trainer.history.setLearner(other);
        QFile::rename(data.file("moved.jsonl"), RecordFile(data, other.records()).path());
        QCOMPARE(s.trainer.history.recentWeakKeys().missRate(q), 0.0);
        s.trainer.history.setLearner(LearnerFiles());
        QCOMPARE(s.trainer.history.recentWeakKeys().missRate(q), 0.8);
    }

    void theOptionIsKeptInItsOwnFileAndTheDefaultsTurnItOff() {
        Session plain;
        plain.trainer.unload();

        Session s;
        s.trainer.menus.yicuojian->trigger();
        QVERIFY(s.trainer.menus.yicuojian->isChecked());
        const QString path = s.trainer.history.option().path();
        QFile option(path);
        QVERIFY(option.open(QIODevice::ReadOnly));
        QCOMPARE(option.readAll(), QByteArray("True\r\n"));
        s.trainer.unload();
        // The eight-line settings file does not know of the option.
        QCOMPARE(s.rig.settingsBytes(), plain.rig.settingsBytes());

        Session again([&](TrainerRig& rig) {
            rig.writeSettings(s.rig.settingsBytes());
            QFile::copy(path, rig.dir.path() + "/数据库/重点练习易错键");
        });
        QVERIFY(again.trainer.menus.yicuojian->isChecked());
        again.trainer.menus.huifu->trigger();
        QVERIFY(!again.trainer.menus.yicuojian->isChecked());
        QFile restored(again.trainer.history.option().path());
        QVERIFY(restored.open(QIODevice::ReadOnly));
        QCOMPARE(restored.readAll(), QByteArray("False\r\n"));
    }
};

KEYVORA_TEST_MAIN(PracticeHistory, PracticeHistoryTest)
#include "tst_PracticeHistory.moc"
