#include "history/RecordFile.h"

#include "platform/DataFolder.h"
#include "platform/WholeFile.h"

#include <QFile>
#include <QSaveFile>
#include <QSet>

#include <algorithm>

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

RecordFile::RecordFile(const DataFolder& folder, QString relativePath)
    : folder_(folder), relativePath_(std::move(relativePath)) {}

QString RecordFile::path() const {
    return folder_.file(relativePath_);
}

bool RecordFile::append(const RunRecord& record) {
    const QByteArray line = record.toJson() + '\n';
    // In the user's own data folder the folders are made on the first write.
    QFile file(folder_.fileForWriting(relativePath_));
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

QList<RunRecord> RecordFile::load(int detailed) const {
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return parse(linesNewestFirst(bytes, true), detailed, -1);
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

RecordFile::Merged RecordFile::merge(const QList<QByteArray>& lines) {
    Merged merged;
    QByteArray bytes;
    if (QFile::exists(path())) {
        const WholeFile::Read read = WholeFile::read(path(), maxBytes * 2);
        if (!read.ok()) {
            merged.error = read.error;
            return merged;
        }
        bytes = read.bytes;
    }

    // Every record of the file and each new one once, with its time; the file's own order
    // decides between records of the same time.
    struct Entry {
        QDateTime when;
        QByteArrayView line;
    };
    QList<Entry> entries;
    QSet<QByteArrayView> present;
    const QList<QByteArrayView> own = linesNewestFirst(bytes, true);
    for (auto it = own.crbegin(); it != own.crend(); ++it) {
        const std::optional<RunRecord> r = RunRecord::fromJson(*it, true);
        if (r && !present.contains(*it)) {
            present.insert(*it);
            entries.append({r->when, *it});
        }
    }
    for (const QByteArray& line : lines) {
        const std::optional<RunRecord> r = RunRecord::fromJson(line, true);
        if (!r || line.contains('\n') || present.contains(line))
            continue;
        present.insert(line);
        entries.append({r->when, line});
        ++merged.added;
    }
    merged.ok = true;
    if (merged.added == 0)
        return merged;
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.when < b.when; });

    qint64 size = 0;
    for (const Entry& e : entries)
        size += e.line.size() + 1;
    qsizetype first = 0;
    if (size > maxBytes) {
        // The newest that fit, as trimming keeps them.
        size = 0;
        first = entries.size();
        while (first > 0 && size + entries[first - 1].line.size() + 1 <= keptBytes)
            size += entries[--first].line.size() + 1;
        merged.leftOut = int(first);
    }
    QByteArray content;
    content.reserve(size);
    for (qsizetype i = first; i < entries.size(); ++i)
        content.append(entries[i].line.data(), entries[i].line.size()).append('\n');

    const QString error = WholeFile::write(folder_.fileForWriting(relativePath_), content);
    if (!error.isEmpty()) {
        qCWarning(lcRecords) << "cannot write the merged" << path();
        merged = Merged{};
        merged.error = error;
    }
    return merged;
}
