// Cost of one tick of each of the three 100 ms timers during a running run, with fake outside
// things so that only the trainer's own work is measured. Prints nanoseconds per tick.

#include "TrainerRig.h"

#include "app/Form1.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <functional>

namespace {

double nanosPerCall(const std::function<void()>& call, int repeat) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < repeat; ++i)
        call();
    return double(timer.nsecsElapsed()) / repeat;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TrainerRig rig;
    Form1 window(rig.platform());
    window.show();
    QApplication::processEvents();
    Trainer& trainer = window.trainer();
    trainer.deferredStart.tick();
    trainer.options.setZhifa(true);
    trainer.options.setTotal(Options::customTotal, 99999, true);
    trainer.run.start();
    rig.clock.advance(5.1);
    trainer.run.tickCountdown();

    const int repeat = 20000;
    const double run = nanosPerCall(
        [&] {
            rig.clock.advance(0.1);
            trainer.run.tickRun();
            QApplication::processEvents();
        },
        repeat);
    const double stats = nanosPerCall(
        [&] {
            rig.clock.advance(0.1);
            trainer.statistics.tick();
            QApplication::processEvents();
        },
        repeat);
    const double blink = nanosPerCall(
        [&] {
            trainer.blink.tick();
            QApplication::processEvents();
        },
        repeat);
    std::printf("Timer1 (run clock and fall), per tick: %8.0f ns\n", run);
    std::printf("Timer2 (statistics and fingers), per tick: %8.0f ns\n", stats);
    std::printf("Timer3 (blink and end-of-run check), per tick: %8.0f ns\n", blink);
    std::printf("(each includes processing the repaints it queued, on the %s platform)\n",
                qPrintable(QApplication::platformName()));
    return 0;
}
