#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <optional>

class QIODevice;

// The format of the settings file: eight CR LF lines, the checked indices of the four option
// groups (display style, key-sound mode, level, total) in the signed style (" 3"), then the
// marks of fingering, error sound, music and the 86 edition as "True" or "False".
class SettingsFile {
public:
    static const QString trueText;  // "True"
    static const QString falseText; // "False"

    // How much of a file is looked at: no content can make reading slow or large.
    static constexpr int maxLines = 8;
    static constexpr qint64 maxLineChars = 4096;
    static constexpr qint64 maxBytes = 1 << 20;

    // The file content. An index of -1 (no item checked) writes no line at all for its group.
    static QByteArray format(const std::array<int, 4>& indices, const std::array<bool, 4>& marks);

    // The first lines of the file, without their line ends (CR LF, CR or LF). At most maxLines
    // lines, each cut to maxLineChars characters, from at most maxBytes bytes; bytes map to
    // characters one to one. A missing or unreadable file gives no lines.
    static QList<QString> readLines(const QString& path);
    // The same from a device opened for reading, read from its current position.
    static QList<QString> readLines(QIODevice& device);

    // The index a line stands for: blanks trimmed, the leading number, rounded half to even.
    // A line without a number is 0; a number outside the 16-bit range gives no index.
    static std::optional<int> indexValue(const QString& line);

    // Whether a line denotes true, in any letter case; any other text is false.
    static bool booleanValue(const QString& line);
};
