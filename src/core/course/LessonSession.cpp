#include "course/LessonSession.h"

#include "settings/NumberText.h"

namespace {

constexpr int shiftBit = 1;

} // namespace

LessonSession::LessonSession(QString text, const Clock& clock, QObject* parent)
    : LessonAttempt(clock, parent), text_(std::move(text)), marks_(text_.size(), Mark::Pending) {
    if (text_.isEmpty())
        finish();
}

int LessonSession::nextCode() const {
    return position_ < text_.size() ? text_.at(position_).unicode() : -1;
}

int LessonSession::currentItem() const {
    for (int i = 0; i < items_.size(); ++i)
        if (position_ < items_[i].end)
            return i;
    return items_.isEmpty() ? -1 : int(items_.size()) - 1;
}

LessonAttempt::Outcome LessonSession::handle(int vk, int modifiers) {
    const int target = nextCode();
    const QChar typed = typedCharacter(vk, (modifiers & shiftBit) != 0);
    const bool right =
        !typed.isNull() && (typed == text_.at(position_) ||
                            (also_.contains(position_) && typed == also_.value(position_)));
    recorder().pressed(target, vk, modifiers, true, right);
    if (!right) {
        missedHere_ = true;
        marks_[position_] = Mark::Missed;
        return Outcome::Wrong;
    }
    if (!missedHere_) {
        ++hits_;
        marks_[position_] = Mark::Right;
    }
    missedHere_ = false;
    ++position_;
    if (position_ == text_.size())
        finish();
    else
        recorder().shown(nextCode());
    return Outcome::Right;
}

int LessonSession::accuracy() const {
    return count() > 0 ? int(NumberText::roundHalfEven(100.0 * hits_ / count())) : 0;
}

int LessonSession::speed() const {
    return perMinute(position_, seconds());
}

int LessonSession::characters() const {
    int done = 0;
    for (const Item& item : items_)
        if (item.end <= position_)
            done += item.characters;
    return done;
}
