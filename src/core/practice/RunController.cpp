#include "practice/RunController.h"

#include "keyboard/FallingCharacter.h"
#include "keyboard/FallingLabel.h"
#include "keyboard/TargetSelector.h"
#include "platform/Clock.h"
#include "practice/NumberText.h"
#include "practice/PracticeState.h"
#include "practice/RunClock.h"

#include <algorithm>
#include <array>
#include <cmath>

RunController::RunController(PracticeState& state, FallingLabel& falling, TargetSelector& selector,
                             RunClock& runClock, FallingCharacter& fallingCharacter,
                             const Clock& clock, QObject* parent)
    : QObject(parent), state_(state), falling_(falling), selector_(selector), runClock_(runClock),
      fallingCharacter_(fallingCharacter), clock_(clock), timer1_(this), countdownTimer_(this) {
    timer1_.setInterval(runTickMs);
    connect(&timer1_, &QTimer::timeout, this, &RunController::tickRun);

    countdownTimer_.setSingleShot(true);
    countdownTimer_.setTimerType(Qt::PreciseTimer);
    connect(&countdownTimer_, &QTimer::timeout, this, &RunController::tickCountdown);
}

void RunController::start() {
    if (beforeStart_)
        beforeStart_();
    stop();

    countdownOrigin_ = clock_.monotonicSeconds();
    countdownActive_ = true;
    // The figure is brought up to date before the countdown shows, so a figure left from the
    // previous countdown never appears.
    tickCountdown();
    if (countdownActive_)
        setCountdownVisible(true);
}

void RunController::stop() {
    falling_.setCaption(QString());
    setRunTimer(false);
    countdownTimer_.stop();
    countdownActive_ = false;
    setCountdownVisible(false);
}

void RunController::tickRun() {
    if (!timer1_.isActive())
        return;
    runClock_.update();
    fallingCharacter_.tick();
}

void RunController::tickCountdown() {
    if (!countdownActive_)
        return;
    const double elapsed = std::fabs(clock_.monotonicSeconds() - countdownOrigin_);
    // A late wake-up past the end would give a negative figure for an instant; show 0 instead.
    const double left = std::max(0.0, NumberText::roundHalfEven(countdownSeconds - elapsed));
    setCountdownNumber(QString::number(int(left)));

    if (elapsed > countdownSeconds) {
        finishCountdown();
        return;
    }
    countdownTimer_.start(msUntilNextChange(elapsed));
}

// The figure 5 - elapsed, rounded half to even, changes at 0.5, 1.5, 2.5, 3.5 and 4.5 s, and
// the run starts once more than 5 s have passed. Waking just past the next of these moments
// (never before it) shows each figure on time without polling.
int RunController::msUntilNextChange(double elapsed) {
    static constexpr std::array<double, 6> moments = {0.5, 1.5, 2.5, 3.5, 4.5, countdownSeconds};
    double next = countdownSeconds;
    for (double moment : moments) {
        if (moment > elapsed) {
            next = moment;
            break;
        }
    }
    return int(std::floor((next - elapsed) * 1000)) + 1;
}

void RunController::finishCountdown() {
    countdownTimer_.stop();
    countdownActive_ = false;
    setCountdownVisible(false);

    state_.kaishishijian = clock_.monotonicSeconds();
    // The counters are reset before the first target is chosen, so a run that follows a
    // completed one starts with a fresh target rather than the last one of that run.
    state_.setJishu(1);
    state_.setJizhong(0);
    selector_.zifu();
    setRunTimer(true);
}

// The single place where the run timer is switched, so the running flag always mirrors it.
void RunController::setRunTimer(bool on) {
    if (on)
        timer1_.start();
    else
        timer1_.stop();
    state_.setRunning(timer1_.isActive());
}

void RunController::setCountdownVisible(bool visible) {
    if (countdownVisible_ == visible)
        return;
    countdownVisible_ = visible;
    emit countdownChanged();
}

void RunController::setCountdownNumber(const QString& number) {
    if (countdownNumber_ == number)
        return;
    countdownNumber_ = number;
    emit countdownChanged();
}
