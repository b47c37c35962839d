#include "learners/RecordsExport.h"

#include "history/RecordFile.h"
#include "learners/Learners.h"
#include "learners/RecordsCsv.h"
#include "platform/WholeFile.h"
#include "texts/SafeFileName.h"

#include <QDir>

#include <limits>

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

RecordsExport::Outcome RecordsExport::learner(const DataFolder& data, const LearnerFiles& files,
                                              const QString& path, bool withKeys) {
    Outcome outcome;
    // The key figures of every record only when they are wanted: reading them costs most.
    const QList<RunRecord> records =
        RecordFile(data, files.records()).load(withKeys ? std::numeric_limits<int>::max() : 0);
    if (QString error = WholeFile::write(path, RecordsCsv::runs(records)); !error.isEmpty()) {
        outcome.message = error;
        return outcome;
    }
    outcome.written.append(path);
    if (withKeys) {
        const QString keysPath = RecordsCsv::keysFileFor(path);
        if (QString error = WholeFile::write(keysPath, RecordsCsv::keys(records));
            !error.isEmpty()) {
            outcome.message = error;
            return outcome;
        }
        outcome.written.append(keysPath);
    }
    outcome.ok = true;
    outcome.records = int(records.size());
    outcome.message =
        withKeys ? QStringLiteral("已导出 %1 条记录到“%2”，各键的数字到“%3”。")
                       .arg(records.size())
                       .arg(shown(path), shown(outcome.written.last()))
                 : QStringLiteral("已导出 %1 条记录到“%2”。").arg(records.size()).arg(shown(path));
    return outcome;
}

RecordsExport::Outcome RecordsExport::all(const DataFolder& data, const Learners& learners,
                                          const QString& folder, bool withKeys) {
    Outcome outcome;
    if (!QDir().mkpath(folder)) {
        outcome.message = QStringLiteral("无法建立文件夹“%1”。").arg(shown(folder));
        return outcome;
    }
    QStringList taken;
    for (const Learners::Learner& l : learners.list()) {
        // A key file is named after its learner's file, so both names must be free.
        QStringList blocked = taken;
        QString name;
        do {
            name = SafeFileName::unique(SafeFileName::from(l.name), blocked);
            blocked.append(name);
        } while (taken.contains(name + RecordsCsv::keysSuffix(), Qt::CaseInsensitive));
        taken << name << name + RecordsCsv::keysSuffix();
        const Outcome one = learner(data, Learners::filesOf(l.id),
                                    QDir(folder).filePath(name + QStringLiteral(".csv")), withKeys);
        outcome.written += one.written;
        outcome.records += one.records;
        if (!one.ok) {
            outcome.message = one.message;
            return outcome;
        }
    }
    outcome.ok = true;
    outcome.message = QStringLiteral("已把 %1 位学员的 %2 条记录导出到“%3”。")
                          .arg(learners.list().size())
                          .arg(outcome.records)
                          .arg(shown(folder));
    return outcome;
}
