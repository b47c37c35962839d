#pragma once

#include "practice/LevelsAndTotals.h"
#include "practice/PracticeState.h"

// The text the statistics panel shows for a figure: the level and the total made from the
// options, the other figures as the practice state holds them.
inline QString panelText(const PracticeState& state, StatLabel label) {
    if (label == StatLabel::Level)
        return LevelsAndTotals::levelText(state.options());
    if (label == StatLabel::Total)
        return LevelsAndTotals::totalText(state.options());
    return state.text(label);
}
