#include "texts/TextLibrary.h"

#include "platform/WholeFile.h"
#include "texts/SafeFileName.h"

#include <QDir>
#include <QFileInfo>

Q_LOGGING_CATEGORY(lcTexts, "keyvora.texts", QtCriticalMsg)

namespace {

const QString extension = QStringLiteral(".txt");

TextLibrary::Outcome failed(const QString& message) {
    return {false, QString(), message};
}

} // namespace

TextLibrary::TextLibrary(DataFolder data, QString folder)
    : data_(std::move(data)), folder_(std::move(folder)) {
    reload();
}

void TextLibrary::setFolder(const QString& folder) {
    folder_ = folder;
    reload();
}

QString TextLibrary::folderPath() const {
    return data_.file(folder_);
}

void TextLibrary::reload() {
    texts_.clear();
    const QDir folder(folderPath());
    for (const QFileInfo& entry :
         folder.entryInfoList({QLatin1Char('*') + extension}, QDir::Files | QDir::Hidden)) {
        const TextImport::Result text = TextImport::fromFile(entry.filePath());
        if (!text.ok()) {
            qCWarning(lcTexts) << "left out" << entry.filePath() << text.message;
            continue;
        }
        texts_.append({entry.completeBaseName(), entry.filePath(), text.lessons});
    }
    sortByName();
}

const LibraryText* TextLibrary::find(const QString& name) const {
    for (const LibraryText& text : texts_)
        if (text.name == name)
            return &text;
    return nullptr;
}

TextLibrary::Outcome TextLibrary::addFile(const QString& path) {
    const TextImport::Result text = TextImport::fromFile(path);
    if (!text.ok())
        return failed(text.message);
    return store(QFileInfo(path).completeBaseName(), text);
}

TextLibrary::Outcome TextLibrary::addClipboard(const QString& text, const QDateTime& when) {
    const TextImport::Result imported = TextImport::fromClipboard(text);
    if (!imported.ok())
        return failed(imported.message);
    const QString name =
        QStringLiteral("剪贴板 %1").arg(when.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    return store(name, imported);
}

TextLibrary::Outcome TextLibrary::addNamed(const QString& name, const QString& text) {
    const TextImport::Result imported = TextImport::fromClipboard(text);
    if (!imported.ok())
        return failed(imported.message);
    return store(name, imported);
}

TextLibrary::Outcome TextLibrary::remove(const QString& name) {
    const LibraryText* text = find(name);
    if (!text)
        return failed(QStringLiteral("没有名为“%1”的文本。").arg(name));
    QFile file(text->path);
    if (!file.remove() && file.exists()) {
        qCWarning(lcTexts) << "cannot remove" << text->path << file.errorString();
        return failed(QStringLiteral("无法删除文本“%1”（%2）。").arg(name, file.errorString()));
    }
    texts_.removeAt(text - texts_.constData());
    return {true, name, QStringLiteral("已删除文本“%1”。").arg(name)};
}

TextLibrary::Outcome TextLibrary::store(const QString& wantedName, const TextImport::Result& text) {
    if (!data_.makeFolder(folder_)) {
        qCWarning(lcTexts) << "cannot make" << folderPath();
        return failed(QStringLiteral("无法建立存放文本的文件夹“%1”，文本没有保存。")
                          .arg(QDir::toNativeSeparators(folderPath())));
    }
    const QString name = SafeFileName::unique(SafeFileName::from(wantedName), takenNames());
    const QString path = QDir(folderPath()).filePath(name + extension);
    const QByteArray bytes = text.text.toUtf8();

    const QString error = WholeFile::write(path, bytes);
    if (!error.isEmpty()) {
        qCWarning(lcTexts) << "cannot write" << path << error;
        return failed(error + QStringLiteral("文本没有保存。"));
    }
    texts_.append({name, path, text.lessons});
    sortByName();
    return {true, name, QStringLiteral("已导入“%1”：%2").arg(name, text.message)};
}

// Every name a new file must not take: the texts', and those of whatever else lies in the folder
// under a name ending in ".txt", which a new file must not replace.
QStringList TextLibrary::takenNames() const {
    QStringList names;
    for (const LibraryText& text : texts_)
        names.append(text.name);
    const QDir folder(folderPath());
    for (const QString& entry :
         folder.entryList({QLatin1Char('*') + extension},
                          QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        names.append(entry.chopped(extension.size()));
    return names;
}

void TextLibrary::sortByName() {
    std::stable_sort(texts_.begin(), texts_.end(), [](const LibraryText& a, const LibraryText& b) {
        const int byName = a.name.compare(b.name, Qt::CaseInsensitive);
        return byName != 0 ? byName < 0 : a.name < b.name;
    });
}
