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

QFont make(double points, bool bold) {
    QFont font;
    font.setFamilies({ownFamily, QStringLiteral("SimSun"), QStringLiteral("宋体"),
                      QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                      QStringLiteral("AR PL UMing")});
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

} // namespace SongFont
