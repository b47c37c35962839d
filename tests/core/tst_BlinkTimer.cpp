#include "TestRegistry.h"

#include "keyboard/BlinkTimer.h"
#include "keyboard/KeyTable.h"
#include "keyboard/KeyboardModel.h"
#include "practice/PracticeState.h"
#include "settings/Options.h"

#include <QSignalSpy>
#include <QTest>

class BlinkTimerTest : public QObject {
    Q_OBJECT

    struct Rig {
        Options options;
        PracticeState state{options};
        KeyboardModel keyboard;
        BlinkTimer blink{state, keyboard};

        bool lit(int code) const {
            return keyboard.colour(KeyTable::keyOfTarget(code), KeyPart::Cap) ==
                   KeyboardModel::litColour;
        }
        bool nothingLit() const {
            for (int k : KeyTable::keyIndices())
                for (KeyPart part : {KeyPart::Cap, KeyPart::Lower, KeyPart::Upper})
                    if (keyboard.colour(k, part) != KeyboardModel::keyColour)
                        return false;
            return true;
        }
        // The lit state of the target's key over the next ticks, as "L" and ".".
        QString pattern(int code, int ticks) {
            QString seen;
            for (int i = 0; i < ticks; ++i) {
                blink.tick();
                seen += lit(code) ? QLatin1Char('L') : QLatin1Char('.');
            }
            return seen;
        }
    };

private slots:
    void targetKeyIsLitTwoTicksThenThreeOfEveryFive() {
        Rig rig;
        rig.state.mubiao = 65;
        rig.state.setRunning(true);
        QCOMPARE(rig.pattern(65, 12), QStringLiteral("LL..LLL..LLL"));
    }

    void stoppingReturnsTheLitKeyWithinOneTick() {
        Rig rig;
        rig.state.mubiao = 65;
        rig.state.setRunning(true);
        rig.blink.tick();
        QVERIFY(rig.lit(65));

        rig.state.setRunning(false);
        rig.blink.tick();
        QVERIFY(rig.nothingLit());
    }

    void targetWithoutAKeyLightsNothing() {
        Rig rig;
        rig.state.mubiao = 97; // "a"
        rig.state.setRunning(true);
        for (int i = 0; i < 5; ++i) {
            rig.blink.tick();
            QVERIFY(rig.nothingLit());
        }
    }

    void newTargetKeepsTheCycleAndMovesTheLight() {
        Rig rig;
        rig.state.mubiao = 49;
        rig.state.setRunning(true);
        QCOMPARE(rig.pattern(49, 5), QStringLiteral("LL..L"));
        rig.state.mubiao = 49; // the same key again
        QCOMPARE(rig.pattern(49, 5), QStringLiteral("LL..L"));

        rig.state.mubiao = 50; // a new key during the lit phase
        rig.blink.tick();
        QVERIFY(rig.lit(50));
        QVERIFY(!rig.lit(49));
        QCOMPARE(rig.pattern(50, 4), QStringLiteral("L..L"));
    }

    void steadyTickRepaintsAtMostTheKeyThatChanges() {
        Rig rig;
        rig.state.mubiao = 65;
        rig.state.setRunning(true);
        QSignalSpy spy(&rig.keyboard, &KeyboardModel::keyColourChanged);
        for (int i = 0; i < 10; ++i) {
            spy.clear();
            rig.blink.tick();
            QVERIFY(spy.count() <= 1);
            for (const auto& call : spy)
                QCOMPARE(call.at(0).toInt(), KeyTable::keyOfTarget(65));
        }
    }

    void endOfRunActsOnlyOnACompleteActiveRun_data() {
        QTest::addColumn<bool>("running");
        QTest::addColumn<int>("jishu");
        QTest::addColumn<int>("calls");
        QTest::newRow("active run at the total") << true << 10 << 0;
        QTest::newRow("active run past the total") << true << 11 << 1;
        QTest::newRow("no run past the total") << false << 11 << 0;
    }
    void endOfRunActsOnlyOnACompleteActiveRun() {
        QFETCH(bool, running);
        QFETCH(int, jishu);
        QFETCH(int, calls);
        Rig rig;
        int seen = 0;
        rig.blink.setEndOfRun([&] { ++seen; });
        rig.options.setTotal(0); // 10
        rig.state.setJishu(jishu);
        rig.state.setRunning(running);
        rig.blink.tick();
        QCOMPARE(seen, calls);
    }
};

KEYVORA_TEST_GUILESS_MAIN(BlinkTimer, BlinkTimerTest)
#include "tst_BlinkTimer.moc"
