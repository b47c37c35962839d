#include "platform/VersionedJson.h"

#include <QJsonDocument>
#include <QJsonParseError>

std::optional<QJsonObject> VersionedJson::object(const QByteArray& bytes, int newestFormat) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    QJsonObject o = doc.object();
    const QJsonValue version = o.value(QStringLiteral("format"));
    if (!isWholeNumber(version) || version.toInt() < 1 || version.toInt() > newestFormat)
        return std::nullopt;
    return o;
}

bool VersionedJson::isWholeNumber(const QJsonValue& value) {
    const double d = value.toDouble(-1);
    return value.isDouble() && d >= 0 && d <= 1e9 && d == double(qint64(d));
}
