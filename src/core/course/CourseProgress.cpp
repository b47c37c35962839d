#include "course/CourseProgress.h"

#include "platform/VersionedJson.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

Q_LOGGING_CATEGORY(lcCourse, "keyvora.course", QtCriticalMsg)

namespace {

bool isCount(const QJsonValue& v) {
    return VersionedJson::isWholeNumber(v);
}

} // namespace

CourseProgress::CourseProgress(const DataFolder& folder, QString relativePath)
    : folder_(folder), relativePath_(std::move(relativePath)) {}

QString CourseProgress::path() const {
    return folder_.file(relativePath_);
}

CourseProgress::Reading CourseProgress::load(const QDateTime& now) {
    lessons_.clear();
    unlockAll_ = false;
    setAsideAs_.clear();
    keepOff_ = false;
    QFile file(path());
    if (!file.exists())
        return Reading::Fresh;
    if (!file.open(QIODevice::ReadOnly)) {
        lastError_ = file.errorString();
        qCWarning(lcCourse) << "cannot read" << path() << lastError_;
        keepOff_ = true;
        return Reading::Failed;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    if (fromJson(bytes, &lessons_, &unlockAll_))
        return Reading::Read;

    // Not progress of this program: keep it under another name and start afresh.
    const QFileInfo info(path());
    const QString aside = info.absolutePath() + QLatin1Char('/') + info.completeBaseName() +
                          QStringLiteral("-损坏-") +
                          now.toString(QStringLiteral("yyyyMMdd-HHmmss")) + QLatin1Char('.') +
                          info.suffix();
    if (!QFile::rename(path(), aside)) {
        lastError_ = QStringLiteral("无法改名为 %1").arg(aside);
        qCWarning(lcCourse) << "cannot set aside" << path();
        lessons_.clear();
        keepOff_ = true;
        return Reading::Failed;
    }
    setAsideAs_ = aside;
    lessons_.clear();
    unlockAll_ = false;
    return Reading::SetAside;
}

QString CourseProgress::setAside(const QString& path, const QDateTime& now) {
    const QFileInfo info(path);
    const QString aside = info.absolutePath() + QLatin1Char('/') + info.completeBaseName() +
                          QStringLiteral("-损坏-") +
                          now.toString(QStringLiteral("yyyyMMdd-HHmmss")) + QLatin1Char('.') +
                          info.suffix();
    return QFile::rename(path, aside) ? aside : QString();
}

bool CourseProgress::fromJson(const QByteArray& bytes, QMap<QString, Lesson>* lessons,
                              bool* unlockAll) {
    const std::optional<QJsonObject> object = VersionedJson::object(bytes, format);
    if (!object || !object->value(QStringLiteral("lessons")).isObject())
        return false;
    const QJsonObject& o = *object;
    QMap<QString, Lesson> read;
    const QJsonObject entries = o.value(QStringLiteral("lessons")).toObject();
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        const QJsonObject e = it.value().toObject();
        const QJsonValue speed = e.value(QStringLiteral("bestSpeed"));
        const QJsonValue accuracy = e.value(QStringLiteral("bestAccuracy"));
        const QJsonValue attempts = e.value(QStringLiteral("attempts"));
        if (it.key().isEmpty() || !e.value(QStringLiteral("passed")).isBool() || !isCount(speed) ||
            !isCount(accuracy) || accuracy.toInt() > 100 || !isCount(attempts))
            return false;
        read.insert(it.key(), Lesson{e.value(QStringLiteral("passed")).toBool(), speed.toInt(),
                                     accuracy.toInt(), attempts.toInt()});
    }
    *lessons = read;
    *unlockAll = o.value(QStringLiteral("unlockAll")).toBool();
    return true;
}

QByteArray CourseProgress::toJson() const {
    QJsonObject entries;
    for (auto it = lessons_.begin(); it != lessons_.end(); ++it)
        entries.insert(it.key(), QJsonObject{{QStringLiteral("passed"), it->passed},
                                             {QStringLiteral("bestSpeed"), it->bestSpeed},
                                             {QStringLiteral("bestAccuracy"), it->bestAccuracy},
                                             {QStringLiteral("attempts"), it->attempts}});
    const QJsonObject o{{QStringLiteral("format"), format},
                        {QStringLiteral("unlockAll"), unlockAll_},
                        {QStringLiteral("lessons"), entries}};
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

bool CourseProgress::record(const QString& id, int speed, int accuracy, bool passed) {
    Lesson& lesson = lessons_[id];
    lesson.passed = lesson.passed || passed;
    lesson.bestSpeed = std::max(lesson.bestSpeed, speed);
    lesson.bestAccuracy = std::max(lesson.bestAccuracy, accuracy);
    ++lesson.attempts;
    return save();
}

bool CourseProgress::setUnlockAll(bool on) {
    if (unlockAll_ == on)
        return true;
    unlockAll_ = on;
    return save();
}

bool CourseProgress::merge(const QMap<QString, Lesson>& lessons) {
    for (auto it = lessons.begin(); it != lessons.end(); ++it) {
        Lesson& mine = lessons_[it.key()];
        mine.passed = mine.passed || it->passed;
        mine.bestSpeed = std::max(mine.bestSpeed, it->bestSpeed);
        mine.bestAccuracy = std::max(mine.bestAccuracy, it->bestAccuracy);
        mine.attempts += it->attempts;
    }
    return save();
}

bool CourseProgress::save() {
    if (keepOff_) {
        lastError_ =
            QStringLiteral("进度文件 %1 无法读取，为了不丢失其中的进度，不会写入它。").arg(path());
        return false;
    }
    const QByteArray content = toJson();
    QSaveFile file(folder_.fileForWriting(relativePath_));
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(content) != content.size()) {
        lastError_ = file.errorString();
        qCWarning(lcCourse) << "cannot write" << path() << lastError_;
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        lastError_ = file.errorString();
        qCWarning(lcCourse) << "cannot replace" << path() << lastError_;
        return false;
    }
    lastError_.clear();
    return true;
}
