#include "TestRegistry.h"

#include "PanelText.h"
#include "PracticeSession.h"
#include "TrainerRig.h"

#include "app/Trainer.h"
#include "keyboard/KeyTable.h"
#include "practice/StatisticsPanel.h"

#include <QAction>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace {

using Session = PracticeSession;

// The codes each display style draws from, written out here from the style list rather than
// taken from the program's own tables.
bool inStyleSet(int style, int code) {
    const bool digit = code >= 48 && code <= 57;
    const bool capital = code >= 65 && code <= 90;
    const bool small = code >= 97 && code <= 122;
    static constexpr std::array<int, 21> others = {8,  13, 16, 17, 18, 20, 26, 27, 28, 32, 39,
                                                   44, 45, 46, 47, 59, 61, 91, 92, 93, 96};
    const bool other = std::find(others.begin(), others.end(), code) != others.end();
    switch (style) {
    case 0:
    case 5:
        return digit || capital;
    case 1:
    case 7:
        return capital;
    case 2:
    case 8:
        return digit;
    case 6:
        return digit || small;
    case 3:
    case 9:
        return digit || capital || other;
    case 10:
        return digit || small || other;
    default:
        return code >= 33 && code <= 126;
    }
}

// The signed-number style for the whole numbers the panel shows: a blank where a minus would go.
QString signedWhole(double value) {
    return value < 0 ? QString::number(qint64(value)) : QStringLiteral(" %1").arg(qint64(value));
}

QString twoDigits(double value) {
    return QStringLiteral("%1").arg(qint64(value), 2, 10, QLatin1Char('0'));
}

// Halves to the even neighbour: the default rounding mode of the floating-point environment.
double roundEven(double value) {
    return std::nearbyint(value);
}

constexpr double landingLine = 5775 - 300;

// Everything the trainer keeps that could pile up over a long session.
struct Footprint {
    qsizetype objects = 0;
    qsizetype activeTimers = 0;

    bool operator==(const Footprint&) const = default;
};

template <typename T> void countObjects(const T& member, Footprint& footprint) {
    if constexpr (std::is_base_of_v<QObject, T>) {
        const auto children = member.template findChildren<QObject*>();
        footprint.objects += children.size() + 1;
        for (const QObject* child : children)
            if (const auto* timer = qobject_cast<const QTimer*>(child); timer && timer->isActive())
                ++footprint.activeTimers;
    }
}

Footprint footprintOf(const Trainer& t) {
    Footprint f;
    countObjects(t, f);
    countObjects(t.menus, f);
    countObjects(t.state, f);
    countObjects(t.keyboard, f);
    countObjects(t.falling, f);
    countObjects(t.styles, f);
    countObjects(t.run, f);
    countObjects(t.blink, f);
    countObjects(t.statistics, f);
    countObjects(t.fingers, f);
    countObjects(t.wubi, f);
    countObjects(t.deferredStart, f);
    return f;
}

// Follows a session step by step and checks each step against the rules of a run, computing
// every expected figure itself from the counters and the fake clock. Stops at the first fault.
class RunChecker {
public:
    explicit RunChecker(Trainer& trainer)
        : t_(trainer), panel_(&window_, trainer.state, trainer.statistics) {
        QObject::connect(&trainer, &Trainer::fileMenuRequested, &trainer, [this] { ++menuAsked_; });
        remember();
    }

    QString failure;
    qsizetype longestText = 0;
    qsizetype longestCaption = 0;

    bool observe(const Session::Event& e) {
        const PracticeState& s = t_.state;
        now_ = e.ms;
        switch (e.step) {
        case Session::Step::Key:
            checkKey(e);
            break;
        case Session::Step::RunTick:
            checkRunTick();
            break;
        case Session::Step::StatisticsTick:
            checkStatistics();
            break;
        case Session::Step::BlinkTick:
            if (s.running() && s.jishu() >= total_ + 1)
                fail("a complete run goes on after the blink tick");
            if (before_.running && !s.running() && !t_.falling.caption().isEmpty())
                fail("the falling text stays after the run ended");
            break;
        case Session::Step::CountdownTick:
            checkCountdownTick();
            break;
        case Session::Step::DeferredStart:
            // No settings file: every group comes back with its first item.
            levelText_ = QStringLiteral("1");
            totalText_ = QStringLiteral("10");
            total_ = 10;
            break;
        case Session::Step::Extra:
            break;
        case Session::Step::Menu:
            checkMenu(e);
            break;
        }
        checkAlways();
        remember();
        return failure.isEmpty();
    }

private:
    struct Before {
        int jishu, jizhong, mubiao, xialuobushu;
        double top;
        bool running, countdown;
    };

