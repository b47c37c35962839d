#pragma once

#include "settings/GroupHandlers.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class Options;
class DataFolder;

// The settings file 数据库/Keyvora in the data folder: the options are written at a normal exit
// (`jiyicaidan`) and applied again once at start-up (`shujukucaidan`).
class SettingsStore {
public:
    SettingsStore(Options& options, const DataFolder& folder, GroupHandlers handlers);

    // Writes the current options. The new file replaces the old one only once it is
    // complete, so a failed write leaves the previous settings in place. The folder 数据库 is
    // made only in the user's own data folder: beside the program, without it nothing is
    // written.
    void jiyicaidan();

    // Reads the file and applies it: the four group indices through the group handlers, then the
    // switches of fingering, error sound, music and the 86 edition directly (off means the 98
    // edition). A missing line repeats the last line read (none: empty).
    void shujukucaidan();

    // What `jiyicaidan` writes for the current options.
    QByteArray content() const;
    // The restore of `shujukucaidan` from lines already read (SettingsFile::readLines).
    void apply(const QList<QString>& lines);

    QString path() const;

    // Called when the new content is completely written but not yet in place. Empty in the
    // program; tests stop the process here to show that an interrupted save keeps the old file.
    void setBeforeCommit(std::function<void()> hook) { beforeCommit_ = std::move(hook); }

private:
    Options& options_;
    const DataFolder& folder_;
    GroupHandlers handlers_;
    std::function<void()> beforeCommit_;
};
