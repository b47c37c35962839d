#include "app/SystemFileDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QStandardPaths>

namespace {

QWidget* over(QWidget* parent) {
    return parent ? parent : QApplication::activeWindow();
}

QString startFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace

QString SystemFileDialog::openFile(const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(over(parent_), title, startFolder(), filter);
}

QString SystemFileDialog::saveFile(const QString& title, const QString& suggestedName,
                                   const QString& filter) {
    return QFileDialog::getSaveFileName(over(parent_), title,
                                        startFolder() + QLatin1Char('/') + suggestedName, filter);
}
