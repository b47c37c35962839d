#include "platform/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

// Permission bits do not tell the whole truth (access control lists, read-only mounts, a
// privileged user), so the folder is asked the real question: can a file be made in it?
bool canCreateFileIn(const QString& folder) {
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(folder + QStringLiteral("/.keyvora-probe-XXXXXX"));
    return probe.open(); // removed again when the probe goes
}

} // namespace

DataFolder DataFolder::choose(const QString& programFolder, const QString& usersOwnFolder) {
    const ProgramFolder program(programFolder);
    if (usersOwnFolder.isEmpty() ||
        canCreateFileIn(QDir::fromNativeSeparators(program.file(settingsFolderName()))))
        return DataFolder(programFolder, Place::BesideProgram);
    return DataFolder(usersOwnFolder, Place::UsersOwn);
}

DataFolder DataFolder::chooseForThisUser(const QString& programFolder) {
    return choose(programFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

QString DataFolder::fileForWriting(const QString& relative) const {
    const QString path = file(relative);
    if (place_ == Place::UsersOwn)
        QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

bool DataFolder::makeFolder(const QString& relative) const {
    const QString path = file(relative);
    if (QFileInfo(path).isDir())
        return true;
    if (place_ == Place::BesideProgram && !QFileInfo(file(relative.section(u'/', 0, 0))).isDir())
        return false;
    return QDir().mkpath(path);
}
