#pragma once

#include "practice/FingerHints.h"

#include <array>

class Options;
class PracticeState;

// The eight finger buttons and the two Shift buttons below the keyboard. During a run the
// button of the finger that strikes the target blinks; in the all-characters falling style the
// Shift key of the other hand is lit when the target needs Shift.
class FingerIndicators : public FingerHints {
    Q_OBJECT
public:
    FingerIndicators(PracticeState& state, const Options& options, QObject* parent = nullptr);

    // The finger step of each statistics tick.
    void tick();
    // Whether the next tick could show something else: only while the hint blinks in a run.
    bool blinking() const;

    bool fingerLit(int i) const override;
    bool shiftLit(int i) const override;

    // The blink phase `shanshuo`, 0..4; the finger is lit while it is below 3.
    int shanshuo() const { return shanshuo_; }

    // The finger that strikes a target, 0..7, or -1 for the space (a thumb) and for codes that
    // are no target.
    static int fingerOf(int code);
    // Whether the target's character is typed with Shift held.
    static bool needsShift(int code);

private:
    void show(const std::array<bool, 8>& fingers, const std::array<bool, 2>& shifts);

    PracticeState& state_;
    const Options& options_;
    int shanshuo_ = 0;
    std::array<bool, 8> fingers_{};
    std::array<bool, 2> shifts_{};
};
