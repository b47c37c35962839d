#include "app/CommandLine.h"
#include "app/Form1.h"
#include "app/SystemPlatform.h"
#include "look/SongFont.h"

#include <QApplication>

int main(int argc, char** argv) {
    // A plain start has no arguments and pays nothing for the command line.
    if (argc > 1)
        CommandLine::answer(argc, argv);

    // The window repaints a few small labels ten times a second. Through X shared memory every
    // repaint first waits for the server to finish the previous one (a round trip, and a wakeup
    // of the event thread for each completion); sent as ordinary requests, small areas cost
    // less. Only the X11 platform reads this, and a user's own setting wins.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    if (const std::optional<int> code = CommandLine::refuseLeftovers(QApplication::arguments()))
        return *code;
    CommandLine::nameApplication();
    // Lets Wayland compositors match the window to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.keyvora.Keyvora"));

    SystemPlatform system(QCoreApplication::applicationDirPath());
    SongFont::addOwnFont(system.platform().folder.file(SongFont::ownFile));
    Form1 window(system.platform());
    QObject::connect(&window, &Form1::programEndRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return app.exec();
}
