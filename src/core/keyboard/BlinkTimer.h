#pragma once

#include "keyboard/KeyTable.h"
#include "practice/OnDemandTimer.h"

#include <QObject>

#include <functional>

class Clock;
class KeyboardModel;
class PracticeState;

// The key blink timer `Timer3`: while a run is going, the target's key takes the lit colour
// for three ticks of five and the key colour for two. Every tick ends with the end-of-run
// check. Between runs it sleeps once the light is off; the start of a run wakes it, and it
// ticks on its old beat.
class BlinkTimer : public QObject {
    Q_OBJECT
public:
    static constexpr int tickMs = 100;

    BlinkTimer(PracticeState& state, KeyboardModel& keyboard, QObject* parent = nullptr);

    void setClock(const Clock& clock) { timer3_.setClock(&clock); }

    // Starts the timer at the load step.
    void start() { timer3_.start(); }

    // One tick: advances the blink phase, colours every key, then runs the end-of-run hook if
    // the run is complete while a run is active.
    void tick();

    // The end-of-run action (Stop).
    void setEndOfRun(std::function<void()> hook) { endOfRun_ = std::move(hook); }

    // `shanjian`: 1, 2, 3, 4, 0, 1, ... during a run, held at 0 otherwise; lit while below 3.
    int phase() const { return shanjian_; }

    const OnDemandTimer& timer() const { return timer3_; }
    OnDemandTimer& timer() { return timer3_; }

private:
    PracticeState& state_;
    KeyboardModel& keyboard_;
    std::function<void()> endOfRun_;
    OnDemandTimer timer3_;
    int lit_ = KeyTable::noKey; // the key this timer lit last
    int shanjian_ = 0;
};
