// The trainer's CPU use while idle and while a run is going, as the real program runs it (real
// clock, real sound channels), in percent of one core. Run it on a display (Xvfb will do):
//   xvfb-run -a ./bench_cpu [seconds]

#include "ProcessReadings.h"
#include "app/Form1.h"
#include "app/SystemPlatform.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>

namespace {

double measure(int seconds) {
    const double cpuBefore = ProcessReadings::cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    return 100.0 * (ProcessReadings::cpuSeconds() - cpuBefore) /
           (double(wall.nsecsElapsed()) / 1e9);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 30;
    // The program folder of the build, where the sound pack lies.
    SystemPlatform system(QString::fromUtf8(KEYVORA_PROGRAM_DIR));
    Form1 window(system.platform());
    window.show();
    measure(2); // let start-up and the deferred start settle

    const double idle = measure(seconds);
    window.trainer().menus.jijiankaishi->trigger();
    measure(6); // the countdown
    const double running = measure(seconds);
    std::printf("CPU while idle:    %5.2f %% of one core over %d s\n", idle, seconds);
    std::printf("CPU while running: %5.2f %% of one core over %d s\n", running, seconds);
    window.trainer().menus.jijiantingzhi->trigger();
    return 0;
}
