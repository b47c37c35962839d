#include "history/RecordFile.h"

#include "platform/DataFolder.h"

#include <QFile>
#include <QSaveFile>

Q_LOGGING_CATEGORY(lcRecords, "keyvora.records", QtCriticalMsg)

namespace {

// The complete lines of a buffer, newest first, as views into it. A buffer read from the middle
// of the file starts inside a line, which is left out.
QList<QByteArrayView> linesNewestFirst(const QByteArray& bytes, bool fromStart) {
    QList<QByteArrayView> lines;
    qsizetype end = bytes.size();
    const qsizetype first = fromStart ? 0 : bytes.indexOf('\n') + 1;
    if (!fromStart && first == 0)
        return lines;
    while (end > first) {
        qsizetype start = bytes.lastIndexOf('\n', end - 1);
        start = start < first ? first : start + 1;
        if (end > start)
            lines.append(QByteArrayView(bytes).sliced(start, end - start));
        end = start - 1;
    }
    return lines;
}

QList<RunRecord> parse(const QList<QByteArrayView>& lines, int detailed, int limit) {
    QList<RunRecord> records;
    for (const QByteArrayView line : lines) {
        if (limit >= 0 && records.size() >= limit)
            break;
        const bool summaryOnly = records.size() >= detailed;
        if (std::optional<RunRecord> r = RunRecord::fromJson(line, summaryOnly))
            records.append(std::move(*r));
    }
    std::reverse(records.begin(), records.end());
    return records;
}

} // namespace

RecordFile::RecordFile(const DataFolder& folder) : folder_(folder) {}

QString RecordFile::path() const {
    return folder_.file(QStringLiteral("数据库/练习记录.jsonl"));
}

bool RecordFile::append(const RunRecord& record) {
    const QByteArray line = record.toJson() + '\n';
    // In the user's own data folder the folders are made on the first write.
    QFile file(folder_.fileForWriting(QStringLiteral("数据库/练习记录.jsonl")));
    if (file.exists() && file.size() + line.size() > maxBytes)
        return trim(line);

    // One unbuffered write, so a short write (full disk) shows in its result and can be taken
    // back; beside the program the folder is never created, as with the settings.
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
        qCWarning(lcRecords) << "cannot open" << path() << file.errorString();
        return false;
    }
    const qint64 before = file.size();
    QByteArray bytes = line;
    // A line cut off earlier (the program killed while writing) must not swallow this one.
    if (before > 0 && !file.isSequential() && file.seek(before - 1) && file.read(1) != "\n")
        bytes.prepend('\n');
    if (file.write(bytes) != bytes.size()) {
        qCWarning(lcRecords) << "cannot write" << path() << file.errorString();
        if (!file.isSequential())
            file.resize(before);
        return false;
    }
    return true;
}

bool RecordFile::trim(const QByteArray& newLine) {
    QFile old(path());
    if (!old.open(QIODevice::ReadOnly)) {
        qCWarning(lcRecords) << "cannot read" << path() << old.errorString();
        return false;
    }
    const QByteArray bytes = old.readAll();
    old.close();

    // The newest complete lines that fit, in their order; whatever does not read is dropped.
    QList<QByteArrayView> kept;
    qint64 size = newLine.size();
    for (const QByteArrayView line : linesNewestFirst(bytes, true)) {
        if (size + line.size() + 1 > keptBytes)
            break;
        if (!RunRecord::fromJson(line, true))
            continue;
        kept.append(line);
        size += line.size() + 1;
    }
    QByteArray content;
    content.reserve(size);
    for (auto it = kept.crbegin(); it != kept.crend(); ++it)
        content.append(it->data(), it->size()).append('\n');
    content += newLine;

    QSaveFile file(path());
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(content) != content.size()) {
        qCWarning(lcRecords) << "cannot write the trimmed" << path() << file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        qCWarning(lcRecords) << "cannot replace" << path() << file.errorString();
        return false;
    }
    return true;
}

QList<RunRecord> RecordFile::load() const {
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return parse(linesNewestFirst(bytes, true), detailedRuns, -1);
}

QList<RunRecord> RecordFile::loadLast(int count) const {
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly) || count <= 0)
        return {};
    const qint64 size = file.size();
    // Read a growing tail until it holds enough records or the whole file.
    for (qint64 tail = 64 * 1024;; tail *= 4) {
        const qint64 from = std::max<qint64>(0, size - tail);
        if (!file.seek(from))
            return {};
        const QByteArray bytes = file.read(size - from);
        QList<RunRecord> records = parse(linesNewestFirst(bytes, from == 0), count, count);
        if (records.size() >= count || from == 0)
            return records;
    }
}
