#include "settings/SettingsStore.h"

#include "platform/Diagnostics.h"

#include "menus/MenuTree.h"
#include "platform/DataFolder.h"
#include "settings/SettingsFile.h"

#include <QAction>
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

SettingsStore::SettingsStore(MenuTree& menus, const DataFolder& folder, GroupHandlers handlers)
    : menus_(menus), folder_(folder), handlers_(std::move(handlers)) {}

QString SettingsStore::path() const {
    return folder_.file(QStringLiteral("数据库/Keyvora"));
}

QByteArray SettingsStore::content() const {
    return SettingsFile::format(
        {MenuTree::checkedIndex(menus_.fengge1), MenuTree::checkedIndex(menus_.shengyin1),
         MenuTree::checkedIndex(menus_.jibie), MenuTree::checkedIndex(menus_.zongshu)},
        {menus_.zhifa->isChecked(), menus_.cuowushengyin->isChecked(),
         menus_.beijingyinyue->isChecked(),
         !menus_.banci1.isEmpty() && menus_.banci1[0]->isChecked()});
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

    QAction* banci86 = menus_.banci1.isEmpty() ? nullptr : menus_.banci1[0];
    for (QAction* item : {menus_.zhifa, menus_.cuowushengyin, menus_.beijingyinyue, banci86}) {
        readLine();
        if (item)
            item->setChecked(SettingsFile::booleanValue(value));
    }
    if (banci86 && menus_.banci1.size() > 1)
        menus_.banci1[1]->setChecked(!banci86->isChecked());
}
