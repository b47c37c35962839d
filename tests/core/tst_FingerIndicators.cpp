#include "TestRegistry.h"

#include "practice/FingerIndicators.h"
#include "run/PracticeState.h"
#include "settings/Options.h"

#include <QTest>

namespace {

struct Rig {
    Options options;
    PracticeState state{options};
    FingerIndicators fingers{state, options};

    void checkStyle(int index) { options.setFengge(index); }
    void startRun(int target) {
        state.mubiao = target;
        state.setRunning(true);
    }
    // The lit finger, -1 for none; fails on more than one.
    int litFinger() const {
        int lit = -1;
        for (int i = 0; i < 8; ++i) {
            if (fingers.fingerLit(i)) {
                if (lit != -1)
                    return -2;
                lit = i;
            }
        }
        return lit;
    }
    bool allOff() const {
        return litFinger() == -1 && !fingers.shiftLit(0) && !fingers.shiftLit(1);
    }
};

} // namespace

class FingerIndicatorsTest : public QObject {
    Q_OBJECT
private slots:
    void targetLightsItsFingerAndTheShiftOfTheOtherHand_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("finger");
        QTest::addColumn<bool>("leftShift");
        QTest::addColumn<bool>("rightShift");
        QTest::newRow("Q, all characters") << 11 << int('Q') << 0 << false << true;
        QTest::newRow("q, all characters") << 11 << int('q') << 0 << false << false;
        QTest::newRow("=, all characters") << 11 << int('=') << 7 << false << false;
        QTest::newRow("+, all characters") << 11 << int('+') << 7 << true << false;
        QTest::newRow("? , all characters") << 11 << int('?') << 7 << true << false;
        QTest::newRow("Q, other style has no Shift hint") << 9 << int('Q') << 0 << false << false;
        QTest::newRow("J, keyboard style") << 0 << int('J') << 4 << false << false;
        QTest::newRow("right Alt") << 3 << 28 << 7 << false << false;
        QTest::newRow("space lights no finger") << 3 << 32 << -1 << false << false;
    }
    void targetLightsItsFingerAndTheShiftOfTheOtherHand() {
        QFETCH(int, style);
        QFETCH(int, target);
        QFETCH(int, finger);
        QFETCH(bool, leftShift);
        QFETCH(bool, rightShift);
        Rig rig;
        rig.checkStyle(style);
        rig.startRun(target);
        rig.fingers.tick();
        QCOMPARE(rig.litFinger(), finger);
        QCOMPARE(rig.fingers.shiftLit(0), leftShift);
        QCOMPARE(rig.fingers.shiftLit(1), rightShift);
    }

    void fingerBlinksStartingLitThenThreeTicksLitTwoDarkWhileTheShiftHintStaysLit() {
        Rig rig;
        rig.checkStyle(11);
        rig.startRun(int('Q'));
        QList<bool> lit;
        for (int i = 0; i < 10; ++i) {
            rig.fingers.tick();
            lit << rig.fingers.fingerLit(0);
            QVERIFY(rig.fingers.shiftLit(1));
        }
        // The phase rests at 0 outside a run, so the first burst is one tick short; then the
        // cycle is three lit, two dark.
        QCOMPARE(lit,
                 QList<bool>({true, true, false, false, true, true, true, false, false, true}));
    }

    void aNewTargetIsFollowedAtTheNextTick() {
        Rig rig;
        rig.startRun(int('A'));
        rig.fingers.tick();
        rig.state.mubiao = int('L');
        QCOMPARE(rig.litFinger(), 0);
        rig.fingers.tick();
        QCOMPARE(rig.litFinger(), 6);
    }

    void turningFingeringOffSwitchesEverythingOffAtTheNextTick() {
        Rig rig;
        rig.checkStyle(11);
        rig.startRun(int('+'));
        rig.fingers.tick();
        QVERIFY(!rig.allOff());
        rig.options.setZhifa(false);
        QVERIFY(!rig.allOff());
        rig.fingers.tick();
        QVERIFY(rig.allOff());
    }

    void stoppingTheRunSwitchesEverythingOffAndResetsThePhase() {
        Rig rig;
        rig.checkStyle(11);
        rig.startRun(int('Q'));
        rig.fingers.tick();
        rig.fingers.tick();
        rig.state.setRunning(false);
        rig.fingers.tick();
        QVERIFY(rig.allOff());
        QCOMPARE(rig.fingers.shanshuo(), 0);
        rig.fingers.tick();
        QCOMPARE(rig.fingers.shanshuo(), 0);
        // The next run starts lit.
        rig.state.setRunning(true);
        rig.fingers.tick();
        QCOMPARE(rig.litFinger(), 0);
    }

    void everyTargetHasAFingerAndBothCharactersOfAKeyShareIt() {
        // Letters: the small and the capital letter.
        for (int c = 'a'; c <= 'z'; ++c) {
            QVERIFY(FingerIndicators::fingerOf(c) >= 0);
            QCOMPARE(FingerIndicators::fingerOf(c), FingerIndicators::fingerOf(c - 32));
        }
        // Digits and punctuation: the unshifted and the shifted character of one key.
        const QByteArray plain = "`1234567890-=[]\\;',./";
        const QByteArray shifted = "~!@#$%^&*()_+{}|:\"<>?";
        for (qsizetype i = 0; i < plain.size(); ++i) {
            QVERIFY(FingerIndicators::fingerOf(plain[i]) >= 0);
            QCOMPARE(FingerIndicators::fingerOf(plain[i]), FingerIndicators::fingerOf(shifted[i]));
        }
        // Every printable character has exactly one finger: the rows do not overlap.
        for (int c = 33; c <= 126; ++c)
            QVERIFY2(FingerIndicators::fingerOf(c) >= 0, qPrintable(QString(QChar(c))));
        for (int code : {16, 17, 18, 20})
            QCOMPARE(FingerIndicators::fingerOf(code), 0);
        for (int code : {8, 13, 26, 27, 28})
            QCOMPARE(FingerIndicators::fingerOf(code), 7);
        QCOMPARE(FingerIndicators::fingerOf(32), -1);
        QCOMPARE(FingerIndicators::fingerOf(9), -1);
    }

    void exactlyTheShiftedCharactersNeedShift() {
        const QByteArray shifted = "~!@#$%^&*()_+{}|:\"<>?ABCDEFGHIJKLMNOPQRSTUVWXYZ";
        for (int c = 0; c <= 126; ++c)
            QVERIFY2(FingerIndicators::needsShift(c) == shifted.contains(char(c)),
                     qPrintable(QString::number(c)));
    }
};

KEYVORA_TEST_MAIN(FingerIndicators, FingerIndicatorsTest)
#include "tst_FingerIndicators.moc"
