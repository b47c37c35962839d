#pragma once

#include "practice/LevelsAndTotals.h"
#include "practice/PracticeState.h"

// The text the statistics panel shows for the level or the total, made from the options. The
// other figures are texts only in the panel itself (StatisticsPanel::text).
inline QString panelText(const PracticeState& state, StatLabel label) {
    Q_ASSERT(label == StatLabel::Level || label == StatLabel::Total);
    return label == StatLabel::Level ? LevelsAndTotals::levelText(state.options())
                                     : LevelsAndTotals::totalText(state.options());
}
