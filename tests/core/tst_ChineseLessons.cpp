#include "TestRegistry.h"

#include "FakeClock.h"
#include "OrdinaryUser.h"

#include "course/ChineseCurriculum.h"
#include "course/ChineseLessonMaker.h"
#include "course/MissBook.h"
#include "course/WubiSession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The 拼音 and 五笔 stages: how their answers are checked, what their lessons hold, and the
// 错字本 that brings back what the learner missed.
namespace {

// Keys as the learner strikes them: letters, ' ' for the space bar, '<' for Backspace.
int vkOf(QChar c) {
    if (c == QLatin1Char(' '))
        return 32;
    if (c == QLatin1Char('<'))
        return 8;
    return c.toUpper().unicode();
}

const ChineseTables& realTables() {
    static const ChineseTables tables = [] {
        ChineseTables t;
        t.loadPinyin(QStringLiteral(KEYVORA_PROGRAM_DIR "/课程/pinyin.tsv"));
        t.loadWubi(QStringLiteral(KEYVORA_PROGRAM_DIR "/课程/wubi86.tsv"));
        return t;
    }();
    return tables;
}

CourseLesson lessonOf(const CourseStage& stage, CourseLesson::Kind kind,
                      CourseLesson::Source source) {
    for (const CourseLesson& l : stage.lessons)
        if (l.kind == kind && l.source == source)
            return l;
    return stage.lessons.first();
}

} // namespace

class TestChineseLessons : public QObject {
    Q_OBJECT
private slots:
    void aWubiCodeIsRightAsAnInputMethodTakesIt_data() {
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("outcomes"); // per key: + right, x wrong
        QTest::addColumn<bool>("committed");
        QTest::addColumn<bool>("missed");
        const QStringList yi = {"g", "ggl", "ggll"};
        QTest::newRow("full code commits at once") << yi << "ggll"
                                                   << "++++" << true << false;
        QTest::newRow("short code and space") << yi << "g "
                                              << "++" << true << false;
        QTest::newRow("three keys and space") << yi << "ggl "
                                              << "++++" << true << false;
        QTest::newRow("another character's code: the space commits nothing right")
            << yi << "gg "
            << "++x" << false << true;
        QTest::newRow("a letter that leads to no code") << yi << "gk"
                                                        << "+x" << false << true;
        QTest::newRow("a space with nothing typed") << yi << " "
                                                    << "x" << false << true;
        QTest::newRow("Backspace takes back a letter") << yi << "gg< "
                                                       << "++++" << true << false;
        QTest::newRow("a full code that is also the way to a shorter one")
            << QStringList{"xc", "xcag"} << "xcag"
            << "++++" << true << false;
        QTest::newRow("its short code is a prefix of its full code")
            << QStringList{"xc", "xcag"} << "xc "
            << "+++" << true << false;
        QTest::newRow("key name: its key four times") << QStringList{"gggg"} << "g "
                                                      << "+x" << false << true;
    }
    void aWubiCodeIsRightAsAnInputMethodTakesIt() {
        QFETCH(QStringList, codes);
        QFETCH(QString, keys);
        QFETCH(QString, outcomes);
        FakeClock clock;
        WubiSession session(
            {{QStringLiteral("一"), codes, false, 1}, {QStringLiteral("二"), {"fg"}}}, clock);
        QString got;
        for (const QChar key : keys)
            got += session.keyDown(vkOf(key), 0) == LessonAttempt::Outcome::Right ? u'+' : u'x';
        QCOMPARE(got, outcomes);
        QTEST(session.current() == 1, "committed");
        QTEST(session.missed(0), "missed");
        QCOMPARE(session.revealed(), session.current() == 0 && session.missed(0));
    }

    void wubiFiguresCountCharactersAndTheKeysStruckForEach() {
        FakeClock clock;
        WubiSession session(
            {{QStringLiteral("一"), {"g"}, false, 1}, {QStringLiteral("我们"), {"trwu"}, false, 2}},
            clock);
        for (const QChar key : QStringLiteral("g tkrwu"))
            session.keyDown(vkOf(key), 0);
        clock.advance(30);
        QCOMPARE(session.state(), LessonAttempt::State::Finished);
        QCOMPARE(session.characters(), 3);
        QCOMPARE(session.accuracy(), 50); // the word had a wrong key
        QCOMPARE(session.codeLength(), 7.0 / 3);
        session.reveal(); // nothing left to show
    }

    void helpWithF1ShowsTheCodeAndCountsTheCharacterMissed() {
        FakeClock clock;
        WubiSession session({{QStringLiteral("一"), {"g", "ggll"}, false, 1}}, clock);
        QCOMPARE(session.nextCode(), -1);
        session.reveal();
        QVERIFY(session.revealed());
        QCOMPARE(session.nextCode(), int('g'));
        QCOMPARE(WubiSession::shownCode(session.items().first()), QStringLiteral("g + 空格"));
        session.keyDown('G', 0);
        session.keyDown(32, 0);
        QCOMPARE(session.accuracy(), 0);
    }

