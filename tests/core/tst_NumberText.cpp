#include "TestRegistry.h"

#include "practice/NumberText.h"

#include <QTest>

#include <limits>

class NumberTextTest : public QObject {
    Q_OBJECT
private slots:
    void leadingNumberTakesTheLongestNumericPrefix_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("blank then digit") << "  3" << 3.0;
        QTest::newRow("plain") << "50" << 50.0;
        QTest::newRow("signed style") << " 150" << 150.0;
        QTest::newRow("trailing letters") << "3abc" << 3.0;
        QTest::newRow("fraction") << "2.5" << 2.5;
        QTest::newRow("negative") << "-3" << -3.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("only blanks") << "   " << 0.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("exponent") << "1e3" << 1000.0;
        QTest::newRow("exponent without digits") << "12e" << 12.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("tab before") << "\t7" << 7.0;
        QTest::newRow("inner blank stops") << "1 2" << 1.0;
        QTest::newRow("full-width digit is not a number") << "３" << 0.0;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("leading zeros") << "000123" << 123.0;
        QTest::newRow("fifteen digits exactly") << "123456789012345" << 123456789012345.0;
        QTest::newRow("sixteen digits") << "9007199254740993" << 9007199254740992.0;
        QTest::newRow("negative with letters") << "-42个" << -42.0;
        QTest::newRow("point ends the integer") << "5." << 5.0;
    }
    void leadingNumberTakesTheLongestNumericPrefix() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(NumberText::leadingNumber(text), value);
    }

    void hugeNumbersDoNotBreakTheParse() {
        QVERIFY(NumberText::leadingNumber(QString(400, QLatin1Char('9'))) > 1e300);
        QVERIFY(NumberText::leadingNumber(QStringLiteral("1e999")) > 1e300);
    }

    void roundingSendsHalvesToTheEvenNeighbour_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("62.5") << 62.5 << 62.0;
        QTest::newRow("63.5") << 63.5 << 64.0;
        QTest::newRow("2.5") << 2.5 << 2.0;
        QTest::newRow("3.5") << 3.5 << 4.0;
        QTest::newRow("0.5") << 0.5 << 0.0;
        QTest::newRow("4.49") << 4.49 << 4.0;
        QTest::newRow("4.51") << 4.51 << 5.0;
        QTest::newRow("-2.5") << -2.5 << -2.0;
        QTest::newRow("-3.5") << -3.5 << -4.0;
        QTest::newRow("whole") << 7.0 << 7.0;
    }
    void roundingSendsHalvesToTheEvenNeighbour() {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QCOMPARE(NumberText::roundHalfEven(value), rounded);
    }

    void signedTextPutsABlankBeforeNonNegativeNumbers_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("seven") << 7.0 << " 7";
        QTest::newRow("zero") << 0.0 << " 0";
        QTest::newRow("negative") << -3.0 << "-3";
        QTest::newRow("hundred fifty") << 150.0 << " 150";
        QTest::newRow("fraction") << 12.5 << " 12.5";
        QTest::newRow("large") << 99999.0 << " 99999";
    }
    void signedTextPutsABlankBeforeNonNegativeNumbers() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(NumberText::signedText(value), text);
    }

    void twoDigitsPadsWithAZero() {
        QCOMPARE(NumberText::twoDigits(0), QStringLiteral("00"));
        QCOMPARE(NumberText::twoDigits(5), QStringLiteral("05"));
        QCOMPARE(NumberText::twoDigits(59), QStringLiteral("59"));
    }
};

KEYVORA_TEST_GUILESS_MAIN(NumberText, NumberTextTest)
#include "tst_NumberText.moc"
