#include "TestRegistry.h"

#include "settings/SettingsFile.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

class SettingsFileTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    QString fileWith(const QByteArray& content) {
        const QString path = dir.filePath(QStringLiteral("Keyvora"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write the test file");
        file.write(content);
        return path;
    }

private slots:
    void designDefaultsWriteTheDefaultFile() {
        QCOMPARE(SettingsFile::format({0, 1, 2, 4}, {true, true, false, false}),
                 QByteArray(" 0\r\n 1\r\n 2\r\n 4\r\nTrue\r\nTrue\r\nFalse\r\nFalse\r\n"));
    }

    void aGroupWithNoCheckedItemWritesNoLineAtAll() {
        QCOMPARE(SettingsFile::format({11, -1, 19, 11}, {false, false, true, true}),
                 QByteArray(" 11\r\n 19\r\n 11\r\nFalse\r\nFalse\r\nTrue\r\nTrue\r\n"));
    }

    void indexLinesReadTheLeadingNumberRoundedHalfToEven_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("applied");
        QTest::addColumn<int>("index");
        QTest::newRow("signed style") << " 3" << true << 3;
        QTest::newRow("bare") << "3" << true << 3;
        QTest::newRow("letters after") << "3abc" << true << 3;
        QTest::newRow("blanks around") << "   7   " << true << 7;
        QTest::newRow("half down to even") << "2.5" << true << 2;
        QTest::newRow("half up to even") << "3.5" << true << 4;
        QTest::newRow("beyond the group passes on") << "25" << true << 25;
        QTest::newRow("negative") << "-1" << true << -1;
        QTest::newRow("empty is zero") << "" << true << 0;
        QTest::newRow("text is zero") << "True" << true << 0;
        QTest::newRow("top of 16 bits") << "32767" << true << 32767;
        QTest::newRow("bottom of 16 bits") << "-32768" << true << -32768;
        QTest::newRow("rounds beyond 16 bits") << "32767.5" << false << 0;
        QTest::newRow("too large") << "99999" << false << 0;
        QTest::newRow("too small") << "-40000" << false << 0;
        QTest::newRow("exponent too large") << "1e999" << false << 0;
        QTest::newRow("thousands of digits") << QString(5000, QLatin1Char('9')) << false << 0;
    }
    void indexLinesReadTheLeadingNumberRoundedHalfToEven() {
        QFETCH(QString, line);
        QFETCH(bool, applied);
        QFETCH(int, index);
        const std::optional<int> value = SettingsFile::indexValue(line);
        QCOMPARE(value.has_value(), applied);
        if (applied)
            QCOMPARE(*value, index);
    }

    void booleanLinesAreTrueOnlyForTrueInAnyCase_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("value");
        QTest::newRow("True") << "True" << true;
        QTest::newRow("true") << "true" << true;
        QTest::newRow("TRUE") << "TRUE" << true;
        QTest::newRow("blanks around") << " True " << true;
        QTest::newRow("False") << "False" << false;
        QTest::newRow("yes") << "yes" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("number") << " 1" << false;
        QTest::newRow("longer word") << "Truely" << false;
    }
    void booleanLinesAreTrueOnlyForTrueInAnyCase() {
        QFETCH(QString, line);
        QFETCH(bool, value);
        QCOMPARE(SettingsFile::booleanValue(line), value);
    }

    void linesEndInCrLfCrOrLfAndTheLastNeedsNoEnd() {
        const QList<QString> lines = SettingsFile::readLines(fileWith(" 1\r\n\r\n 2\r 3\nlast"));
        QCOMPARE(lines, (QList<QString>{" 1", "", " 2", " 3", "last"}));
    }

    void aLineEndSplitAcrossReadChunksCountsOnce() {
        // The file is read in blocks of 8192 bytes; here CR ends one block and LF starts the next.
        const QByteArray content = QByteArray(8191, '7') + "\r\nTrue\r\n";
        const QList<QString> lines = SettingsFile::readLines(fileWith(content));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[1], QStringLiteral("True"));
    }

    void aDeviceIsReadFromItsPositionLikeAFile() {
        const QByteArray content("skip 3\r\n 4\rTrue\n\xe9");
        QBuffer buffer;
        buffer.setData(content);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        QVERIFY(buffer.seek(5));
        const QList<QString> expected{"3", " 4", "True", QString(QChar(0xe9))};
        QCOMPARE(SettingsFile::readLines(buffer), expected);
        QCOMPARE(SettingsFile::readLines(fileWith(content.mid(5))), expected);
    }

    void aMissingFileGivesNoLines() {
        QVERIFY(SettingsFile::readLines(dir.filePath(QStringLiteral("none"))).isEmpty());
    }

    void aPipeInPlaceOfTheFileIsNotOpened() {
#ifdef Q_OS_UNIX
        const QString path = dir.filePath(QStringLiteral("pipe"));
        QVERIFY(mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        QVERIFY(SettingsFile::readLines(path).isEmpty());
#else
        QSKIP("no named pipes here");
#endif
    }

    void atMostEightLinesAreRead() {
        QByteArray many;
        for (int i = 0; i < 1000; ++i)
            many += QByteArray::number(i) + "\r\n";
        const QList<QString> lines = SettingsFile::readLines(fileWith(many));
        QCOMPARE(lines.size(), SettingsFile::maxLines);
        QCOMPARE(lines.last(), QStringLiteral("7"));
    }

    void aVeryLongLineIsCutAndTheNextLineStillRead() {
        const QByteArray content = QByteArray(100000, '5') + "\r\nTrue\r\n";
        const QList<QString> lines = SettingsFile::readLines(fileWith(content));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].size(), SettingsFile::maxLineChars);
        QCOMPARE(lines[1], QStringLiteral("True"));
    }

    void aHugeFileIsReadOnlyInItsFirstPart() {
        const QByteArray content(10 * 1024 * 1024, 'x');
        const QList<QString> lines = SettingsFile::readLines(fileWith(content));
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines[0].size(), SettingsFile::maxLineChars);
    }

    void binaryJunkGivesAtMostEightBoundedLines() {
        QByteArray junk;
        quint32 x = 2463534242u;
        for (int i = 0; i < 300000; ++i) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            junk += char(x & 0xff);
        }
        junk[10] = '\0';
        const QList<QString> lines = SettingsFile::readLines(fileWith(junk));
        QVERIFY(lines.size() <= SettingsFile::maxLines);
        for (const QString& line : lines) {
            QVERIFY(line.size() <= SettingsFile::maxLineChars);
            SettingsFile::indexValue(line);
            SettingsFile::booleanValue(line);
        }
    }
};

KEYVORA_TEST_GUILESS_MAIN(SettingsFile, SettingsFileTest)
#include "tst_SettingsFile.moc"
