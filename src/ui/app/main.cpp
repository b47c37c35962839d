#include "app/CommandLine.h"
#include "app/Form1.h"
#include "app/SystemPlatform.h"
#include "look/SongFont.h"

#include <QApplication>
#include <QTimer>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char** argv) {
    // A plain start has no arguments and pays nothing for the command line. The command line is
    // read before any window system is touched: --help, --version, the exports and a refusal
    // work without a display. A learner named by --learner is made current here, so the
    // windows start with that learner as they start with the current one.
    CommandLine::Start start;
    if (argc > 1)
        if (const std::optional<int> code = CommandLine::answer(argc, argv, &start))
            return *code;

    // The window repaints a few small labels ten times a second. Through X shared memory every
    // repaint first waits for the server to finish the previous one (a round trip, and a wakeup
    // of the event thread for each completion); sent as ordinary requests, small areas cost
    // less. Only the X11 platform reads this, and a user's own setting wins.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    // Regular expressions only ever read the short pages of the web strip: compiling them to
    // machine code pulls in the pattern library's compiler and keeps executable memory for
    // nothing the learner would notice.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_REGEXP_JIT"))
        qputenv("QT_ENABLE_REGEXP_JIT", "0");
#ifdef __GLIBC__
    // Each thread that allocates (the toolkit's, the sound's, the network's) would otherwise get
    // a heap of its own, each keeping freed memory resident; two are plenty for this program.
    mallopt(M_ARENA_MAX, 2);
#endif
    QApplication app(argc, argv);
    CommandLine::nameApplication();
    // Lets Wayland compositors match the window to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.keyvora.Keyvora"));

    SystemPlatform system(QCoreApplication::applicationDirPath());
    SongFont::addOwnFont(system.platform().folder.file(SongFont::ownFile));
    Form1 window(system.platform());
    QObject::connect(&window, &Form1::programEndRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.show();
#ifdef __GLIBC__
    // The start (decoding the background, loading fonts, the first paint) frees more than it
    // keeps, but the heap holds freed pages until it is told; once it has settled, hand them
    // back for the rest of the run.
    QTimer::singleShot(std::chrono::seconds(1), [] { malloc_trim(0); });
#endif
    return app.exec();
}
