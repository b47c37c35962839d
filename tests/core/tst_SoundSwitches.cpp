#include "TestRegistry.h"

#include "RecordingSoundChannel.h"
#include "menus/MenuTree.h"
#include "platform/ProgramFolder.h"
#include "settings/Options.h"
#include "sound/SoundSwitches.h"

#include <QAction>
#include <QTest>

namespace {
struct Switches {
    Options options;
    MenuTree menus{options};
    RecordingSoundChannel music;
    ProgramFolder folder{QStringLiteral("/opt/keyvora")};
    SoundSwitches switches{options, music, folder};
    QString musicFile() const { return folder.file(QStringLiteral("声音/五笔口诀/五笔口诀音乐")); }
};
} // namespace

class SoundSwitchesTest : public QObject {
    Q_OBJECT
private slots:
    void theErrorSoundSwitchOnlyFlipsItsMark() {
        Switches s;
        s.switches.toggleErrorSound();
        QVERIFY(!s.menus.cuowushengyin->isChecked());
        s.switches.toggleErrorSound();
        QVERIFY(s.menus.cuowushengyin->isChecked());
        QVERIFY(s.music.calls.isEmpty());
        QVERIFY(!s.menus.beijingyinyue->isChecked());
    }

    void musicOffAndOnAgainRestartsFromTheBeginning() {
        Switches s;
        s.switches.toggleMusic();
        QVERIFY(s.menus.beijingyinyue->isChecked());
        s.switches.toggleMusic();
        QVERIFY(!s.menus.beijingyinyue->isChecked());
        s.switches.toggleMusic();
        const QString set = QStringLiteral("set:") + s.musicFile();
        QCOMPARE(s.music.calls, (QStringList{set, "play", "halt", set, "play"}));
    }

    void startUpPlaysTheMusicOnlyWhenItsItemIsChecked() {
        Switches s;
        s.switches.startMusicIfChecked();
        QVERIFY(s.music.calls.isEmpty());
        s.options.setBeijingyinyue(true);
        s.switches.startMusicIfChecked();
        QCOMPARE(s.music.calls, (QStringList{QStringLiteral("set:") + s.musicFile(), "play"}));
    }

    void theMusicSwitchIsDeadWhileItsItemIsDisabled() {
        Switches s;
        s.options.setBeijingyinyue(true);
        s.options.setReciting(true);
        s.switches.toggleMusic();
        QVERIFY(s.menus.beijingyinyue->isChecked());
        QVERIFY(s.music.calls.isEmpty());
    }
};

KEYVORA_TEST_MAIN(SoundSwitches, SoundSwitchesTest)
#include "tst_SoundSwitches.moc"
