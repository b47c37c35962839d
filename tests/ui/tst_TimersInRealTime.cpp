#include "TestRegistry.h"

#include "TrainerRig.h"

#include "app/Form1.h"
#include "practice/StatisticsPanel.h"
#include "practice/SystemClock.h"

#include <QAction>
#include <QLabel>
#include <QTest>

#include <utility>

// The timers that sleep between the changes they show, on the real event loop and the real
// clock: a run from Start to its total, with a pause in it. Only order and phase are checked,
// each within a generous time, never a moment.
namespace {

constexpr int patience = 20000; // ms; the suite also runs under the sanitizers and under Wine

QString figure(Form1& form, StatLabel which) {
    return form.statisticsPanel().text(which);
}

} // namespace

class TimersInRealTimeTest : public QObject {
    Q_OBJECT
private slots:
    void aRunBlinksCountsAndEndsAtItsTotalOnTheRealEventLoop() {
        TrainerRig rig;
        SystemClock clock;
        Platform platform = rig.platform();
        platform.clock = &clock;
        Form1 form(platform);
        Trainer& t = form.trainer();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(!t.deferredStart.isActive());
        t.menus.fengge1[0]->trigger();
        t.menus.zongshu[0]->trigger(); // 10 characters

        // Every colour change of a key, in order: (key, lit).
        QList<std::pair<int, bool>> blinks;
        connect(&t.keyboard, &KeyboardModel::keyColourChanged, this, [&](int key) {
            blinks << std::pair(key, t.keyboard.colour(key, KeyPart::Cap) == qRgb(128, 255, 128));
        });
        const auto litAndDarkAgain = [&blinks](int key) {
            return blinks.count(std::pair(key, true)) >= 2 &&
                   blinks.count(std::pair(key, false)) >= 1;
        };
        QStringList countdown;
        connect(&t.run, &RunController::countdownChanged, this, [&] {
            if (t.run.countdownVisible() && !countdown.contains(t.run.countdownNumber()))
                countdown << t.run.countdownNumber();
        });

        t.menus.jijiankaishi->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(t.state.running(), patience);
        QCOMPARE(countdown.first(), QStringLiteral("5"));
        QCOMPARE(countdown.last(), QStringLiteral("0"));
        QVERIFY(std::is_sorted(countdown.rbegin(), countdown.rend()));

        // Lit, dark and lit again, then figures that follow every key, before and after a pause.
        QTRY_VERIFY_WITH_TIMEOUT(litAndDarkAgain(KeyTable::keyOfTarget(t.state.mubiao)), patience);
        for (int hits = 1; hits <= 10; ++hits) {
            if (hits == 4) {
                QTest::qWait(3000);
                QTRY_VERIFY_WITH_TIMEOUT(figure(form, StatLabel::Seconds).toInt() >= 3, patience);
                blinks.clear();
                QTRY_VERIFY_WITH_TIMEOUT(litAndDarkAgain(KeyTable::keyOfTarget(t.state.mubiao)),
                                         patience);
            }
            QTest::keyClick(&form, Qt::Key(t.state.mubiao));
            if (hits < 10)
                QTRY_COMPARE_WITH_TIMEOUT(figure(form, StatLabel::Count),
                                          QStringLiteral(" %1").arg(hits + 1), patience);
            QTRY_COMPARE_WITH_TIMEOUT(figure(form, StatLabel::Hits),
                                      QStringLiteral(" %1").arg(hits), patience);
        }

        // The run ends at its total; the light goes out and both timers fall asleep.
        QTRY_VERIFY_WITH_TIMEOUT(!t.state.running(), patience);
        QTRY_VERIFY_WITH_TIMEOUT(!t.blink.timer().isActive() && !t.statistics.timer().isActive(),
                                 patience);
        QCOMPARE(figure(form, StatLabel::Accuracy), QStringLiteral(" 100"));
        for (const auto& [key, lit] : blinks)
            if (blinks.lastIndexOf(std::pair(key, !lit)) < blinks.lastIndexOf(std::pair(key, lit)))
                QVERIFY2(!lit, qPrintable(QStringLiteral("key %1 left lit").arg(key)));
        // In every key's own changes, lit and dark take turns.
        for (qsizetype i = 0; i < blinks.size(); ++i)
            for (qsizetype j = i + 1; j < blinks.size(); ++j)
                if (blinks[j].first == blinks[i].first) {
                    QVERIFY(blinks[j].second != blinks[i].second);
                    break;
                }

        // Started again and stopped in the countdown: no run, nothing lit.
        t.menus.jijiankaishi->trigger();
        t.menus.jijiantingzhi->trigger();
        QVERIFY(!t.run.countdownVisible());
        QTest::qWait(300);
        QVERIFY(!t.state.running());
    }
};

KEYVORA_TEST_MAIN(TimersInRealTime, TimersInRealTimeTest)
#include "tst_TimersInRealTime.moc"
