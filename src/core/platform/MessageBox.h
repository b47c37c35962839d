#pragma once

#include <QString>

// Modal messages with an OK button: a warning, or a piece of information; and a question the
// user answers yes or no.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void showWarning(const QString& title, const QString& text) = 0;
    virtual void showInformation(const QString& title, const QString& text) = 0;
    // True for yes; no is the answer a hasty Enter gives.
    virtual bool confirm(const QString& title, const QString& text) = 0;
};