    void fail(const QString& what) {
        if (failure.isEmpty())
            failure = QStringLiteral("at %1 ms: %2 (jishu %3, jizhong %4, mubiao %5)")
                          .arg(now_)
                          .arg(what)
                          .arg(t_.state.jishu())
                          .arg(t_.state.jizhong())
                          .arg(t_.state.mubiao);
    }

    void remember() {
        const PracticeState& s = t_.state;
        before_ = {s.jishu(),
                   s.jizhong(),
                   s.mubiao,
                   s.xialuobushu,
                   t_.falling.top(),
                   s.running(),
                   t_.run.countdownActive()};
    }

    bool countersUnchanged() const {
        const PracticeState& s = t_.state;
        return s.jishu() == before_.jishu && s.jizhong() == before_.jizhong &&
               s.mubiao == before_.mubiao && s.xialuobushu == before_.xialuobushu;
    }

    void checkKey(const Session::Event& e) {
        const PracticeState& s = t_.state;
        if (e.key == Session::KeyKind::AltA) {
            if (menuAsked_ != ++menuExpected_)
                fail("Alt+A did not ask for the file menu");
            if (!countersUnchanged())
                fail("Alt+A was counted");
            return;
        }
        if (!before_.running || e.key == Session::KeyKind::ShiftOrCaps) {
            if (!countersUnchanged())
                fail(before_.running ? "Shift or Caps Lock was counted in the all-characters style"
                                     : "a key counted while no run was going");
            return;
        }
        if (s.jishu() != before_.jishu + 1)
            fail("a key press was not counted once");
        if (e.key == Session::KeyKind::Right) {
            if (s.jizhong() != before_.jizhong + 1)
                fail("a right key was not counted as a hit");
            // The next target comes unless the count has just completed the run.
            const bool complete = s.jishu() >= total_ + 1;
            if (!complete && s.xialuobushu != -2)
                fail("a right key brought no new target");
            if (complete && (s.mubiao != before_.mubiao || s.xialuobushu != before_.xialuobushu))
                fail("a target was chosen after the run was complete");
        } else if (s.jizhong() != before_.jizhong || s.mubiao != before_.mubiao ||
                   s.xialuobushu != before_.xialuobushu) {
            fail("a wrong key changed the hits or the target");
        }
    }

    void checkRunTick() {
        const PracticeState& s = t_.state;
        const FallingLabel& label = t_.falling;
        // The run clock as the tick leaves it on the panel, until the next tick of any run.
        shownClock_ = Session::monotonicAt(now_) - Session::monotonicAt(runStart_);
        if (s.jizhong() != before_.jizhong)
            fail("the run timer changed the hits");
        const bool shownForThisTarget = before_.xialuobushu + 1 >= 0;
        const bool wasDown = float(before_.top) >= float(landingLine);
        if (s.jishu() == before_.jishu + 1) {
            if (!shownForThisTarget || !wasDown)
                fail("a character landed that was not at the bottom");
            if (!label.caption().isEmpty() || label.top() != 0)
                fail("a landed character stayed in view");
            if (s.jishu() < total_ + 1 && s.xialuobushu != -2)
                fail("a landed character was not replaced");
        } else if (s.jishu() == before_.jishu) {
            if (shownForThisTarget && wasDown)
                fail("a character at the bottom did not land");
            if (s.xialuobushu != before_.xialuobushu + 1)
                fail("the fall did not advance by one step");
            if (label.top() != level() * s.xialuobushu * 30)
                fail(QStringLiteral("the falling character is at %1").arg(label.top()));
            if (label.caption() != KeyTable::displayText(s.mubiao) || label.left() != s.hengzuobiao)
                fail("the falling character does not show its target");
        } else {
            fail("the run timer counted more than one landing");
        }
    }

