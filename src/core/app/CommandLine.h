#pragma once

#include <QString>

#include <optional>

// The program's command line, read in a core application of its own before any window system
// is touched, so that packagers, scripts and teachers can use it without a display: --help and
// --version, the export of learners' records as CSV, and the learner to start with. Qt's own
// documented options (-platform, -style, ...) are left to the application; anything else is
// refused with a message and exit code 1.
class CommandLine {
public:
    // What a start with the window is asked for.
    struct Start {
        // The learner named by --learner, now the current one (added when new); empty when none
        // was named.
        QString learner;
    };

    // Answers --help, --version and the exports, refuses what it does not know, and makes the
    // learner named by --learner current. The exit code when the process must end now; nothing
    // when the window is to start.
    static std::optional<int> answer(int argc, char** argv, Start* start = nullptr);

    // Applies the program's name and version to the application object.
    static void nameApplication();
};
