#pragma once

#include "platform/DataFolder.h"
#include "texts/TextImport.h"

#include <QDateTime>
#include <QList>
#include <QLoggingCategory>
#include <QString>
#include <QStringList>

Q_DECLARE_LOGGING_CATEGORY(lcTexts)

// One of the learner's texts.
struct LibraryText {
    QString name; // what the learner sees, and the file's name less ".txt"
    QString path;
    QStringList lessons; // at least one
};

// The learner's own texts, one file each, "<name>.txt" (UTF-8, the typeable text in its lines),
// in a folder below the data folder: 数据库/文本, or one a learner has alone. The folder is made
// when the first text is added, as DataFolder::makeFolder makes folders. A text is written whole
// to a new file that is then renamed, never over another one, so a failed add loses nothing that
// was there and leaves no part of a file. Files of the folder that do not read as a text (edited
// by hand, say) are left out of the list and logged under "keyvora.texts", off by default.
class TextLibrary {
public:
    struct Outcome {
        bool ok = false;
        QString name;    // the text's name in the library
        QString message; // for the learner: what was done, or what went wrong and why
    };

    static QString defaultFolder() { return QStringLiteral("数据库/文本"); }

    // Reads the folder (relative to the data folder, written with '/').
    explicit TextLibrary(DataFolder data, QString folder = defaultFolder());

    // Points the library at another folder below the data folder and reads it.
    void setFolder(const QString& folder);
    // Reads the folder again.
    void reload();

    QString folderPath() const;
    // Sorted by name, without regard to case.
    const QList<LibraryText>& texts() const { return texts_; }
    // The text of that name, or null; valid until the library changes.
    const LibraryText* find(const QString& name) const;

    // Named after the file, less its extension.
    Outcome addFile(const QString& path);
    // Named after the time the text was taken, "剪贴板 2026-12-09 15：30" (a file name may hold
    // no ':').
    Outcome addClipboard(const QString& text, const QDateTime& when);
    // A text under a name of its own (a backup's), by the rules of the clipboard.
    Outcome addNamed(const QString& name, const QString& text);
    Outcome remove(const QString& name);

private:
    Outcome store(const QString& wantedName, const TextImport::Result& text);
    QStringList takenNames() const;
    void sortByName();

    DataFolder data_;
    QString folder_;
    QList<LibraryText> texts_;
};
