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
    // tick, and the old key returns to the key colour in the same pass. The model writes only
    // changed colours, so a steady tick repaints at most the key that starts or stops being lit.
    const int litKey =
        (shanjian_ < 3 && running) ? KeyTable::keyOfTarget(state_.mubiao) : KeyTable::noKey;
    for (int k = 0; k <= KeyTable::maxKeyIndex; ++k)
        keyboard_.setKeyColour(k,
                               k == litKey ? KeyboardModel::litColour : KeyboardModel::keyColour);

    // Only an active run is stopped: after a completed run the counters stay above the total
    // until the next run begins, and stopping again then would hide that run's countdown.
    if (state_.runComplete() && state_.running() && endOfRun_)
        endOfRun_();
}
