#pragma once

#include "platform/MessageBox.h"

class QWidget;

// A modal warning box with an OK button only, over the given window.
class SystemMessageBox final : public MessageBox {
public:
    explicit SystemMessageBox(QWidget* parent = nullptr) : parent_(parent) {}

    void showWarning(const QString& title, const QString& text) override;

private:
    QWidget* parent_;
};
