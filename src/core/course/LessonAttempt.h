#pragma once

#include "history/RunRecorder.h"

#include <QObject>

class Clock;

// One attempt at a lesson, whatever is typed in it: its state, its clock and the figures every
// lesson has. The clock starts at the first key and stops while the attempt is paused; the
// attempt ends when its last character is done.
//
// A key is counted when it is pressed for the lesson: a lone Shift, Ctrl, Alt or Caps Lock is no
// key, and a key pressed with Ctrl or Alt is a command of the window, not typing.
class LessonAttempt : public QObject {
    Q_OBJECT
public:
    enum class State { Ready, Running, Paused, Finished };
    enum class Outcome { Ignored, Right, Wrong };

    explicit LessonAttempt(const Clock& clock, QObject* parent = nullptr);

    State state() const { return state_; }

    // One key-down event: the Windows virtual-key code and the modifier bits 1 Shift, 2 Ctrl,
    // 4 Alt. A paused or ready attempt runs again with a practice key; every key is ignored once
    // the attempt is done.
    Outcome keyDown(int vk, int modifiers);
    void pause();

    // The code of the key to show next on the keyboard (a character, or -1 for none).
    virtual int nextCode() const = 0;

    int count() const { return count_; }
    // Seconds on the attempt's clock, without its pauses.
    double seconds() const;
    // The attempt's accuracy in %, rounded.
    virtual int accuracy() const = 0;
    // Characters typed a minute, as the record keeps it; and Chinese characters a minute (0 where
    // none are typed) with the keys struck for each (0 where it does not apply).
    virtual int speed() const = 0;
    virtual int characters() const { return 0; }
    int charSpeed() const;
    virtual double codeLength() const { return 0; }

    // The figures of every key, once the attempt is done (each call after the first gives
    // nothing).
    QList<KeyFigures> keyFigures() { return recorder_.finish(); }

    // The character a key types on a US keyboard (Shift held or not), or 0 for a key that types
    // none (Enter, Backspace, arrows, ...).
    static QChar typedCharacter(int vk, bool shift);
    // Whether a key press is practice at all: not a lone modifier and not a command.
    static bool isPracticeKey(int vk, int modifiers);

    static int perMinute(double amount, double seconds);

signals:
    void stateChanged(LessonAttempt::State state);
    // Something on display changed: the caret, a mark, the figures.
    void progressed();
    void finished();

protected:
    // A counted key of a running attempt: what it did. The attempt has counted it already.
    virtual Outcome handle(int vk, int modifiers) = 0;
    // The key shown when the attempt starts, for the per-key figures.
    virtual int firstTarget() const { return nextCode(); }
    // Ends the attempt: the clock stops and `finished` follows.
    void finish();

    const Clock& clock() const { return clock_; }
    RunRecorder& recorder() { return recorder_; }

private:
    void setState(State state);

    const Clock& clock_;
    RunRecorder recorder_;
    State state_ = State::Ready;
    int count_ = 0;
    double runningSince_ = 0;
    double secondsBefore_ = 0; // on the clock before the last pause
};
