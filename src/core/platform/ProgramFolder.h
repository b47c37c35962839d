#pragma once

#include <QString>

// The folder that holds the program and the files it reads beside itself (sound pack, font,
// feature description). What the program writes lives in its DataFolder.
class ProgramFolder {
public:
    explicit ProgramFolder(QString folder) : folder_(std::move(folder)) {}

    const QString& path() const { return folder_; }

    // The folder, a separator unless the folder already ends in one, then the relative path
    // (written with '/'), all in the platform's separators.
    QString file(const QString& relative) const;

private:
    QString folder_;
};
