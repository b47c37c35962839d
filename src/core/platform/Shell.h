#pragma once

#include <QString>

// Hands files and web addresses to the desktop.
class Shell {
public:
    virtual ~Shell() = default;

    // Opens a text file in the desktop's text editor, in a normal focused window.
    virtual void openInEditor(const QString& path) = 0;

    // Opens a web address with the default browser.
    virtual void openAddress(const QString& address) = 0;
};
