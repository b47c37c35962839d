#pragma once

#include "platform/DataFolder.h"
#include "platform/LearnerFiles.h"

#include <QString>
#include <QStringList>

class Learners;

// Writes learners' records as CSV files (RecordsCsv), each as a complete new file renamed over
// any old one, for the history window's export and the command line.
class RecordsExport {
public:
    struct Outcome {
        bool ok = false;
        int records = 0;     // rows written, over every file
        QStringList written; // the files written
        QString message;     // for the learner: what was written, or what went wrong
    };

    // One learner's runs and lessons to `path`; with keys, their key figures as well, to
    // RecordsCsv::keysFileFor(path).
    static Outcome learner(const DataFolder& data, const LearnerFiles& files, const QString& path,
                           bool withKeys);

    // Every learner to a file of their own in `folder` (made when missing), named after the
    // learner as any file system takes it, numbered when two names would give one file.
    static Outcome all(const DataFolder& data, const Learners& learners, const QString& folder,
                       bool withKeys);
};
