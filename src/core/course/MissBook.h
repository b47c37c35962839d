#pragma once

#include "platform/DataFolder.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>

// 错字本: the Chinese characters and words the learner missed or stalled on in the 五笔 stage. They
// come back in later lessons of the stage until typed right three times running. Kept in
// 数据库/错字本.json, written as a complete new file renamed over the old one.
class MissBook {
public:
    static constexpr int format = 1;
    // Typed right this many times running, an entry leaves the book.
    static constexpr int timesToLeave = 3;

    struct Entry {
        QString text;
        QString code;   // the code shown for it
        int misses = 0; // times it went into the book
        int streak = 0; // times typed right running since
        bool operator==(const Entry&) const = default;
    };

    MissBook(const DataFolder& folder, QString relativePath);

    QString path() const;
    // Reads the book. A file that does not read is set aside as the progress file is (its new
    // name in setAsideAs()) and the book starts empty; false then. A file that cannot be read at
    // all is left where it is and never written over (false, with lastError()).
    bool load(const QDateTime& now);
    QString setAsideAs() const { return setAsideAs_; }

    const QList<Entry>& entries() const { return entries_; }
    bool contains(const QString& text) const;

    // An attempt's item: missed (or too slow) puts it in the book, typed right counts towards its
    // leaving. Returns whether the book changed; each change is written at once.
    bool note(const QString& text, const QString& code, bool missedOrSlow);
    // Takes in a backup's book: entries missing here are added, the others keep the higher count.
    bool merge(const QList<Entry>& entries);

    QByteArray toJson() const;
    static bool fromJson(const QByteArray& bytes, QList<Entry>* entries);
    QString lastError() const { return lastError_; }

private:
    bool save();

    DataFolder folder_;
    QString relativePath_;
    QList<Entry> entries_;
    QString lastError_;
    QString setAsideAs_;
    // A file there that could not be read is never written over: it may hold all the learner
    // missed.
    bool keepOff_ = false;
};
