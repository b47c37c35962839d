#pragma once

#include "platform/FileDialog.h"

class QWidget;

// The desktop's own file dialogs, over the given window (or the active one).
class SystemFileDialog final : public FileDialog {
public:
    explicit SystemFileDialog(QWidget* parent = nullptr) : parent_(parent) {}

    QString openFile(const QString& title, const QString& filter) override;
    QString saveFile(const QString& title, const QString& suggestedName,
                     const QString& filter) override;

private:
    QWidget* parent_;
};
