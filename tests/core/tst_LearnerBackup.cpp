#include "TestRegistry.h"

#include "course/CourseProgress.h"
#include "course/MissBook.h"
#include "history/RecordFile.h"
#include "learners/BackupRestore.h"
#include "learners/LearnerBackup.h"
#include "texts/TextLibrary.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime now(QDate(2026, 12, 9), QTime(15, 30, 5));

RunRecord run(int minute, int speed) {
    RunRecord r;
    r.when = QDateTime(QDate(2026, 12, 1), QTime(9, 0)).addSecs(60 * minute);
    r.styleName = QStringLiteral("字母和数字");
    r.level = 3;
    r.total = 50;
    r.count = r.hits = 50;
    r.accuracy = 100;
    r.seconds = 60;
    r.speed = speed;
    r.keys = {{'A', 2, 1, 400, 2, 0, {{83, 1}}}};
    return r;
}

// One learner's files in a scratch data folder.
struct Learner {
    DataFolder data;
    LearnerFiles files;

    Learner(const QTemporaryDir& dir, const QString& folder) : data(dir.path()), files{folder} {
        QDir(dir.path()).mkpath(folder);
    }
    void practise(std::initializer_list<int> minutes) const {
        RecordFile file(data, files.records());
        for (int minute : minutes)
            QVERIFY(file.append(run(minute, 100 + minute)));
    }
    QByteArray records() const { return read(data.file(files.records())); }
    CourseProgress progress() const {
        CourseProgress p(data, files.progress());
        p.load(now);
        return p;
    }
    MissBook missBook() const {
        MissBook m(data, files.missBook());
        m.load(now);
        return m;
    }
    TextLibrary texts() const { return TextLibrary(data, files.texts()); }
    // Every file below the learner's folder with its content.
    QMap<QString, QByteArray> everything() const {
        QMap<QString, QByteArray> all;
        QDirIterator it(data.file(files.folder), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            all.insert(path, read(path));
        }
        return all;
    }
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

// A learner with records, progress, a 错字本 and two texts.
void furnish(const Learner& l) {
    l.practise({1, 2, 3});
    CourseProgress progress = l.progress();
    QVERIFY(progress.record(QStringLiteral("keys-01"), 80, 97, true));
    QVERIFY(progress.record(QStringLiteral("keys-02"), 50, 90, false));
    MissBook book = l.missBook();
    QVERIFY(book.note(QStringLiteral("键"), QStringLiteral("qvte"), true));
    TextLibrary texts = l.texts();
    QVERIFY(texts.addNamed(QStringLiteral("短文"), QStringLiteral("The quick brown fox.")).ok);
    QVERIFY(texts.addNamed(QStringLiteral("CON"), QStringLiteral("Hello there.")).ok);
}

QByteArray backupOf(const Learner& l) {
    const LearnerBackup::Reading collected = LearnerBackup::collect(l.data, l.files, "Tom");
    return collected.ok() ? LearnerBackup::toJson(collected.contents, now) : QByteArray();
}

} // namespace

class LearnerBackupTest : public QObject {
    Q_OBJECT
private slots:
    void aBackupRestoresEverythingIntoANewLearnerAndAgainAddsNothing() {
        QTemporaryDir dir;
        const Learner tom(dir, QStringLiteral("数据库/学员/1"));
        furnish(tom);
        const QString path = dir.filePath(QStringLiteral("tom.kvbak"));
        QVERIFY(LearnerBackup::write(path, tom.data, tom.files, QStringLiteral("Tom"), now).ok);
        const LearnerBackup::Reading backup = LearnerBackup::read(path);
        QVERIFY2(backup.ok(), qPrintable(backup.message));
        QCOMPARE(backup.contents.learner, QStringLiteral("Tom"));

        const Learner copy(dir, QStringLiteral("数据库/学员/2"));
        const BackupRestore::Outcome restored =
            BackupRestore::into(backup.contents, copy.data, copy.files, now);
        QVERIFY2(restored.ok, qPrintable(restored.message));
        QCOMPARE((QList<int>{restored.recordsAdded, restored.recordsLeftOut, restored.textsAdded}),
                 (QList<int>{3, 0, 2}));
        QCOMPARE(copy.records(), tom.records());
        QCOMPARE(copy.progress().lessons(), tom.progress().lessons());
        QCOMPARE(copy.missBook().entries(), tom.missBook().entries());
        QCOMPARE(backupOf(copy), backupOf(tom));

        const QByteArray records = copy.records();
        const BackupRestore::Outcome again =
            BackupRestore::into(backup.contents, copy.data, copy.files, now);
        QCOMPARE((QList<int>{again.recordsAdded, again.textsAdded}), (QList<int>{0, 0}));
        QCOMPARE(copy.records(), records);
        QCOMPARE(copy.texts().texts().size(), 2);
    }

