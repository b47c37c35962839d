#include "web/SystemShell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

void SystemShell::openInEditor(const QString& path) {
#ifdef Q_OS_WIN
    // Notepad shows the description as plain text whatever program owns ".txt".
    if (QProcess::startDetached(QStringLiteral("notepad.exe"), {path}))
        return;
#endif
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void SystemShell::openAddress(const QString& address) {
    const QUrl url = QUrl::fromUserInput(address.trimmed());
    if (url.isValid())
        QDesktopServices::openUrl(url);
}
