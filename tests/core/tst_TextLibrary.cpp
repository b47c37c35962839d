#include "TestRegistry.h"

#include "OrdinaryUser.h"
#include "texts/SafeFileName.h"
#include "texts/TextLibrary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

enum class Obstacle { FileInPlaceOfTheFolder, ReadOnlyFolder };

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
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
    void textsAreKeptListedAndRemoved() {
        const QTemporaryDir base;
        const DataFolder data(base.path(), DataFolder::Place::UsersOwn);
        TextLibrary library(data);
        QVERIFY(library.texts().isEmpty());
        QVERIFY(!QFileInfo::exists(library.folderPath())); // made only when first needed

        const QString file = base.filePath(QStringLiteral("my notes.txt"));
        QVERIFY(writeFile(file, QStringLiteral("Hello，world…\r\n你好 again").toUtf8()));
        const TextLibrary::Outcome fromFile = library.addFile(file);
        QVERIFY2(fromFile.ok, qPrintable(fromFile.message));
        QCOMPARE(fromFile.message, QStringLiteral("已导入“my notes”：分成了 1 课，略去了 2 个"
                                                  "美式键盘打不出的字符（如汉字、表情符号）。"));
        QVERIFY(library.addClipboard(QStringLiteral("Second text."), clipboardTime).ok);
        const QStringList expected{QStringLiteral("my notes"),
                                   QStringLiteral("剪贴板 2026-12-09 15：30")};
        QCOMPARE(names(library), expected);
        // The typeable text is kept in its lines; within a lesson they are joined.
        QCOMPARE(readFile(library.find(expected[0])->path), "Hello,world...\nagain\n");
        QCOMPARE(library.find(expected[0])->lessons,
                 QStringList{QStringLiteral("Hello,world... again")});

        const TextLibrary reread(data);
        QCOMPARE(names(reread), expected);
        QCOMPARE(reread.find(expected[1])->lessons, QStringList{QStringLiteral("Second text.")});

        QVERIFY(library.remove(expected[0]).ok);
        QVERIFY(!library.remove(expected[0]).ok);
        QCOMPARE(names(library), expected.mid(1));
        QCOMPARE(names(TextLibrary(data)), expected.mid(1));
    }

    void eachFolderHoldsItsOwnTexts() {
        const QTemporaryDir base;
        const DataFolder data(base.path(), DataFolder::Place::UsersOwn);
        TextLibrary library(data);
        QVERIFY(library.addClipboard(QStringLiteral("first learner"), clipboardTime).ok);
        library.setFolder(QStringLiteral("数据库/学员/3/文本"));
        QVERIFY(library.texts().isEmpty());
        QVERIFY(library.addClipboard(QStringLiteral("third learner"), clipboardTime).ok);
        QCOMPARE(library.texts().first().lessons, QStringList{QStringLiteral("third learner")});
        library.setFolder(TextLibrary::defaultFolder());
        QCOMPARE(library.texts().first().lessons, QStringList{QStringLiteral("first learner")});
    }

    void aNameInUseGetsANumberAndNothingIsReplaced() {
        const QTemporaryDir base;
        const DataFolder data(base.path(), DataFolder::Place::UsersOwn);
        TextLibrary library(data);
        QVERIFY(data.makeFolder(TextLibrary::defaultFolder()));
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
        QTest::newRow("empty") << "" << QStringLiteral("文本");
    }
    void namesAreSafeFileNamesInsideTheFolder() {
        QFETCH(QString, name);
        QFETCH(QString, safe);
        QCOMPARE(SafeFileName::from(name), safe);
        // This platform's file system takes it, as a file of the folder itself.
        const QTemporaryDir folder;
        const QFileInfo file(QDir(folder.path()).filePath(safe + QStringLiteral(".txt")));
        QCOMPARE(file.absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
        QVERIFY(writeFile(file.filePath(), "x"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{file.fileName()});
    }

    void theFolderIsMadeOnlyWhereItMayBe_data() {
        QTest::addColumn<DataFolder::Place>("place");
        QTest::addColumn<bool>("settingsFolder");
        QTest::addColumn<bool>("made");
        QTest::newRow("the user's own, with its parents")
            << DataFolder::Place::UsersOwn << false << true;
        QTest::newRow("beside the program, inside 数据库")
            << DataFolder::Place::BesideProgram << true << true;
        QTest::newRow("beside the program without 数据库")
            << DataFolder::Place::BesideProgram << false << false;
    }
    void theFolderIsMadeOnlyWhereItMayBe() {
        QFETCH(DataFolder::Place, place);
        QFETCH(bool, settingsFolder);
        QFETCH(bool, made);
        const QTemporaryDir base;
        if (settingsFolder)
            QVERIFY(QDir(base.path()).mkdir(DataFolder::settingsFolderName()));
        // The user's own folder is not there yet either.
        const QString root = place == DataFolder::Place::UsersOwn
                                 ? base.filePath(QStringLiteral("share/keyvora"))
                                 : base.path();
        TextLibrary library(DataFolder(root, place));
        const TextLibrary::Outcome outcome =
            library.addClipboard(QStringLiteral("text"), clipboardTime);
        QCOMPARE(outcome.ok, made);
        QCOMPARE(QFileInfo(library.folderPath()).isDir(), made);
        QCOMPARE(names(library).size(), made ? 1 : 0);
        QVERIFY(!outcome.message.isEmpty());
    }

    void aFailedWriteLeavesWhatWasThere_data() {
        QTest::addColumn<Obstacle>("obstacle");
        QTest::newRow("a file in place of the folder") << Obstacle::FileInPlaceOfTheFolder;
        QTest::newRow("a folder this user cannot write") << Obstacle::ReadOnlyFolder;
    }
    void aFailedWriteLeavesWhatWasThere() {
        QFETCH(Obstacle, obstacle);
#ifndef Q_OS_UNIX
        if (obstacle == Obstacle::ReadOnlyFolder)
            QSKIP("folder permission bits are a POSIX matter");
#endif
        const int result = OrdinaryUser::run([&] {
            const QTemporaryDir base;
            const DataFolder data(base.path(), DataFolder::Place::UsersOwn);
            TextLibrary library(data);
            const QString folder = library.folderPath();
            if (obstacle == Obstacle::FileInPlaceOfTheFolder) {
                QDir(base.path()).mkdir(DataFolder::settingsFolderName());
                writeFile(folder, "kept");
            } else {
                library.addClipboard(QStringLiteral("kept"), clipboardTime);
                QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            }
            const QByteArray before = obstacle == Obstacle::FileInPlaceOfTheFolder
                                          ? readFile(folder)
                                          : QDir(folder).entryList(QDir::Files).join('|').toUtf8();
            const QStringList listed = names(library);
            const TextLibrary::Outcome outcome =
                library.addClipboard(QStringLiteral("new"), clipboardTime.addDays(1));
            const QByteArray after = obstacle == Obstacle::FileInPlaceOfTheFolder
                                         ? readFile(folder)
                                         : QDir(folder).entryList(QDir::Files).join('|').toUtf8();
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            return !outcome.ok && outcome.message.contains(QDir::toNativeSeparators(folder)) &&
                   before == after && names(library) == listed &&
                   names(TextLibrary(data)) == listed;
        });
        if (result == OrdinaryUser::cannotDropPrivileges)
            QSKIP("running as root, and unable to become an ordinary user");
        QCOMPARE(result, 0);
    }
};

KEYVORA_TEST_MAIN(TextLibrary, tst_TextLibrary)
#include "tst_TextLibrary.moc"