    void aMergeKeepsEachRecordOnceInTimeOrderAndTheBestOfBoth() {
        QTemporaryDir dir;
        const Learner home(dir, QStringLiteral("数据库"));
        const Learner school(dir, QStringLiteral("数据库/学员/1"));
        home.practise({1, 3});
        school.practise({1, 2, 4});
        CourseProgress mine = home.progress();
        QVERIFY(mine.record(QStringLiteral("keys-01"), 90, 95, true));
        CourseProgress theirs = school.progress();
        QVERIFY(theirs.record(QStringLiteral("keys-01"), 70, 99, false));
        const LearnerBackup::Reading backup = LearnerBackup::fromJson(backupOf(school));
        QVERIFY(backup.ok());

        const BackupRestore::Outcome restored =
            BackupRestore::into(backup.contents, home.data, home.files, now);
        QCOMPARE(restored.recordsAdded, 2);
        QList<int> speeds;
        for (const RunRecord& r : RecordFile(home.data, home.files.records()).load())
            speeds.append(r.speed);
        QCOMPARE(speeds, (QList<int>{101, 102, 103, 104}));
        QCOMPARE(home.progress().lesson(QStringLiteral("keys-01")),
                 (CourseProgress::Lesson{true, 90, 99, 2}));
    }

    void aMergePastTheRecordFilesLimitKeepsTheNewestAndSaysHowManyItLeftOut() {
        QTemporaryDir dir;
        const Learner home(dir, QStringLiteral("数据库"));
        QByteArray old;
        int written = 0;
        while (old.size() < RecordFile::maxBytes - 4096)
            old += run(written++, 1).toJson() + '\n';
        QFile file(home.data.file(home.files.records()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(old);
        file.close();
        LearnerBackup::Contents backup;
        backup.learner = QStringLiteral("Tom");
        for (int i = 0; i < 100; ++i)
            backup.records.append(run(written + i, 2).toJson());

        const BackupRestore::Outcome restored =
            BackupRestore::into(backup, home.data, home.files, now);
        QVERIFY(restored.ok);
        QVERIFY(restored.recordsLeftOut > 0);
        QVERIFY(restored.message.contains(QString::number(restored.recordsLeftOut)));
        const QList<RunRecord> kept = RecordFile(home.data, home.files.records()).load();
        QCOMPARE(kept.size(), written + 100 - restored.recordsLeftOut);
        QCOMPARE(kept.last().when, run(written + 99, 2).when);
        QVERIFY(QFileInfo(file).size() <= RecordFile::keptBytes);
    }

    void aBadBackupIsRefusedWithItsReason_data() {
        QTemporaryDir dir;
        const Learner tom(dir, QStringLiteral("数据库"));
        furnish(tom);
        const QByteArray good = backupOf(tom);
        const auto with = [&good](const char* from, const QByteArray& to) {
            QByteArray changed = good;
            return changed.replace(from, to);
        };
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<LearnerBackup::Problem>("problem");
        QTest::addColumn<QString>("message");
        using P = LearnerBackup::Problem;
        QTest::newRow("empty") << QByteArray() << P::NotABackup << "这不是 Keyvora 的备份文件。";
        QTest::newRow("a text file") << QByteArray("备忘") << P::NotABackup << "这不是";
        QTest::newRow("other JSON") << QByteArray("{\"format\":1}") << P::NotABackup << "这不是";
        QTest::newRow("cut short") << good.left(good.size() / 2) << P::Corrupt << "不完整或已损坏";
        QTest::newRow("a record cut short")
            << with("\\\"keys\\\":[", "\\\"keys\\\":") << P::Corrupt << "练习记录";
        QTest::newRow("progress that does not read")
            << with("\"bestSpeed\":80", "\"bestSpeed\":-80") << P::Corrupt << "课程进度";
        QTest::newRow("a text with nothing typeable")
            << with("The quick brown fox.", "你好") << P::Corrupt << "文本“短文”";
        QTest::newRow("a newer format")
            << with("\"format\":1", "\"format\":2") << P::Newer << "更新版本";
        QTest::newRow("too large")
            << QByteArray(LearnerBackup::maxBytes + 1, ' ') << P::TooLarge << "超过 64 MB";
        for (const char* name : {"../x", "a/b", "a\\\\b", "..", "C:x"})
            QTest::addRow("text named %s", name)
                << with("\"name\":\"短文\"", "\"name\":\"" + QByteArray(name) + '"')
                << P::LeavingName << "文件夹以外";
    }
    void aBadBackupIsRefusedWithItsReason() {
        QFETCH(QByteArray, bytes);
        QFETCH(LearnerBackup::Problem, problem);
        QFETCH(QString, message);
        const LearnerBackup::Reading reading = LearnerBackup::fromJson(bytes);
        QCOMPARE(reading.problem, problem);
        QVERIFY2(reading.message.contains(message), qPrintable(reading.message));
        QCOMPARE(reading.contents, LearnerBackup::Contents());
    }

    void aRestoreThatCannotWriteTheRecordsChangesNothing() {
        QTemporaryDir dir;
        const Learner tom(dir, QStringLiteral("数据库/学员/1"));
        furnish(tom);
        const LearnerBackup::Reading backup = LearnerBackup::fromJson(backupOf(tom));
        const Learner home(dir, QStringLiteral("数据库"));
        // A folder where the record file would be.
        QVERIFY(QDir().mkpath(home.data.file(home.files.records())));
        const QMap<QString, QByteArray> before = home.everything();
        const BackupRestore::Outcome restored =
            BackupRestore::into(backup.contents, home.data, home.files, now);
        QVERIFY(!restored.ok);
        QVERIFY(restored.message.contains(QStringLiteral("没有恢复任何内容")));
        QCOMPARE(home.everything(), before);
        QVERIFY(!LearnerBackup::write(dir.path(), tom.data, tom.files, "Tom", now).ok);
    }
};

KEYVORA_TEST_MAIN(LearnerBackup, LearnerBackupTest)
#include "tst_LearnerBackup.moc"
