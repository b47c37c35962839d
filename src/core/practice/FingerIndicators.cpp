#include "practice/FingerIndicators.h"

#include "menus/MenuTree.h"
#include "practice/PracticeState.h"

#include <QAction>

#include <span>

namespace {

// The targets each finger strikes, left little finger to right little finger.
constexpr int leftLittle[] = {126, 96, 33, 49, 81, 113, 65, 97, 90, 122, 20, 16, 17, 18};
constexpr int leftRing[] = {64, 50, 87, 119, 83, 115, 88, 120};
constexpr int leftMiddle[] = {35, 51, 69, 101, 68, 100, 67, 99};
constexpr int leftIndex[] = {36, 52, 82, 70, 86, 37, 53, 84, 71, 66, 114, 116, 102, 103, 118, 98};
constexpr int rightIndex[] = {94, 54, 89, 72, 78, 38, 55, 85, 74, 77, 121, 117, 104, 106, 109, 110};
constexpr int rightMiddle[] = {42, 56, 73, 75, 60, 44, 105, 107};
constexpr int rightRing[] = {40, 57, 79, 76, 62, 46, 111, 108};
constexpr int rightLittle[] = {41, 48, 80, 112, 58, 59,  63, 47, 45, 95, 123, 91, 34,
                               39, 43, 61, 125, 93, 124, 92, 8,  13, 26, 27,  28};

constexpr std::array<std::span<const int>, 8> fingerRows = {
    leftLittle, leftRing, leftMiddle, leftIndex, rightIndex, rightMiddle, rightRing, rightLittle,
};

struct CodeRange {
    int first;
    int last;
};

// The characters typed with Shift held on a US keyboard.
constexpr CodeRange shiftedCharacters[] = {{33, 38}, {40, 43}, {58, 58},  {60, 60},
                                           {62, 90}, {94, 95}, {123, 126}};

constexpr int fallingAllCharacters = 11; // the only style with the Shift hint
constexpr int litTicks = 3;              // of a blink cycle of 5 ticks
constexpr int cycleTicks = 5;

} // namespace

FingerIndicators::FingerIndicators(PracticeState& state, const MenuTree& menus, QObject* parent)
    : QObject(parent), state_(state), menus_(menus) {}

int FingerIndicators::fingerOf(int code) {
    for (std::size_t finger = 0; finger < fingerRows.size(); ++finger)
        for (int member : fingerRows[finger])
            if (member == code)
                return int(finger);
    return -1;
}

bool FingerIndicators::needsShift(int code) {
    for (const CodeRange& range : shiftedCharacters)
        if (code >= range.first && code <= range.last)
            return true;
    return false;
}

bool FingerIndicators::fingerLit(int i) const {
    return i >= 0 && i < int(fingers_.size()) && fingers_[std::size_t(i)];
}

bool FingerIndicators::shiftLit(int i) const {
    return i >= 0 && i < int(shifts_.size()) && shifts_[std::size_t(i)];
}

bool FingerIndicators::blinking() const {
    return menus_.zhifa && menus_.zhifa->isChecked() && state_.running();
}

void FingerIndicators::tick() {
    std::array<bool, 8> fingers{};
    std::array<bool, 2> shifts{};
    if (!menus_.zhifa || !menus_.zhifa->isChecked()) {
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

    const bool allCharacters = fallingAllCharacters < menus_.fengge1.size() &&
                               menus_.fengge1[fallingAllCharacters]->isChecked();
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
