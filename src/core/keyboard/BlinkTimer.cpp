#include "keyboard/BlinkTimer.h"

#include "keyboard/KeyTable.h"
#include "keyboard/KeyboardModel.h"
#include "practice/PracticeState.h"

BlinkTimer::BlinkTimer(PracticeState& state, KeyboardModel& keyboard, QObject* parent)
    : QObject(parent), state_(state), keyboard_(keyboard), timer3_(this) {
    timer3_.setInterval(tickMs);
    connect(&timer3_, &QTimer::timeout, this, &BlinkTimer::tick);
}

void BlinkTimer::start() {
    timer3_.start();
}

void BlinkTimer::tick() {
    const bool running = state_.running();
    shanjian_ += 1;
    if (shanjian_ == 5 || !running)
        shanjian_ = 0;

    // A new target does not restart the cycle: the light moves to the new key at the next lit
    // tick, and the old key returns to the key colour in the same pass. Nothing else colours
    // the keys, so only the key lit last and the key to light can change; the model writes only
    // changed colours, so a steady tick repaints nothing.
    const int litKey =
        (shanjian_ < 3 && running) ? KeyTable::keyOfTarget(state_.mubiao) : KeyTable::noKey;
    if (lit_ != litKey && lit_ != KeyTable::noKey)
        keyboard_.setKeyColour(lit_, KeyboardModel::keyColour);
    if (litKey != KeyTable::noKey)
        keyboard_.setKeyColour(litKey, KeyboardModel::litColour);
    lit_ = litKey;

    // Only an active run is stopped: after a completed run the counters stay above the total
    // until the next run begins, and stopping again then would hide that run's countdown.
    if (state_.running() && state_.runComplete() && endOfRun_)
        endOfRun_();
}
