#pragma once

#include "FakeClock.h"
#include "FakeDialogs.h"

#include "app/Trainer.h"
#include "menus/MenuTree.h"
#include "practice/KeyChecker.h"

#include <QAction>

#include <array>
#include <functional>
#include <random>
#include <set>
#include <vector>

// A simulated user at the keyboard and the menus of a Trainer, with the program's timers called
// in their real proportions on a 10 ms grid of the fake clock: Timer2 and Timer3 every 100 ms
// from start-up, Timer5 once at 100 ms, Timer1 every 100 ms from the end of each countdown, the
// countdown on every grid step while it runs, and any extra timers the test adds. The user
// strikes ten keys a second, right or wrong by a changing mood, and chooses Start, Stop, levels,
// totals, styles and sound options at random moments. All choices come from the session's own
// seeded generator, so a session replays exactly; an observer sees every step after it ran.
class PracticeSession {
public:
    static constexpr int gridMs = 10;
    static constexpr int timerMs = 100;

    enum class Step {
        Key,
        RunTick,
        StatisticsTick,
        BlinkTick,
        CountdownTick,
        DeferredStart,
        Extra,
        Menu
    };
    enum class KeyKind { Right, Wrong, ShiftOrCaps, AltA };
    enum class Choice {
        Start,
        Stop,
        Level,
        Total,
        Style,
        SoundMode,
        ErrorSound,
        Fingering,
        Music,
        Recitation,
        ClickKey
    };

    struct Event {
        Step step = Step::Key;
        qint64 ms = 0;
        KeyKind key = KeyKind::Wrong;
        int code = 0;
        int modifiers = 0;
        Choice choice = Choice::Start;
        int index = 0;
        QString answer; // the custom total typed into the input box
    };

    // What a custom total entry turns into: the total's text, or nothing for a cancelled box.
    struct CustomAnswer {
        QString entry;
        QString shown; // empty: the total stays as it was
        double value;
    };
    static inline const std::array<CustomAnswer, 7> customAnswers = {{
        {QStringLiteral("150"), QStringLiteral(" 150"), 150},
        {QStringLiteral("12.5"), QStringLiteral(" 12.5"), 12.5},
        {QStringLiteral("  40x"), QStringLiteral(" 40"), 40},
        {QStringLiteral("5"), QStringLiteral("99"), 99},
        {QStringLiteral("abc"), QStringLiteral("99"), 99},
        {QStringLiteral("100000"), QStringLiteral("99"), 99},
        {QString(), QString(), 0},
    }};

    // How often each moment of the session happened.
    struct Tally {
        int keys = 0;
        int startsWhileIdle = 0;
        int startsDuringCountdown = 0;
        int startsDuringRun = 0;
        int stopsDuringCountdown = 0;
        int stopsDuringRun = 0;
        int runsReachingTheTotal = 0;
        int landings = 0;
        std::set<int> styles;
        std::set<int> levels;
        std::set<int> totals;
    };

    PracticeSession(Trainer& trainer, FakeClock& clock, FakeInputBox& inputBox, unsigned seed)
        : trainer_(trainer), clock_(clock), inputBox_(inputBox), random_(seed) {
        for (int aware = 0; aware < 2; ++aware)
            for (int target = 0; target < 127; ++target)
                rightKeys_[std::size_t(aware)][std::size_t(target)] = findRightKey(aware, target);
        setClock();
    }

    // The fake clock's monotonic reading at a session time.
    static double monotonicAt(qint64 ms) { return 1000.0 + double(ms) / 1000.0; }

    // Adds a timer that fires every intervalMs from start-up, after the trainer's own.
    void addTimer(int intervalMs, std::function<void()> tick) {
        extraTimers_.push_back({intervalMs, std::move(tick)});
    }

    // Called after every step; returning false ends the session early.
    void setObserver(std::function<bool(const Event&)> observer) {
        observer_ = std::move(observer);
    }

    qint64 now() const { return ms_; }
    const Tally& tally() const { return tally_; }

    // The load step at time 0, then the session until `seconds` of simulated time have passed.
    // Returns false when the observer ended it.
    bool run(int seconds) {
        if (!loaded_) {
            loaded_ = true;
            trainer_.load();
        }
        const qint64 end = ms_ + qint64(seconds) * 1000;
        while (ms_ < end) {
            ms_ += gridMs;
            setClock();
            if (ms_ % timerMs == gridMs)
                planWindow();
            if (!gridStep())
                return false;
        }
        return true;
    }

private:
    struct Stroke {
        int code = -1;
        int modifiers = 0;
    };
    struct ExtraTimer {
        int intervalMs;
        std::function<void()> tick;
    };

