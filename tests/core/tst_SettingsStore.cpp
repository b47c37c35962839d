#include "TestRegistry.h"

#include "RadioGroupHandlers.h"
#include "menus/MenuTree.h"
#include "platform/DataFolder.h"
#include "settings/Options.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sched.h>
#include <sys/mount.h>
#endif

using Change = std::function<void(Options&)>;
Q_DECLARE_METATYPE(Change)

namespace {

const QByteArray defaultFile(" 0\r\n 1\r\n 2\r\n 4\r\nTrue\r\nTrue\r\nFalse\r\nFalse\r\n");
// A file from an earlier exit that a failed save must leave as it is.
const QByteArray oldFile(" 7\r\n 3\r\n 9\r\n 2\r\nFalse\r\nFalse\r\nTrue\r\nTrue\r\n");

#ifdef Q_OS_UNIX
// What a child process returns when the machine does not allow what it needs.
constexpr int skipped = 77;

// Runs the body in a child process and gives its exit code, or -1 if a signal ended it. The
// child leaves with _exit, so the parent's temporary folder outlives it.
template <typename Body> int inChild(Body body) {
    const pid_t pid = fork();
    if (pid < 0)
        return -2;
    if (pid == 0)
        _exit(body());
    int status = 0;
    if (waitpid(pid, &status, 0) != pid)
        return -2;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
#endif

#ifdef Q_OS_LINUX
bool writeProcFile(const char* path, const QByteArray& text) {
    const int fd = open(path, O_WRONLY);
    const bool ok = fd >= 0 && write(fd, text.constData(), size_t(text.size())) == text.size();
    if (fd >= 0)
        close(fd);
    return ok;
}

// In this (child) process only: a 16 KiB memory disk over the folder, as a real full disk.
// Without privileges a user namespace gives the right to mount one.
bool mountSmallDisk(const QString& folder) {
    if (unshare(CLONE_NEWNS) != 0) {
        const QByteArray uid = QByteArray::number(getuid());
        const QByteArray gid = QByteArray::number(getgid());
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 ||
            !writeProcFile("/proc/self/setgroups", "deny") ||
            !writeProcFile("/proc/self/uid_map", "0 " + uid + " 1") ||
            !writeProcFile("/proc/self/gid_map", "0 " + gid + " 1"))
            return false;
    }
    return mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount("keyvora-test", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=16k") ==
               0;
}

// Writes the file until the disk refuses more.
bool fillDisk(const QString& path) {
    const int fd = open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0)
        return false;
    const QByteArray block(512, 'x');
    ssize_t written = 0;
    while ((written = write(fd, block.constData(), size_t(block.size()))) > 0) {
    }
    const bool full = written < 0 && errno == ENOSPC;
    close(fd);
    return full;
}
#endif

// A program folder with its settings folder, a menu tree and real-like group handlers.
struct Program {
    QTemporaryDir dir;
    DataFolder folder{dir.path()};
    Options options;
    MenuTree menus{options};
    RadioGroupHandlers handlers;
    SettingsStore store{options, folder, handlers.make(options)};

    explicit Program(bool withSettingsFolder = true) {
        if (withSettingsFolder)
            QDir(dir.path()).mkdir(QStringLiteral("数据库"));
    }

