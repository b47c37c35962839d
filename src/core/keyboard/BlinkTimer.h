#pragma once

#include "keyboard/KeyTable.h"

#include <QObject>
#include <QTimer>

#include <functional>

class KeyboardModel;
class PracticeState;

// The key blink timer `Timer3`: while a run is going, the target's key takes the lit colour
// for three ticks of five and the key colour for two. Every tick ends with the end-of-run
// check.
class BlinkTimer : public QObject {
    Q_OBJECT
public:
    static constexpr int tickMs = 100;

    BlinkTimer(PracticeState& state, KeyboardModel& keyboard, QObject* parent = nullptr);

    // Starts the timer; it then runs until the program exits.
    void start();

    // One tick: advances the blink phase, colours every key, then runs the end-of-run hook if
    // the run is complete while a run is active.
    void tick();

    // The end-of-run action (Stop).
    void setEndOfRun(std::function<void()> hook) { endOfRun_ = std::move(hook); }

    // `shanjian`: 1, 2, 3, 4, 0, 1, ... during a run, held at 0 otherwise; lit while below 3.
    int phase() const { return shanjian_; }

private:
    PracticeState& state_;
    KeyboardModel& keyboard_;
    std::function<void()> endOfRun_;
    QTimer timer3_;
    int lit_ = KeyTable::noKey; // the key this timer lit last
    int shanjian_ = 0;
};
