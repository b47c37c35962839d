#include "TestRegistry.h"

#include "app/WindowCaption.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QTest>

class WindowCaptionTest : public QObject {
    Q_OBJECT
private slots:
    void captionRunsMinorAndRevisionTogether_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("caption");
        QTest::newRow("6.2.0") << 6 << 2 << 0 << "Keyvora 6.20";
        QTest::newRow("6.12.3") << 6 << 12 << 3 << "Keyvora 6.123";
        QTest::newRow("1.0.0") << 1 << 0 << 0 << "Keyvora 1.00";
    }
    void captionRunsMinorAndRevisionTogether() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, caption);
        QCOMPARE(WindowCaption::caption(major, minor, revision), caption);
    }

    void programFilesGetExactlyOneSeparator_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("without trailing separator") << "/opt/keyvora"
                                                    << "/opt/keyvora/数据库/Keyvora";
        QTest::newRow("with trailing separator") << "/opt/keyvora/"
                                                 << "/opt/keyvora/数据库/Keyvora";
        QTest::newRow("root") << "/"
                              << "/数据库/Keyvora";
    }
    void programFilesGetExactlyOneSeparator() {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QCOMPARE(ProgramFolder(folder).file(QStringLiteral("数据库/Keyvora")),
                 QDir::toNativeSeparators(expected));
    }
};

KEYVORA_TEST_GUILESS_MAIN(WindowCaption, WindowCaptionTest)
#include "tst_WindowCaption.moc"
