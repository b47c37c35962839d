// Cost of the trainer's widget-free paths in the steady state of a run, on Google Benchmark: one
// key press through the window's entry point (right and wrong key, in a keyboard and in a
// falling style), one tick of each 100 ms timer and one step of the countdown. Every outside
// thing is a test fake, so only the trainer's own work is measured, and the fake clock moves on
// with every iteration. Each iteration times only the path it is named after; setting the scene
// (moving the clock, the other timers' ticks, emptying the recording channels) is not counted.
//
//   build/release/bench/bench_core --benchmark_repetitions=5
//   --benchmark_report_aggregates_only=true
//
// A benchmark whose path did not do its work (a right key that was not a hit, a run that ended)
// reports an error instead of a figure.

#include "TrainerRig.h"

#include "app/Trainer.h"
#include "practice/FingerIndicators.h"
#include "practice/KeyEventMapper.h"

#include <QAction>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdint>

namespace {

enum class Style { Keyboard, Falling };
enum class Timer { Run, Statistics, Blink };

constexpr int keyboardStyle = 0; // 显示键盘-字母和数字: key-code checking
constexpr int fallingStyle = 11; // 下落字符-全部字符: Shift-aware checking, Shift hint
constexpr int firstEffect = 2;   // key-sound item 音效1: a hit replays the effect
constexpr int level = 3;
constexpr double tickSeconds = 0.1; // the interval of all three timers

// Far beyond what the total menu allows, so that no number of iterations completes the run.
constexpr double endlessTotal = 999999999;

// The seconds the call took; the benchmarks report these rather than the whole iteration.
template <typename Call> double secondsOf(Call&& call) {
    const auto start = std::chrono::steady_clock::now();
    call();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// A key-down event as Qt delivers it to the window.
struct KeyEvent {
    int qtKey = 0;
    Qt::KeyboardModifiers modifiers;
};

// The event of typing the target on a US keyboard, Shift included where the character needs it.
KeyEvent typing(int target) {
    switch (target) {
    case 8:
        return {Qt::Key_Backspace, {}};
    case 13:
        return {Qt::Key_Return, {}};
    case 16:
    case 26:
        return {Qt::Key_Shift, Qt::ShiftModifier};
    case 17:
    case 27:
        return {Qt::Key_Control, Qt::ControlModifier};
    case 18:
    case 28:
        return {Qt::Key_Alt, Qt::AltModifier};
    case 20:
        return {Qt::Key_CapsLock, {}};
    default:
        break;
    }
    // Qt names a character key by its unshifted-letter or punctuation value, its ASCII code.
    const int qtKey = target >= 'a' && target <= 'z' ? target - 32 : target;
    return {qtKey, FingerIndicators::needsShift(target) ? Qt::ShiftModifier : Qt::NoModifier};
}

// A plain digit key that does not strike the target in either checking style.
KeyEvent missing(int target) {
    return typing(target == '0' ? '1' : '0');
}

// A trainer in a running run of the given style, started as the program starts it, with the
// key sound, the error sound and the fingering on, at level 3 and with a total it never reaches.
struct Scene {
    TrainerRig rig;
    Trainer trainer{rig.platform()};
    int keySounds = 0;   // plays of the key-sound channel since the scene was set
    int errorSounds = 0; // plays of the error-sound channel

    explicit Scene(Style style) {
        trainer.load();
        trainer.deferredStart.tick();
        MenuTree& menus = trainer.menus;
        menus.fengge1[style == Style::Keyboard ? keyboardStyle : fallingStyle]->trigger();
        menus.shengyin1[firstEffect]->trigger();
        menus.jibie[level - 1]->trigger();
        trainer.options.setCuowushengyin(true);
        trainer.options.setZhifa(true);
        trainer.options.setTotal(Options::customTotal, endlessTotal, true);
        startRun();
        drainChannels();
        keySounds = errorSounds = 0;
    }

    void startRun() {
        trainer.run.start();
        rig.clock.advance(5.01);
        trainer.run.tickCountdown();
    }

    // The recording channels would grow without end; their counts are kept here instead.
    void drainChannels() {
        keySounds += rig.channel(1).plays;
        errorSounds += rig.channel(2).plays;
        rig.channel(1).clear();
        rig.channel(2).clear();
    }

    // Whether the run is still going and, by its settings, still the run the scene set.
    bool steady(Style style) const {
        const Options& o = trainer.options;
        return trainer.state.running() && !trainer.state.runComplete() &&
               o.fengge() == (style == Style::Keyboard ? keyboardStyle : fallingStyle) &&
               o.shengyin() == firstEffect && o.cuowushengyin() && o.zhifa();
    }
};

// One key press, from the Qt event to the end of the key-down handler: mapping, count, check,
// then the next target and the key sound, or the error sound.
void keyPress(benchmark::State& bench, Style style, bool right) {
    Scene scene(style);
    PracticeState& state = scene.trainer.state;
    const int count = state.jishu();
    const int hits = state.jizhong();
    std::int64_t presses = 0;
    for (auto _ : bench) {
        scene.rig.clock.advance(tickSeconds / 2);
        const KeyEvent event = right ? typing(state.mubiao) : missing(state.mubiao);
        bench.SetIterationTime(secondsOf([&] {
            const auto stroke = KeyEventMapper::map(event.qtKey, event.modifiers);
            scene.trainer.keyInput.keyDown(stroke.code, stroke.state);
        }));
        scene.drainChannels();
        ++presses;
    }

    const std::int64_t counted = state.jishu() - count;
    const std::int64_t hit = state.jizhong() - hits;
    const bool didItsWork = right ? hit == presses && scene.keySounds == presses
                                  : hit == 0 && scene.errorSounds == presses;
    if (counted != presses || !didItsWork || !scene.steady(style))
        bench.SkipWithError("the key presses were not handled as the benchmark intends");
}

// One tick of the named timer, with all three ticking every 100 ms as in the program: the run
// timer moves the run clock and the falling character (which lands and is replaced now and
// then), the statistics timer rewrites the figures and the fingers, the blink timer blinks.
void timerTick(benchmark::State& bench, Style style, Timer timer) {
    Scene scene(style);
    Trainer& trainer = scene.trainer;
    const auto tick = [&](Timer which, auto&& call) {
        if (which == timer)
            bench.SetIterationTime(secondsOf(call));
        else
            call();
    };
    const int count = trainer.state.jishu();
    for (auto _ : bench) {
        scene.rig.clock.advance(tickSeconds);
        tick(Timer::Run, [&] { trainer.run.tickRun(); });
        tick(Timer::Statistics, [&] { trainer.statistics.tick(); });
        tick(Timer::Blink, [&] { trainer.blink.tick(); });
    }

    // Over a few hundred ticks at level 3 some characters must have landed and been replaced.
    const bool fell = bench.iterations() < 1000 || trainer.state.jishu() > count;
    if (!fell || !scene.steady(style))
        bench.SkipWithError("the timers did not run a steady run");
}

// One step of the countdown that the next Start shows, at each moment its single-shot timer
// wakes: just past every change of the figure, and the step that ends it and starts the run.
// The Start that begins each countdown is not counted.
void countdownTick(benchmark::State& bench) {
    Scene scene(Style::Keyboard);
    RunController& run = scene.trainer.run;
    static constexpr std::array wakeUps = {0.501, 1.501, 2.501, 3.501, 4.501, 5.001};
    std::size_t next = wakeUps.size();
    double origin = 0;
    std::int64_t started = 0;
    std::int64_t ranOut = 0; // countdowns that ended in a running run
    for (auto _ : bench) {
        if (next == wakeUps.size()) {
            ranOut += run.running() ? 1 : 0;
            origin = scene.rig.clock.monotonic;
            run.start();
            ++started;
            next = 0;
        }
        scene.rig.clock.advance(origin + wakeUps[next++] - scene.rig.clock.monotonic);
        bench.SetIterationTime(secondsOf([&] { run.tickCountdown(); }));
    }

    // The first check above saw the run the scene started, not a countdown of this loop.
    const bool lastComplete = next == wakeUps.size();
    ranOut += (lastComplete && run.running() ? 1 : 0) - 1;
    if (ranOut != (lastComplete ? started : started - 1))
        bench.SkipWithError("the countdowns did not start their runs");
}

void registerAll() {
    const struct {
        const char* name;
        Style style;
    } styles[] = {{"KeyboardStyle", Style::Keyboard}, {"FallingStyle", Style::Falling}};

    for (const auto& [styleName, style] : styles) {
        const QByteArray suffix = QByteArray("/") + styleName;
        for (const auto& [name, right] :
             {std::pair{"KeyPress/Right", true}, {"KeyPress/Wrong", false}})
            benchmark::RegisterBenchmark((name + suffix).constData(), keyPress, style, right)
                ->UseManualTime();
        for (const auto& [name, timer] : {std::pair{"Timer1/RunClockAndFall", Timer::Run},
                                          {"Timer2/StatisticsAndFingers", Timer::Statistics},
                                          {"Timer3/BlinkAndEndOfRun", Timer::Blink}})
            benchmark::RegisterBenchmark((name + suffix).constData(), timerTick, style, timer)
                ->UseManualTime();
    }
    benchmark::RegisterBenchmark("CountdownTick", countdownTick)->UseManualTime();
}

} // namespace

int main(int argc, char** argv) {
    // The trainer's menu items are QActions, which need a GUI application, though no window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
