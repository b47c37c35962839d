#pragma once

#include "history/RunRecorder.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QVector>

class Clock;

// One attempt at a lesson's text: the character to type next, what became of each character
// typed, and the lesson's own figures. The clock starts at the first key and stops while the
// lesson is paused; the lesson ends when its last character is typed.
//
// A key is counted when it is pressed for the text: a lone Shift, Ctrl, Alt or Caps Lock is not
// a key, and a key pressed with Ctrl or Alt is a command of the window, not typing. A wrong key
// is counted and leaves the caret where it is; a character is a hit when the first key pressed
// for it types it.
class LessonSession : public QObject {
    Q_OBJECT
public:
    enum class State { Ready, Running, Paused, Finished };
    enum class Mark : unsigned char { Pending, Right, Missed };
    enum class Outcome { Ignored, Right, Wrong };

    LessonSession(QString text, const Clock& clock, QObject* parent = nullptr);

    const QString& text() const { return text_; }
    // Where the text also takes another character than its own (ü typed as u in üe).
    void setAlsoAccepted(QHash<int, QChar> alternatives) { also_ = std::move(alternatives); }

    State state() const { return state_; }
    int position() const { return position_; }
    Mark mark(int i) const { return i >= 0 && i < marks_.size() ? marks_[i] : Mark::Pending; }
    // The code of the character to type next, or -1 once the text is typed.
    int nextCode() const;

    // The character a key types on a US keyboard (Shift held or not), or 0 for a key that types
    // none (Enter, Backspace, arrows, ...).
    static QChar typedCharacter(int vk, bool shift);
    // Whether a key press is practice at all: not a lone modifier and not a command.
    static bool isPracticeKey(int vk, int modifiers);

    // One key-down event: the Windows virtual-key code and the modifier bits 1 Shift, 2 Ctrl,
    // 4 Alt. Keys that are not practice, and every key once the text is typed, are ignored. A
    // paused or ready lesson runs again with it.
    Outcome keyDown(int vk, int modifiers);
    void pause();

    int count() const { return count_; }
    int hits() const { return hits_; }
    int typed() const { return position_; }
    // Seconds on the lesson's clock, without its pauses.
    double seconds() const;
    // Hits as a share of the keys counted, in %, and characters typed a minute; both rounded.
    int accuracy() const;
    int speed() const;

    // The figures of every character's key, once the lesson has ended (each call after the
    // first gives nothing).
    QList<KeyFigures> keyFigures() { return recorder_.finish(); }

signals:
    void stateChanged(LessonSession::State state);
    // The caret moved or a character was marked.
    void progressed();
    void finished();

private:
    void setState(State state);

    QString text_;
    QHash<int, QChar> also_;
    const Clock& clock_;
    RunRecorder recorder_;
    QVector<Mark> marks_;
    State state_ = State::Ready;
    int position_ = 0;
    int count_ = 0;
    int hits_ = 0;
    bool missedHere_ = false; // a wrong key was pressed for the character at the caret
    double runningSince_ = 0;
    double secondsBefore_ = 0; // on the clock before the last pause
};
