#include "TestRegistry.h"

#include "FakeClock.h"
#include "RunRig.h"

#include "keyboard/BlinkTimer.h"
#include "keyboard/FallingCharacter.h"
#include "keyboard/KeyboardModel.h"
#include "practice/RunController.h"
#include "run/RunClock.h"

#include <QSignalSpy>
#include <QTest>

namespace {

struct Rig : RunRig {
    FakeClock clock;
    KeyboardModel keyboard;
    RunClock runClock{state, clock};
    FallingCharacter fall{state, falling, selector};
    RunController run{state, falling, selector, runClock, fall, clock};
    BlinkTimer blink{state, keyboard};

    Rig() {
        blink.setEndOfRun([this] { run.stop(); });
    }

    // Lets the countdown run out and the run begin.
    void startRun() {
        run.start();
        clock.advance(5.125); // binary-exact steps keep the clock figures exact
        run.tickCountdown();
    }

    // A counted key press, as the key checker makes it.
    void press(bool right) {
        state.setJishu(state.jishu() + 1);
        if (right) {
            state.setJizhong(state.jizhong() + 1);
            selector.zifu();
        }
    }
};

} // namespace

class RunControllerTest : public QObject {
    Q_OBJECT
private slots:
    void countdownShowsTheSecondsLeftRoundedHalfToEven_data() {
        QTest::addColumn<double>("elapsed");
        QTest::addColumn<QString>("figure");
        QTest::newRow("0.0") << 0.0 << "5";
        QTest::newRow("0.4") << 0.4 << "5";
        QTest::newRow("0.5") << 0.5 << "4";
        QTest::newRow("1.5") << 1.5 << "4";
        QTest::newRow("1.51") << 1.51 << "3";
        QTest::newRow("2.5") << 2.5 << "2";
        QTest::newRow("3.5") << 3.5 << "2";
        QTest::newRow("3.6") << 3.6 << "1";
        QTest::newRow("4.5") << 4.5 << "0";
        QTest::newRow("5.0") << 5.0 << "0";
    }
    void countdownShowsTheSecondsLeftRoundedHalfToEven() {
        QFETCH(double, elapsed);
        QFETCH(QString, figure);
        Rig rig;
        rig.run.start();
        QCOMPARE(rig.run.countdownNumber(), QStringLiteral("5"));

        rig.clock.advance(elapsed);
        rig.run.tickCountdown();
        QCOMPARE(rig.run.countdownNumber(), figure);
        QVERIFY(rig.run.countdownVisible());
        QVERIFY(!rig.state.running());
    }

    void runStartsOnceMoreThanFiveSecondsHavePassed() {
        Rig rig;
        rig.options.setTotal(0); // 10
        rig.state.setJishu(11);  // a completed previous run
        rig.state.setJizhong(10);
        rig.state.mubiao = 70;
        rig.run.start();
        rig.clock.advance(5.0);
        rig.run.tickCountdown();
        QVERIFY(!rig.state.running());

        rig.queueTarget(75);
        rig.clock.advance(0.001);
        rig.run.tickCountdown();
        QVERIFY(rig.state.running());
        QVERIFY(rig.run.running());
        QVERIFY(!rig.run.countdownVisible());
        QVERIFY(!rig.run.countdownActive());
        QCOMPARE(rig.state.kaishishijian, rig.clock.monotonic);
        QCOMPARE(rig.state.jishu(), 1);
        QCOMPARE(rig.state.jizhong(), 0);
        QCOMPARE(rig.state.mubiao, 75); // a fresh first target despite the completed run
        QCOMPARE(rig.state.xialuobushu, -2);
    }

    void startDuringARunKeepsItsFiguresUntilTheCountdownEnds() {
        Rig rig;
        int hooks = 0;
        bool runningAtHook = false;
        rig.run.setBeforeStart([&] {
            ++hooks;
            runningAtHook = rig.state.running();
        });
        rig.startRun();
        rig.press(true);
        rig.press(false);
        rig.run.tickRun();
        QCOMPARE(rig.falling.caption().isEmpty(), false);

        rig.run.start();
        QCOMPARE(hooks, 2);
        QVERIFY(runningAtHook); // the hook comes before the run is stopped
        QVERIFY(!rig.state.running());
        QVERIFY(rig.falling.caption().isEmpty());
        QVERIFY(rig.run.countdownVisible());
        QCOMPARE(rig.state.jishu(), 3);
        QCOMPARE(rig.state.jizhong(), 1);

        rig.clock.advance(5.01);
        rig.run.tickCountdown();
        QCOMPARE(rig.state.jishu(), 1);
        QCOMPARE(rig.state.jizhong(), 0);
        QVERIFY(rig.state.running());
    }