    void checkCountdownTick() {
        const PracticeState& s = t_.state;
        if (before_.running || !s.running())
            return;
        // The countdown has just ended: a fresh run.
        const qint64 waited = now_ - countdownStart_;
        if (waited < 5000 || waited > 5000 + Session::gridMs)
            fail(QStringLiteral("the run began %1 ms after Start").arg(waited));
        if (s.jishu() != 1 || s.jizhong() != 0 || s.xialuobushu != -2)
            fail("a run began without fresh counters and a fresh target");
        if (s.kaishishijian != Session::monotonicAt(now_))
            fail("the run clock's origin is not the end of the countdown");
        if (t_.run.countdownVisible())
            fail("the countdown stays in view during the run");
        runStart_ = now_;
    }

    void checkMenu(const Session::Event& e) {
        const PracticeState& s = t_.state;
        switch (e.choice) {
        case Session::Choice::Start:
            if (s.running() || !t_.run.countdownActive() || !t_.run.countdownVisible())
                fail("Start did not begin a countdown");
            if (!t_.falling.caption().isEmpty())
                fail("Start left the falling text in view");
            if (s.jishu() != before_.jishu || s.jizhong() != before_.jizhong)
                fail("Start changed the figures of the last run");
            countdownStart_ = now_;
            break;
        case Session::Choice::Stop:
            if (s.running() || t_.run.countdownActive() || t_.run.countdownVisible() ||
                !t_.falling.caption().isEmpty())
                fail("Stop left a run, a countdown or the falling text");
            break;
        case Session::Choice::Level:
            levelText_ = QString::number(e.index + 1);
            break;
        case Session::Choice::Total:
            if (e.index < 10) {
                total_ = 10.0 * (e.index + 1);
                totalText_ = QString::number(total_);
            } else if (e.index == 10) {
                total_ = 200;
                totalText_ = QStringLiteral("200");
            } else {
                for (const auto& answer : Session::customAnswers)
                    if (answer.entry == e.answer && !answer.shown.isEmpty()) {
                        total_ = answer.value;
                        totalText_ = answer.shown;
                    }
            }
            break;
        default:
            break;
        }
        if (panelText(s, StatLabel::Level) != levelText_ ||
            panelText(s, StatLabel::Total) != totalText_)
            fail(QStringLiteral("level \"%1\" and total \"%2\" are not the chosen ones")
                     .arg(panelText(s, StatLabel::Level), panelText(s, StatLabel::Total)));
    }

    // The figures of the panel by their formulas: the count capped at the total, the hits, the
    // accuracy against the count (or the total once past it), the clock of the last run-timer
    // tick and the speed in characters per minute of that clock.
    void checkStatistics() {
        const PracticeState& s = t_.state;
        const int jishu = s.jishu();
        const int jizhong = s.jizhong();
        const bool withinTotal = jishu <= total_;
        const QString count = withinTotal ? signedWhole(jishu) : totalText_;
        if (jishu != 0)
            accuracy_ = signedWhole(roundEven(jizhong / (withinTotal ? jishu : total_) * 100));

        QString minutes = QStringLiteral("00"), seconds = QStringLiteral("00"),
                tenths = QStringLiteral("0");
        double used = 0;
        if (shownClock_ >= 0) {
            const double e = shownClock_;
            const double h = std::floor(e / 3600);
            const double m = std::floor((e - 3600 * h) / 60);
            const double sec = std::floor(e - 3600 * h - 60 * m);
            const double d = std::floor(10 * (e - std::floor(e)));
            minutes = twoDigits(m);
            seconds = twoDigits(sec);
            tenths = QString::number(qint64(d));
            used = m + sec / 60 + d / 600;
        }
        if (used != 0)
            speed_ = signedWhole(roundEven(jizhong / used));

        const std::array<std::pair<StatLabel, QString>, 9> expected = {{
            {StatLabel::Level, levelText_},
            {StatLabel::Total, totalText_},
            {StatLabel::Count, count},
            {StatLabel::Hits, signedWhole(jizhong)},
            {StatLabel::Accuracy, accuracy_},
            {StatLabel::Minutes, minutes},
            {StatLabel::Seconds, seconds},
            {StatLabel::Tenths, tenths},
            {StatLabel::Speed, speed_},
        }};
        for (const auto& [label, text] : expected) {
            const QString shown = panel_.text(label);
            longestText = std::max(longestText, shown.size());
            if (shown != text)
                fail(QStringLiteral("statistics label %1 shows \"%2\", its formula gives \"%3\"")
                         .arg(int(label))
                         .arg(shown, text));
        }
    }

