#include "settings/SettingsFile.h"

#include "practice/NumberText.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <limits>

const QString SettingsFile::trueText = QStringLiteral("True");
const QString SettingsFile::falseText = QStringLiteral("False");

namespace {
const QByteArray lineEnd = QByteArrayLiteral("\r\n");
}

QByteArray SettingsFile::format(const std::array<int, 4>& indices,
                                const std::array<bool, 4>& marks) {
    QByteArray out;
    for (int index : indices) {
        if (index < 0)
            continue;
        out += NumberText::signedText(index).toLatin1() + lineEnd;
    }
    for (bool mark : marks)
        out += (mark ? trueText : falseText).toLatin1() + lineEnd;
    return out;
}

QList<QString> SettingsFile::readLines(const QString& path) {
    // Only a regular file: opening a pipe or a device put in its place could block start-up.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    return readLines(file);
}

QList<QString> SettingsFile::readLines(QIODevice& device) {
    QList<QString> lines;
    QString current;
    bool inLine = false;  // characters (or a line start) seen since the last line end
    bool afterCr = false; // the previous byte was a CR, so a LF belongs to the same line end
    qint64 consumed = 0;
    char chunk[8192];
    while (lines.size() < maxLines && consumed < maxBytes) {
        const qint64 want = std::min<qint64>(sizeof chunk, maxBytes - consumed);
        const qint64 got = device.read(chunk, want);
        if (got <= 0)
            break;
        consumed += got;
        for (qint64 i = 0; i < got && lines.size() < maxLines; ++i) {
            const char c = chunk[i];
            if (c == '\n' && afterCr) {
                afterCr = false;
                continue;
            }
            afterCr = c == '\r';
            if (c == '\r' || c == '\n') {
                lines << current;
                current.clear();
                inLine = false;
                continue;
            }
            inLine = true;
            if (current.size() < maxLineChars)
                current += QChar::fromLatin1(c);
        }
    }
    // A last line without a line end still counts.
    if (inLine && lines.size() < maxLines)
        lines << current;
    return lines;
}

std::optional<int> SettingsFile::indexValue(const QString& line) {
    const double value = NumberText::roundHalfEven(NumberText::leadingNumber(line.trimmed()));
    if (!std::isfinite(value) || value < std::numeric_limits<qint16>::min() ||
        value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

bool SettingsFile::booleanValue(const QString& line) {
    return line.trimmed().compare(trueText, Qt::CaseInsensitive) == 0;
}
