// Key-to-sound latency as a learner meets it: from a key event entering the main window to the
// first non-zero sample of that key's sound in a buffer the mixer hands the device (seen in the
// mixer's post-mix hook), plus one granted buffer, the device's own queue that plays before it.
// A sound server's own delay (PulseAudio, PipeWire, WASAPI) is not included: SDL cannot see it.
//
// The whole trainer runs with the real audio layer on a program folder of its own, whose effect
// 音效1 is a 40 ms tone, so that one key's sound ends long before the next key: a run in the
// keyboard style "26个字母" with that effect on every correct key and nothing else sounding,
// 100 keys at 5 keys a second, a pause of 12 seconds, then 100 keys more.
//   bench_latency [disk|default] ...   (default: both; "disk" is SDL's disk driver writing to
//                                       /dev/null, "default" the driver SDL picks itself)
// Run it with a display or QT_QPA_PLATFORM=offscreen.

#include "ToneFile.h"

#include "app/Form1.h"
#include "app/SystemPlatform.h"
#include "settings/Options.h"
#include "sound/SdlAudio.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

qint64 nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

// Between the main thread, which stamps each key as it enters the window, and the mixing
// thread, which stamps the first buffer that carries its sound.
struct Probe : QObject {
    std::atomic<qint64> keyAt{0}; // the key waiting for its sound, 0: none
    std::atomic<qint64> heardAfter{-1};

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && keyAt.load() == 0) {
            heardAfter = -1;
            keyAt = nowNs();
        }
        return QObject::eventFilter(watched, event);
    }

    static void mixed(void* context, const Uint8* buffer, int bytes) {
        auto* probe = static_cast<Probe*>(context);
        const qint64 key = probe->keyAt.load();
        if (key == 0)
            return;
        const auto* samples = reinterpret_cast<const Sint16*>(buffer);
        if (std::any_of(samples, samples + bytes / 2, [](Sint16 s) { return s != 0; })) {
            probe->heardAfter = nowNs() - key;
            probe->keyAt = 0;
        }
    }
};

void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Figures {
    double first = -1, median = -1, worst = -1;
    int missed = 0;
};

// Types `count` keys at 5 a second, each the target's, and returns the latencies in ms.
Figures type(Form1& window, Probe& probe, int count, double bufferMs) {
    std::vector<double> ms;
    Figures f;
    for (int i = 0; i < count; ++i) {
        const int target = window.trainer().state.mubiao; // a capital letter in this style
        QCoreApplication::postEvent(&window, new QKeyEvent(QEvent::KeyPress, target, Qt::NoModifier,
                                                           QString(QChar(target))));
        QCoreApplication::postEvent(&window, new QKeyEvent(QEvent::KeyRelease, target,
                                                           Qt::NoModifier, QString(QChar(target))));
        wait(200);
        const qint64 heard = probe.heardAfter.load();
        if (heard < 0) {
            ++f.missed;
            probe.keyAt = 0;
            continue;
        }
        ms.push_back(double(heard) / 1e6 + bufferMs);
        if (i == 0)
            f.first = ms.back();
    }
    if (ms.empty())
        return f;
    std::sort(ms.begin(), ms.end());
    f.median = ms.size() % 2 ? ms[ms.size() / 2] : (ms[ms.size() / 2 - 1] + ms[ms.size() / 2]) / 2;
    f.worst = ms.back();
    return f;
}

void print(const char* what, const Figures& f) {
    std::printf("  %s: first %.1f ms, median %.1f ms, worst %.1f ms", what, f.first, f.median,
                f.worst);
    if (f.missed > 0)
        std::printf(" (%d keys never heard)", f.missed);
    std::printf("\n");
}

bool measure(const char* driver) {
    if (qstrcmp(driver, "disk") == 0) {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", "/dev/null");
    } else {
        qunsetenv("SDL_AUDIODRIVER");
    }
    QTemporaryDir folder;
    const QDir dir(folder.path());
    dir.mkpath(QStringLiteral("数据库"));
    writeTone(dir, QStringLiteral("声音/音效/音效1"), 40, 1000);

    SystemPlatform system(folder.path());
    Probe probe;
    system.audio().setMixTap(&Probe::mixed, &probe);
    Form1 window(system.platform());
    window.show();
    wait(300); // the settings are restored: no settings file, so nothing sounds yet
    Trainer& t = window.trainer();
    t.menus.fengge1[1]->trigger();   // 显示键盘-26个字母
    t.menus.shengyin1[2]->trigger(); // 音效1
    if (t.options.cuowushengyin())
        t.menus.cuowushengyin->trigger();
    t.options.setTotal(Options::customTotal, 1000, true);
    qApp->installEventFilter(&probe);

    t.menus.jijiankaishi->trigger();
    wait(5300);
    if (!system.audio().isOpen()) {
        std::printf("driver %s: no audio device opened\n", driver);
        return false;
    }
    const int frames = system.audio().grantedFrames();
    const double bufferMs = 1000.0 * frames / system.audio().frameRate();
    std::printf("driver %s: %d frames granted at %d Hz (%.1f ms a buffer)\n", driver, frames,
                system.audio().frameRate(), bufferMs);
    print("100 keys at 5 keys/s from the start of a run", type(window, probe, 100, bufferMs));
    wait(12000);
    print("100 keys after a pause of 12 s in the run", type(window, probe, 100, bufferMs));
    t.menus.jijiantingzhi->trigger();
    qApp->removeEventFilter(&probe);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::vector<const char*> drivers;
    for (int i = 1; i < argc; ++i)
        drivers.push_back(argv[i]);
    if (drivers.empty())
        drivers = {"disk", "default"};
    for (const char* driver : drivers)
        measure(driver);
    return 0;
}
