#pragma once

#include <QStringList>

#include <optional>

// The program's command line: only --help and --version, answered on the terminal before any
// window system is touched, so packagers and scripts can ask without a display.
class CommandLine {
public:
    // Answers --help, --help-all and --version on the terminal and ends the process; returns
    // (having printed nothing) for any other command line, which the application then sees.
    static void answer(int argc, char** argv);

    // After the application has taken its own options (-platform, -style, ...), whatever is left
    // besides the program's name is refused with a hint on stderr; the exit code, or nothing when
    // the command line is clean.
    static std::optional<int> refuseLeftovers(const QStringList& arguments);

    // Applies the program's name and version to the application object.
    static void nameApplication();
};