    void writeFile(const QByteArray& content) const {
        QFile file(store.path());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write the settings file");
        file.write(content);
    }
    QByteArray fileContent() const {
        QFile file(store.path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList settingsFolderEntries() const {
        return QDir(dir.filePath(QStringLiteral("数据库")))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    QList<bool> marks() const {
        return {menus.zhifa->isChecked(), menus.cuowushengyin->isChecked(),
                menus.beijingyinyue->isChecked(), menus.banci1[0]->isChecked(),
                menus.banci1[1]->isChecked()};
    }
};

// The child of the kill tests: a save in the given program folder that stops when everything is
// written, before the rename, says so and waits there until it is killed.
constexpr char saveUntilKilledOption[] = "--save-until-killed";
const QString saveUntilKilled = QString::fromLatin1(saveUntilKilledOption);

int saveInChildUntilKilled(const QString& programFolder) {
    const DataFolder folder(programFolder);
    Options options;
    RadioGroupHandlers handlers;
    SettingsStore store(options, folder, handlers.make(options));
    store.setBeforeCommit([] {
        std::fputs("written\n", stdout);
        std::fflush(stdout);
        std::getchar();
    });
    store.jiyicaidan();
    return 0;
}

} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void writingAndReadingBackRestoresEveryChoice() {
        Program before;
        before.handlers.make(before.options).fengge1(7);
        before.handlers.make(before.options).shengyin1(5);
        before.handlers.make(before.options).jibie(13);
        before.handlers.make(before.options).zongshu(11);
        before.options.setZhifa(false);
        before.options.setBeijingyinyue(true);
        before.options.setBanci(86);
        before.store.jiyicaidan();
        QCOMPARE(before.fileContent(),
                 QByteArray(" 7\r\n 5\r\n 13\r\n 11\r\nFalse\r\nTrue\r\nTrue\r\nTrue\r\n"));

        Program after;
        after.writeFile(before.fileContent());
        after.store.shujukucaidan();
        QCOMPARE(after.handlers.calls,
                 (QStringList{"fengge1:7", "shengyin1:5", "jibie:13", "zongshu:11"}));
        QCOMPARE(MenuTree::checkedIndex(after.menus.fengge1), 7);
        QCOMPARE(MenuTree::checkedIndex(after.menus.zongshu), 11);
        QCOMPARE(after.marks(), (QList<bool>{false, true, true, true, false}));
    }

    void everyStateSavesAndRestoresUnchanged_data() {
        QTest::addColumn<Change>("choose");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<double>("total");
        QTest::newRow("design") << Change([](Options&) {})
                                << QByteArray(" 0\r\n 1\r\n 2\r\n 4\r\nTrue\r\nTrue\r\n"
                                              "False\r\nFalse\r\n")
                                << 50.0;
        QTest::newRow("every choice at its other end") << Change([](Options& o) {
            o.setFengge(11);
            o.setShengyin(8);
            o.setLevel(1);
            o.setTotal(10);
            o.setZhifa(false);
            o.setCuowushengyin(false);
            o.setBeijingyinyue(true);
            o.setBanci(86);
        }) << QByteArray(" 11\r\n 8\r\n 0\r\n 10\r\nFalse\r\nFalse\r\nTrue\r\nTrue\r\n")
                                                       << 200.0;
        QTest::newRow("custom total comes back as 99")
            << Change([](Options& o) { o.setTotal(Options::customTotal, 12.5, true); })
            << QByteArray(" 0\r\n 1\r\n 2\r\n 11\r\nTrue\r\nTrue\r\nFalse\r\nFalse\r\n") << 99.0;
    }
    void everyStateSavesAndRestoresUnchanged() {
        QFETCH(Change, choose);
        QFETCH(QByteArray, file);
        QFETCH(double, total);
        Program before;
        choose(before.options);
        before.store.jiyicaidan();
        QCOMPARE(before.fileContent(), file);

        Program after;
        after.writeFile(file);
        after.store.shujukucaidan();
        QCOMPARE(after.store.content(), file);
        QCOMPARE(after.options.total(), total);
    }

    void theDesignStateWritesTheDefaultFile() {
        Program program;
        program.store.jiyicaidan();
        QCOMPARE(program.fileContent(), defaultFile);
    }

    void readingAppliesLinesOrRepeatsTheLastOne_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("calls");
        QTest::addColumn<QList<bool>>("marks"); // zhifa, error sound, music, 86, 98

        QTest::newRow("missing lines repeat the last")
            << QByteArray(" 3\r\n 2\r\n")
            << QStringList{"fengge1:3", "shengyin1:2", "jibie:2", "zongshu:2"}
            << QList<bool>{false, false, false, false, true};
        QTest::newRow("a Boolean line repeated as index and mark")
            << QByteArray(" 5\r\ntrue")
            << QStringList{"fengge1:5", "shengyin1:0", "jibie:0", "zongshu:0"}
            << QList<bool>{true, true, true, true, false};
        QTest::newRow("out of 16 bits skips only that group")
            << QByteArray("99999\r\n-40000\r\n 1\r\n 11\r\nTRUE\r\nFalse\r\nfalse\r\nFalse\r\n")
            << QStringList{"jibie:1", "zongshu:11"} << QList<bool>{true, false, false, false, true};
        QTest::newRow("beyond the group is passed on")
            << QByteArray("25\r\n 1\r\n 2\r\n 4\r\nTrue\r\nTrue\r\nFalse\r\nFalse\r\n")
            << QStringList{"fengge1:25", "shengyin1:1", "jibie:2", "zongshu:4"}
            << QList<bool>{true, true, false, false, true};
        QTest::newRow("an unknown Boolean clears the mark")
            << QByteArray(" 0\r\n 1\r\n 2\r\n 4\r\nyes\r\n-1\r\nTrue\r\nTrue\r\n")
            << QStringList{"fengge1:0", "shengyin1:1", "jibie:2", "zongshu:4"}
            << QList<bool>{false, false, true, true, false};
        QTest::newRow("empty file")
            << QByteArray() << QStringList{"fengge1:0", "shengyin1:0", "jibie:0", "zongshu:0"}
            << QList<bool>{false, false, false, false, true};
    }
    void readingAppliesLinesOrRepeatsTheLastOne() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, calls);
        QFETCH(QList<bool>, marks);
        Program program;
        program.writeFile(content);
        program.store.shujukucaidan();
        QCOMPARE(program.handlers.calls, calls);
        QCOMPARE(program.marks(), marks);
    }

    void aMissingFileSelectsIndexZeroAndClearsTheMarks() {
        Program program;
        program.store.shujukucaidan();
        QCOMPARE(program.handlers.calls,
                 (QStringList{"fengge1:0", "shengyin1:0", "jibie:0", "zongshu:0"}));
        QCOMPARE(program.marks(), (QList<bool>{false, false, false, false, true}));
    }

    void aMissingSettingsFolderWritesNothingAndIsNotCreated() {
        Program program(false);
        program.store.jiyicaidan();
        QVERIFY(!QFile::exists(program.store.path()));
        QVERIFY(!QDir(program.dir.filePath(QStringLiteral("数据库"))).exists());
        QCOMPARE(QDir(program.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
        program.store.shujukucaidan();
        QCOMPARE(program.handlers.calls.size(), 4);
    }

    void aFailedSaveIsLoggedOnlyWhenTheSettingsCategoryIsOn_data() {
        QTest::addColumn<bool>("on");
        QTest::newRow("off, as by default") << false;
        QTest::newRow("on") << true;
    }
    void aFailedSaveIsLoggedOnlyWhenTheSettingsCategoryIsOn() {
        QFETCH(bool, on);
        QLoggingCategory::setFilterRules(on ? QStringLiteral("keyvora.settings.warning=true")
                                            : QString());
        const QRegularExpression message(QStringLiteral("settings not saved"));
        if (on)
            QTest::ignoreMessage(QtWarningMsg, message);
        else
            QTest::failOnWarning(message);
        Program program(false);
        program.store.jiyicaidan();
        QLoggingCategory::setFilterRules(QString());
    }

    void aSuccessfulWriteLeavesNoTemporaryFileBehind() {
        Program program;
        program.writeFile("old");
        program.store.jiyicaidan();
        QCOMPARE(program.fileContent(), defaultFile);
        QCOMPARE(program.settingsFolderEntries(), QStringList{"Keyvora"});
    }

    void aWriteThatRunsOutOfRoomKeepsThePreviousFile_data() {
        QTest::addColumn<int>("room"); // bytes the new file may hold
        QTest::newRow("no room at all") << 0;
        QTest::newRow("room for part of a line") << 5;
        QTest::newRow("room for all but the last byte") << int(defaultFile.size() - 1);
    }
    void aWriteThatRunsOutOfRoomKeepsThePreviousFile() {
#ifdef Q_OS_UNIX
        // A file-size limit cuts the write short even for a privileged user, as a full disk
        // would; with the signal ignored, write() reports it instead of ending the process.
        QFETCH(int, room);
        Program program;
        program.writeFile(oldFile);

        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = rlim_t(room);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limited) == 0);
        program.store.jiyicaidan();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QCOMPARE(program.fileContent(), oldFile);
        QCOMPARE(program.settingsFolderEntries(), QStringList{"Keyvora"});
        program.store.jiyicaidan();
        QCOMPARE(program.fileContent(), defaultFile);
#else
        QSKIP("no way to limit the file size here");
#endif
    }

    void aFullDiskKeepsThePreviousFileAndTheNextSaveWorks() {
#ifdef Q_OS_LINUX
        Program program;
        const int status = inChild([&]() -> int {
            if (!mountSmallDisk(program.dir.filePath(QStringLiteral("数据库"))))
                return skipped;
            program.writeFile(oldFile);
            const QString filler = program.dir.filePath(QStringLiteral("数据库/filler"));
            if (!fillDisk(filler))
                return 10;
            program.store.jiyicaidan();
            if (program.fileContent() != oldFile)
                return 11;
            if (program.settingsFolderEntries() != QStringList{"filler", "Keyvora"})
                return 12;
            QFile::remove(filler);
            program.store.jiyicaidan();
            return program.fileContent() == defaultFile ? 0 : 13;
        });
        if (status == skipped)
            QSKIP("no mount namespace for a small disk here");
        // 11: the old file was damaged; 12: a temporary file was left; 13: the next save failed.
        QCOMPARE(status, 0);
#else
        QSKIP("no small disk to fill here");
#endif
    }

    void aSaveKilledBeforeTheRenameKeepsThePreviousFileAndLeavesNothingBehind() {
        // The kill comes from outside, as from the task manager, between the write and the
        // rename; where the temporary file has a name it stays until the next save.
        Program program;
        program.writeFile(oldFile);
        for (int i = 0; i < 3; ++i) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(),
                        {saveUntilKilled, program.dir.path()});
            QVERIFY(child.waitForReadyRead(60000));
            QVERIFY(child.readAllStandardOutput().startsWith("written"));
            QCOMPARE(program.fileContent(), oldFile);
            child.kill();
            QVERIFY(child.waitForFinished());
            QCOMPARE(child.exitStatus(), QProcess::CrashExit);
            QCOMPARE(program.fileContent(), oldFile);
        }
        program.store.jiyicaidan();
        QCOMPARE(program.fileContent(), defaultFile);
        QCOMPARE(program.settingsFolderEntries(), QStringList{"Keyvora"});
    }

    void theSaveRemovesItsOwnLeftoverTemporaryFilesAndNothingElse() {
        // Where a temporary file cannot stay unnamed, a killed save leaves "Keyvora.XXXXXX".
        Program program;
        program.writeFile(oldFile);
        const QDir folder(program.dir.filePath(QStringLiteral("数据库")));
        const auto plant = [&](const QString& name) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(oldFile.left(7));
        };
        plant(QStringLiteral("Keyvora.Ab12Cd"));
        plant(QStringLiteral("Keyvora.qwerty"));
        const QStringList unrelated = {"Keyvora.bak",    "Keyvora.abcdefg", "Keyvora.abcde",
                                       "keyvora.abcdef", "Other.abcdef",    "Keyvora.ab-def"};
        for (const QString& name : unrelated)
            plant(name);
        QVERIFY(folder.mkdir(QStringLiteral("Keyvora.zzzzzz")));
