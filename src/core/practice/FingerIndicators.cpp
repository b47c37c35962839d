#include "practice/FingerIndicators.h"

#include "keyboard/KeyTable.h"
#include "run/PracticeState.h"
#include "settings/Options.h"

namespace {

constexpr int litTicks = 3; // of a blink cycle of 5 ticks
constexpr int cycleTicks = 5;

} // namespace

FingerIndicators::FingerIndicators(PracticeState& state, const Options& options, QObject* parent)
    : FingerHints(parent), state_(state), options_(options) {}

int FingerIndicators::fingerOf(int code) {
    return KeyTable::fingerOf(code);
}

bool FingerIndicators::needsShift(int code) {
    return KeyTable::needsShift(code);
}

bool FingerIndicators::fingerLit(int i) const {
    return i >= 0 && i < int(fingers_.size()) && fingers_[std::size_t(i)];
}

bool FingerIndicators::shiftLit(int i) const {
    return i >= 0 && i < int(shifts_.size()) && shifts_[std::size_t(i)];
}

bool FingerIndicators::blinking() const {
    return options_.zhifa() && state_.running();
}

void FingerIndicators::tick() {
    std::array<bool, 8> fingers{};
    std::array<bool, 2> shifts{};
    if (!options_.zhifa()) {
        show(fingers, shifts);
        return;
    }

    const bool running = state_.running();
    ++shanshuo_;
    if (shanshuo_ == cycleTicks || !running)
        shanshuo_ = 0;
    // Nothing is lit without a run: between runs the tick need not look up the target.
    if (!running) {
        show(fingers, shifts);
        return;
    }

    const int finger = fingerOf(state_.mubiao);

    if (running && finger >= 0)
        fingers[std::size_t(finger)] = shanshuo_ < litTicks;

    // Only the all-characters style gives the Shift hint.
    const bool allCharacters = options_.fengge() == Options::fallingAllCharacters;
    if (allCharacters && running && needsShift(state_.mubiao) && finger >= 0) {
        // Shift is held by the hand that does not strike the key.
        const bool leftHand = finger <= 3;
        shifts[leftHand ? 1 : 0] = true;
    }
    show(fingers, shifts);
}

void FingerIndicators::show(const std::array<bool, 8>& fingers, const std::array<bool, 2>& shifts) {
    if (fingers == fingers_ && shifts == shifts_)
        return;
    fingers_ = fingers;
    shifts_ = shifts;
    emit changed();
}
