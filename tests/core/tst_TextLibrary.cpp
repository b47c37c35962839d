#include "TestRegistry.h"

#include "OrdinaryUser.h"
#include "texts/SafeFileName.h"
#include "texts/TextLibrary.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

enum class Folder {
    UsersOwnNotYetMade,
    BesideProgram,
    BesideProgramWithoutSettings,
    FileInItsPlace,
    ReadOnly
};

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Every file and folder below `root` with what the files hold.
QMap<QString, QByteArray> snapshot(const QString& root) {
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        entries.insert(entry.filePath(), entry.isDir() ? QByteArray("/") : readFile(it.filePath()));
    }
    return entries;
}

QStringList names(const TextLibrary& library) {
    QStringList list;
    for (const LibraryText& text : library.texts())
        list.append(text.name);
    return list;
}

const QDateTime clipboardTime(QDate(2026, 12, 9), QTime(15, 30));

} // namespace

class tst_TextLibrary : public QObject {
    Q_OBJECT
private slots:
    void textsAreKeptListedAndRemovedInEachFolder() {
        const QTemporaryDir base;
        const DataFolder data(base.path(), DataFolder::Place::UsersOwn);
        TextLibrary library(data);
        const QString file = base.filePath(QStringLiteral("my notes.txt"));
        QVERIFY(writeFile(file, QStringLiteral("Hello，world…\r\n你好 again").toUtf8()));
        const TextLibrary::Outcome added = library.addFile(file);
        QCOMPARE(added.message, QStringLiteral("已导入“my notes”：分成了 1 课，略去了 2 个"
                                               "美式键盘打不出的字符（如汉字、表情符号）。"));
        QVERIFY(library.addClipboard(QStringLiteral("Second text."), clipboardTime).ok);
        const QStringList expected{QStringLiteral("my notes"),
                                   QStringLiteral("剪贴板 2026-12-09 15：30")};
        QCOMPARE(names(library), expected);
        // The typeable text is kept in its lines; within a lesson they are joined.
        QCOMPARE(readFile(library.find(expected[0])->path), "Hello,world...\nagain");
        QCOMPARE(library.find(expected[0])->lessons,
                 QStringList{QStringLiteral("Hello,world... again")});
        QCOMPARE(TextLibrary(data).find(expected[1])->lessons,
                 QStringList{QStringLiteral("Second text.")});

        QVERIFY(library.remove(expected[0]).ok);
        QVERIFY(!library.remove(expected[0]).ok);
        QCOMPARE(names(TextLibrary(data)), expected.mid(1));

        // Another learner's folder holds only that learner's texts.
        library.setFolder(QStringLiteral("数据库/学员/3/文本"));
        QVERIFY(library.texts().isEmpty());
        QVERIFY(library.addFile(file).ok);
        library.setFolder(TextLibrary::defaultFolder());
        QCOMPARE(names(library), expected.mid(1));
    }

    void aNameInUseGetsANumberAndNothingIsReplaced() {
        const QTemporaryDir base;
        const DataFolder data(base.path(), DataFolder::Place::UsersOwn);
        QVERIFY(data.makeFolder(TextLibrary::defaultFolder()));
        TextLibrary library(data);
        // A file that is no text is not listed, yet keeps its name.
        const QString binary = QDir(library.folderPath()).filePath(QStringLiteral("dup.txt"));
        QVERIFY(writeFile(binary, QByteArray("\0\1\2", 3)));
        library.reload();
        QVERIFY(library.texts().isEmpty());

        QVERIFY(writeFile(base.filePath(QStringLiteral("dup.txt")), "one"));
        QVERIFY(writeFile(base.filePath(QStringLiteral("DUP.txt")), "two"));
        QCOMPARE(library.addFile(base.filePath(QStringLiteral("dup.txt"))).name, "dup (2)");
        QCOMPARE(library.addFile(base.filePath(QStringLiteral("dup.txt"))).name, "dup (3)");
        QCOMPARE(library.addFile(base.filePath(QStringLiteral("DUP.txt"))).name, "DUP (4)");
        QCOMPARE(readFile(binary), QByteArray("\0\1\2", 3));
    }

