#pragma once

#include "learners/LearnerBackup.h"

// Takes a backup into a learner's files, merging it with what is there: a record line already
// there is not added again (the record file keeps its size limit, keeping the newest records and
// counting those left out), a lesson's best stays the best of both, the 错字本s are merged and
// the texts added under names of their own, a text already there under its name not twice. What
// could keep the merge from going through (a record, progress or 错字本 file that cannot be read)
// is found before anything is written; each file is written whole and renamed into place.
class BackupRestore {
public:
    struct Outcome {
        bool ok = false;
        int recordsAdded = 0;
        int recordsLeftOut = 0; // the oldest records, left out so the file keeps its size limit
        int textsAdded = 0;
        QString message; // for the learner: what was done, or what went wrong
    };

    static Outcome into(const LearnerBackup::Contents& backup, const DataFolder& data,
                        const LearnerFiles& files, const QDateTime& now);
};
