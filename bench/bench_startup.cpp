// Time from process start to the main window's first paint, and the resident memory then.
// Run on a display (Xvfb will do): xvfb-run -a ./bench_startup
// With the argument "empty" it shows an empty Qt window instead, as the baseline to compare;
// with "still" the same empty window that stays until ended (the floor for memory and idle CPU);
// with "timers" an empty window with three idle timers that runs until ended; with "clock" an
// empty window whose one label counts tenths, changing ten times a second (the floor for the CPU
// of a run, whose clock does the same; "clock sound" also plays a spoken key name five times a
// second through the program's own audio layer, as a run with the key names on does); with "label"
// an empty window that shows one caption in the program's own Song font (the floor for the start-up
// of any window that shows text: it pays for fontconfig and for loading one font, which the empty
// window never does).

#include "ProcessReadings.h"
#include "app/Form1.h"
#include "app/SystemPlatform.h"
#include "look/SongFont.h"
#include "sound/SdlAudio.h"
#include "sound/SdlSoundChannel.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTimer>

#include <cstdio>

namespace {

using ProcessReadings::residentKiB;
using ProcessReadings::sinceStartMs;

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done) {
            done = true;
            std::printf("window painted %.1f ms after process start\n", sinceStartMs());
            QTimer::singleShot(1500, qApp, [] {
                std::printf("resident memory 1.5 s after start-up: %ld KiB\n", residentKiB());
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }
    bool done = false;
};

} // namespace

int main(int argc, char** argv) {
    std::fprintf(stderr, "phase: main entered %.1f ms\n", sinceStartMs());
    const bool clock = argc > 1 && qstrcmp(argv[1], "clock") == 0;
    // Repaints reach the X server as the trainer sends them.
    if (clock && !qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    FirstPaint probe;
    if (argc > 1 && (qstrcmp(argv[1], "empty") == 0 || qstrcmp(argv[1], "still") == 0)) {
        QWidget empty;
        empty.resize(792, 546);
        if (qstrcmp(argv[1], "empty") == 0)
            empty.installEventFilter(&probe);
        empty.show();
        return app.exec();
    }
    if (argc > 1 && qstrcmp(argv[1], "label") == 0) {
        SongFont::addOwnFont(QString::fromUtf8(KEYVORA_PROGRAM_DIR "/") + SongFont::ownFile);
        QWidget empty;
        empty.resize(792, 546);
        QLabel caption(QStringLiteral("测试项目"), &empty);
        caption.setFont(SongFont::make(14.25, true));
        caption.setGeometry(40, 100, 120, 24);
        empty.show();
        return app.exec();
    }
    if (clock) {
        QWidget empty;
        empty.resize(792, 546);
        QLabel tenths(QStringLiteral("0"), &empty);
        tenths.setGeometry(190, 360, 17, 17);
        tenths.setAutoFillBackground(true);
        SdlAudio audio;
        SdlSoundChannel keyName(audio, 0, false);
        const bool sound = argc > 2 && qstrcmp(argv[2], "sound") == 0;
        if (sound)
            keyName.setFile(QString::fromUtf8(KEYVORA_PROGRAM_DIR "/声音/字符声音/a"));
        QTimer beat;
        int tenth = 0;
        QObject::connect(&beat, &QTimer::timeout, &tenths, [&] {
            tenth = (tenth + 1) % 10;
            tenths.setText(QString::number(tenth));
            if (sound && tenth % 2 == 0)
                keyName.play();
        });
        beat.start(100);
        empty.show();
        return app.exec();
    }
    // The floor of idle CPU: an empty window with timers that do nothing, at the intervals of
    // the trainer's three always-on timers (two of 100 ms, one of a second). It runs until
    // ended.
    if (argc > 1 && qstrcmp(argv[1], "timers") == 0) {
        QWidget empty;
        empty.resize(792, 546);
        empty.show();
        QTimer statistics, blink, news;
        for (QTimer* timer : {&statistics, &blink, &news})
            QObject::connect(timer, &QTimer::timeout, &empty, [] {});
        statistics.start(100);
        blink.start(100);
        news.start(1000);
        return app.exec();
    }
    // The program folder of the build, where the sound pack lies.
    std::fprintf(stderr, "phase: application made %.1f ms\n", sinceStartMs());
    SystemPlatform system(QString::fromUtf8(KEYVORA_PROGRAM_DIR));
    Form1 window(system.platform());
    std::fprintf(stderr, "phase: window built %.1f ms\n", sinceStartMs());
    window.installEventFilter(&probe);
    window.show();
    std::fprintf(stderr, "phase: show() returned %.1f ms\n", sinceStartMs());
    return app.exec();
}
