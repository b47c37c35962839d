#pragma once

#include <QString>

// A modal text prompt. Returns the entered text, or an empty text when the user cancels.
class InputBox {
public:
    virtual ~InputBox() = default;
    virtual QString ask(const QString& prompt, const QString& title,
                        const QString& defaultText) = 0;
};
