#include "TestRegistry.h"

#include "sound/WubiTables.h"

#include <QSet>
#include <QTest>

class WubiTablesTest : public QObject {
    Q_OBJECT
private slots:
    void sOfThe86EditionIsTheShortVerse() {
        QCOMPARE(WubiTables::mnemonic(86, 'S'), QStringLiteral("14S 木丁西"));
        QCOMPARE(WubiTables::mnemonic(98, 'S'), QStringLiteral("14S 木丁西甫一四里"));
    }

    void versesKeepTheirFullWidthCommas() {
        QCOMPARE(WubiTables::mnemonic(86, 'Q'),
                 QStringLiteral("35Q 金勺缺点无尾鱼，犬旁留义儿一点夕，氏无七"));
        QVERIFY(!WubiTables::mnemonic(86, 'K').contains(QLatin1Char(',')));
    }

    void aAndJAreTheSameInBothEditions() {
        for (int code : {int('A'), int('J')})
            QCOMPARE(WubiTables::mnemonic(86, code), WubiTables::mnemonic(98, code));
        QVERIFY(WubiTables::mnemonic(86, 'G') != WubiTables::mnemonic(98, 'G'));
    }

    void keysWithoutAMnemonicAreEmpty_data() {
        QTest::addColumn<int>("edition");
        QTest::addColumn<int>("code");
        QTest::newRow("Z") << 86 << int('Z');
        QTest::newRow("digit") << 98 << int('5');
        QTest::newRow("small letter") << 86 << int('g');
        QTest::newRow("space") << 98 << 32;
        QTest::newRow("negative") << 86 << -1;
        QTest::newRow("beyond ANSI") << 98 << 300;
        QTest::newRow("unknown edition") << 87 << int('G');
    }
    void keysWithoutAMnemonicAreEmpty() {
        QFETCH(int, edition);
        QFETCH(int, code);
        QVERIFY(WubiTables::mnemonic(edition, code).isEmpty());
    }

    void everyEntryStartsWithZonePositionLetterAndASpace_data() {
        QTest::addColumn<int>("edition");
        QTest::newRow("86") << 86;
        QTest::newRow("98") << 98;
    }
    void everyEntryStartsWithZonePositionLetterAndASpace() {
        QFETCH(int, edition);
        QSet<QString> codes;
        for (char letter = 'A'; letter <= 'Y'; ++letter) {
            const QString entry = WubiTables::mnemonic(edition, letter);
            QVERIFY2(entry.size() > 4, qPrintable(entry));
            QVERIFY2(entry[0] >= QLatin1Char('1') && entry[0] <= QLatin1Char('5'),
                     qPrintable(entry));
            QVERIFY2(entry[1] >= QLatin1Char('1') && entry[1] <= QLatin1Char('5'),
                     qPrintable(entry));
            QCOMPARE(entry[2], QLatin1Char(letter));
            QCOMPARE(entry[3], QLatin1Char(' '));
            codes.insert(entry.left(2));
        }
        // 25 keys, 5 zones of 5 positions: each zone and position pair names exactly one key.
        QCOMPARE(codes.size(), 25);
    }

    void theCodeIsTheSameInBothEditions() {
        for (char letter = 'A'; letter <= 'Y'; ++letter)
            QCOMPARE(WubiTables::mnemonic(86, letter).left(3),
                     WubiTables::mnemonic(98, letter).left(3));
    }
};

KEYVORA_TEST_GUILESS_MAIN(WubiTables, WubiTablesTest)
#include "tst_WubiTables.moc"
