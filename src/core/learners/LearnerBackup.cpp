#include "learners/LearnerBackup.h"

#include "course/CourseProgress.h"
#include "course/MissBook.h"
#include "history/RecordFile.h"
#include "history/RunRecord.h"
#include "learners/Learners.h"
#include "platform/WholeFile.h"
#include "texts/SafeFileName.h"
#include "texts/TextImport.h"
#include "texts/TextLibrary.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>
#include <tuple>

namespace {

const QByteArray kind = QByteArrayLiteral("keyvora-backup");

LearnerBackup::Reading problem(LearnerBackup::Problem problem, const QString& message) {
    LearnerBackup::Reading r;
    r.problem = problem;
    r.message = message;
    return r;
}

LearnerBackup::Reading tooLarge() {
    return problem(
        LearnerBackup::Problem::TooLarge,
        QStringLiteral("备份文件超过 %1 MB，不能恢复。").arg(LearnerBackup::maxBytes >> 20));
}

LearnerBackup::Reading corrupt(const QString& what) {
    return problem(LearnerBackup::Problem::Corrupt,
                   QStringLiteral("备份文件不完整或已损坏（%1），没有恢复任何内容。").arg(what));
}

// A part kept in a file of its own: nothing when there is no file, its object when it reads.
bool readPart(const QString& path, bool (*reads)(const QByteArray&), QJsonObject* part,
              QString* error) {
    if (!QFile::exists(path))
        return true;
    const WholeFile::Read read = WholeFile::read(path, RecordFile::maxBytes);
    if (!read.ok() || !reads(read.bytes)) {
        *error =
            read.ok()
                ? QStringLiteral("文件“%1”无法读取，没有备份。").arg(QDir::toNativeSeparators(path))
                : read.error;
        return false;
    }
    *part = QJsonDocument::fromJson(read.bytes).object();
    return true;
}

bool progressReads(const QByteArray& bytes) {
    QMap<QString, CourseProgress::Lesson> lessons;
    bool unlockAll = false;
    return CourseProgress::fromJson(bytes, &lessons, &unlockAll);
}

bool missBookReads(const QByteArray& bytes) {
    QList<MissBook::Entry> entries;
    return MissBook::fromJson(bytes, &entries);
}

QByteArray compact(const QJsonObject& o) {
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

} // namespace

LearnerBackup::Reading LearnerBackup::collect(const DataFolder& data, const LearnerFiles& files,
                                              const QString& name) {
    Reading r;
    r.contents.learner = name;
    const QString records = data.file(files.records());
    if (QFile::exists(records)) {
        const WholeFile::Read read = WholeFile::read(records, RecordFile::maxBytes * 2);
        if (!read.ok())
            return problem(Problem::Unreadable, read.error);
        // Lines cut short (the program killed while writing one) are no records.
        for (const QByteArray& line : read.bytes.split('\n'))
            if (RunRecord::fromJson(line))
                r.contents.records.append(line);
    }
    QString error;
    if (!readPart(data.file(files.progress()), progressReads, &r.contents.progress, &error) ||
        !readPart(data.file(files.missBook()), missBookReads, &r.contents.missBook, &error))
        return problem(Problem::Unreadable, error);
    const TextLibrary library(data, files.texts());
    for (const LibraryText& text : library.texts()) {
        const WholeFile::Read read = WholeFile::read(text.path, TextImport::maxBytes);
        if (!read.ok())
            return problem(Problem::Unreadable, read.error);
        r.contents.texts.append({text.name, QString::fromUtf8(read.bytes)});
    }
    return r;
}

QByteArray LearnerBackup::toJson(const Contents& contents, const QDateTime& written) {
    QJsonArray records;
    for (const QByteArray& line : contents.records)
        records.append(QString::fromUtf8(line));
    QJsonArray texts;
    for (const Text& t : contents.texts)
        texts.append(
            QJsonObject{{QStringLiteral("name"), t.name}, {QStringLiteral("content"), t.content}});
    const auto partOrNull = [](const QJsonObject& o) {
        return o.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(o);
    };
    const QJsonObject rest{{QStringLiteral("learner"), contents.learner},
                           {QStringLiteral("written"), written.toString(Qt::ISODate)},
                           {QStringLiteral("records"), records},
                           {QStringLiteral("progress"), partOrNull(contents.progress)},
                           {QStringLiteral("missBook"), partOrNull(contents.missBook)},
                           {QStringLiteral("texts"), texts}};
    // What it is comes first, so that even a backup cut short says what it was.
    return "{\"kind\":\"" + kind + "\",\"format\":" + QByteArray::number(format) + ',' +
           compact(rest).mid(1);
}

LearnerBackup::Reading LearnerBackup::fromJson(const QByteArray& bytes) {
    if (bytes.size() > maxBytes)
        return tooLarge();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    const QJsonObject o = doc.object();
    if (error.error != QJsonParseError::NoError) {
        if (bytes.left(64).contains(kind))
            return corrupt(
                QStringLiteral("第 %1 字节处：%2").arg(error.offset).arg(error.errorString()));
        return problem(Problem::NotABackup, QStringLiteral("这不是 Keyvora 的备份文件。"));
    }
    if (o.value(QStringLiteral("kind")).toString().toUtf8() != kind)
        return problem(Problem::NotABackup, QStringLiteral("这不是 Keyvora 的备份文件。"));
    const QJsonValue version = o.value(QStringLiteral("format"));
    const double v = version.toDouble();
    if (!version.isDouble() || v < 1 || v != std::floor(v))
        return corrupt(QStringLiteral("格式编号"));
    if (v > format)
        return problem(Problem::Newer,
                       QStringLiteral("这个备份由更新版本的 Keyvora 写成（格式 %1），这一版只能"
                                      "恢复格式 %2 的备份。请用新版本恢复。")
                           .arg(v, 0, 'f', 0)
                           .arg(format));

    Reading r;
    const QString learner = o.value(QStringLiteral("learner")).toString();
    if (!Learners::nameProblem(learner).isEmpty())
        return corrupt(QStringLiteral("学员的名字"));
    r.contents.learner = learner.trimmed();

    if (!o.value(QStringLiteral("records")).isArray())
        return corrupt(QStringLiteral("练习记录"));
    for (const QJsonValue& line : o.value(QStringLiteral("records")).toArray()) {
        const QByteArray bytes = line.toString().toUtf8();
        if (!line.isString() || bytes.contains('\n') || !RunRecord::fromJson(bytes))
            return corrupt(QStringLiteral("练习记录"));
        r.contents.records.append(bytes);
    }

    using Part = std::tuple<QString, bool (*)(const QByteArray&), QJsonObject*>;
    for (const auto& [field, reads, part] :
         {Part{QStringLiteral("progress"), progressReads, &r.contents.progress},
          Part{QStringLiteral("missBook"), missBookReads, &r.contents.missBook}}) {
        const QJsonValue value = o.value(field);
        if (value.isNull() || value.isUndefined())
            continue;
        if (!value.isObject() || value.toObject().isEmpty() || !reads(compact(value.toObject())))
            return corrupt(field == QStringLiteral("progress") ? QStringLiteral("课程进度")
                                                               : QStringLiteral("错字本"));
        *part = value.toObject();
    }

    if (!o.value(QStringLiteral("texts")).isArray())
        return corrupt(QStringLiteral("文本"));
    for (const QJsonValue& value : o.value(QStringLiteral("texts")).toArray()) {
        const QJsonValue name = value.toObject().value(QStringLiteral("name"));
        const QJsonValue content = value.toObject().value(QStringLiteral("content"));
        if (!name.isString() || name.toString().isEmpty() || !content.isString())
            return corrupt(QStringLiteral("文本"));
        if (SafeFileName::leavesFolder(name.toString()))
            return problem(Problem::LeavingName,
                           QStringLiteral("备份里的文本“%1”的名字会指向学员的文本文件夹以外的地方，"
                                          "没有恢复任何内容。")
                               .arg(name.toString()));
        if (!TextImport::fromClipboard(content.toString()).ok())
            return corrupt(QStringLiteral("文本“%1”").arg(name.toString()));
        r.contents.texts.append({name.toString(), content.toString()});
    }
    return r;
}

LearnerBackup::Outcome LearnerBackup::write(const QString& path, const DataFolder& data,
                                            const LearnerFiles& files, const QString& name,
                                            const QDateTime& now) {
    const Reading collected = collect(data, files, name);
    if (!collected.ok())
        return {false, collected.message};
    const QByteArray bytes = toJson(collected.contents, now);
    if (bytes.size() > maxBytes)
        return {false, QStringLiteral("备份会超过 %1 MB（%2 MB），没有写入。请先删除一些文本。")
                           .arg(maxBytes >> 20)
                           .arg(double(bytes.size()) / (1 << 20), 0, 'f', 1)};
    if (const QString error = WholeFile::write(path, bytes); !error.isEmpty())
        return {false, error};
    return {true,
            QStringLiteral("已把学员“%1”的 %2 条记录、课程进度、错字本和 %3 篇文本备份到“%4”。")
                .arg(name)
                .arg(collected.contents.records.size())
                .arg(collected.contents.texts.size())
                .arg(QDir::toNativeSeparators(path))};
}

LearnerBackup::Reading LearnerBackup::read(const QString& path) {
    const WholeFile::Read read = WholeFile::read(path, maxBytes);
    if (read.tooLarge)
        return tooLarge();
    if (!read.ok())
        return problem(Problem::Unreadable, read.error);
    return fromJson(read.bytes);
}
