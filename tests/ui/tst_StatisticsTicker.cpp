#include "TestRegistry.h"

#include "practice/LevelsAndTotals.h"
#include "practice/NumberText.h"
#include "practice/PracticeState.h"
#include "practice/StatisticsPanel.h"
#include "practice/StatisticsTicker.h"
#include "settings/Options.h"

#include <QLabel>
#include <QTest>
#include <QWidget>

namespace {

// The run time a clock reading of minutes, seconds and tenths stands for, halfway into its tenth.
double elapsedFor(const QStringList& clock) {
    return clock[0].toInt() * 60 + clock[1].toInt() + clock[2].toInt() / 10.0 + 0.05;
}

// Sets the total whose text the panel shows as `text`: an item's caption, or an entered number.
void setTotalText(Options& options, const QString& text) {
    const int item = int(Options::totalCaptions().indexOf(text));
    if (item >= 0)
        options.setTotal(item);
    else
        options.setTotal(Options::customTotal, NumberText::leadingNumber(text), true);
}

} // namespace

class StatisticsTickerTest : public QObject {
    Q_OBJECT
private slots:
    void aChangeOfAnyInputBetweenTicksIsShownAtTheNextTick() {
        Options options;
        PracticeState state(options);
        setTotalText(options, QStringLiteral(" 10"));
        state.setElapsed(elapsedFor({"00", "30", "0"}));
        state.setJishu(5);
        state.setJizhong(4);
        StatisticsTicker ticker(state);
        QWidget window;
        const StatisticsPanel panel(&window, state, ticker);
        int afterTicks = 0;
        ticker.setAfterTick([&afterTicks] { ++afterTicks; });
        ticker.tick();
        ticker.tick(); // nothing changed
        QCOMPARE(panel.text(StatLabel::Accuracy), QStringLiteral(" 80"));
        QCOMPARE(panel.text(StatLabel::Speed), QStringLiteral(" 8"));
        QCOMPARE(afterTicks, 2); // the finger hint follows every tick, changed or not

        state.setElapsed(elapsedFor({"00", "15", "0"})); // the clock moved
        ticker.tick();
        QCOMPARE(panel.text(StatLabel::Speed), QStringLiteral(" 16"));

        state.setJizhong(5); // a hit
        ticker.tick();
        QCOMPARE(panel.text(StatLabel::Hits), QStringLiteral(" 5"));
        QCOMPARE(panel.text(StatLabel::Accuracy), QStringLiteral(" 100"));

        panel.value(int(StatLabel::Accuracy))->setText(QStringLiteral("0")); // reset from outside
        ticker.tick();
        QCOMPARE(panel.text(StatLabel::Accuracy), QStringLiteral(" 100"));

        setTotalText(options, QStringLiteral(" 3")); // the total lowered mid-run
        ticker.tick();
        QCOMPARE(panel.text(StatLabel::Count), QStringLiteral(" 3"));
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
        QTest::newRow("a total lowered below the count caps the count")
            << "10" << 12 << 11 << zero << "10"
            << " 11"
            << " 110"
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
        QTest::newRow("speed from the clock")
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
            << " 0" << 3 << 2 << QStringList{"00", "30", "0"} << " 0"
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

        Options options;
        PracticeState state(options);
        StatisticsTicker ticker(state);
        QWidget window;
        const StatisticsPanel panel(&window, state, ticker);
        int afterTicks = 0;
        ticker.setAfterTick([&] { ++afterTicks; });
        setTotalText(options, total);
        state.setJishu(jishu);
        state.setJizhong(jizhong);
        state.setElapsed(elapsedFor(clock));

        ticker.tick();

        QCOMPARE(panel.text(StatLabel::Count), count);
        QCOMPARE(panel.text(StatLabel::Hits), hits);
        QCOMPARE(panel.text(StatLabel::Accuracy), accuracy);
        QCOMPARE(panel.text(StatLabel::Speed), speed);
        QCOMPARE(afterTicks, 1);
        QCOMPARE(LevelsAndTotals::totalText(options), total);
    }
};

KEYVORA_TEST_MAIN(StatisticsTicker, StatisticsTickerTest)
#include "tst_StatisticsTicker.moc"
