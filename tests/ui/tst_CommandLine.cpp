#include "TestRegistry.h"

#include "FakeClock.h"

#include "history/RecordFile.h"
#include "learners/Learners.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The real program started from a command line without any window system: what it answers,
// what it refuses and what it exports.
namespace {

// A copy of the program in a folder of its own, whose data folder holds the first learner with
// one run and "Tom" with two.
struct Program {
    QTemporaryDir dir;
    QString program = dir.filePath(QStringLiteral("program/") +
                                   QFileInfo(QStringLiteral(KEYVORA_PROGRAM_FILE)).fileName());
    QString work = dir.filePath(QStringLiteral("work"));

    Program() {
        QDir(dir.path()).mkpath(QStringLiteral("program/数据库"));
        QDir(dir.path()).mkpath(QStringLiteral("work"));
        QFile::copy(QStringLiteral(KEYVORA_PROGRAM_FILE), program);
        const DataFolder data(dir.filePath(QStringLiteral("program")));
        FakeClock clock;
        Learners learners(data, clock);
        const int tom = learners.add(QStringLiteral("Tom")).id;
        RunRecord r;
        r.when = QDateTime(QDate(2026, 12, 9), QTime(10, 0));
        r.styleName = QStringLiteral("所有键");
        r.keys = {{'A', 1, 1, 300, 1, 0, {}}};
        RecordFile(data).append(r);
        RecordFile tomsFile(data, Learners::filesOf(tom).records());
        tomsFile.append(r);
        tomsFile.append(r);
    }

    // Runs the program in the work folder without any display; its exit code, or -1.
    int run(const QStringList& arguments, QByteArray* out, QByteArray* err) const {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QString());
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(work);
        process.start(program, arguments);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
            return -1;
        *out = process.readAllStandardOutput();
        *err = process.readAllStandardError();
        return process.exitCode();
    }

    // The files the run left in the work folder, with the rows of each.
    QStringList results() const {
        QStringList found;
        QDirIterator it(work, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            file.open(QIODevice::ReadOnly);
            const QByteArray bytes = file.readAll();
            found.append(QStringLiteral("%1 %2")
                             .arg(QDir(work).relativeFilePath(file.fileName()))
                             .arg(bytes.startsWith("\xEF\xBB\xBF") ? bytes.count('\n') : -1));
        }
        found.sort();
        return found;
    }
};

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
private slots:
    void theCommandLineWorksWithoutAnyWindowSystem_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("said");        // on stdout for 0, on stderr otherwise
        QTest::addColumn<QStringList>("results"); // file, lines (header included)
        QTest::newRow("unknown option") << QStringList{"--bogus"} << 1 << "bogus" << QStringList();
        QTest::newRow("unknown single-dash option")
            << QStringList{"-bogus"} << 1 << "bogus" << QStringList();
        QTest::newRow("stray argument") << QStringList{"stray"} << 1 << "stray" << QStringList();
        QTest::newRow("export without a file")
            << QStringList{"--export"} << 1 << "--export" << QStringList();
        QTest::newRow("export to an empty name")
            << QStringList{"--export="} << 1 << "--export" << QStringList();
        QTest::newRow("key figures alone")
            << QStringList{"--export-keys"} << 1 << "--export-keys" << QStringList();
        QTest::newRow("both exports") << QStringList{"--export", "a.csv", "--export-all", "b"} << 1
                                      << "--export-all" << QStringList();
        QTest::newRow("learner not there")
            << QStringList{"--export", "a.csv", "--learner", "Ann"} << 1 << "Ann" << QStringList();
        QTest::newRow("learner name too long")
            << QStringList{"--learner", QString(33, u'x')} << 1 << "32" << QStringList();
        QTest::newRow("version after a Qt option")
            << QStringList{"-platform", "offscreen", "--version"} << 0 << "keyvora "
            << QStringList();
        QTest::newRow("help") << QStringList{"--help"} << 0 << "--export-all" << QStringList();
        QTest::newRow("export of the current learner")
            << QStringList{"--export", "成绩.csv"} << 0 << "1 条记录" << QStringList{"成绩.csv 2"};
        QTest::newRow("export of a learner named in another case, with the keys")
            << QStringList{"--export=tom.csv", "--learner", " TOM ", "--export-keys"} << 0
            << "2 条记录" << QStringList{"tom-按键.csv 3", "tom.csv 3"};
        QTest::newRow("every learner") << QStringList{"-export-all", "全班"} << 0 << "2 位学员"
                                       << QStringList{"全班/Tom.csv 3", "全班/默认.csv 2"};
    }
    void theCommandLineWorksWithoutAnyWindowSystem() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, said);
        const Program p;
        QByteArray out;
        QByteArray err;
        QCOMPARE(p.run(arguments, &out, &err), exitCode);
        const QString text = QString::fromUtf8(exitCode == 0 ? out : err);
        QVERIFY2(text.contains(said), qPrintable(text));
        QTEST(p.results(), "results");
    }
};

KEYVORA_TEST_MAIN(CommandLine, CommandLineTest)
#include "tst_CommandLine.moc"