    static Stroke findRightKey(bool shiftAware, int target) {
        for (int modifiers : {0, 1})
            for (int code = 8; code <= 222; ++code)
                if (KeyChecker::isCorrect(shiftAware, target, code, modifiers))
                    return {code, modifiers};
        return {};
    }

    void setClock() {
        clock_.monotonic = monotonicAt(ms_);
        clock_.timeOfDay = 36000.0 + double(ms_) / 1000.0;
    }

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(random_) < p; }

    // Each 100 ms window holds one key stroke and perhaps one menu choice, at random grid steps.
    void planWindow() {
        keySlot_ = pick(timerMs / gridMs);
        keyFirst_ = chance(0.5);
        if (chance(1.0 / 80))
            mood_ = std::array<double, 4>{0.97, 0.7, 0.3, 0.0}[std::size_t(pick(4))];
        choiceSlot_ = -1;
        const bool counting = trainer_.run.countdownActive();
        const bool running = trainer_.state.running();
        Choice choice = Choice::Start;
        if (chance(counting ? 1.0 / 150 : running ? 1.0 / 300 : 1.0 / 15))
            choice = Choice::Start;
        else if (chance(counting ? 1.0 / 200 : running ? 1.0 / 400 : 1.0 / 1000))
            choice = Choice::Stop;
        else if (chance(1.0 / 80))
            choice = Choice::Level;
        else if (chance(1.0 / 120))
            choice = Choice::Total;
        else if (chance(1.0 / 60))
            choice = Choice::Style;
        else if (chance(1.0 / 200))
            choice = Choice::SoundMode;
        else if (chance(1.0 / 300))
            choice = Choice(int(Choice::ErrorSound) + pick(5));
        else
            return;
        choice_ = choice;
        choiceSlot_ = pick(timerMs / gridMs);
    }

    bool gridStep() {
        const int slot = int(ms_ % timerMs) / gridMs;
        if (keyFirst_ && slot == keySlot_ && !strike())
            return false;
        if (slot == choiceSlot_ && !choose())
            return false;
        if (ms_ % timerMs == 0) {
            if (!tick(Step::StatisticsTick, [this] { trainer_.statistics.tick(); }))
                return false;
            const bool wasRunning = trainer_.state.running();
            if (!tick(Step::BlinkTick, [this] { trainer_.blink.tick(); }))
                return false;
            if (wasRunning && !trainer_.state.running())
                ++tally_.runsReachingTheTotal;
            if (ms_ == timerMs &&
                !tick(Step::DeferredStart, [this] { trainer_.deferredStart.tick(); }))
                return false;
        }
        for (const ExtraTimer& timer : extraTimers_)
            if (ms_ % timer.intervalMs == 0 && !tick(Step::Extra, timer.tick))
                return false;
        if (trainer_.state.running() && ms_ > runStart_ && (ms_ - runStart_) % timerMs == 0) {
            const int before = trainer_.state.jishu();
            if (!tick(Step::RunTick, [this] { trainer_.run.tickRun(); }))
                return false;
            tally_.landings += trainer_.state.jishu() - before;
        }
        if (trainer_.run.countdownActive()) {
            if (!tick(Step::CountdownTick, [this] { trainer_.run.tickCountdown(); }))
                return false;
            if (trainer_.state.running())
                runStart_ = ms_;
        }
        if (!keyFirst_ && slot == keySlot_ && !strike())
            return false;
        return true;
    }

    bool tick(Step step, const std::function<void()>& action) {
        action();
        Event event;
        event.step = step;
        event.ms = ms_;
        return report(event);
    }

    bool report(const Event& event) { return !observer_ || observer_(event); }

    bool strike() {
        ++tally_.keys;
        const PracticeState& state = trainer_.state;
        const bool shiftAware = trainer_.options.fengge() == Options::fallingAllCharacters;
        Event event;
        event.step = Step::Key;
        event.ms = ms_;
        const Stroke right = state.mubiao >= 0 && state.mubiao < 127
                                 ? rightKeys_[shiftAware][std::size_t(state.mubiao)]
                                 : Stroke{};
        const double r = std::uniform_real_distribution<double>(0, 1)(random_);
        if (r < 0.02) {
            event.key = KeyKind::AltA;
            event.code = 65;
            event.modifiers = 4;
        } else if (r < 0.07 && shiftAware) {
            event.key = KeyKind::ShiftOrCaps;
            event.code = chance(0.8) ? 16 : 20;
            event.modifiers = event.code == 16 ? 1 : 0;
        } else if (right.code >= 0 && chance(mood_)) {
            event.key = KeyKind::Right;
            event.code = right.code;
            event.modifiers = right.modifiers;
        } else {
            event.key = KeyKind::Wrong;
            wrongKey(shiftAware, state.mubiao, event);
        }
        trainer_.keyInput.keyDown(event.code, event.modifiers);
        return report(event);
    }

    // A key that misses the target: a function key, Esc, Tab, another letter, digit or
    // punctuation key, sometimes with Shift or Ctrl.
    void wrongKey(bool shiftAware, int target, Event& event) {
        static constexpr std::array<int, 14> others = {27,  9,   112, 116, 123, 32,  13,
                                                       186, 188, 190, 192, 219, 222, 8};
        const int kind = pick(3);
        int code = kind == 0   ? others[std::size_t(pick(int(others.size())))]
                   : kind == 1 ? 65 + pick(26)
                               : 48 + pick(10);
        int modifiers = chance(0.8) ? 0 : chance(0.5) ? 1 : 2;
        if (KeyChecker::isCorrect(shiftAware, target, code, modifiers) || code == 16 ||
            code == 20 || (modifiers == 4 && code == 65)) {
            code = 116; // F5 strikes no target
            modifiers = 0;
        }
        event.code = code;
        event.modifiers = modifiers;
    }

    bool choose() {
        Event event;
        event.step = Step::Menu;
        event.ms = ms_;
        event.choice = choice_;
        MenuTree& menus = trainer_.menus;
        const bool counting = trainer_.run.countdownActive();
        const bool running = trainer_.state.running();
        switch (choice_) {
        case Choice::Start:
            ++(counting  ? tally_.startsDuringCountdown
               : running ? tally_.startsDuringRun
                         : tally_.startsWhileIdle);
            menus.jijiankaishi->trigger();
            break;
        case Choice::Stop:
            if (counting)
                ++tally_.stopsDuringCountdown;
            else if (running)
                ++tally_.stopsDuringRun;
            menus.jijiantingzhi->trigger();
            break;
        case Choice::Level:
            event.index = pick(20);
            tally_.levels.insert(event.index);
            menus.jibie[event.index]->trigger();
            break;
        case Choice::Total:
            event.index = chance(0.2) ? 11 : pick(11);
            if (event.index == 11) {
                event.answer = customAnswers[std::size_t(pick(int(customAnswers.size())))].entry;
                inputBox_.answers = {event.answer};
            }
            tally_.totals.insert(event.index);
            menus.zongshu[event.index]->trigger();
            break;
        case Choice::Style:
            event.index =
                std::array<int, 11>{0, 1, 2, 3, 5, 6, 7, 8, 9, 10, 11}[std::size_t(pick(11))];
            tally_.styles.insert(event.index);
            menus.fengge1[event.index]->trigger();
            break;
        case Choice::SoundMode:
            event.index = pick(9);
            menus.shengyin1[event.index]->trigger();
            break;
        case Choice::ErrorSound:
            menus.cuowushengyin->trigger();
            break;
        case Choice::Fingering:
            menus.zhifa->trigger();
            break;
        case Choice::Music:
            if (menus.beijingyinyue->isEnabled())
                menus.beijingyinyue->trigger();
            break;
        case Choice::Recitation:
            menus.bofangwubi->trigger();
            break;
        case Choice::ClickKey:
            event.index = 65 + pick(26);
            trainer_.wubi.clickKey(event.index);
            break;
        }
        return report(event);
    }

    Trainer& trainer_;
    FakeClock& clock_;
    FakeInputBox& inputBox_;
    std::mt19937 random_;
    std::function<bool(const Event&)> observer_;
    std::vector<ExtraTimer> extraTimers_;
    std::array<std::array<Stroke, 127>, 2> rightKeys_{};
    Tally tally_;
    qint64 ms_ = 0;
    qint64 runStart_ = 0;
    bool loaded_ = false;
    double mood_ = 0.97;
    int keySlot_ = 0;
    bool keyFirst_ = true;
    int choiceSlot_ = -1;
    Choice choice_ = Choice::Start;
};
