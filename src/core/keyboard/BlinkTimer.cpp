#include "keyboard/BlinkTimer.h"

#include "keyboard/KeyTable.h"
#include "keyboard/KeyboardModel.h"
#include "practice/PracticeState.h"

BlinkTimer::BlinkTimer(PracticeState& state, KeyboardModel& keyboard, QObject* parent)
    : QObject(parent), state_(state), keyboard_(keyboard), timer3_(tickMs, this) {
    connect(&timer3_, &OnDemandTimer::timeout, this, &BlinkTimer::tick);
    connect(&state_, &PracticeState::runningChanged, &timer3_, &OnDemandTimer::wake);
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

    // Without a run, once the light is off and the phase back at 0, a tick changes nothing. A
    // run that ended in this very tick still needs the next one to bring the phase back to 0.
    if (!state_.running() && lit_ == KeyTable::noKey && shanjian_ == 0)
        timer3_.sleep();
}
