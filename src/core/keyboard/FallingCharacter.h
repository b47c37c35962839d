#pragma once

class FallingLabel;
class PracticeState;
class TargetSelector;

// The fall of the current target down the practice area, one step per run-timer tick. A
// target that reaches the bottom unstruck counts as dealt with and is replaced. The fall runs
// in every display style; in the keyboard styles the label is hidden beneath the keyboard.
class FallingCharacter {
public:
    // Height of the practice area and the margin above its bottom edge at which a falling
    // character counts as landed, in twips.
    static constexpr double areaHeight = 5775;
    static constexpr double landingMargin = 300;
    // Fall per tick and per practice level, in twips.
    static constexpr double stepPerLevel = 30;

    FallingCharacter(PracticeState& state, FallingLabel& label, TargetSelector& selector);

    // One step of the fall (the run clock has already been updated by the caller).
    void tick();

private:
    PracticeState& state_;
    FallingLabel& label_;
    TargetSelector& selector_;
};
