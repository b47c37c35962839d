#include "history/RunRecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

const QByteArray keysField = QByteArrayLiteral(",\"keys\":[");

// The per-key figures are written as [code, shown, firstHits, medianMs, hits, shiftSlips,
// [[key, presses], ...]]: numbers only, so a record stays small and its tail can be checked for
// completeness by its brackets alone.
QJsonArray keyArray(const KeyFigures& key) {
    QJsonArray wrong;
    for (const auto& [code, presses] : key.wrong)
        wrong.append(QJsonArray{code, presses});
    return QJsonArray{key.code, key.shown,      key.firstHits, key.medianMs,
                      key.hits, key.shiftSlips, wrong};
}

bool isWhole(const QJsonValue& v, double low, double high) {
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    // The range first: a number beyond an integer's range has no integer to compare with.
    return d >= low && d <= high && d == std::floor(d);
}

std::optional<KeyFigures> keyFrom(const QJsonValue& value) {
    const QJsonArray a = value.toArray();
    if (a.size() != 7 || !isWhole(a[0], 0, 126))
        return std::nullopt;
    for (int i = 1; i < 6; ++i)
        if (!isWhole(a[i], i == 3 ? -1 : 0, 1e9))
            return std::nullopt;
    KeyFigures key{
        a[0].toInt(), a[1].toInt(), a[2].toInt(), a[3].toInt(), a[4].toInt(), a[5].toInt(), {}};
    if (!a[6].isArray() || key.firstHits > key.shown)
        return std::nullopt;
    for (const QJsonValue& w : a[6].toArray()) {
        const QJsonArray pair = w.toArray();
        if (pair.size() != 2 || !isWhole(pair[0], 0, 255) || !isWhole(pair[1], 1, 1e9))
            return std::nullopt;
        key.wrong.append({pair[0].toInt(), pair[1].toInt()});
    }
    return key;
}

// Whether the per-key tail of a line is complete: its brackets close exactly at the end. A line
// cut off by a full disk fails here even where its summary would still read.
bool tailComplete(QByteArrayView tail) {
    int depth = 1; // the opening bracket of the keys array is already behind
    for (qsizetype i = 0; i < tail.size(); ++i) {
        const char c = tail[i];
        if (c == '[')
            ++depth;
        else if (c == ']' && --depth == 0)
            return tail.sliced(i + 1).trimmed() == "}";
    }
    return false;
}

} // namespace

QByteArray RunRecord::toJson() const {
    QJsonObject o;
    o.insert(QStringLiteral("time"), when.toString(Qt::ISODate));
    o.insert(QStringLiteral("styleName"), styleName);
    if (isLesson()) {
        o.insert(QStringLiteral("lesson"), lesson);
        o.insert(QStringLiteral("lessonName"), lessonName);
        o.insert(QStringLiteral("stage"), stage);
        if (characters > 0) {
            o.insert(QStringLiteral("characters"), characters);
            o.insert(QStringLiteral("charSpeed"), charSpeed);
        }
        if (codeLength > 0)
            o.insert(QStringLiteral("codeLength"), codeLength);
    } else {
        o.insert(QStringLiteral("style"), style);
        o.insert(QStringLiteral("level"), level);
        o.insert(QStringLiteral("total"), total);
    }
    o.insert(QStringLiteral("count"), count);
    o.insert(QStringLiteral("hits"), hits);
    o.insert(QStringLiteral("accuracy"), accuracy);
    o.insert(QStringLiteral("seconds"), seconds);
    o.insert(QStringLiteral("speed"), speed);
    if (wubiEdition != 0)
        o.insert(QStringLiteral("wubi"), wubiEdition);
    QByteArray line = QJsonDocument(o).toJson(QJsonDocument::Compact);
    // QJsonObject sorts its fields; the keys are put last by hand.
    QJsonArray keyList;
    for (const KeyFigures& key : keys)
        keyList.append(keyArray(key));
    line.chop(1);
    line += keysField;
    line += QJsonDocument(keyList).toJson(QJsonDocument::Compact).mid(1);
    line += '}';
    return line;
}

std::optional<RunRecord> RunRecord::fromJson(QByteArrayView line, bool summaryOnly) {
    const qsizetype keysAt = line.lastIndexOf(QByteArrayView(keysField));
    if (keysAt < 0)
        return std::nullopt;
    if (!tailComplete(line.sliced(keysAt + keysField.size())))
        return std::nullopt;

    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(
        summaryOnly ? line.first(keysAt).toByteArray() + '}' : line.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    const QJsonObject o = doc.object();

    RunRecord r;
    r.when = QDateTime::fromString(o.value(QStringLiteral("time")).toString(), Qt::ISODate);
    const QJsonValue name = o.value(QStringLiteral("styleName"));
    if (!r.when.isValid() || !name.isString())
        return std::nullopt;
    const QJsonValue lesson = o.value(QStringLiteral("lesson"));
    if (lesson.isString()) {
        // A lesson of the course: no style, level or total, but its lesson and stage.
        const QJsonValue lessonName = o.value(QStringLiteral("lessonName"));
        const QJsonValue stage = o.value(QStringLiteral("stage"));
        if (lesson.toString().isEmpty() || !lessonName.isString() || !stage.isString())
            return std::nullopt;
        for (const char* field : {"characters", "charSpeed"})
            if (o.contains(QLatin1String(field)) && !isWhole(o.value(QLatin1String(field)), 0, 1e9))
                return std::nullopt;
        const QJsonValue codeLength = o.value(QStringLiteral("codeLength"));
        if (o.contains(QStringLiteral("codeLength")) &&
            (!codeLength.isDouble() || codeLength.toDouble() < 0))
            return std::nullopt;
        r.lesson = lesson.toString();
        r.lessonName = lessonName.toString();
        r.stage = stage.toString();
        r.characters = o.value(QStringLiteral("characters")).toInt();
        r.charSpeed = o.value(QStringLiteral("charSpeed")).toInt();
        r.codeLength = codeLength.toDouble();
    } else {
        if (!isWhole(o.value(QStringLiteral("style")), 0, 11))
            return std::nullopt;
        for (const char* field : {"level", "total"})
            if (!o.value(QLatin1String(field)).isDouble())
                return std::nullopt;
        r.style = o.value(QStringLiteral("style")).toInt();
        r.level = o.value(QStringLiteral("level")).toDouble();
        r.total = o.value(QStringLiteral("total")).toDouble();
    }
    if (!o.value(QStringLiteral("seconds")).isDouble())
        return std::nullopt;
    for (const char* field : {"count", "hits", "accuracy", "speed"})
        if (!isWhole(o.value(QLatin1String(field)), 0, 1e9))
            return std::nullopt;
    r.styleName = name.toString();
    r.count = o.value(QStringLiteral("count")).toInt();
    r.hits = o.value(QStringLiteral("hits")).toInt();
    r.accuracy = o.value(QStringLiteral("accuracy")).toInt();
    r.seconds = o.value(QStringLiteral("seconds")).toDouble();
    r.speed = o.value(QStringLiteral("speed")).toInt();
    r.wubiEdition = o.value(QStringLiteral("wubi")).toInt();
    if (summaryOnly)
        return r;

    for (const QJsonValue& value : o.value(QStringLiteral("keys")).toArray()) {
        const std::optional<KeyFigures> key = keyFrom(value);
        if (!key)
            return std::nullopt;
        r.keys.append(*key);
    }
    return r;
}
