#pragma once

#include <QString>

// Modal messages with an OK button: a warning, or a piece of information.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void showWarning(const QString& title, const QString& text) = 0;
    virtual void showInformation(const QString& title, const QString& text) = 0;
};
