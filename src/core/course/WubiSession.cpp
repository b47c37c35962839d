#include "course/WubiSession.h"

#include "platform/Clock.h"
#include "settings/NumberText.h"

namespace {

constexpr int backspace = 8;
constexpr int space = 32;

} // namespace

WubiSession::WubiSession(QList<Item> items, const Clock& clock, QObject* parent)
    : LessonAttempt(clock, parent), items_(std::move(items)), missed_(items_.size(), false),
      times_(items_.size(), 0) {
    if (items_.isEmpty())
        finish();
}

QString WubiSession::shownCode(const Item& item) {
    if (item.codes.isEmpty())
        return QString();
    const QString& code = item.codes.first();
    return item.verse || code.size() == 4 ? code : code + QStringLiteral(" + 空格");
}

void WubiSession::reveal() {
    if (state() == State::Finished || revealed_)
        return;
    revealed_ = true;
    missed_[current_] = true;
    emit progressed();
}

bool WubiSession::leadsToCode(const QString& typed) const {
    for (const QString& code : items_[current_].codes)
        if (code.startsWith(typed))
            return true;
    return false;
}

int WubiSession::expectedKey() const {
    if (current_ >= items_.size())
        return -1;
    // The next letter of the first code that what was typed leads to; a space once a short code
    // is complete.
    for (const QString& code : items_[current_].codes) {
        if (!code.startsWith(typed_))
            continue;
        if (code.size() == typed_.size())
            return space;
        return code.at(typed_.size()).unicode();
    }
    return -1;
}

int WubiSession::nextCode() const {
    return revealed_ ? expectedKey() : -1;
}

int WubiSession::firstTarget() const {
    return expectedKey();
}

LessonAttempt::Outcome WubiSession::handle(int vk, int modifiers) {
    if (itemStart_ < 0)
        itemStart_ = clock().monotonicSeconds();
    const int target = expectedKey();
    const Item& item = items_[current_];
    if (vk == backspace && !item.verse) {
        if (typed_.isEmpty())
            return wrong(target, vk, modifiers);
        typed_.chop(1);
        return Outcome::Right;
    }
    if (vk == space) {
        if (item.verse || typed_.isEmpty() || typed_.size() == 4 || !item.codes.contains(typed_))
            return wrong(target, vk, modifiers);
        return commit(target, vk, modifiers);
    }
    const QChar letter = typedCharacter(vk, false);
    if (letter < QLatin1Char('a') || letter > QLatin1Char('z') || (modifiers & 1) != 0 ||
        !leadsToCode(typed_ + letter))
        return wrong(target, vk, modifiers);
    typed_ += letter;
    // A verse's key, and a four-letter code, commit at once.
    if (item.verse || typed_.size() == 4)
        return commit(target, vk, modifiers);
    recorder().pressed(target, vk, modifiers, true, true);
    return Outcome::Right;
}

LessonAttempt::Outcome WubiSession::wrong(int target, int vk, int modifiers) {
    recorder().pressed(std::max(target, 0), vk, modifiers, true, false);
    missed_[current_] = true;
    revealed_ = true;
    return Outcome::Wrong;
}

LessonAttempt::Outcome WubiSession::commit(int target, int vk, int modifiers) {
    recorder().pressed(std::max(target, 0), vk, modifiers, true, true);
    const double now = clock().monotonicSeconds();
    times_[current_] = now - itemStart_;
    itemStart_ = now;
    ++committed_;
    clean_ += missed_[current_] ? 0 : 1;
    characters_ += items_[current_].characters;
    typed_.clear();
    revealed_ = false;
    ++current_;
    if (current_ == items_.size())
        finish();
    else if (const int next = expectedKey(); next >= 0)
        recorder().shown(next);
    return Outcome::Right;
}

int WubiSession::accuracy() const {
    return committed_ > 0 ? int(NumberText::roundHalfEven(100.0 * clean_ / committed_)) : 0;
}

int WubiSession::speed() const {
    return perMinute(count(), seconds());
}

double WubiSession::codeLength() const {
    return characters_ > 0 ? double(count()) / characters_ : 0;
}