    void namesAreSafeFileNamesInsideTheFolder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("safe");
        QTest::newRow("separators") << "a/b\\c" << QStringLiteral("a／b＼c");
        QTest::newRow("the parent folder") << ".." << QStringLiteral("文本");
        QTest::newRow("dots and spaces around") << " .hidden. . "
                                                << "hidden";
        QTest::newRow("characters Windows refuses")
            << "why? *so* <a|b> \"q\": x" << QStringLiteral("why？ ＊so＊ ＜a｜b＞ ＂q＂： x");
        QTest::newRow("control and format characters")
            << QStringLiteral("a\tb\u0001c\u202Etxt.exe") << "a bctxt.exe";
        QTest::newRow("a device name") << "con"
                                       << "con_";
        QTest::newRow("a device name with an extension") << "COM1.log"
                                                         << "COM1_.log";
        QTest::newRow("not a device name") << "console"
                                           << "console";
        QTest::newRow("too long, an emoji kept whole")
            << QString(49, u'字') + QStringLiteral("😀😀") << QString(49, u'字') + "😀";
    }
    void namesAreSafeFileNamesInsideTheFolder() {
        QFETCH(QString, name);
        QFETCH(QString, safe);
        QCOMPARE(SafeFileName::from(name), safe);
        // This platform's file system takes it, as a file of the folder itself.
        const QTemporaryDir folder;
        QVERIFY(writeFile(QDir(folder.path()).filePath(safe + QStringLiteral(".txt")), "x"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{safe + ".txt"});
    }

    void aTextIsStoredWhereItMayBeOrNothingChanges_data() {
        QTest::addColumn<Folder>("folder");
        QTest::addColumn<bool>("stored");
        QTest::newRow("the user's own, made with its parents")
            << Folder::UsersOwnNotYetMade << true;
        QTest::newRow("beside the program, inside 数据库") << Folder::BesideProgram << true;
        QTest::newRow("beside the program without 数据库")
            << Folder::BesideProgramWithoutSettings << false;
        QTest::newRow("a file in the folder's place") << Folder::FileInItsPlace << false;
        QTest::newRow("a folder this user cannot write") << Folder::ReadOnly << false;
    }
    void aTextIsStoredWhereItMayBeOrNothingChanges() {
        QFETCH(Folder, folder);
        QFETCH(bool, stored);
#ifndef Q_OS_UNIX
        if (folder == Folder::ReadOnly)
            QSKIP("folder permission bits are a POSIX matter");
#endif
        const int result = OrdinaryUser::run([&] {
            const QTemporaryDir base;
            const bool beside =
                folder == Folder::BesideProgram || folder == Folder::BesideProgramWithoutSettings;
            if (folder == Folder::BesideProgram || folder == Folder::FileInItsPlace)
                QDir(base.path()).mkdir(DataFolder::settingsFolderName());
            const DataFolder data(
                folder == Folder::UsersOwnNotYetMade ? base.filePath(QStringLiteral("own"))
                                                     : base.path(),
                beside ? DataFolder::Place::BesideProgram : DataFolder::Place::UsersOwn);
            TextLibrary library(data);
            if (folder == Folder::FileInItsPlace)
                writeFile(library.folderPath(), "kept");
            if (folder == Folder::ReadOnly) {
                library.addClipboard(QStringLiteral("kept"), clipboardTime);
                QFile::setPermissions(library.folderPath(), QFile::ReadOwner | QFile::ExeOwner);
            }
            const QMap<QString, QByteArray> before = snapshot(base.path());
            const QStringList listed = names(library);
            const TextLibrary::Outcome outcome =
                library.addClipboard(QStringLiteral("new"), clipboardTime.addDays(1));
            const bool unchanged = snapshot(base.path()) == before && names(library) == listed;
            QFile::setPermissions(library.folderPath(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            if (stored)
                return outcome.ok && names(TextLibrary(data)) == QStringList{outcome.name};
            return !outcome.ok &&
                   outcome.message.contains(QDir::toNativeSeparators(library.folderPath())) &&
                   unchanged;
        });
        if (result == OrdinaryUser::cannotDropPrivileges)
            QSKIP("running as root, and unable to become an ordinary user");
        QCOMPARE(result, 0);
    }
};

KEYVORA_TEST_MAIN(TextLibrary, tst_TextLibrary)
#include "tst_TextLibrary.moc"
