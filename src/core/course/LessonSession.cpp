#include "course/LessonSession.h"

#include "keyboard/KeyTable.h"
#include "platform/Clock.h"
#include "settings/NumberText.h"

namespace {

constexpr int shiftBit = 1;
constexpr int commandBits = 2 | 4; // Ctrl, Alt

} // namespace

LessonSession::LessonSession(QString text, const Clock& clock, QObject* parent)
    : QObject(parent), text_(std::move(text)), clock_(clock), recorder_(clock),
      marks_(text_.size(), Mark::Pending) {
    if (text_.isEmpty())
        state_ = State::Finished;
}

int LessonSession::nextCode() const {
    return position_ < text_.size() ? text_.at(position_).unicode() : -1;
}

QChar LessonSession::typedCharacter(int vk, bool shift) {
    if (vk == 32)
        return QLatin1Char(' ');
    const KeyTable::Key* key = KeyTable::keyAt(vk);
    if (!key || key->vk != vk)
        return QChar();
    const char16_t code = shift ? key->shifted.code : key->plain.code;
    return code >= 32 && code < 127 ? QChar(code) : QChar();
}

bool LessonSession::isPracticeKey(int vk, int modifiers) {
    // Shift, Ctrl, Alt and Caps Lock alone, and the Windows and menu keys, type nothing.
    switch (vk) {
    case 16:
    case 17:
    case 18:
    case 20:
    case 91:
    case 92:
    case 93:
        return false;
    default:
        return (modifiers & commandBits) == 0;
    }
}

LessonSession::Outcome LessonSession::keyDown(int vk, int modifiers) {
    if (state_ == State::Finished || !isPracticeKey(vk, modifiers))
        return Outcome::Ignored;
    if (state_ != State::Running) {
        if (state_ == State::Ready)
            recorder_.begin(nextCode());
        runningSince_ = clock_.monotonicSeconds();
        setState(State::Running);
    }

    ++count_;
    const int target = nextCode();
    const QChar typed = typedCharacter(vk, (modifiers & shiftBit) != 0);
    const bool right =
        !typed.isNull() && (typed == text_.at(position_) ||
                            (also_.contains(position_) && typed == also_.value(position_)));
    recorder_.pressed(target, vk, modifiers, true, right);
    if (!right) {
        missedHere_ = true;
        marks_[position_] = Mark::Missed;
        emit progressed();
        return Outcome::Wrong;
    }
    if (!missedHere_) {
        ++hits_;
        marks_[position_] = Mark::Right;
    }
    missedHere_ = false;
    ++position_;
    if (position_ == text_.size()) {
        secondsBefore_ = seconds();
        setState(State::Finished);
        emit progressed();
        emit finished();
        return Outcome::Right;
    }
    recorder_.shown(nextCode());
    emit progressed();
    return Outcome::Right;
}

void LessonSession::pause() {
    if (state_ != State::Running)
        return;
    secondsBefore_ = seconds();
    setState(State::Paused);
}

double LessonSession::seconds() const {
    if (state_ != State::Running)
        return secondsBefore_;
    return secondsBefore_ + (clock_.monotonicSeconds() - runningSince_);
}

int LessonSession::accuracy() const {
    return count_ > 0 ? int(NumberText::roundHalfEven(100.0 * hits_ / count_)) : 0;
}

int LessonSession::speed() const {
    const double s = seconds();
    return s > 0 ? int(NumberText::roundHalfEven(position_ * 60.0 / s)) : 0;
}

void LessonSession::setState(State state) {
    if (state_ == state)
        return;
    state_ = state;
    emit stateChanged(state);
}
