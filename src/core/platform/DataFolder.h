#pragma once

#include "platform/ProgramFolder.h"

#include <QString>

// The folder that holds what the program writes: the settings folder 数据库 (settings file
// "Keyvora", practice records) and the web strip's record "gg.jl", laid out below it as they
// would lie beside the program. A copy run from its own folder keeps them there; an installed
// program keeps each user's data in that user's own folder.
class DataFolder {
public:
    enum class Place {
        // The program's folder, whose settings folder 数据库 is never created by the program.
        BesideProgram,
        // The user's own data folder, created with the user's default permissions when first
        // written to.
        UsersOwn,
    };

    explicit DataFolder(QString root, Place place = Place::BesideProgram)
        : root_(std::move(root)), place_(place) {}

    // Decided once at start: beside the program when its settings folder 数据库 exists and this
    // user can really create a file in it, otherwise the user's own folder (when there is one).
    static DataFolder choose(const QString& programFolder, const QString& usersOwnFolder);
    // The same choice with this user's own data folder as the system names it for the
    // application; the application's name must be set first, as it names the folder.
    static DataFolder chooseForThisUser(const QString& programFolder);

    const QString& path() const { return root_.path(); }
    Place place() const { return place_; }

    // The path of a file below the folder (relative path written with '/').
    QString file(const QString& relative) const { return root_.file(relative); }
    // The same path, for writing: in the user's own folder the folders leading to it are made
    // first; beside the program nothing is made, so a missing 数据库 still means no save.
    QString fileForWriting(const QString& relative) const;
    // Makes a folder below the data folder (relative path written with '/') unless it is there,
    // and says whether it is there now. In the user's own folder every folder leading to it is
    // made; beside the program only the folders below an existing first one (数据库), which the
    // program never creates there.
    bool makeFolder(const QString& relative) const;

    static QString settingsFolderName() { return QStringLiteral("数据库"); }

private:
    ProgramFolder root_;
    Place place_;
};
