#pragma once

#include "history/RunRecord.h"

#include <QList>
#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcRecords)

#include "platform/DataFolder.h"

// The file 数据库/练习记录.jsonl in the data folder: one record a line, appended as each run ends.
// Reading skips every line that is not a complete record of this program. A file grown past
// maxBytes is cut back to its newest records by writing a complete new file and renaming it
// over the old one. Failures are logged under "keyvora.records" (off by default) and never
// reach the user.
class RecordFile {
public:
    static constexpr qint64 maxBytes = 16 * 1024 * 1024;
    // A trimmed file keeps this much, so that trimming does not recur with every record.
    static constexpr qint64 keptBytes = maxBytes / 4 * 3;
    // Records read with their per-key figures; older ones are read as summaries.
    static constexpr int detailedRuns = 20;

    explicit RecordFile(const DataFolder& folder);

    QString path() const;

    // Appends one record. A failure loses this record only: the file keeps every older one.
    bool append(const RunRecord& record);

    // Every record, oldest first; the newest detailedRuns of them with their key figures.
    QList<RunRecord> load() const;
    // The newest count records with their key figures, oldest first, reading only the file's end.
    QList<RunRecord> loadLast(int count) const;

private:
    bool trim(const QByteArray& newLine);

    DataFolder folder_;
};
