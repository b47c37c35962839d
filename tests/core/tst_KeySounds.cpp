#include "TestRegistry.h"

#include "RecordingSoundChannel.h"
#include "menus/MenuTree.h"
#include "platform/ProgramFolder.h"
#include "settings/Options.h"
#include "sound/KeySounds.h"

#include <QAction>
#include <QTest>

class KeySoundsTest : public QObject {
    Q_OBJECT
private slots:
    void choosingAModeChecksItAloneAndOnlyLoadsItsFile_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("file"); // relative to the program folder; empty: unloaded
        QTest::newRow("silent") << 0 << QString();
        QTest::newRow("spoken names") << 1 << "声音/音效/语音报";
        for (int effect = 1; effect <= 7; ++effect)
            QTest::addRow("effect %d", effect)
                << effect + 1 << QStringLiteral("声音/音效/音效%1").arg(effect);
    }
    void choosingAModeChecksItAloneAndOnlyLoadsItsFile() {
        QFETCH(int, index);
        QFETCH(QString, file);
        Options options;
        MenuTree menus(options);
        RecordingSoundChannel channel;
        const ProgramFolder folder(QStringLiteral("/opt/keyvora"));
        KeySounds sounds(options, channel, folder);
        channel.setFile(folder.file(QStringLiteral("声音/音效/音效1"))); // as start-up leaves it
        channel.clear();

        sounds.choose(index);

        const QString expected = file.isEmpty() ? QString() : folder.file(file);
        QCOMPARE(channel.calls, QStringList{QStringLiteral("set:") + expected});
        QCOMPARE(channel.file(), expected);
        for (int i = 0; i < menus.shengyin1.size(); ++i)
            QCOMPARE(menus.shengyin1[i]->isChecked(), i == index);
    }

    void anIndexOutsideTheGroupChangesNothing_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("negative") << -1;
        QTest::newRow("just past the end") << 9;
        QTest::newRow("far beyond") << 32767;
    }
    void anIndexOutsideTheGroupChangesNothing() {
        QFETCH(int, index);
        Options options;
        MenuTree menus(options);
        RecordingSoundChannel channel;
        const ProgramFolder folder(QStringLiteral("/opt/keyvora"));
        KeySounds sounds(options, channel, folder);
        sounds.choose(4);
        channel.clear();

        sounds.choose(index);

        QVERIFY(channel.calls.isEmpty());
        QCOMPARE(MenuTree::checkedIndex(menus.shengyin1), 4);
    }
};

KEYVORA_TEST_MAIN(KeySounds, KeySoundsTest)
#include "tst_KeySounds.moc"
