#pragma once

#include "platform/MessageBox.h"

class QWidget;

// Modal message boxes with an OK button only, over the given window.
class SystemMessageBox final : public MessageBox {
public:
    explicit SystemMessageBox(QWidget* parent = nullptr) : parent_(parent) {}

    void showWarning(const QString& title, const QString& text) override;
    void showInformation(const QString& title, const QString& text) override;
    bool confirm(const QString& title, const QString& text) override;

private:
    QWidget* parent_;
};
