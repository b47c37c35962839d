#include "web/SystemMessageBox.h"

#include <QMessageBox>

namespace {

// Texts end their lines with a bare carriage return, which Qt's labels do not break on.
QString withLineFeeds(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

void SystemMessageBox::showWarning(const QString& title, const QString& text) {
    QMessageBox::warning(parent_, title, withLineFeeds(text), QMessageBox::Ok);
}

void SystemMessageBox::showInformation(const QString& title, const QString& text) {
    QMessageBox::information(parent_, title, withLineFeeds(text), QMessageBox::Ok);
}
