#pragma once

#include <QString>

// The desktop's dialogs for choosing a file to read or to write. Each returns the chosen path, or
// an empty text when the user cancels.
class FileDialog {
public:
    virtual ~FileDialog() = default;
    // filter as Qt writes it: "文本文件 (*.txt);;所有文件 (*)".
    virtual QString openFile(const QString& title, const QString& filter) = 0;
    virtual QString saveFile(const QString& title, const QString& suggestedName,
                             const QString& filter) = 0;
};