    void pinyinTakesVForUmlautAndBothSpellingsOfUe_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("女 as nv") << "字\t女\tnv"
                                  << "nv " << true;
        QTest::newRow("女 as nu is another syllable") << "字\t女\tnv"
                                                      << "nu " << false;
        QTest::newRow("略 as lue") << "字\t略\tlue"
                                   << "lue " << true;
        QTest::newRow("略 as lve") << "字\t略\tlue"
                                   << "lve " << true;
        QTest::newRow("绿 as lv, not lu") << "字\t绿\tlv"
                                          << "lu " << false;
        QTest::newRow("a word: its syllables, then one space") << "词\t女儿\tnv er"
                                                               << "nver " << true;
    }
    void pinyinTakesVForUmlautAndBothSpellingsOfUe() {
        QFETCH(QString, entry);
        QFETCH(QString, typed);
        QFETCH(bool, right);
        ChineseTables tables;
        tables.readPinyin(entry.toUtf8());
        CourseLesson lesson;
        lesson.kind = CourseLesson::Kind::Pinyin;
        lesson.source = entry.startsWith(QStringLiteral("词")) ? CourseLesson::Source::Words
                                                               : CourseLesson::Source::Characters;
        lesson.count = lesson.items = 1;
        const ChineseLessonMaker::Pinyin p =
            ChineseLessonMaker(tables, nullptr, 86).pinyin(lesson, 1);
        FakeClock clock;
        LessonSession session(p.text, clock);
        session.setAlsoAccepted(p.alsoAccepted);
        session.setItems(p.items);
        for (const QChar c : typed)
            session.keyDown(vkOf(c), 0);
        QCOMPARE(session.hits() == int(typed.size()), right);
        QCOMPARE(session.characters(), right ? int(p.entries.first().text.size()) : 0);
    }

    void theTablesGiveTheCommonestFirstWithTheirCommonestReading() {
        const ChineseTables& t = realTables();
        QVERIFY(t.characters().size() >= 3000 && t.words().size() >= 2000);
        QCOMPARE(t.characters().first().text, QStringLiteral("的"));
        for (const ChineseTables::Pinyin& c : t.characters())
            if (c.text == QStringLiteral("行"))
                QCOMPARE(c.syllables, QStringList{"xing"});
        const ChineseTables::Wubi* yi = t.wubi(QStringLiteral("一"));
        QVERIFY(yi);
        QCOMPARE(yi->codes.first(), QStringLiteral("g"));
    }

    void everyLessonOfBothStagesHasSomethingToTypeFromItsOwnEntries_data() {
        QTest::addColumn<QString>("stage");
        QTest::addColumn<int>("lesson");
        for (const CourseStage& s :
             {ChineseCurriculum::pinyinStage(), ChineseCurriculum::wubiStage()})
            for (int i = 0; i < s.lessons.size(); ++i)
                QTest::newRow(qPrintable(s.lessons[i].id)) << s.id << i;
    }
    void everyLessonOfBothStagesHasSomethingToTypeFromItsOwnEntries() {
        QFETCH(QString, stage);
        QFETCH(int, lesson);
        const CourseStage s = stage == QLatin1String("pinyin") ? ChineseCurriculum::pinyinStage()
                                                               : ChineseCurriculum::wubiStage();
        const CourseLesson& l = s.lessons.at(lesson);
        const ChineseLessonMaker maker(realTables(), nullptr, 98);
        if (l.kind == CourseLesson::Kind::Syllables || l.kind == CourseLesson::Kind::Pinyin) {
            const ChineseLessonMaker::Pinyin p = maker.pinyin(l, 3);
            QVERIFY(p.text.size() >= 20);
            QCOMPARE(maker.pinyin(l, 3).text, p.text);
            for (const QString& syllable : p.text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                if (l.kind == CourseLesson::Kind::Syllables)
                    QVERIFY2(ChineseCurriculum::matches(l.pattern, syllable), qPrintable(syllable));
            QCOMPARE(p.entries.size(), l.kind == CourseLesson::Kind::Pinyin ? l.items : 0);
            return;
        }
        const QList<WubiSession::Item> items = maker.wubi(l, 3);
        QCOMPARE(items.size(), l.items);
        const QList<ChineseTables::Wubi> source = maker.wubiSource(l);
        for (const WubiSession::Item& item : items) {
            QVERIFY(!item.codes.isEmpty());
            if (l.kind == CourseLesson::Kind::Verses) {
                QVERIFY(l.pattern.contains(item.codes.first().toUpper()));
                QCOMPARE(item.text, ChineseLessonMaker::verse(98, item.codes.first().at(0)));
            } else {
                QVERIFY(
                    std::any_of(source.begin(), source.end(),
                                [&](const ChineseTables::Wubi& w) { return w.text == item.text; }));
            }
        }
    }

    void theKeyNamesAndOneKeyCodesAreEveryLetterButZ() {
        const CourseStage wubi = ChineseCurriculum::wubiStage();
        const ChineseLessonMaker maker(realTables(), nullptr, 86);
        QString keyNames, oneKey;
        for (const auto& w : maker.wubiSource(
                 lessonOf(wubi, CourseLesson::Kind::Wubi, CourseLesson::Source::KeyNames)))
            keyNames += w.text;
        for (const auto& w : maker.wubiSource(
                 lessonOf(wubi, CourseLesson::Kind::Wubi, CourseLesson::Source::OneKey)))
            oneKey += w.text;
        QCOMPARE(keyNames, QStringLiteral("王土大木工目日口田山禾白月人金言立水火之已子女又纟"));
        QCOMPARE(oneKey, QStringLiteral("一地在要工上是中国同和的有人我主产不为这民了发以经"));
    }

    void theMissBookKeepsWhatWasMissedUntilTypedRightThreeTimesRunning() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("数据库"));
        const QDateTime now(QDate(2026, 12, 9), QTime(9, 0));
        MissBook book(DataFolder(dir.path()), QStringLiteral("数据库/错字本.json"));
        QVERIFY(book.load(now));
        book.note(QStringLiteral("经"), QStringLiteral("x"), true);
        book.note(QStringLiteral("经"), QStringLiteral("x"), false);
        book.note(QStringLiteral("经"), QStringLiteral("x"), true); // a miss starts the count again
        for (int i = 0; i < 2; ++i)
            book.note(QStringLiteral("经"), QStringLiteral("x"), false);
        MissBook again(DataFolder(dir.path()), QStringLiteral("数据库/错字本.json"));
        QVERIFY(again.load(now));
        QCOMPARE(again.entries(), (QList<MissBook::Entry>{{"经", "x", 2, 2}}));

        // Meanwhile it comes back in the stage's character lessons.
        // A copy: the stage it is taken from lives only for this statement.
        const CourseLesson chars =
            lessonOf(ChineseCurriculum::wubiStage(), CourseLesson::Kind::Wubi,
                     CourseLesson::Source::Characters);
        int seen = 0;
        for (std::uint32_t seed = 0; seed < 5; ++seed)
            for (const WubiSession::Item& item :
                 ChineseLessonMaker(realTables(), &again, 86).wubi(chars, seed))
                seen += item.text == QStringLiteral("经") ? 1 : 0;
        QVERIFY(seen >= 5);

        again.note(QStringLiteral("经"), QStringLiteral("x"), false);
        QVERIFY(again.entries().isEmpty());
        QVERIFY(book.load(now) && book.entries().isEmpty());
    }

    void aMissBookThatCannotBeReadIsNeverWrittenOver() {
#ifndef Q_OS_UNIX
        QSKIP("a file's permissions keep only an ordinary Unix user from reading it");
#endif
        const int result = OrdinaryUser::run([] {
            QTemporaryDir dir;
            QDir(dir.path()).mkpath(QStringLiteral("数据库"));
            QFile file(dir.path() + QStringLiteral("/数据库/错字本.json"));
            const QByteArray kept = "{\"format\":1,\"entries\":[]}";
            if (!file.open(QIODevice::WriteOnly) || file.write(kept) != kept.size())
                return false;
            file.close();
            file.setPermissions(QFile::WriteOwner); // writable, yet not readable
            MissBook book(DataFolder(dir.path()), QStringLiteral("数据库/错字本.json"));
            const bool refused = !book.load(QDateTime(QDate(2026, 12, 9), QTime(9, 0))) &&
                                 book.setAsideAs().isEmpty() &&
                                 !book.note(QStringLiteral("经"), QStringLiteral("x"), true);
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
            return refused && file.open(QIODevice::ReadOnly) && file.readAll() == kept;
        });
        if (result == OrdinaryUser::cannotDropPrivileges)
            QSKIP("cannot become an ordinary user here");
        QCOMPARE(result, 0);
    }

    void aMissBookThatDoesNotReadIsSetAside() {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("数据库"));
        QFile file(dir.path() + QStringLiteral("/数据库/错字本.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"format\":1,\"entries\":[{\"text\":\"\"}]}");
        file.close();
        MissBook book(DataFolder(dir.path()), QStringLiteral("数据库/错字本.json"));
        QVERIFY(!book.load(QDateTime(QDate(2026, 12, 9), QTime(9, 0))));
        QVERIFY(book.setAsideAs().endsWith(QStringLiteral("错字本-损坏-20261209-090000.json")));
        QVERIFY(QFile::exists(book.setAsideAs()));
    }
};

KEYVORA_TEST_GUILESS_MAIN(ChineseLessons, TestChineseLessons)
#include "tst_ChineseLessons.moc"
