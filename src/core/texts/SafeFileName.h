#pragma once

#include <QString>
#include <QStringList>

// A name the learner's text is known by, made into a file name that every platform's file
// systems accept and that names a file in its folder, never a path. Control and format
// characters (a right-to-left override could disguise a name), leading dots and spaces (".",
// "..", hidden files) and trailing dots and spaces are dropped; "/ \\ : * ? \" < > |" become
// their full-width forms, so the name still reads and holds no separator; Windows' device
// names (CON, NUL, COM1, ...) get a "_"; at most maxLength characters are kept; an empty name
// becomes "文本".
class SafeFileName {
public:
    static constexpr qsizetype maxLength = 50; // code points; with " (n)" and ".txt" well
                                               // inside the 255 bytes file systems allow

    static QString from(const QString& name);

    // Whether a name from elsewhere (a backup) would lead out of its folder taken as a path: one
    // holding a separator ('/' or '\\'), starting with a drive ("C:") or made of nothing but
    // dots and spaces (".", "..").
    static bool leavesFolder(QStringView name);

    // The name, or the name with " (2)", " (3)", ... when it is among those taken (compared
    // without regard to case, as on Windows and macOS).
    static QString unique(const QString& name, const QStringList& taken);
};
