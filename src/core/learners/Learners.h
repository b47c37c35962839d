#pragma once

#include "platform/DataFolder.h"
#include "platform/LearnerFiles.h"

#include <QList>
#include <QLoggingCategory>
#include <QObject>
#include <QString>

class Clock;

Q_DECLARE_LOGGING_CATEGORY(lcLearners)

// The learners who share this program, and the current one, kept in 数据库/学员.json (written
// as a complete new file renamed over the old one). The first learner, id 0, keeps the files at
// the top of 数据库 and can be renamed but not removed; every other learner has a numbered
// folder 数据库/学员/<id>, made when the learner is added, whose number is never used again.
// Names live only in the list: they never reach the file system, so any text will do. While
// there is only the first learner, under its first name, the list need not exist.
class Learners : public QObject {
    Q_OBJECT
public:
    static constexpr int format = 1;
    static constexpr int firstId = 0;
    static constexpr int longestName = 32; // characters (code points), surrounding spaces aside

    struct Learner {
        int id = firstId;
        QString name;
        bool operator==(const Learner&) const = default;
    };

    // What reading the list found.
    enum class Reading {
        Fresh,    // no list yet: the first learner alone
        Read,     // the list, read
        SetAside, // a file that did not read as the list, renamed so nothing is lost
        Failed,   // a file that could not be read at all; it is never written over
    };

    // What a change did.
    struct Outcome {
        bool ok = false;
        int id = firstId;      // the learner it concerns
        QString message;       // for the learner: why it was refused or failed; empty when done
        bool switched = false; // the current learner is another one now
    };

    static QString firstName() { return QStringLiteral("默认"); }
    static QString listFile() { return QStringLiteral("数据库/学员.json"); }
    static QString learnersFolder() { return QStringLiteral("数据库/学员"); }
    static QString removedFolder() { return QStringLiteral("数据库/学员/已删除"); }

    Learners(const DataFolder& data, const Clock& clock, QObject* parent = nullptr);

    // Reads the list; a file that is not a list of this program is set aside (setAsideAs()) and
    // the first learner is alone and current.
    Reading load();
    QString setAsideAs() const { return setAsideAs_; }
    QString path() const;

    // The first learner first, then in the order they were added.
    const QList<Learner>& list() const { return list_; }
    int current() const { return current_; }
    const Learner& currentLearner() const;
    const Learner* byId(int id) const;
    // The learner of that name, compared without regard to case and surrounding spaces.
    const Learner* find(const QString& name) const;

    // Where a learner's files lie in the data folder.
    static LearnerFiles filesOf(int id);
    LearnerFiles currentFiles() const { return filesOf(current_); }

    // Why a name cannot be any learner's (empty, too long), for the learner to read; empty when
    // it can.
    static QString nameProblem(const QString& name);
    // Why a name cannot be a new name for the learner `id` (-1: a new learner): nameProblem(),
    // or another learner's name; empty when it can.
    QString refusal(const QString& name, int id = -1) const;

    // Each change is written at once; refused or failed, nothing changes.
    Outcome add(const QString& name);
    Outcome rename(int id, const QString& name);
    // Moves the learner's folder to 数据库/学员/已删除/<id>-<yyyyMMdd-HHmmss>; the first learner
    // takes over if the learner was current.
    Outcome remove(int id);
    Outcome setCurrent(int id);
    // The learner of that name, added when new, made current: a start that names its learner.
    Outcome startWith(const QString& name);

signals:
    // A learner was added, renamed or removed.
    void listChanged();
    // Another learner is current; switch what shows the learner's files to currentFiles().
    void currentChanged();

private:
    QString save();
    QByteArray toJson() const;
    bool fromJson(const QByteArray& bytes);
    int nextFreeId() const;
    void reset();

    DataFolder data_;
    const Clock& clock_;
    QList<Learner> list_;
    int current_ = firstId;
    int nextId_ = 1;
    QString setAsideAs_;
    // A list there that could not be read is never written over: it may name every learner.
    bool keepOff_ = false;
};
