#pragma once

#include <QString>

#include <cstdio>

// On Windows a program built for the window system has no console of its own: started from
// one, it attaches to the console that started it, so what it prints reaches whoever typed the
// command, in the console's own characters. Elsewhere, and where the output goes to a file or a
// pipe, the standard streams are used as they are.
class ParentConsole {
public:
    // Attaches to the console of the parent process where the standard streams lead nowhere.
    static void attach();
    // Prints text on stdout or stderr: UTF-16 to a Windows console, UTF-8 to a file or pipe
    // there, the local encoding elsewhere.
    static void print(FILE* stream, const QString& text);
};
