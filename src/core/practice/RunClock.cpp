#include "practice/RunClock.h"

#include "platform/Clock.h"
#include "practice/NumberText.h"
#include "practice/PracticeState.h"

#include <algorithm>
#include <cmath>

RunClock::RunClock(PracticeState& state, const Clock& clock) : state_(state), clock_(clock) {}

void RunClock::update() {
    // The clock is monotonic, so the difference never goes negative in practice; a start time
    // set ahead of the clock still shows a zero clock rather than garbage.
    const double e = std::max(0.0, clock_.monotonicSeconds() - state_.kaishishijian);
    const double h = std::floor(e / 3600);
    const double m = std::floor((e - 3600 * h) / 60);
    const double s = std::floor(e - 3600 * h - 60 * m);
    const double d = std::floor(10 * (e - std::floor(e)));

    state_.setText(StatLabel::Minutes, NumberText::twoDigits(int(m)));
    state_.setText(StatLabel::Seconds, NumberText::twoDigits(int(s)));
    state_.setText(StatLabel::Tenths, QString::number(int(d)));
}
