#include "TestRegistry.h"

#include "course/CourseProgress.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

// The learner's progress file: what it keeps, and that nothing in it is ever lost.
namespace {

const QString relative = QStringLiteral("数据库/课程进度.json");
const QDateTime now(QDate(2026, 12, 9), QTime(15, 30, 5));

struct Folder {
    QTemporaryDir dir;
    Folder() { QDir(dir.path()).mkpath(QStringLiteral("数据库")); }
    DataFolder data() const { return DataFolder(dir.path()); }
    QString path() const { return dir.path() + QLatin1Char('/') + relative; }
    void write(const QByteArray& bytes) const {
        QFile f(path());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const QString& file) const {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList entries() const {
        return QDir(dir.path() + QStringLiteral("/数据库")).entryList(QDir::Files, QDir::Name);
    }
};

} // namespace

class TestCourseProgress : public QObject {
    Q_OBJECT
private slots:
    void progressIsKeptAcrossReadingsWithTheBestOfEveryAttempt() {
        Folder folder;
        CourseProgress progress(folder.data(), relative);
        QCOMPARE(progress.load(now), CourseProgress::Reading::Fresh);
        QVERIFY(progress.record(QStringLiteral("keys-01"), 80, 97, true));
        QVERIFY(progress.record(QStringLiteral("keys-01"), 70, 99, false));
        QVERIFY(progress.record(QStringLiteral("keys-02"), 50, 90, false));
        QVERIFY(progress.setUnlockAll(true));

        CourseProgress again(folder.data(), relative);
        QCOMPARE(again.load(now), CourseProgress::Reading::Read);
        QCOMPARE(again.lesson(QStringLiteral("keys-01")),
                 (CourseProgress::Lesson{true, 80, 99, 2}));
        QCOMPARE(again.lesson(QStringLiteral("keys-02")),
                 (CourseProgress::Lesson{false, 50, 90, 1}));
        QVERIFY(again.unlockAll());
        QCOMPARE(folder.entries(), QStringList{"课程进度.json"});
    }

    void aFileThatIsNoProgressIsSetAsideAndTheCourseStartsAfresh_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not JSON") << QByteArray("{\"format\":1,\"lessons\":{\"keys-01\":");
        QTest::newRow("binary") << QByteArray("\x00\xff\x10", 3);
        QTest::newRow("an array") << QByteArray("[1,2]");
        QTest::newRow("no format") << QByteArray("{\"lessons\":{}}");
        QTest::newRow("a newer format") << QByteArray("{\"format\":2,\"lessons\":{}}");
        QTest::newRow("accuracy over 100")
            << QByteArray("{\"format\":1,\"lessons\":{\"keys-01\":{\"passed\":true,"
                          "\"bestSpeed\":80,\"bestAccuracy\":101,\"attempts\":1}}}");
        QTest::newRow("passed not a truth value")
            << QByteArray("{\"format\":1,\"lessons\":{\"keys-01\":{\"passed\":1,"
                          "\"bestSpeed\":80,\"bestAccuracy\":99,\"attempts\":1}}}");
    }
    void aFileThatIsNoProgressIsSetAsideAndTheCourseStartsAfresh() {
        QFETCH(QByteArray, content);
        Folder folder;
        folder.write(content);
        CourseProgress progress(folder.data(), relative);
        QCOMPARE(progress.load(now), CourseProgress::Reading::SetAside);
        QVERIFY(progress.lessons().isEmpty());
        const QString aside = QStringLiteral("课程进度-损坏-20261209-153005.json");
        QCOMPARE(folder.entries(), QStringList{aside});
        QCOMPARE(folder.read(folder.dir.path() + QStringLiteral("/数据库/") + aside), content);
        QVERIFY(progress.record(QStringLiteral("keys-01"), 60, 95, true));
        QCOMPARE(folder.entries(), (QStringList{aside, "课程进度.json"}));
    }

    void aFailedWriteLosesNothingOlder() {
#ifdef Q_OS_UNIX
        Folder folder;
        CourseProgress progress(folder.data(), relative);
        progress.load(now);
        QVERIFY(progress.record(QStringLiteral("keys-01"), 80, 97, true));
        const QByteArray before = folder.read(folder.path());

        // A file-size limit cuts the write short even for a privileged user, as a full disk would.
        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = 16;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
        const bool written = progress.record(QStringLiteral("keys-02"), 70, 96, true);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!written);
        QVERIFY(!progress.lastError().isEmpty());
        QCOMPARE(folder.read(folder.path()), before);
        QCOMPARE(folder.entries(), QStringList{"课程进度.json"});
        // The change waits in memory and goes out with the next write.
        QVERIFY(progress.setUnlockAll(true));
        CourseProgress again(folder.data(), relative);
        again.load(now);
        QVERIFY(again.lesson(QStringLiteral("keys-02")).passed);
#else
        QSKIP("no way to limit the file size here");
#endif
    }

    void aFileThatCannotBeReadIsLeftWhereItIs() {
        Folder folder;
        QDir().mkpath(folder.path()); // a folder where the file should be
        CourseProgress progress(folder.data(), relative);
        QCOMPARE(progress.load(now), CourseProgress::Reading::Failed);
        // Nothing written over it either: what it holds may be all the learner has done.
        QVERIFY(!progress.record(QStringLiteral("keys-01"), 80, 97, true));
        QVERIFY(QFileInfo(folder.path()).isDir());
    }

    void mergingKeepsPassesAndTheBestOfBoth() {
        Folder folder;
        CourseProgress progress(folder.data(), relative);
        progress.load(now);
        progress.record(QStringLiteral("keys-01"), 80, 90, true);
        progress.merge({{QStringLiteral("keys-01"), {false, 60, 98, 3}},
                        {QStringLiteral("keys-02"), {true, 70, 96, 1}}});
        QCOMPARE(progress.lesson(QStringLiteral("keys-01")),
                 (CourseProgress::Lesson{true, 80, 98, 4}));
        QCOMPARE(progress.lesson(QStringLiteral("keys-02")),
                 (CourseProgress::Lesson{true, 70, 96, 1}));
    }
};

KEYVORA_TEST_GUILESS_MAIN(CourseProgress, TestCourseProgress)
#include "tst_CourseProgress.moc"
