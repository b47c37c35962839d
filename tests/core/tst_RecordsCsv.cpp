#include "TestRegistry.h"

#include "FakeClock.h"

#include "learners/Learners.h"
#include "learners/RecordsCsv.h"
#include "learners/RecordsExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A run whose style name holds a comma and quotes, with a key that was never hit and one whose
// character a spreadsheet would take for a formula; a lesson of Chinese whose name and stage
// start like formulas; and a line cut short between them.
const QByteArray recordFile =
    "{\"accuracy\":98,\"count\":50,\"hits\":49,\"level\":3,\"seconds\":41.5,\"speed\":71,"
    "\"style\":3,\"styleName\":\"所有键, \\\"快\\\"\",\"time\":\"2026-12-09T10:00:00\","
    "\"total\":50,\"wubi\":86,\"keys\":[[65,2,1,400,2,0,[[83,1]]],[61,1,0,-1,0,0,[]]]}\n"
    "{\"accuracy\":90,\"count\":10,\n"
    "{\"accuracy\":93,\"characters\":40,\"charSpeed\":25,\"codeLength\":3.4,\"count\":30,"
    "\"hits\":28,\"lesson\":\"text:x:1\",\"lessonName\":\"-2+3 \\\"引号\\\"\",\"seconds\":60,"
    "\"speed\":28,\"stage\":\"@阶段\",\"styleName\":\"课程练习\","
    "\"time\":\"2026-12-09T11:00:00\",\"keys\":[[32,3,3,200,3,0,[]]]}\n";

const QByteArray runsCsv =
    "\xEF\xBB\xBF"
    "时间,风格编号,风格,级别,总数,课程,课名,阶段,计数,击中,正确率（%）,用时（秒）,速度（个/分）,"
    "五笔版本,汉字数,汉字速度（字/分）,码长\r\n"
    "2026-12-09T10:00:00,3,\"所有键, \"\"快\"\"\",3,50,,,,50,49,98,41.5,71,86,,,\r\n"
    "2026-12-09T11:00:00,,,,,text:x:1,\"'-2+3 "
    "\"\"引号\"\"\",'@阶段,30,28,93,60.0,28,,40,25,3.4\r\n";

const QByteArray keysCsv =
    "\xEF\xBB\xBF"
    "时间,风格,课程,目标,代码,出现,一次击中,击中,中位用时（毫秒）,Shift 失误,常按成\r\n"
    "2026-12-09T10:00:00,\"所有键, \"\"快\"\"\",,A,65,2,1,2,400,0,S×1\r\n"
    "2026-12-09T10:00:00,\"所有键, \"\"快\"\"\",,'=,61,1,0,0,,0,\r\n"
    "2026-12-09T11:00:00,,text:x:1,空格,32,3,3,3,200,0,\r\n";

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

class RecordsCsvTest : public QObject {
    Q_OBJECT
private slots:
    void aTextCellIsQuotedAndGuardedAgainstFormulas_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cell");
        QTest::newRow("plain") << "所有键"
                               << "所有键";
        QTest::newRow("comma") << "a,b"
                               << "\"a,b\"";
        QTest::newRow("quotes") << "say \"hi\""
                                << "\"say \"\"hi\"\"\"";
        QTest::newRow("line end") << "two\r\nlines"
                                  << "\"two\r\nlines\"";
        QTest::newRow("equals") << "=SUM(A1)"
                                << "'=SUM(A1)";
        QTest::newRow("plus") << "+1"
                              << "'+1";
        QTest::newRow("minus") << "-1"
                               << "'-1";
        QTest::newRow("at") << "@cmd"
                            << "'@cmd";
        QTest::newRow("tab") << "\tx"
                             << "'\tx";
        QTest::newRow("formula with a comma") << "=1,2"
                                              << "\"'=1,2\"";
        QTest::newRow("minus inside") << "a-b"
                                      << "a-b";
        QTest::newRow("empty") << ""
                               << "";
    }
    void aTextCellIsQuotedAndGuardedAgainstFormulas() {
        QFETCH(QString, text);
        QTEST(RecordsCsv::textCell(text), "cell");
    }

    void aLearnersRecordsAreExportedWithTheirKeysBeside() {
        QTemporaryDir dir;
        const DataFolder data(dir.path());
        const LearnerFiles files{QStringLiteral("数据库/学员/4")};
        QVERIFY(QDir(dir.path()).mkpath(files.folder));
        QFile file(data.file(files.records()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(recordFile);
        file.close();

        const QString path = dir.filePath(QStringLiteral("成绩.csv"));
        const RecordsExport::Outcome done = RecordsExport::learner(data, files, path, true);
        QVERIFY2(done.ok, qPrintable(done.message));
        QCOMPARE(done.records, 2);
        QCOMPARE(contentOf(path), runsCsv);
        QCOMPARE(contentOf(dir.filePath(QStringLiteral("成绩-按键.csv"))), keysCsv);
    }

    void everyLearnerGetsAFileOfTheirOwnUnderASafeName() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("数据库")));
        const DataFolder data(dir.path());
        FakeClock clock;
        Learners learners(data, clock);
        for (const char* name : {"a/b", "a／b", "CON", "x-按键", "x"})
            QVERIFY(learners.add(QString::fromUtf8(name)).ok);

        const QString folder = dir.filePath(QStringLiteral("导出/全班"));
        const RecordsExport::Outcome done = RecordsExport::all(data, learners, folder, true);
        QVERIFY2(done.ok, qPrintable(done.message));
        QStringList files = QDir(folder).entryList(QDir::Files);
        files.sort();
        QStringList expected = {"默认",          "a／b",      "a／b (2)",    "CON_",
                                "x-按键",        "x (2)",     "默认-按键",   "a／b-按键",
                                "a／b (2)-按键", "CON_-按键", "x-按键-按键", "x (2)-按键"};
        for (QString& name : expected)
            name += QStringLiteral(".csv");
        expected.sort();
        QCOMPARE(files, expected);
        QCOMPARE(contentOf(QDir(folder).filePath(QStringLiteral("默认.csv"))),
                 runsCsv.left(runsCsv.indexOf("\r\n") + 2));
    }
};

KEYVORA_TEST_MAIN(RecordsCsv, RecordsCsvTest)
#include "tst_RecordsCsv.moc"
