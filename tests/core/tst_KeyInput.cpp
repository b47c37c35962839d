#include "TestRegistry.h"

#include "PracticeRig.h"

#include "practice/KeyInput.h"

#include <QTest>

namespace {

constexpr int shiftAwareStyle = 11;
constexpr int keyCodeStyle = 0;
constexpr int effectMode = 2; // 音效1

struct Rig : PracticeRig {
    KeyInput input{state, options, selector, keySound, errorSound};
    int menuOpened = 0;

    Rig() {
        input.setOpenFileMenu([this] { ++menuOpened; });
        keySound.setFile(QStringLiteral("effect"));
        errorSound.setFile(QStringLiteral("error"));
        keySound.clear();
        errorSound.clear();
    }
};

const QStringList replayed = {QStringLiteral("set:error"), QStringLiteral("play")};

} // namespace

class KeyInputTest : public QObject {
    Q_OBJECT
private slots:
    void altAOpensTheFileMenuUncountedWhileThePrecedingAltIsCounted_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("hits");
        QTest::newRow("target A: Alt is wrong") << keyCodeStyle << 65 << 0;
        QTest::newRow("target left Alt") << keyCodeStyle << 18 << 1;
        QTest::newRow("target right Alt") << keyCodeStyle << 28 << 1;
        QTest::newRow("shift-aware: Alt is wrong") << shiftAwareStyle << 65 << 0;
    }
    void altAOpensTheFileMenuUncountedWhileThePrecedingAltIsCounted() {
        QFETCH(int, style);
        QFETCH(int, target);
        QFETCH(int, hits);
        Rig rig;
        rig.checkStyle(style);
        rig.startRun(target);
        rig.input.keyDown(18, 4);
        rig.input.keyDown(65, 4);
        QCOMPARE(rig.menuOpened, 1);
        QCOMPARE(rig.state.jishu(), 2);
        QCOMPARE(rig.state.jizhong(), hits);
    }

    void altAOpensTheFileMenuWithoutARun() {
        Rig rig;
        rig.input.keyDown(65, 4);
        QCOMPARE(rig.menuOpened, 1);
        QCOMPARE(rig.state.jishu(), 0);
    }

    void altAWithAnotherModifierIsAnOrdinaryKey() {
        Rig rig;
        rig.startRun(65);
        rig.input.keyDown(65, 5);
        QCOMPARE(rig.menuOpened, 0);
        QCOMPARE(rig.state.jishu(), 2);
        QCOMPARE(rig.state.jizhong(), 1); // key-code checking ignores the modifiers
    }

    void noKeyIsCountedWithoutARun() {
        Rig rig;
        rig.startRun(65);
        rig.state.setRunning(false);
        rig.input.keyDown(65, 0);
        rig.input.keyDown(66, 0);
        QCOMPARE(rig.state.jishu(), 1);
        QCOMPARE(rig.state.jizhong(), 0);
        QCOMPARE(rig.state.mubiao, 65);
        QVERIFY(rig.keySound.calls.isEmpty());
        QVERIFY(rig.errorSound.calls.isEmpty());
    }

    void shiftAndCapsLockAreIgnoredOnlyUnderShiftAwareChecking_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("hits");
        QTest::newRow("shift-aware, Shift") << shiftAwareStyle << 65 << 16 << 1 << 1 << 0;
        QTest::newRow("shift-aware, Caps Lock") << shiftAwareStyle << 65 << 20 << 0 << 1 << 0;
        QTest::newRow("key code, Shift for A") << keyCodeStyle << 65 << 16 << 1 << 2 << 0;
        QTest::newRow("key code, Caps Lock for A") << keyCodeStyle << 65 << 20 << 0 << 2 << 0;
        QTest::newRow("key code, Shift for left Shift") << keyCodeStyle << 16 << 16 << 1 << 2 << 1;
        QTest::newRow("key code, Caps Lock for Caps Lock")
            << keyCodeStyle << 20 << 20 << 0 << 2 << 1;
    }
    void shiftAndCapsLockAreIgnoredOnlyUnderShiftAwareChecking() {
        QFETCH(int, style);
        QFETCH(int, target);
        QFETCH(int, code);
        QFETCH(int, state);
        QFETCH(int, count);
        QFETCH(int, hits);
        Rig rig;
        rig.checkStyle(style);
        rig.startRun(target);
        rig.input.keyDown(code, state);
        QCOMPARE(rig.state.jishu(), count);
        QCOMPARE(rig.state.jizhong(), hits);
        QCOMPARE(rig.errorSound.calls, count > hits + 1 ? replayed : QStringList());
    }

    void shiftAwareCheckingWantsShiftForCapitalsAndNotForSmallLetters() {
        Rig rig;
        rig.checkStyle(shiftAwareStyle);
        rig.startRun(97);
        rig.input.keyDown(65, 1);
        QCOMPARE(rig.state.jishu(), 2);
        QCOMPARE(rig.state.jizhong(), 0);
        rig.state.mubiao = 65;
        rig.input.keyDown(16, 1);
        rig.input.keyDown(65, 1);
        QCOMPARE(rig.state.jishu(), 3);
        QCOMPARE(rig.state.jizhong(), 1);
    }

    void rightHandModifierTargetsAreStruckByEitherKey_data() {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("state");
        QTest::newRow("right Shift") << 26 << 16 << 1;
        QTest::newRow("right Ctrl") << 27 << 17 << 2;
        QTest::newRow("right Alt") << 28 << 18 << 4;
        QTest::newRow("left Shift") << 16 << 16 << 1;
        QTest::newRow("left Ctrl") << 17 << 17 << 2;
        QTest::newRow("left Alt") << 18 << 18 << 4;
    }
    void rightHandModifierTargetsAreStruckByEitherKey() {
        QFETCH(int, target);
        QFETCH(int, code);
        QFETCH(int, state);
        Rig rig;
        rig.checkStyle(3);
        rig.startRun(target);
        rig.input.keyDown(code, state);
        QCOMPARE(rig.state.jizhong(), 1);
    }

    void wrongKeyKeepsTheTargetAndSoundsTheErrorOnlyWhenItIsOn_data() {
        QTest::addColumn<bool>("errorSoundOn");
        QTest::newRow("error sound on") << true;
        QTest::newRow("error sound off") << false;
    }
    void wrongKeyKeepsTheTargetAndSoundsTheErrorOnlyWhenItIsOn() {
        QFETCH(bool, errorSoundOn);
        Rig rig;
        rig.checkSoundMode(effectMode);
        rig.options.setCuowushengyin(errorSoundOn);
        rig.startRun(65);
        rig.input.keyDown(66, 0);
        QCOMPARE(rig.state.mubiao, 65);
        QCOMPARE(rig.state.jishu(), 2);
        QCOMPARE(rig.state.jizhong(), 0);
        QCOMPARE(rig.errorSound.calls, errorSoundOn ? replayed : QStringList());
        QVERIFY(rig.keySound.calls.isEmpty());
    }

    void correctKeyCountsAHitAndDrawsTheNextTarget() {
        Rig rig;
        rig.startRun(65);
        rig.random.queued = {PracticeRig::drawFor(66), 0.5};
        rig.input.keyDown(65, 0);
        QCOMPARE(rig.state.jishu(), 2);
        QCOMPARE(rig.state.jizhong(), 1);
        QCOMPARE(rig.state.mubiao, 66);
        QCOMPARE(rig.state.xialuobushu, -2);
        QVERIFY(rig.errorSound.calls.isEmpty());
    }

    void correctKeyReplaysTheEffectOnlyWhenAnEffectIsChosen_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("effect");
        QTest::newRow("无") << 0 << false;
        QTest::newRow("语音报键") << 1 << false;
        for (int mode = 2; mode <= 8; ++mode)
            QTest::newRow(qPrintable(QStringLiteral("音效%1").arg(mode - 1))) << mode << true;
    }
    void correctKeyReplaysTheEffectOnlyWhenAnEffectIsChosen() {
        QFETCH(int, mode);
        QFETCH(bool, effect);
        Rig rig;
        rig.checkSoundMode(mode);
        rig.startRun(65);
        rig.random.queued = {PracticeRig::drawFor(66), 0.5};
        rig.input.keyDown(65, 0);
        const QString spoken = rig.folder.file(QStringLiteral("声音/字符声音/b"));
        if (effect)
            QCOMPARE(rig.keySound.calls, QStringList({"set:effect", "play"}));
        else if (mode == 1)
            QCOMPARE(rig.keySound.calls, QStringList({"set:" + spoken, "play"}));
        else
            QVERIFY(rig.keySound.calls.isEmpty());
    }

    void autoRepeatCountsEveryKeyDown() {
        Rig rig;
        rig.startRun(65);
        for (int i = 0; i < 3; ++i)
            rig.input.keyDown(66, 0);
        QCOMPARE(rig.state.jishu(), 4);
        QCOMPARE(rig.errorSound.plays, 3);
        // The same target drawn again: each repeat of its key is a hit.
        rig.random.queued = {PracticeRig::drawFor(65), 0.5, PracticeRig::drawFor(65), 0.5};
        rig.input.keyDown(65, 0);
        rig.input.keyDown(65, 0);
        QCOMPARE(rig.state.jishu(), 6);
        QCOMPARE(rig.state.jizhong(), 2);
    }

    void keyStruckAfterTheLastCharacterIsStillCountedWithoutANewTarget() {
        Rig rig;
        rig.options.setTotal(0); // 10
        rig.startRun(65);
        rig.state.setJishu(10);
        rig.input.keyDown(65, 0);
        QCOMPARE(rig.state.jishu(), 11);
        QCOMPARE(rig.state.jizhong(), 1);
        rig.input.keyDown(65, 0);
        QCOMPARE(rig.state.jishu(), 12);
        QCOMPARE(rig.state.jizhong(), 2);
        QCOMPARE(rig.state.mubiao, 65);
    }
};

KEYVORA_TEST_MAIN(KeyInput, KeyInputTest)
#include "tst_KeyInput.moc"
