#include "RadioGroupHandlers.h"
#include "app/MenuTree.h"
#include "app/ProgramFolder.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsStore.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

const QByteArray defaultFile(" 0\r\n 1\r\n 2\r\n 4\r\nTrue\r\nTrue\r\nFalse\r\nFalse\r\n");

// A program folder with its settings folder, a menu tree and real-like group handlers.
struct Program {
    QTemporaryDir dir;
    ProgramFolder folder{dir.path()};
    MenuTree menus;
    RadioGroupHandlers handlers;
    SettingsStore store{menus, folder, handlers.make(menus)};

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
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QList<bool> marks() const {
        return {menus.zhifa->isChecked(), menus.cuowushengyin->isChecked(),
                menus.beijingyinyue->isChecked(), menus.banci1[0]->isChecked(),
                menus.banci1[1]->isChecked()};
    }
};

} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT
private slots:
    void writingAndReadingBackRestoresEveryChoice() {
        Program before;
        before.handlers.make(before.menus).fengge1(7);
        before.handlers.make(before.menus).shengyin1(5);
        before.handlers.make(before.menus).jibie(13);
        before.handlers.make(before.menus).zongshu(11);
        before.menus.zhifa->setChecked(false);
        before.menus.beijingyinyue->setChecked(true);
        before.menus.banci1[0]->setChecked(true);
        before.menus.banci1[1]->setChecked(false);
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

    void aSuccessfulWriteLeavesNoTemporaryFileBehind() {
        Program program;
        program.writeFile("old");
        program.store.jiyicaidan();
        QCOMPARE(program.fileContent(), defaultFile);
        QCOMPARE(program.settingsFolderEntries(), QStringList{"Keyvora"});
    }

    void aFailedWriteKeepsThePreviousFile() {
#ifdef Q_OS_UNIX
        // A file-size limit makes the write fail even for a privileged user, as a full disk would.
        Program program;
        const QByteArray good(" 7\r\n 3\r\n 9\r\n 2\r\nFalse\r\nFalse\r\nTrue\r\nTrue\r\n");
        program.writeFile(good);

        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = saved;
        tiny.rlim_cur = 5;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &tiny) == 0);
        program.store.jiyicaidan();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QCOMPARE(program.fileContent(), good);
        QCOMPARE(program.settingsFolderEntries(), QStringList{"Keyvora"});
#else
        QSKIP("no way to make the write fail here");
#endif
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

QTEST_MAIN(SettingsStoreTest)
#include "tst_SettingsStore.moc"
