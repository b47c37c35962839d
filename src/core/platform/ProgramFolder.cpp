#include "platform/ProgramFolder.h"

#include <QDir>

QString ProgramFolder::file(const QString& relative) const {
    QString joined = QDir::fromNativeSeparators(folder_);
    if (!joined.endsWith(QLatin1Char('/')))
        joined += QLatin1Char('/');
    joined += relative;
    return QDir::toNativeSeparators(joined);
}
