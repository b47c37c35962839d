// The course's costs that a learner could feel: opening the course window (reading the word list,
// the Chinese tables, the progress and the texts, and showing the window), drawing a lesson
// anew for an attempt in every kind of lesson, and painting a lesson's text.
//   build/release/bench/bench_course [repeats]       (offscreen unless QT_QPA_PLATFORM is set)
// The program folder is the build's, with its course tables; the data folder a scratch one.

#include "FakeClock.h"
#include "FakeDialogs.h"
#include "FakeRandom.h"
#include "SilentSoundChannel.h"

#include "app/Trainer.h"
#include "course/CoursePractice.h"
#include "course/CourseWindow.h"
#include "course/LessonTextView.h"
#include "look/SongFont.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Steady = std::chrono::steady_clock;

double msSince(Steady::time_point start) {
    return std::chrono::duration<double, std::milli>(Steady::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    SongFont::addOwnFont(QStringLiteral(KEYVORA_PROGRAM_DIR "/keyvora-song.ttf"));

    QTemporaryDir data;
    QDir(data.path()).mkpath(QStringLiteral("数据库"));
    FakeClock clock;
    FakeRandom random;
    std::array<SilentSoundChannel, 4> channels;
    FakeInputBox inputBox;
    FakeMessageBox messages;
    FakeFileDialog files;
    FakeShell shell;
    Platform platform;
    platform.clock = &clock;
    platform.random = &random;
    for (std::size_t i = 0; i < 4; ++i)
        platform.channels[i] = &channels[i];
    platform.folder = ProgramFolder(QStringLiteral(KEYVORA_PROGRAM_DIR));
    platform.data = DataFolder(data.path());
    platform.inputBox = &inputBox;
    platform.messageBox = &messages;
    platform.fileDialog = &files;
    platform.shell = &shell;
    Trainer trainer(platform);

    // Opening the window: everything the first opening does, data read and window shown.
    auto start = Steady::now();
    auto* window = new CourseWindow(platform, trainer.options, trainer.history);
    window->show();
    QCoreApplication::processEvents();
    std::printf("course window, first opening (data read, shown, painted): %.1f ms\n",
                msSince(start));
    CoursePractice& course = window->course();
    course.setUnlockAll(true);

    // A new attempt at a lesson of every kind.
    std::printf("a new attempt drawn (median of %d):\n", repeats);
    for (const char* id :
         {"keys-01", "keys-12", "keys-29", "english-01", "english-08", "pinyin-03", "pinyin-07",
          "pinyin-17", "pinyin-22", "wubi-01", "wubi-07", "wubi-09", "wubi-15", "wubi-25"}) {
        std::vector<double> times;
        for (int i = 0; i < repeats; ++i) {
            start = Steady::now();
            course.start(QString::fromLatin1(id));
            times.push_back(msSince(start));
        }
        std::printf("  %-11s %6.3f ms\n", id, median(times));
    }

    // Painting a lesson's text with its caret halfway, as a key press repaints it.
    course.start(QStringLiteral("keys-29"));
    LessonTextView* view = window->textView();
    QImage canvas(view->size(), QImage::Format_RGB32);
    std::vector<double> paints;
    for (int i = 0; i < repeats; ++i) {
        start = Steady::now();
        view->render(&canvas);
        paints.push_back(msSince(start));
    }
    std::printf("lesson text painted (%d×%d, median of %d): %.3f ms\n", view->width(),
                view->height(), repeats, median(paints));
    delete window;
    return 0;
}
