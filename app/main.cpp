#include "app/Form1.h"
#include "app/SystemPlatform.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Keyvora"));

    SystemPlatform system(QCoreApplication::applicationDirPath());
    Form1 window(system.platform());
    QObject::connect(&window, &Form1::programEndRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return app.exec();
}
