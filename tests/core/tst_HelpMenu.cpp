#include "TestRegistry.h"

#include "web/HelpMenu.h"

#include "FakeDialogs.h"

#include <QFile>
#include <QTest>

class HelpMenuTest : public QObject {
    Q_OBJECT

private slots:
    void aboutTextRunsMinorAndRevisionTogether_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("versionLine");
        QTest::newRow("6.2.0") << 6 << 2 << 0 << QStringLiteral("  版本号: 6.20");
        QTest::newRow("6.12.3") << 6 << 12 << 3 << QStringLiteral("  版本号: 6.123");
    }
    void aboutTextRunsMinorAndRevisionTogether() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, versionLine);
        const QString text = HelpMenu::aboutText(major, minor, revision);
        QVERIFY(!text.contains(QLatin1Char('\n')));
        QVERIFY(text.endsWith(QLatin1Char('\r')));
        const QStringList lines = text.chopped(1).split(QLatin1Char('\r'));
        QVERIFY(lines.size() > 4);
        QCOMPARE(lines.mid(0, 4), QStringList({QStringLiteral("  Keyvora"), QString(), versionLine,
                                               QStringLiteral(" ")}));
        for (const QString& line : lines.mid(4))
            QVERIFY(!line.trimmed().isEmpty());
    }

    void aboutItemShowsTheBoxWithTheBuiltVersion() {
        FakeShell shell;
        FakeMessageBox box;
        HelpMenu help(ProgramFolder(QStringLiteral(KEYVORA_PROGRAM_DIR)), shell, box);
        help.choose(8);
        QCOMPARE(box.titles, QStringList{QStringLiteral("关于Keyvora...")});
        QVERIFY(box.texts.first().contains(QStringLiteral("  版本号: ")));
        QVERIFY(shell.edited.isEmpty() && shell.opened.isEmpty());
    }

    void featureDescriptionOpensFromBesideTheProgram() {
        FakeShell shell;
        FakeMessageBox box;
        HelpMenu help(ProgramFolder(QStringLiteral(KEYVORA_PROGRAM_DIR)), shell, box);
        help.choose(0);
        QCOMPARE(shell.edited.size(), 1);
        QFile description(shell.edited.first());
        QVERIFY2(description.exists(), qPrintable(shell.edited.first()));
        QVERIFY(description.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(description.readAll());
        for (const char* topic :
             {"倒计时", "正确率", "打字速度", "练习级别", "字符总数", "指法", "语音报键",
              "错误警示", "背景音乐", "五笔", "98", "Alt+A", "恢复菜单默认设置"})
            QVERIFY2(text.contains(QString::fromUtf8(topic)), topic);
        QVERIFY(box.titles.isEmpty() && shell.opened.isEmpty());
    }

    void downloadItemOpensTheDownloadPageOfTheSite() {
        FakeShell shell;
        FakeMessageBox box;
        const WebAddresses site(QUrl(QStringLiteral("http://127.0.0.1:9/")));
        HelpMenu help(ProgramFolder(QStringLiteral("/p")), shell, box, site);
        help.choose(1);
        QCOMPARE(shell.opened.size(), 1);
        const QUrl opened(shell.opened.first());
        QVERIFY(opened.isValid());
        QVERIFY(site.base().isParentOf(opened));
        QCOMPARE(opened, site.downloadPage());
    }

    void otherItemsDoNothing_data() {
        QTest::addColumn<int>("index");
        for (int i : {2, 3, 4, 5, 6, 7, -1, 9})
            QTest::addRow("item %d", i) << i;
    }
    void otherItemsDoNothing() {
        QFETCH(int, index);
        FakeShell shell;
        FakeMessageBox box;
        HelpMenu help(ProgramFolder(QStringLiteral("/p")), shell, box);
        help.choose(index);
        QVERIFY(shell.edited.isEmpty());
        QVERIFY(shell.opened.isEmpty());
        QVERIFY(box.titles.isEmpty());
    }
};

KEYVORA_TEST_GUILESS_MAIN(HelpMenu, HelpMenuTest)
#include "tst_HelpMenu.moc"
