#include "TestRegistry.h"

#include "FakeClock.h"

#include "practice/PracticeState.h"
#include "practice/RunClock.h"
#include "practice/StatisticsPanel.h"
#include "practice/StatisticsTicker.h"
#include "settings/Options.h"

#include <QTest>
#include <QWidget>

class RunClockTest : public QObject {
    Q_OBJECT
private slots:
    void showsMinutesSecondsAndTenthsSinceTheStart_data() {
        QTest::addColumn<double>("elapsed");
        QTest::addColumn<QString>("minutes");
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("tenths");
        QTest::newRow("start") << 0.0 << "00"
                               << "00"
                               << "0";
        QTest::newRow("just under a tenth") << 0.09 << "00"
                                            << "00"
                                            << "0";
        QTest::newRow("one and a half minutes") << 90.45 << "01"
                                                << "30"
                                                << "4";
        QTest::newRow("last tenth of an hour") << 3599.96 << "59"
                                               << "59"
                                               << "9";
        QTest::newRow("hours are not shown") << 3600.0 + 65.28 << "01"
                                             << "05"
                                             << "2";
    }
    void showsMinutesSecondsAndTenthsSinceTheStart() {
        QFETCH(double, elapsed);
        QFETCH(QString, minutes);
        QFETCH(QString, seconds);
        QFETCH(QString, tenths);
        FakeClock clock;
        Options options;
        PracticeState state(options);
        RunClock runClock(state, clock);
        StatisticsTicker ticker(state);
        QWidget window;
        const StatisticsPanel panel(&window, state, ticker);
        state.kaishishijian = clock.monotonic;
        clock.advance(elapsed);

        runClock.update();

        QCOMPARE(panel.text(StatLabel::Minutes), minutes);
        QCOMPARE(panel.text(StatLabel::Seconds), seconds);
        QCOMPARE(panel.text(StatLabel::Tenths), tenths);
    }
};

KEYVORA_TEST_MAIN(RunClock, RunClockTest)
#include "tst_RunClock.moc"
