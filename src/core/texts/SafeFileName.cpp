#include "texts/SafeFileName.h"

#include <QStringView>

namespace {

constexpr QStringView replaced = u"/\\:*?\"<>|";
constexpr QStringView fullWidth = u"／＼：＊？＂＜＞｜";
static_assert(replaced.size() == fullWidth.size());

bool isDeviceName(QStringView name) {
    // Windows takes the part before the first dot, without trailing spaces, as the device.
    QStringView stem = name.left(name.indexOf(u'.'));
    while (stem.endsWith(u' '))
        stem.chop(1);
    static const QStringList devices = {QStringLiteral("CON"),    QStringLiteral("PRN"),
                                        QStringLiteral("AUX"),    QStringLiteral("NUL"),
                                        QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    if (devices.contains(stem, Qt::CaseInsensitive))
        return true;
    if (stem.size() != 4 || !(stem.startsWith(u"COM", Qt::CaseInsensitive) ||
                              stem.startsWith(u"LPT", Qt::CaseInsensitive)))
        return false;
    const QChar digit = stem[3];
    return (digit >= u'0' && digit <= u'9') || digit == u'¹' || digit == u'²' || digit == u'³';
}

QString trimmedOfDotsAndSpaces(QString name) {
    qsizetype start = 0;
    while (start < name.size() && (name[start] == u'.' || name[start].isSpace()))
        ++start;
    qsizetype end = name.size();
    while (end > start && (name[end - 1] == u'.' || name[end - 1].isSpace()))
        --end;
    return name.mid(start, end - start);
}

} // namespace

QString SafeFileName::from(const QString& name) {
    QString safe;
    qsizetype codePoints = 0;
    for (qsizetype i = 0; i < name.size() && codePoints < maxLength; ++i) {
        const QChar c = name[i];
        if (c.isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            safe += c;
            safe += name[++i];
        } else if (c.isSpace()) {
            safe += u' ';
        } else if (const qsizetype at = replaced.indexOf(c); at >= 0) {
            safe += fullWidth[at];
        } else if (c.isSurrogate() || c.category() == QChar::Other_Control ||
                   c.category() == QChar::Other_Format) {
            continue;
        } else {
            safe += c;
        }
        ++codePoints;
    }
    safe = trimmedOfDotsAndSpaces(safe);
    if (safe.isEmpty())
        return QStringLiteral("文本");
    if (isDeviceName(safe))
        safe.insert(safe.indexOf(u'.') < 0 ? safe.size() : safe.indexOf(u'.'), u'_');
    return safe;
}

bool SafeFileName::leavesFolder(QStringView name) {
    if (name.contains(u'/') || name.contains(u'\\'))
        return true;
    if (name.size() >= 2 && name[1] == u':' && name[0].isLetter() && name[0].unicode() < 128)
        return true;
    for (const QChar c : name)
        if (c != u'.' && !c.isSpace())
            return false;
    return !name.isEmpty();
}

QString SafeFileName::unique(const QString& name, const QStringList& taken) {
    QString candidate = name;
    for (int n = 2; taken.contains(candidate, Qt::CaseInsensitive); ++n)
        candidate = QStringLiteral("%1 (%2)").arg(name).arg(n);
    return candidate;
}
