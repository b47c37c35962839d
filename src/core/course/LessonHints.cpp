#include "course/LessonHints.h"

#include "keyboard/KeyboardModel.h"
#include "settings/Options.h"

namespace {

constexpr int litTicks = 3;
constexpr int cycleTicks = 5;
constexpr int leftShift = 16;
constexpr int rightShift = 26;

} // namespace

LessonHints::LessonHints(KeyboardModel& keyboard, const Options& options, QObject* parent)
    : FingerHints(parent), keyboard_(keyboard), options_(options), timer_(tickMs) {
    connect(&timer_, &OnDemandTimer::timeout, this, &LessonHints::tick);
    connect(&options_, &Options::zhifaChanged, this, [this] { light(phase_ < litTicks); });
}

LessonHints::Keys LessonHints::keysOf(int code) {
    Keys keys;
    if (code == 32) {
        keys.key = 32;
        return keys;
    }
    const KeyTable::Typing typing = KeyTable::typing(code);
    if (!typing.key)
        return keys;
    keys.key = typing.key->index;
    keys.finger = typing.key->finger;
    // Shift is held by the hand that does not strike the key.
    if (typing.shift)
        keys.shift = keys.finger >= 0 && keys.finger <= 3 ? rightShift : leftShift;
    return keys;
}

void LessonHints::show(int code) {
    if (code == code_)
        return;
    light(false);
    code_ = code;
    keys_ = keysOf(code);
    phase_ = 0;
    if (code < 0) {
        timer_.stop();
        return;
    }
    light(true);
    timer_.start();
}

void LessonHints::tick() {
    if (code_ < 0)
        return;
    phase_ = (phase_ + 1) % cycleTicks;
    light(phase_ < litTicks);
    emit ticked();
}

bool LessonHints::fingerLit(int i) const {
    return i >= 0 && i < int(fingers_.size()) && fingers_[std::size_t(i)];
}

bool LessonHints::shiftLit(int i) const {
    return i >= 0 && i < int(shifts_.size()) && shifts_[std::size_t(i)];
}

void LessonHints::light(bool on) {
    const QRgb colour = on ? KeyboardModel::litColour : KeyboardModel::keyColour;
    for (const int key : {keys_.key, keys_.shift})
        if (key != KeyTable::noKey)
            keyboard_.setKeyColour(key, colour);

    std::array<bool, 8> fingers{};
    std::array<bool, 2> shifts{};
    if (options_.zhifa() && code_ >= 0) {
        if (keys_.finger >= 0)
            fingers[std::size_t(keys_.finger)] = on;
        if (keys_.shift != KeyTable::noKey)
            shifts[keys_.shift == leftShift ? 0 : 1] = true;
    }
    if (fingers == fingers_ && shifts == shifts_)
        return;
    fingers_ = fingers;
    shifts_ = shifts;
    emit changed();
}
