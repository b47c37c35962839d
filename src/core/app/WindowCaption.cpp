#include "app/WindowCaption.h"

namespace WindowCaption {

QString versionText(int major, int minor, int revision) {
    return QString::number(major) + QLatin1Char('.') + QString::number(minor) +
           QString::number(revision);
}

QString caption(int major, int minor, int revision) {
    return QStringLiteral("Keyvora ") + versionText(major, minor, revision);
}

} // namespace WindowCaption
