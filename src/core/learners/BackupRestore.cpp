#include "learners/BackupRestore.h"

#include "course/CourseProgress.h"
#include "course/MissBook.h"
#include "history/RecordFile.h"
#include "platform/WholeFile.h"
#include "texts/SafeFileName.h"
#include "texts/TextImport.h"
#include "texts/TextLibrary.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>

namespace {

QByteArray compact(const QJsonObject& o) {
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

BackupRestore::Outcome refused(const QString& message) {
    BackupRestore::Outcome outcome;
    outcome.message = message + QStringLiteral("\n没有恢复任何内容。");
    return outcome;
}

// Whether the library holds this text under this name already.
bool alreadyThere(const TextLibrary& library, const LearnerBackup::Text& text) {
    const LibraryText* there = library.find(SafeFileName::from(text.name));
    if (!there)
        return false;
    const WholeFile::Read read = WholeFile::read(there->path, TextImport::maxBytes);
    return read.ok() && read.bytes == TextImport::fromClipboard(text.content).text.toUtf8();
}

} // namespace

BackupRestore::Outcome BackupRestore::into(const LearnerBackup::Contents& backup,
                                           const DataFolder& data, const LearnerFiles& files,
                                           const QDateTime& now) {
    CourseProgress progress(data, files.progress());
    if (progress.load(now) == CourseProgress::Reading::Failed)
        return refused(QStringLiteral("无法读取课程进度文件“%1”（%2）。")
                           .arg(QDir::toNativeSeparators(progress.path()), progress.lastError()));
    MissBook missBook(data, files.missBook());
    if (!missBook.load(now) && missBook.setAsideAs().isEmpty())
        return refused(QStringLiteral("无法读取错字本文件“%1”。")
                           .arg(QDir::toNativeSeparators(missBook.path())));
    TextLibrary library(data, files.texts());
    QList<LearnerBackup::Text> texts;
    for (const LearnerBackup::Text& text : backup.texts)
        if (!alreadyThere(library, text))
            texts.append(text);

    Outcome outcome;
    const RecordFile::Merged merged = RecordFile(data, files.records()).merge(backup.records);
    if (!merged.ok)
        return refused(merged.error);
    outcome.recordsAdded = merged.added;
    outcome.recordsLeftOut = merged.leftOut;

    QStringList failures;
    QMap<QString, CourseProgress::Lesson> lessons;
    bool unlockAll = false;
    if (CourseProgress::fromJson(compact(backup.progress), &lessons, &unlockAll) &&
        (!progress.merge(lessons) || (unlockAll && !progress.setUnlockAll(true))))
        failures.append(QStringLiteral("课程进度（%1）").arg(progress.lastError()));
    QList<MissBook::Entry> entries;
    if (MissBook::fromJson(compact(backup.missBook), &entries) && !missBook.merge(entries))
        failures.append(QStringLiteral("错字本（%1）").arg(missBook.lastError()));
    for (const LearnerBackup::Text& text : texts) {
        const TextLibrary::Outcome added = library.addNamed(text.name, text.content);
        if (added.ok)
            ++outcome.textsAdded;
        else
            failures.append(QStringLiteral("文本“%1”（%2）").arg(text.name, added.message));
    }

    outcome.message =
        QStringLiteral("新增了 %1 条练习记录（备份里已有的 %2 条没有重复加入）和 %3 篇文本")
            .arg(outcome.recordsAdded)
            .arg(backup.records.size() - outcome.recordsAdded)
            .arg(outcome.textsAdded);
    outcome.message += failures.isEmpty()
                           ? QStringLiteral("，合并了课程进度和错字本。")
                           : QStringLiteral("。\n没能恢复的：%1。").arg(failures.join(u'；'));
    if (outcome.recordsLeftOut > 0)
        outcome.message += QStringLiteral("\n练习记录文件容纳不下全部记录：保留了最新的，"
                                          "略去了较早的 %1 条。")
                               .arg(outcome.recordsLeftOut);
    outcome.ok = failures.isEmpty();
    return outcome;
}
