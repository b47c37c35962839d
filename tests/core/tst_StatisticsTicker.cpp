#include "TestRegistry.h"

#include "practice/PracticeState.h"
#include "practice/StatisticsTicker.h"

#include <QTest>

class StatisticsTickerTest : public QObject {
    Q_OBJECT
private slots:
    void aChangeOfAnyInputBetweenTicksIsShownAtTheNextTick() {
        PracticeState state;
        state.setText(StatLabel::Total, QStringLiteral(" 10"));
        state.setText(StatLabel::Minutes, QStringLiteral("00"));
        state.setText(StatLabel::Seconds, QStringLiteral("30"));
        state.setText(StatLabel::Tenths, QStringLiteral("0"));
        state.jishu = 5;
        state.jizhong = 4;
        StatisticsTicker ticker(state);
        int afterTicks = 0;
        ticker.setAfterTick([&afterTicks] { ++afterTicks; });
        ticker.tick();
        ticker.tick(); // nothing changed
        QCOMPARE(state.text(StatLabel::Accuracy), QStringLiteral(" 80"));
        QCOMPARE(state.text(StatLabel::Speed), QStringLiteral(" 8"));
        QCOMPARE(afterTicks, 2); // the finger hint follows every tick, changed or not

        state.setText(StatLabel::Seconds, QStringLiteral("15")); // the clock moved
        ticker.tick();
        QCOMPARE(state.text(StatLabel::Speed), QStringLiteral(" 16"));

        state.jizhong = 5; // a hit
        ticker.tick();
        QCOMPARE(state.text(StatLabel::Hits), QStringLiteral(" 5"));
        QCOMPARE(state.text(StatLabel::Accuracy), QStringLiteral(" 100"));

        state.setText(StatLabel::Accuracy, QStringLiteral("0")); // reset from outside
        ticker.tick();
        QCOMPARE(state.text(StatLabel::Accuracy), QStringLiteral(" 100"));

        state.setText(StatLabel::Total, QStringLiteral(" 3")); // the total lowered mid-run
        ticker.tick();
        QCOMPARE(state.text(StatLabel::Count), QStringLiteral(" 3"));
    }

    void showsCountHitsAccuracyAndSpeed_data() {
        QTest::addColumn<QString>("total");
        QTest::addColumn<int>("jishu");
        QTest::addColumn<int>("jizhong");
        QTest::addColumn<QStringList>("clock"); // minutes, seconds, tenths
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("hits");
        QTest::addColumn<QString>("accuracy");
        QTest::addColumn<QString>("speed");

        const QStringList zero = {"00", "00", "0"};
        QTest::newRow("before the first run only count and hits are written")
            << "50" << 0 << 0 << zero << " 0"
            << " 0"
            << "0"
            << "0";
        QTest::newRow("five right and two wrong of fifty round half to even")
            << "50" << 8 << 5 << zero << " 8"
            << " 5"
            << " 62"
            << "0";
        QTest::newRow("during a run the divisor is one more than the characters dealt with")
            << "20" << 11 << 10 << zero << " 11"
            << " 10"
            << " 91"
            << "0";
        QTest::newRow("count at the total is still the count") << "10" << 10 << 9 << zero << " 10"
                                                               << " 9"
                                                               << " 90"
                                                               << "0";
        QTest::newRow("faultless run of ten ends at the total's text and 100")
            << "10" << 11 << 10 << zero << "10"
            << " 10"
            << " 100"
            << "0";
        QTest::newRow("past the total the total is the divisor") << "10" << 13 << 9 << zero << "10"
                                                                 << " 9"
                                                                 << " 90"
                                                                 << "0";
        QTest::newRow("count past a fractional custom total shows its text")
            << " 12.5" << 13 << 12 << zero << " 12.5"
            << " 12"
            << " 96"
            << "0";
        QTest::newRow("speed from the clock labels")
            << "50" << 50 << 45 << QStringList{"01", "30", "4"} << " 50"
            << " 45"
            << " 90"
            << " 30";
        QTest::newRow("speed from tenths alone")
            << "50" << 2 << 1 << QStringList{"00", "00", "3"} << " 2"
            << " 1"
            << " 50"
            << " 200";
        QTest::newRow("a total of 0 skips the accuracy but not the rest")
            << "abc" << 3 << 2 << QStringList{"00", "30", "0"} << "abc"
            << " 2"
            << "0"
            << " 4";
    }
    void showsCountHitsAccuracyAndSpeed() {
        QFETCH(QString, total);
        QFETCH(int, jishu);
        QFETCH(int, jizhong);
        QFETCH(QStringList, clock);
        QFETCH(QString, count);
        QFETCH(QString, hits);
        QFETCH(QString, accuracy);
        QFETCH(QString, speed);

        PracticeState state;
        StatisticsTicker ticker(state);
        int afterTicks = 0;
        ticker.setAfterTick([&] { ++afterTicks; });
        state.setText(StatLabel::Total, total);
        state.jishu = jishu;
        state.jizhong = jizhong;
        state.setText(StatLabel::Minutes, clock[0]);
        state.setText(StatLabel::Seconds, clock[1]);
        state.setText(StatLabel::Tenths, clock[2]);

        ticker.tick();

        QCOMPARE(state.text(StatLabel::Count), count);
        QCOMPARE(state.text(StatLabel::Hits), hits);
        QCOMPARE(state.text(StatLabel::Accuracy), accuracy);
        QCOMPARE(state.text(StatLabel::Speed), speed);
        QCOMPARE(afterTicks, 1);
        QCOMPARE(state.text(StatLabel::Total), total);
    }
};

KEYVORA_TEST_GUILESS_MAIN(StatisticsTicker, StatisticsTickerTest)
#include "tst_StatisticsTicker.moc"
