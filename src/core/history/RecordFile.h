#pragma once

#include "history/RunRecord.h"

#include <QList>
#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcRecords)

#include "platform/DataFolder.h"
#include "platform/LearnerFiles.h"

// A learner's record file in the data folder, 数据库/练习记录.jsonl for the first learner: one
// record a line, appended as each run ends. Reading skips every line that is not a complete
// record of this program. A file grown past maxBytes is cut back to its newest records by
// writing a complete new file and renaming it over the old one. Failures are logged under
// "keyvora.records" (off by default) and never reach the user.
class RecordFile {
public:
    static constexpr qint64 maxBytes = 16 * 1024 * 1024;
    // A trimmed file keeps this much, so that trimming does not recur with every record.
    static constexpr qint64 keptBytes = maxBytes / 4 * 3;
    // Records read with their per-key figures; older ones are read as summaries.
    static constexpr int detailedRuns = 20;

    // What a merge did.
    struct Merged {
        bool ok = false;
        int added = 0;   // lines that were not in the file yet
        int leftOut = 0; // the oldest records, kept out so the file stays within its size
        QString error;   // for the learner, when the file could not be read or written
    };

    // The file at `relativePath` below the data folder (written with '/').
    explicit RecordFile(const DataFolder& folder, QString relativePath = LearnerFiles().records());

    QString path() const;
    const DataFolder& dataFolder() const { return folder_; }

    // Appends one record. A failure loses this record only: the file keeps every older one.
    bool append(const RunRecord& record);

    // Every record, oldest first; the newest `detailed` of them with their key figures.
    QList<RunRecord> load(int detailed = detailedRuns) const;
    // The newest count records with their key figures, oldest first, reading only the file's end.
    QList<RunRecord> loadLast(int count) const;

    // Takes in record lines from elsewhere (a backup), each exactly as a record file holds it.
    // A line the file already holds is not added again, and neither is one that does not read
    // as a record. The file is written anew in time order; when the whole would pass maxBytes,
    // only the newest records that fit in keptBytes stay, as when the file is trimmed, and
    // `leftOut` counts the others. Nothing new, nothing is written.
    Merged merge(const QList<QByteArray>& lines);

private:
    bool trim(const QByteArray& newLine);

    DataFolder folder_;
    QString relativePath_;
};
