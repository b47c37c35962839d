#include "settings/SettingsStore.h"

#include "platform/Diagnostics.h"

#include "platform/DataFolder.h"
#include "settings/Options.h"
#include "settings/SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

// Where the file system cannot keep a temporary file unnamed, QSaveFile writes to
// "Keyvora.XXXXXX" beside the target, and a save killed before its rename leaves that file
// behind. Each later save removes such leftovers, so they never pile up. Only regular files of
// exactly that name are touched; a save running at the same moment in a second instance would
// at worst fail its rename and keep the old file.
void removeStaleTemporaries(const QString& target) {
    const QFileInfo info(target);
    const QRegularExpression own(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(info.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    const QDir folder = info.dir();
    for (const QFileInfo& entry :
         folder.entryInfoList({info.fileName() + QStringLiteral(".??????")},
                              QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks))
        if (own.match(entry.fileName()).hasMatch())
            QFile::remove(entry.filePath());
}

} // namespace

SettingsStore::SettingsStore(Options& options, const DataFolder& folder, GroupHandlers handlers)
    : options_(options), folder_(folder), handlers_(std::move(handlers)) {}

QString SettingsStore::path() const {
    return folder_.file(QStringLiteral("数据库/Keyvora"));
}

QByteArray SettingsStore::content() const {
    const Options& o = options_;
    return SettingsFile::format({o.fengge(), o.shengyin(), o.level() - 1, o.zongshu()},
                                {o.zhifa(), o.cuowushengyin(), o.beijingyinyue(), o.banci() == 86});
}

void SettingsStore::jiyicaidan() {
    const QByteArray bytes = content();

    // The content goes to a temporary file beside the old one and is renamed over it only when
    // complete. Writing straight into the target as a fallback would defeat that, so it stays
    // off; a missing folder makes opening fail.
    // Unbuffered, so that a short write (full disk, size limit) shows in write()'s result:
    // QSaveFile's commit does not notice a failure while flushing its buffer and would rename
    // a truncated file over the good one.
    const QString target = folder_.fileForWriting(QStringLiteral("数据库/Keyvora"));
    removeStaleTemporaries(target);
    QSaveFile file(target);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        qCWarning(lcSettings) << "settings not saved:" << target << file.errorString();
        return;
    }
    if (file.write(bytes) != bytes.size()) {
        qCWarning(lcSettings) << "settings not saved:" << target << file.errorString();
        file.cancelWriting();
        return;
    }
    if (beforeCommit_)
        beforeCommit_();
    if (!file.commit())
        qCWarning(lcSettings) << "settings not saved:" << target << file.errorString();
}

void SettingsStore::shujukucaidan() {
    apply(SettingsFile::readLines(path()));
}

void SettingsStore::apply(const QList<QString>& lines) {
    QString value; // the last line read; a missing line leaves it as it is
    qsizetype next = 0;
    const auto readLine = [&] {
        if (next < lines.size())
            value = lines[next].trimmed();
        ++next;
    };

    for (const std::function<void(int)>* handler :
         {&handlers_.fengge1, &handlers_.shengyin1, &handlers_.jibie, &handlers_.zongshu}) {
        readLine();
        const std::optional<int> index = SettingsFile::indexValue(value);
        if (index && *handler)
            (*handler)(*index);
    }

    const auto readSwitch = [&] {
        readLine();
        return SettingsFile::booleanValue(value);
    };
    options_.setZhifa(readSwitch());
    options_.setCuowushengyin(readSwitch());
    options_.setBeijingyinyue(readSwitch());
    options_.setBanci(readSwitch() ? 86 : 98);
}
