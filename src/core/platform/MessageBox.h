#pragma once

#include <QString>

// A modal message with a warning icon and an OK button.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void showWarning(const QString& title, const QString& text) = 0;
};
