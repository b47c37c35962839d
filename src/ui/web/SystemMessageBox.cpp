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

bool SystemMessageBox::confirm(const QString& title, const QString& text) {
    return QMessageBox::question(parent_, title, withLineFeeds(text),
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void SystemMessageBox::showInformation(const QString& title, const QString& text) {
    QMessageBox::information(parent_, title, withLineFeeds(text), QMessageBox::Ok);
}
