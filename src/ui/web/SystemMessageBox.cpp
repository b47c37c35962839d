#include "web/SystemMessageBox.h"

#include <QMessageBox>

void SystemMessageBox::showWarning(const QString& title, const QString& text) {
    // Texts end their lines with a bare carriage return, which Qt's labels do not break on.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox::warning(parent_, title, shown, QMessageBox::Ok);
}
