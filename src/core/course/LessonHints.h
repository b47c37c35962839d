#pragma once

#include "keyboard/KeyTable.h"
#include "practice/FingerHints.h"
#include "run/OnDemandTimer.h"

#include <array>

class Clock;
class KeyboardModel;
class Options;

// The hints of a lesson, as the main window gives them in a run: the key of the character to type
// blinks on the drawn keyboard (lit for three ticks of five), with the Shift key of the other hand
// for a character typed with Shift, and the finger button of the finger that strikes it blinks
// along while the finger hint is on. It ticks only while a lesson waits for its next key.
class LessonHints : public FingerHints {
    Q_OBJECT
public:
    static constexpr int tickMs = 100;

    LessonHints(KeyboardModel& keyboard, const Options& options, QObject* parent = nullptr);

    void setClock(const Clock& clock) { timer_.setClock(&clock); }

    // The character whose keys to show, or -1 for none (the lights go out and the timer sleeps).
    // A new character is lit at once, from the start of a blink cycle.
    void show(int code);
    int code() const { return code_; }

    // One tick: the next step of the blink.
    void tick();

    bool fingerLit(int i) const override;
    bool shiftLit(int i) const override;

    // The keys a character is typed with: its own key and the Shift key held for it (noKey when
    // none), and the finger that strikes it (-1 for the thumbs).
    struct Keys {
        int key = KeyTable::noKey;
        int shift = KeyTable::noKey;
        int finger = -1;
    };
    static Keys keysOf(int code);

    const OnDemandTimer& timer() const { return timer_; }

signals:
    // Called at every tick, for whatever else follows the lesson's beat (the clock on display).
    void ticked();

private:
    void light(bool on);

    KeyboardModel& keyboard_;
    const Options& options_;
    OnDemandTimer timer_;
    int code_ = -1;
    Keys keys_;
    int phase_ = 0;
    std::array<bool, 8> fingers_{};
    std::array<bool, 2> shifts_{};
};
