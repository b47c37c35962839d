#include "course/MissBook.h"

#include "platform/VersionedJson.h"

#include "course/CourseProgress.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <algorithm>

MissBook::MissBook(const DataFolder& folder, QString relativePath)
    : folder_(folder), relativePath_(std::move(relativePath)) {}

QString MissBook::path() const {
    return folder_.file(relativePath_);
}

bool MissBook::load(const QDateTime& now) {
    entries_.clear();
    setAsideAs_.clear();
    keepOff_ = false;
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly)) {
        if (!file.exists())
            return true;
        lastError_ = file.errorString();
        qCWarning(lcCourse) << "cannot read" << path() << lastError_;
        keepOff_ = true;
        return false;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    if (fromJson(bytes, &entries_))
        return true;
    qCWarning(lcCourse) << "the miss book does not read:" << path();
    entries_.clear();
    setAsideAs_ = CourseProgress::setAside(path(), now);
    return false;
}

bool MissBook::contains(const QString& text) const {
    return std::any_of(entries_.begin(), entries_.end(),
                       [&text](const Entry& e) { return e.text == text; });
}

bool MissBook::note(const QString& text, const QString& code, bool missedOrSlow) {
    auto it = std::find_if(entries_.begin(), entries_.end(),
                           [&text](const Entry& e) { return e.text == text; });
    if (missedOrSlow) {
        if (it == entries_.end()) {
            entries_.append({text, code, 1, 0});
        } else {
            ++it->misses;
            it->streak = 0;
        }
        return save();
    }
    if (it == entries_.end())
        return false;
    if (++it->streak >= timesToLeave)
        entries_.erase(it);
    return save();
}

bool MissBook::merge(const QList<Entry>& entries) {
    for (const Entry& e : entries) {
        auto it = std::find_if(entries_.begin(), entries_.end(),
                               [&e](const Entry& mine) { return mine.text == e.text; });
        if (it == entries_.end())
            entries_.append(e);
        else
            it->misses = std::max(it->misses, e.misses);
    }
    return save();
}

QByteArray MissBook::toJson() const {
    QJsonArray list;
    for (const Entry& e : entries_)
        list.append(QJsonObject{{QStringLiteral("text"), e.text},
                                {QStringLiteral("code"), e.code},
                                {QStringLiteral("misses"), e.misses},
                                {QStringLiteral("streak"), e.streak}});
    return QJsonDocument(
               QJsonObject{{QStringLiteral("format"), format}, {QStringLiteral("entries"), list}})
        .toJson(QJsonDocument::Indented);
}

bool MissBook::fromJson(const QByteArray& bytes, QList<Entry>* entries) {
    const std::optional<QJsonObject> object = VersionedJson::object(bytes, format);
    if (!object || !object->value(QStringLiteral("entries")).isArray())
        return false;
    const QJsonObject& o = *object;
    QList<Entry> read;
    for (const QJsonValue& v : o.value(QStringLiteral("entries")).toArray()) {
        const QJsonObject e = v.toObject();
        const QString text = e.value(QStringLiteral("text")).toString();
        const int misses = e.value(QStringLiteral("misses")).toInt(-1);
        const int streak = e.value(QStringLiteral("streak")).toInt(-1);
        if (text.isEmpty() || text.size() > 16 || misses < 1 || streak < 0 ||
            streak >= timesToLeave)
            return false;
        read.append({text, e.value(QStringLiteral("code")).toString().left(8), misses, streak});
    }
    *entries = read;
    return true;
}

bool MissBook::save() {
    if (keepOff_) {
        lastError_ =
            QStringLiteral("错字本文件 %1 无法读取，为了不丢失其中的字，不会写入它。").arg(path());
        return false;
    }
    const QByteArray content = toJson();
    QSaveFile file(folder_.fileForWriting(relativePath_));
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(content) != content.size() || !file.commit()) {
        lastError_ = file.errorString();
        qCWarning(lcCourse) << "cannot write" << path() << lastError_;
        file.cancelWriting();
        return false;
    }
    return true;
}
