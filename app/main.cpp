#include "app/Form1.h"
#include "app/SongFont.h"
#include "app/SystemPlatform.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Keyvora"));

    SystemPlatform system(QCoreApplication::applicationDirPath());
    SongFont::addOwnFont(system.platform().folder.file(SongFont::ownFile));
    Form1 window(system.platform());
    QObject::connect(&window, &Form1::programEndRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return app.exec();
}