    void stopWhenIdleOnlyClearsTheFallingText() {
        Rig rig;
        rig.falling.setCaption(QStringLiteral("A"));
        rig.falling.setTop(600);
        rig.state.setJishu(7);
        QSignalSpy countdown(&rig.run, &RunController::countdownChanged);

        rig.run.stop();
        QCOMPARE(rig.falling.caption(), QString());
        QCOMPARE(rig.falling.top(), 600.0);
        QCOMPARE(rig.state.jishu(), 7);
        QVERIFY(!rig.state.running());
        QCOMPARE(countdown.count(), 0);
    }

    void stopClearsTheFallingTextAtOnceAndNothingMovesAfter() {
        Rig rig;
        rig.startRun();
        for (int i = 0; i < 10; ++i) {
            rig.clock.advance(0.125);
            rig.run.tickRun();
        }
        QVERIFY(!rig.falling.caption().isEmpty());
        const double top = rig.falling.top();

        rig.run.stop();
        QVERIFY(rig.falling.caption().isEmpty());
        rig.clock.advance(0.125);
        rig.run.tickRun(); // a stray tick
        QVERIFY(rig.falling.caption().isEmpty());
        QCOMPARE(rig.falling.top(), top);
        QCOMPARE(RunClock::reading(rig.state.elapsed()).seconds, 1);
        QCOMPARE(RunClock::reading(rig.state.elapsed()).tenths, 2);
    }

    void startAgainDuringTheCountdownRestartsIt() {
        Rig rig;
        rig.run.start();
        rig.clock.advance(3.0);
        rig.run.tickCountdown();
        QCOMPARE(rig.run.countdownNumber(), QStringLiteral("2"));

        rig.run.start();
        QCOMPARE(rig.run.countdownNumber(), QStringLiteral("5"));
        rig.clock.advance(4.0);
        rig.run.tickCountdown();
        QVERIFY(!rig.state.running());
        QCOMPARE(rig.run.countdownNumber(), QStringLiteral("1"));

        rig.clock.advance(1.01);
        rig.run.tickCountdown();
        QVERIFY(rig.state.running());
    }

    void stopDuringTheCountdownCancelsTheRun() {
        Rig rig;
        rig.run.start();
        rig.clock.advance(2.0);
        rig.run.tickCountdown();
        rig.run.stop();
        QVERIFY(!rig.run.countdownVisible());
        QVERIFY(!rig.run.countdownActive());

        rig.clock.advance(10.0);
        rig.run.tickCountdown();
        QVERIFY(!rig.state.running());
        QVERIFY(!rig.run.countdownVisible());
    }

    void runOfTenEndsWithinOneBlinkTickAfterTheTenthPress() {
        Rig rig;
        rig.options.setTotal(0); // 10
        rig.startRun();
        for (int i = 0; i < 9; ++i)
            rig.press(i % 3 != 0);
        rig.blink.tick();
        QVERIFY(rig.state.running());

        const int lastTarget = rig.state.mubiao;
        rig.press(true);
        QCOMPARE(rig.state.jishu(), 11);
        QCOMPARE(rig.state.mubiao, lastTarget); // no target after the last character
        rig.press(false);                       // still counted before the check
        QCOMPARE(rig.state.jishu(), 12);

        rig.blink.tick();
        QVERIFY(!rig.state.running());
        QVERIFY(rig.falling.caption().isEmpty());
    }

    void countdownAfterACompletedRunStaysVisible() {
        Rig rig;
        rig.options.setTotal(0); // 10
        rig.state.setJishu(11);
        rig.run.start();
        for (int i = 0; i < 10; ++i) {
            rig.clock.advance(0.1);
            rig.run.tickCountdown();
            rig.blink.tick();
            QVERIFY(rig.run.countdownVisible());
        }
    }
};

KEYVORA_TEST_MAIN(RunController, RunControllerTest)
#include "tst_RunController.moc"
