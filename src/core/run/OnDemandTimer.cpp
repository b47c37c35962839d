#include "run/OnDemandTimer.h"

#include "platform/Clock.h"

#include <algorithm>
#include <cmath>

OnDemandTimer::OnDemandTimer(int intervalMs, QObject* parent)
    : QObject(parent), timer_(this), intervalSeconds_(intervalMs / 1000.0) {
    systemClock_.start();
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &OnDemandTimer::fire);
}

double OnDemandTimer::now() const {
    return clock_ ? clock_->monotonicSeconds() : double(systemClock_.nsecsElapsed()) / 1e9;
}

// The number of the last beat at or before a moment.
qint64 OnDemandTimer::beatBefore(double t) const {
    return qint64(std::floor((t - origin_) / intervalSeconds_));
}

qint64 OnDemandTimer::beatNow() const {
    return qint64(std::llround((now() - origin_) / intervalSeconds_));
}

void OnDemandTimer::start() {
    skipTo_ = -1;
    origin_ = now();
    lastBeat_ = 0;
    started_ = true;
    awake_ = true;
    // A plain repeating timer: the toolkit lines up timers of one interval, so the run, statistics
    // and blink timers share their wake-ups.
    timer_.setSingleShot(false);
    timer_.start(int(std::lround(intervalSeconds_ * 1000)));
}

void OnDemandTimer::wake() {
    if (!started_ || awake_)
        return;
    awake_ = true;
    // The first tick waits for the next beat; from there the timer repeats as before.
    const double beat =
        origin_ + double(std::max(lastBeat_, beatBefore(now())) + 1) * intervalSeconds_;
    timer_.setSingleShot(true);
    timer_.start(std::max(0, int(std::ceil((beat - now()) * 1000))));
}

void OnDemandTimer::sleep() {
    if (alwaysTick_)
        return;
    skipTo_ = -1;
    awake_ = false;
    timer_.stop();
}

void OnDemandTimer::stop() {
    skipTo_ = -1;
    started_ = false;
    awake_ = false;
    timer_.stop();
}

void OnDemandTimer::skipTo(qint64 beat) {
    if (!started_ || alwaysTick_)
        return;
    awake_ = true;
    skipTo_ = beat;
    const double at = origin_ + double(beat) * intervalSeconds_;
    // A coarse timer may be off by a twentieth of a long wait; one precise wake-up costs nothing.
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    timer_.start(std::max(0, int(std::ceil((at - now()) * 1000))));
}

void OnDemandTimer::setAlwaysTick(bool on) {
    alwaysTick_ = on;
    if (on)
        wake();
}

void OnDemandTimer::fire() {
    // A coarse timer may wake a little early or late: the tick belongs to the nearest beat.
    lastBeat_ = std::max(lastBeat_ + 1, beatNow());
    skipTo_ = -1;
    if (timer_.isSingleShot()) {
        timer_.setTimerType(Qt::CoarseTimer);
        timer_.setSingleShot(false);
        timer_.start(int(std::lround(intervalSeconds_ * 1000)));
    }
    emit timeout();
}
