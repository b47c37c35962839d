#include "TestRegistry.h"

#include "FakeClock.h"

#include "learners/Learners.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A program folder with its settings folder inside a scratch folder, so that anything made
// beside or above the data folder shows.
struct Scratch {
    QTemporaryDir root;
    FakeClock clock;
    DataFolder data{root.filePath(QStringLiteral("program"))};

    Scratch() { QDir(root.path()).mkpath(QStringLiteral("program/数据库")); }

    // Every path below the scratch folder, relative to it.
    QStringList entries() const {
        QStringList all;
        QDirIterator it(root.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            all.append(QDir(root.path()).relativeFilePath(it.next()));
        all.sort();
        return all;
    }
    bool exists(const QString& relative) const { return QFileInfo::exists(data.file(relative)); }
    void write(const QString& relative, const QByteArray& bytes) const {
        QFile file(data.file(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

QStringList names(const Learners& learners) {
    QStringList list;
    for (const Learners::Learner& l : learners.list())
        list.append(l.name);
    return list;
}

} // namespace

class LearnersTest : public QObject {
    Q_OBJECT
private slots:
    void hostileNamesAreJustNamesAndNothingLeavesTheDataFolder_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("slashes") << "a/b\\c";
        QTest::newRow("parent folders") << "../../上一层";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("reserved characters") << "* ? \" < > |";
        QTest::newRow("colons and a drive") << "C:\\Windows:x";
        QTest::newRow("control characters") << "tab\tbell\x07line\nend";
        QTest::newRow("trailing dots and spaces") << "name. . .";
        QTest::newRow("device name") << "CON";
        QTest::newRow("device name with extension") << "NUL.txt";
        QTest::newRow("serial port") << "COM1";
        QTest::newRow("console input") << "CONIN$";
        QTest::newRow("thirty-two characters") << QString(32, QChar(u'字'));
        QTest::newRow("emoji count once") << QString(31, u'x') + QStringLiteral("😀");
    }
    void hostileNamesAreJustNamesAndNothingLeavesTheDataFolder() {
        QFETCH(QString, name);
        Scratch s;
        const QString cwd = QDir::currentPath();
        const QStringList cwdBefore = QDir(cwd).entryList(QDir::AllEntries | QDir::Hidden);
        Learners learners(s.data, s.clock);
        learners.load();

        const Learners::Outcome added = learners.add(name);
        QVERIFY2(added.ok, qPrintable(added.message));
        QCOMPARE(added.id, 1);
        QVERIFY(learners.setCurrent(added.id).switched);
        QCOMPARE(learners.currentFiles().folder, QStringLiteral("数据库/学员/1"));
        const QString renamed = QStringLiteral("新") + name.left(30);
        QVERIFY(learners.rename(added.id, renamed).ok);

        Learners again(s.data, s.clock);
        QCOMPARE(again.load(), Learners::Reading::Read);
        QCOMPARE(names(again), (QStringList{"默认", renamed}));
        QCOMPARE(again.current(), added.id);

        const Learners::Outcome removed = learners.remove(added.id);
        QVERIFY(removed.ok && removed.switched);
        QCOMPARE(learners.current(), Learners::firstId);
        QCOMPARE(s.entries(), (QStringList{"program", "program/数据库", "program/数据库/学员",
                                           "program/数据库/学员.json", "program/数据库/学员/已删除",
                                           "program/数据库/学员/已删除/1-20260314-100000"}));
        QCOMPARE(QDir(cwd).entryList(QDir::AllEntries | QDir::Hidden), cwdBefore);
    }

    void aNameIsRefusedWithAClearMessage_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        const QString duplicate =
            QStringLiteral("已经有一位名叫“Tom”的学员了（不分大小写，不计前后的空格）。");
        QTest::newRow("empty") << ""
                               << "请输入学员的名字。";
        QTest::newRow("only white space") << " \t\u3000"
                                          << "请输入学员的名字。";
        QTest::newRow("thirty-three characters") << QString(33, u'x') << "学员的名字最多 32 个字。";
        QTest::newRow("same name") << "Tom" << duplicate;
        QTest::newRow("another case") << "tOM" << duplicate;
        QTest::newRow("surrounding spaces") << " tom\t" << duplicate;
        QTest::newRow("the first learner")
            << "默认 "
            << "已经有一位名叫“默认”的学员了（不分大小写，不计前后的空格）。";
    }
    void aNameIsRefusedWithAClearMessage() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        Scratch s;
        Learners learners(s.data, s.clock);
        learners.load();
        const int tom = learners.add(QStringLiteral("Tom")).id;
        const int ann = learners.add(QStringLiteral("Ann")).id;
        const QStringList before = s.entries();

        const Learners::Outcome added = learners.add(name);
        QVERIFY(!added.ok);
        QCOMPARE(added.message, message);
        const Learners::Outcome renamed = learners.rename(ann, name);
        QVERIFY(!renamed.ok);
        QCOMPARE(renamed.message, message);
        QCOMPARE(names(learners), (QStringList{"默认", "Tom", "Ann"}));
        QCOMPARE(s.entries(), before);
        // A learner may take its own name in another case.
        QVERIFY(learners.rename(tom, QStringLiteral(" TOM ")).ok);
        QCOMPARE(learners.byId(tom)->name, QStringLiteral("TOM"));
    }

    void theFirstLearnerAloneNeedsNoListAndCannotBeRemoved() {
        Scratch s;
        Learners learners(s.data, s.clock);
        QCOMPARE(learners.load(), Learners::Reading::Fresh);
        QCOMPARE(learners.currentFiles(), LearnerFiles());
        QVERIFY(learners.setCurrent(Learners::firstId).ok);
        QVERIFY(!learners.remove(Learners::firstId).ok);
        QVERIFY(!s.exists(Learners::listFile()));
        QVERIFY(learners.rename(Learners::firstId, QStringLiteral("爸爸")).ok);
        QVERIFY(s.exists(Learners::listFile()));
        QCOMPARE(learners.currentLearner().name, QStringLiteral("爸爸"));
    }

    void aFolderNumberIsNeverUsedTwice() {
        Scratch s;
        Learners learners(s.data, s.clock);
        learners.load();
        const int first = learners.add(QStringLiteral("甲")).id;
        QVERIFY(learners.remove(first).ok);
        QCOMPARE(learners.add(QStringLiteral("乙")).id, first + 1);
        // Without the list, the folders still tell which numbers were taken.
        QVERIFY(QFile::remove(s.data.file(Learners::listFile())));
        learners.load();
        QCOMPARE(learners.add(QStringLiteral("丙")).id, first + 2);
        // Two removals in the same second keep both folders.
        const int fourth = learners.add(QStringLiteral("丁")).id;
        QVERIFY(learners.remove(first + 2).ok && learners.remove(fourth).ok);
        QCOMPARE(QDir(s.data.file(Learners::removedFolder()))
                     .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                     .size(),
                 3);
    }

    void startingWithANameFindsTheLearnerOrAddsIt() {
        Scratch s;
        Learners learners(s.data, s.clock);
        learners.load();
        QSignalSpy switched(&learners, &Learners::currentChanged);
        const Learners::Outcome added = learners.startWith(QStringLiteral(" 小明 "));
        QVERIFY(added.ok && added.switched);
        QCOMPARE(learners.currentLearner().name, QStringLiteral("小明"));
        learners.setCurrent(Learners::firstId);
        QCOMPARE(learners.startWith(QStringLiteral("小明")).id, added.id);
        QCOMPARE(learners.list().size(), 2);
        QCOMPARE(switched.count(), 3);
        QVERIFY(!learners.startWith(QString(40, u'x')).ok);
    }

    void aListThatDoesNotReadIsSetAsideAndTheFirstLearnerGoesOn_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not JSON") << QByteArray("学员");
        QTest::newRow("cut short")
            << QByteArray("{\"format\":1,\"current\":0,\"learners\":[{\"id\":0,");
        QTest::newRow("a newer format")
            << QByteArray("{\"format\":2,\"current\":0,\"learners\":[{\"id\":0,\"name\":\"a\"}]}");
        QTest::newRow("no first learner")
            << QByteArray("{\"format\":1,\"current\":1,\"learners\":[{\"id\":1,\"name\":\"a\"}]}");
        QTest::newRow("one name twice")
            << QByteArray("{\"format\":1,\"current\":0,\"learners\":[{\"id\":0,\"name\":\"a\"},{"
                          "\"id\":1,\"name\":\"A\"}]}");
        QTest::newRow("an unknown current learner")
            << QByteArray("{\"format\":1,\"current\":5,\"learners\":[{\"id\":0,\"name\":\"a\"}]}");
    }
    void aListThatDoesNotReadIsSetAsideAndTheFirstLearnerGoesOn() {
        QFETCH(QByteArray, content);
        Scratch s;
        s.write(Learners::listFile(), content);
        Learners learners(s.data, s.clock);
        QCOMPARE(learners.load(), Learners::Reading::SetAside);
        QCOMPARE(names(learners), QStringList{"默认"});
        QFile aside(learners.setAsideAs());
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), content);
    }

    void aFailedWriteChangesNothing() {
        Scratch s;
        Learners learners(s.data, s.clock);
        learners.load();
        // A folder where the list would go: it cannot be replaced by a file.
        QVERIFY(QDir().mkpath(s.data.file(Learners::listFile())));
        const QStringList before = s.entries();
        QVERIFY(!learners.add(QStringLiteral("Tom")).message.isEmpty());
        QCOMPARE(names(learners), QStringList{"默认"});
        QCOMPARE(s.entries(), before);
        // Read so, the list is never written over.
        QCOMPARE(learners.load(), Learners::Reading::Failed);
        QVERIFY(!learners.rename(Learners::firstId, QStringLiteral("x")).ok);
    }
};

KEYVORA_TEST_MAIN(Learners, LearnersTest)
#include "tst_Learners.moc"