#ifdef Q_OS_WIN
        // Windows knows a link made without privileges, a shortcut, only by its suffix.
        const QString link = QStringLiteral("Keyvora.link12.lnk");
#else
        const QString link = QStringLiteral("Keyvora.link12");
#endif
        QVERIFY(
            QFile::link(folder.filePath(QStringLiteral("Other.abcdef")), folder.filePath(link)));
        program.store.jiyicaidan();

        QCOMPARE(program.fileContent(), defaultFile);
        QStringList kept = unrelated;
        kept << "Keyvora"
             << "Keyvora.zzzzzz" << link;
        kept.sort(Qt::CaseInsensitive);
        QStringList entries = program.settingsFolderEntries();
        entries.sort(Qt::CaseInsensitive);
        QCOMPARE(entries, kept);
    }

    void junkLeavesExactlyOneItemCheckedInEveryGroup_data() {
        QTest::addColumn<QByteArray>("content");
        QByteArray binary;
        for (int i = 0; i < 5000; ++i)
            binary += char((i * 7919 + 13) & 0xff);
        QTest::newRow("binary") << binary;
        QTest::newRow("negative indices") << QByteArray("-1\r\n-2\r\n-3\r\n-32768\r\n");
        QTest::newRow("separator index") << QByteArray(" 4\r\n 9\r\n 20\r\n 12\r\n");
        QTest::newRow("long lines") << (QByteArray(100000, '1') + "\n" + QByteArray(9000, 'T'));
        QTest::newRow("huge") << QByteArray(10 * 1024 * 1024, '\n');
    }
    void junkLeavesExactlyOneItemCheckedInEveryGroup() {
        QFETCH(QByteArray, content);
        Program program;
        program.writeFile(content);
        program.store.shujukucaidan();
        for (const QList<QAction*>* group :
             {&program.menus.fengge1, &program.menus.shengyin1, &program.menus.jibie,
              &program.menus.zongshu, &program.menus.banci1})
            QCOMPARE(RadioGroupHandlers::checkedCount(*group), 1);
    }
};

namespace {

// The child a test starts and kills while it saves.
int childMain(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return 2;
    return saveInChildUntilKilled(QString::fromLocal8Bit(argv[2]));
}

[[maybe_unused]] const bool childMainRegistered =
    TestRegistry::addChildMain(saveUntilKilledOption, childMain);

} // namespace

KEYVORA_TEST_MAIN(SettingsStore, SettingsStoreTest)
#include "tst_SettingsStore.moc"