    void checkAlways() {
        const PracticeState& s = t_.state;
        if (s.running() && (s.jizhong() < 0 || s.jizhong() > s.jishu() - 1))
            fail("the hits left the range 0 to count - 1");
        if (s.mubiao != before_.mubiao) {
            const int style = t_.options.fengge();
            if (!inStyleSet(style, s.mubiao))
                fail(QStringLiteral("target %1 is not in the set of style %2")
                         .arg(s.mubiao)
                         .arg(style));
            const double widest = KeyTable::isNamedKey(s.mubiao) ? 4399 : 6599;
            if (s.hengzuobiao < 200 || s.hengzuobiao > widest)
                fail("the falling character's left edge is out of range");
        }
        longestCaption = std::max(longestCaption, t_.falling.caption().size());
    }

    double level() const { return levelText_.trimmed().toDouble(); }

    Trainer& t_;
    QWidget window_;
    StatisticsPanel panel_;
    Before before_{};
    qint64 now_ = 0;
    qint64 countdownStart_ = 0;
    qint64 runStart_ = 0;
    double shownClock_ = -1; // seconds, none before the first run-timer tick
    QString levelText_ = QStringLiteral("  3");
    QString totalText_ = QStringLiteral("50");
    double total_ = 50;
    QString accuracy_ = QStringLiteral("0");
    QString speed_ = QStringLiteral("0");
    int menuAsked_ = 0;
    int menuExpected_ = 0;
};

} // namespace

class PracticeSoakTest : public QObject {
    Q_OBJECT
private slots:
    void anHourOfPracticeKeepsEveryRuleAndGrowsNothing() {
        TrainerRig rig;
        Trainer trainer(rig.platform());
        Session session(trainer, rig.clock, rig.inputBox, 20240607);
        RunChecker checker(trainer);
        session.setObserver([&](const Session::Event& e) {
            // The recording fakes keep every call; only the trainer's own memory matters here.
            if (e.ms % 60000 == 0 && e.step == Session::Step::StatisticsTick)
                for (auto& channel : rig.channels)
                    channel.clear();
            return checker.observe(e);
        });

        const bool warmedUp = session.run(5 * 60);
        QVERIFY2(warmedUp, qPrintable(checker.failure));
        const Footprint early = footprintOf(trainer);
        const bool finished = session.run(55 * 60);
        QVERIFY2(finished, qPrintable(checker.failure));
        const Footprint late = footprintOf(trainer);

        QCOMPARE(late.objects, early.objects);
        QVERIFY(late.activeTimers <= 4);
        QVERIFY(checker.longestText <= 8);
        QVERIFY(checker.longestCaption <= 9);

        // The session really went through every situation it is meant to cover.
        const Session::Tally& tally = session.tally();
        QCOMPARE(tally.keys, 36000);
        QVERIFY(tally.startsWhileIdle > 0);
        QVERIFY(tally.startsDuringRun > 0);
        QVERIFY(tally.startsDuringCountdown > 0);
        QVERIFY(tally.stopsDuringRun > 0);
        QVERIFY(tally.stopsDuringCountdown > 0);
        QVERIFY(tally.runsReachingTheTotal > 0);
        QVERIFY(tally.landings > 0);
        QCOMPARE(tally.styles.size(), std::size_t(11));
        QCOMPARE(tally.levels.size(), std::size_t(20));
        QCOMPARE(tally.totals.size(), std::size_t(12));
    }
};

KEYVORA_TEST_MAIN(PracticeSoak, PracticeSoakTest)
#include "tst_PracticeSoak.moc"
