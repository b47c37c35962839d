#include "look/SongFont.h"

#include "platform/Diagnostics.h"

#include <QFontDatabase>
#include <QStringList>

namespace SongFont {

bool addOwnFont(const QString& path) {
    const int id = QFontDatabase::addApplicationFont(path);
    const bool added = id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(ownFamily);
    if (!added)
        qCWarning(lcFont) << "the program's own Song font is missing, the system's is used:"
                          << path;
    return added;
}

namespace {

bool courseAdded = false;

} // namespace

bool addCourseFont(const QString& path) {
    if (courseAdded)
        return true;
    const int id = QFontDatabase::addApplicationFont(path);
    courseAdded = id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(courseFamily);
    if (!courseAdded)
        qCWarning(lcFont) << "the course's Song font is missing, the system's is used:" << path;
    return courseAdded;
}

QFont make(double points, bool bold) {
    QFont font;
    QStringList families = {ownFamily,
                            QStringLiteral("SimSun"),
                            QStringLiteral("宋体"),
                            QStringLiteral("AR PL UMing CN"),
                            QStringLiteral("AR PL UMing TW"),
                            QStringLiteral("AR PL UMing")};
    if (courseAdded)
        families.insert(1, courseFamily);
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace SongFont
