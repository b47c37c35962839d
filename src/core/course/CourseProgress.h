#pragma once

#include "platform/DataFolder.h"

#include <QDateTime>
#include <QLoggingCategory>
#include <QMap>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcCourse)

// The learner's way through the course: the lessons passed, the best speed and accuracy of each
// lesson tried, and whether every lesson is open. Kept in 数据库/课程进度.json, written as a
// complete new file renamed over the old one, so that a failed write loses nothing older.
class CourseProgress {
public:
    static constexpr int format = 1;

    struct Lesson {
        bool passed = false;
        int bestSpeed = 0;    // in the lesson's unit a minute
        int bestAccuracy = 0; // %
        int attempts = 0;
        bool operator==(const Lesson&) const = default;
    };

    // What reading the file found.
    enum class Reading {
        Fresh,    // no file yet
        Read,     // the file, read
        SetAside, // a file that did not read as progress, renamed so nothing is lost
        Failed,   // a file that could not be read at all; it is left where it is, untouched
    };

    CourseProgress(const DataFolder& folder, QString relativePath);

    QString path() const;

    // Reads the file. A file that is not progress of this program is renamed with `now` in its
    // name (setAsideAs()) and the course starts afresh.
    Reading load(const QDateTime& now);
    QString setAsideAs() const { return setAsideAs_; }

    Lesson lesson(const QString& id) const { return lessons_.value(id); }
    const QMap<QString, Lesson>& lessons() const { return lessons_; }
    bool unlockAll() const { return unlockAll_; }

    // Each change is written at once; false when the file could not be written (the change is
    // kept in memory and written with the next one).
    bool record(const QString& id, int speed, int accuracy, bool passed);
    bool setUnlockAll(bool on);
    // Takes in another learner's or a backup's progress: passed stays passed, the bests are the
    // best of both, the attempts add up.
    bool merge(const QMap<QString, Lesson>& lessons);

    // The file's content for these values.
    QByteArray toJson() const;
    // Progress from a file's content, or nothing when it is not progress of this program.
    static bool fromJson(const QByteArray& bytes, QMap<QString, Lesson>* lessons, bool* unlockAll);

    QString lastError() const { return lastError_; }

    // Renames a file that does not read as what it should be, keeping it beside where it was
    // with `now` in its name ("课程进度-损坏-20261209-153005.json"); the new path, or empty.
    static QString setAside(const QString& path, const QDateTime& now);

private:
    bool save();

    DataFolder folder_;
    QString relativePath_;
    QMap<QString, Lesson> lessons_;
    bool unlockAll_ = false;
    QString setAsideAs_;
    QString lastError_;
    // A file there that could not be read is never written over: it may hold all the learner did.
    bool keepOff_ = false;
};
