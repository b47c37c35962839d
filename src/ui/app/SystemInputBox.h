#pragma once

#include "platform/InputBox.h"

class QWidget;

// The desktop's modal text prompt, over the given window.
class SystemInputBox final : public InputBox {
public:
    explicit SystemInputBox(QWidget* parent = nullptr) : parent_(parent) {}

    QString ask(const QString& prompt, const QString& title, const QString& defaultText) override;

private:
    QWidget* parent_;
};
