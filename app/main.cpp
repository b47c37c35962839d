#include "app/Form1.h"
#include "app/SystemPlatform.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Keyvora"));

    SystemPlatform system(QCoreApplication::applicationDirPath());
    Form1 window(system.platform());
    QObject::connect(&window, &Form1::programEndRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    // The sound device opens once the window is on screen, so it never delays the window.
    QTimer::singleShot(0, &app, [&system] { system.openAudio(); });
    return app.exec();
}
