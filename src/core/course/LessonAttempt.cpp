#include "course/LessonAttempt.h"

#include "keyboard/KeyTable.h"
#include "platform/Clock.h"
#include "settings/NumberText.h"

namespace {

constexpr int commandBits = 2 | 4; // Ctrl, Alt

} // namespace

LessonAttempt::LessonAttempt(const Clock& clock, QObject* parent)
    : QObject(parent), clock_(clock), recorder_(clock) {}

QChar LessonAttempt::typedCharacter(int vk, bool shift) {
    if (vk == 32)
        return QLatin1Char(' ');
    const KeyTable::Key* key = KeyTable::keyAt(vk);
    if (!key || key->vk != vk)
        return QChar();
    const char16_t code = shift ? key->shifted.code : key->plain.code;
    return code >= 32 && code < 127 ? QChar(code) : QChar();
}

bool LessonAttempt::isPracticeKey(int vk, int modifiers) {
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

int LessonAttempt::perMinute(double amount, double seconds) {
    return seconds > 0 ? int(NumberText::roundHalfEven(amount * 60.0 / seconds)) : 0;
}

LessonAttempt::Outcome LessonAttempt::keyDown(int vk, int modifiers) {
    if (state_ == State::Finished || !isPracticeKey(vk, modifiers))
        return Outcome::Ignored;
    if (state_ != State::Running) {
        if (state_ == State::Ready)
            recorder_.begin(firstTarget());
        runningSince_ = clock_.monotonicSeconds();
        setState(State::Running);
    }
    ++count_;
    const Outcome outcome = handle(vk, modifiers);
    emit progressed();
    return outcome;
}

void LessonAttempt::pause() {
    if (state_ != State::Running)
        return;
    secondsBefore_ = seconds();
    setState(State::Paused);
}

double LessonAttempt::seconds() const {
    if (state_ != State::Running)
        return secondsBefore_;
    return secondsBefore_ + (clock_.monotonicSeconds() - runningSince_);
}

int LessonAttempt::charSpeed() const {
    return perMinute(characters(), seconds());
}

void LessonAttempt::finish() {
    if (state_ == State::Finished)
        return;
    secondsBefore_ = seconds();
    setState(State::Finished);
    emit finished();
}

void LessonAttempt::setState(State state) {
    if (state_ == state)
        return;
    state_ = state;
    emit stateChanged(state);
}
