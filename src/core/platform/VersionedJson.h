#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>

#include <optional>

// The JSON files the program keeps for a learner (progress, 错字本, the list of learners) are
// one object with a format number, so that a later Keyvora can read them and an older one
// refuses what it does not know.
class VersionedJson {
public:
    // The object, when the bytes are one JSON object whose "format" is a whole number from 1 to
    // the newest this program writes.
    static std::optional<QJsonObject> object(const QByteArray& bytes, int newestFormat);

    // A whole number from 0 to a billion: a count or an id read from a file, never one that
    // overflows when converted.
    static bool isWholeNumber(const QJsonValue& value);
};
