#include "TestRegistry.h"

#include "TrainerRig.h"

#include "app/Form1.h"
#include "practice/KeyChecker.h"

#include <QAction>
#include <QImage>
#include <QTest>

#include <functional>
#include <map>
#include <memory>

// The timers that only redraw sleep while nothing they show can change. Two main windows go
// through the same session on their own fake clocks, one with those timers forced to tick
// always and one with them ticking on demand; the timers are stepped by hand on a 10 ms grid,
// each only while it is active, and the two windows must look the same at every 50 ms.
namespace {

constexpr int gridMs = 10;
constexpr int tickMs = 100;

struct Window {
    TrainerRig rig;
    std::unique_ptr<Form1> form;
    qint64 runStart = -1;

    explicit Window(bool alwaysTick) {
        form = std::make_unique<Form1>(rig.platform());
        Trainer& t = trainer();
        t.statistics.timer().setAlwaysTick(alwaysTick);
        t.blink.timer().setAlwaysTick(alwaysTick);
        // Shown but never waited for: no real timer may fire between the steps.
        form->show();
    }

    Trainer& trainer() { return form->trainer(); }

    // The timers due at a moment of the grid, as the event loop would run them.
    void step(qint64 ms) {
        rig.clock.monotonic = 1000.0 + double(ms) / 1000;
        Trainer& t = trainer();
        if (ms % tickMs == 0) {
            if (t.statistics.timer().isActive())
                t.statistics.tick();
            if (t.blink.timer().isActive())
                t.blink.tick();
            if (ms == tickMs)
                t.deferredStart.tick();
        }
        if (t.state.running() && ms > runStart && (ms - runStart) % tickMs == 0)
            t.run.tickRun();
        if (t.run.countdownActive()) {
            t.run.tickCountdown();
            if (t.state.running())
                runStart = ms;
        }
    }

    // A key that strikes the target, or one that misses it.
    void strike(bool right) {
        Trainer& t = trainer();
        const bool shiftAware = t.menus.fengge1[11]->isChecked();
        for (int modifiers : {0, 1})
            for (int code = 8; code <= 222; ++code)
                if (KeyChecker::isCorrect(shiftAware, t.state.mubiao, code, modifiers) == right) {
                    t.keyInput.keyDown(code, modifiers);
                    return;
                }
    }
};

using Action = std::function<void(Window&)>;

Action menu(QAction* (*item)(Trainer&)) {
    return [item](Window& w) { item(w.trainer())->trigger(); };
}

} // namespace

class RedrawTimersTest : public QObject {
    Q_OBJECT
private slots:
    void aSessionLooksTheSameWithTimersTickingOnDemand() {
        Window always(true);
        Window onDemand(false);

        // What happens when: two runs with keys right and wrong, style, level, total and finger
        // hint changes in a run and between runs, and long idle spells.
        std::multimap<qint64, Action> script;
        const auto at = [&script](qint64 ms, Action action) { script.emplace(ms, action); };
        const auto key = [](bool right) { return [right](Window& w) { w.strike(right); }; };
        at(330, menu([](Trainer& t) { return t.menus.zhifa; }));
        at(1250, menu([](Trainer& t) { return t.menus.jijiankaishi; }));
        at(3410, key(true)); // counts nothing during the countdown
        for (qint64 ms = 6530; ms < 14000; ms += 270)
            at(ms, key(ms % 4 != 2));
        at(8020, menu([](Trainer& t) { return t.menus.fengge1[11]; }));
        at(9570, menu([](Trainer& t) { return t.menus.jibie[7]; }));
        at(10540, menu([](Trainer& t) { return t.menus.zhifa; }));
        at(11660, menu([](Trainer& t) { return t.menus.zhifa; }));
        at(14210, menu([](Trainer& t) { return t.menus.jijiantingzhi; }));
        at(17080, menu([](Trainer& t) { return t.menus.fengge1[0]; }));
        at(18930, menu([](Trainer& t) { return t.menus.jibie[2]; }));
        at(19440, menu([](Trainer& t) { return t.menus.zongshu[0]; }));
        at(20150, menu([](Trainer& t) { return t.menus.jijiankaishi; }));
        for (qint64 ms = 25610; ms < 28500; ms += 230)
            at(ms, key(true)); // ten hits end the run at its total
        at(33000, menu([](Trainer& t) { return t.menus.jijiankaishi; }));
        at(36300, menu([](Trainer& t) { return t.menus.jijiantingzhi; }));

        int framesAsleep = 0;
        for (qint64 ms = gridMs; ms <= 45000; ms += gridMs) {
            for (Window* w : {&always, &onDemand}) {
                w->step(ms);
                const auto [first, last] = script.equal_range(ms);
                for (auto it = first; it != last; ++it)
                    it->second(*w);
            }
            if (ms % 50 != 0)
                continue;
            const QImage expected = always.form->grab().toImage();
            const QImage shown = onDemand.form->grab().toImage();
            QVERIFY2(shown == expected,
                     qPrintable(QStringLiteral("the windows differ at %1 ms").arg(ms)));
            const Trainer& t = onDemand.trainer();
            if (!t.statistics.timer().isActive() && !t.blink.timer().isActive())
                ++framesAsleep;
        }
        QVERIFY(always.trainer().statistics.timer().isActive());
        QCOMPARE(always.trainer().state.jishu(), onDemand.trainer().state.jishu());
        // Both runs ended, the second at its total; between and after them the timers slept.
        QVERIFY(!onDemand.trainer().state.running());
        QVERIFY(framesAsleep > 300);
    }
};

KEYVORA_TEST_MAIN(RedrawTimers, RedrawTimersTest)
#include "tst_RedrawTimers.moc"
