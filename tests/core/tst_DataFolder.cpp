#include "TestRegistry.h"

#include "OrdinaryUser.h"
#include "RadioGroupHandlers.h"
#include "platform/DataFolder.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

enum class SettingsFolder { Writable, ReadOnly, Missing, CannotEnter, FileInstead };

} // namespace

class tst_DataFolder : public QObject {
    Q_OBJECT
private slots:
    void settingsGoBesideTheProgramOnlyWhereThisUserCanWriteThem_data() {
        QTest::addColumn<SettingsFolder>("settingsFolder");
        QTest::addColumn<bool>("besideProgram");
        QTest::newRow("writable program folder") << SettingsFolder::Writable << true;
        QTest::newRow("read-only settings folder") << SettingsFolder::ReadOnly << false;
        QTest::newRow("missing settings folder") << SettingsFolder::Missing << false;
        QTest::newRow("settings folder the user cannot enter")
            << SettingsFolder::CannotEnter << false;
        QTest::newRow("a file in place of the settings folder")
            << SettingsFolder::FileInstead << false;
    }
    void settingsGoBesideTheProgramOnlyWhereThisUserCanWriteThem() {
        QFETCH(SettingsFolder, settingsFolder);
        QFETCH(bool, besideProgram);
#ifndef Q_OS_UNIX
        if (settingsFolder == SettingsFolder::ReadOnly ||
            settingsFolder == SettingsFolder::CannotEnter)
            QSKIP("folder permission bits are a POSIX matter");
#endif
        const int result = OrdinaryUser::run([&] {
            saveAndReadBack(settingsFolder, besideProgram);
            return !QTest::currentTestFailed();
        });
        if (result == OrdinaryUser::cannotDropPrivileges)
            QSKIP("running as root, and unable to become an ordinary user");
        QCOMPARE(result, 0); // the child's own failures are in the log above
    }

private:
    // Lays out a program folder, lets the data folder be chosen, saves and reads the settings.
    void saveAndReadBack(SettingsFolder settingsFolder, bool besideProgram) {
        const QTemporaryDir base;
        QVERIFY(base.isValid());
        const QString program = base.filePath(QStringLiteral("program"));
        const QString ownFolder = base.filePath(QStringLiteral("home/share/keyvora"));
        const QString settings = program + QStringLiteral("/数据库");
        QVERIFY(QDir().mkpath(program));
        if (settingsFolder == SettingsFolder::FileInstead)
            QVERIFY(QFile(settings).open(QIODevice::WriteOnly));
        else if (settingsFolder != SettingsFolder::Missing)
            QVERIFY(QDir().mkdir(settings));
        const QFileDevice::Permissions readOnly =
            QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
        if (settingsFolder == SettingsFolder::ReadOnly)
            QVERIFY(QFile::setPermissions(settings, readOnly));
        if (settingsFolder == SettingsFolder::CannotEnter)
            QVERIFY(QFile::setPermissions(settings, QFile::ReadOwner | QFile::WriteOwner));

        const DataFolder data = DataFolder::choose(program, ownFolder);
        QCOMPARE(data.place() == DataFolder::Place::BesideProgram, besideProgram);
        Options options;
        RadioGroupHandlers handlers;
        const GroupHandlers chosen = handlers.make(options);
        SettingsStore store(options, data, chosen);
        chosen.jibie(7);
        options.setZhifa(true);
        store.jiyicaidan();
        QFile saved((besideProgram ? program : ownFolder) + QStringLiteral("/数据库/Keyvora"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), store.content());
        QCOMPARE(QFileInfo::exists(ownFolder), !besideProgram);
        // Reading follows the same choice, and the web strip's record can be made there too.
        Options later;
        SettingsStore reread(later, data, handlers.make(later));
        reread.shujukucaidan();
        QCOMPARE(reread.content(), store.content());
        QVERIFY(QFile(data.fileForWriting(QStringLiteral("gg.jl"))).open(QIODevice::WriteOnly));

        QFile::setPermissions(settings, readOnly | QFile::WriteOwner); // for the clean-up
    }
};

KEYVORA_TEST_MAIN(DataFolder, tst_DataFolder)
#include "tst_DataFolder.moc"
