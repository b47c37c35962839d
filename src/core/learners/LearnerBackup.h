#pragma once

#include "platform/DataFolder.h"
#include "platform/LearnerFiles.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

// A learner's backup (.kvbak): one JSON object holding what is the learner's own, so a later
// Keyvora, or this one on another computer, can take it in again:
//   {"kind":"keyvora-backup","format":1,"learner":"<name>","written":"<ISO time>",
//    "records":["<a line of the record file, as it is>", ...],
//    "progress":{<the course progress file>} or null, "missBook":{<the 错字本 file>} or null,
//    "texts":[{"name":"<name>","content":"<the text>"}, ...]}
// A backup is never larger than maxBytes, so whatever was written can be read again.
class LearnerBackup {
public:
    static constexpr int format = 1;
    static constexpr qint64 maxBytes = 64 * 1024 * 1024;
    static QString extension() { return QStringLiteral("kvbak"); }

    struct Text {
        QString name;
        QString content;
        bool operator==(const Text&) const = default;
    };
    struct Contents {
        QString learner;
        QList<QByteArray> records; // oldest first, each a complete record
        QJsonObject progress;      // empty: none
        QJsonObject missBook;      // empty: none
        QList<Text> texts;
        bool operator==(const Contents&) const = default;
    };

    enum class Problem {
        None,
        NotABackup,
        Corrupt,     // truncated, or a part that does not read
        Newer,       // a format this version does not know
        TooLarge,    // over maxBytes
        LeavingName, // a text whose name would lead out of the learner's text folder
        Unreadable,  // the file could not be read or written
    };
    struct Reading {
        Problem problem = Problem::None;
        QString message; // for the learner, when there is a problem
        Contents contents;
        bool ok() const { return problem == Problem::None; }
    };

    // What the learner whose files lie there owns. A part that does not read (a progress file
    // edited by hand, say) is a problem: nothing is left out silently.
    static Reading collect(const DataFolder& data, const LearnerFiles& files, const QString& name);

    static QByteArray toJson(const Contents& contents, const QDateTime& written);
    static Reading fromJson(const QByteArray& bytes);

    struct Outcome {
        bool ok = false;
        QString message; // for the learner: what was written, or what went wrong
    };

    // Collects the learner's files and writes them to `path` as a complete new file.
    static Outcome write(const QString& path, const DataFolder& data, const LearnerFiles& files,
                         const QString& name, const QDateTime& now);
    static Reading read(const QString& path);
};
