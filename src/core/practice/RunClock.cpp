#include "practice/RunClock.h"

#include "platform/Clock.h"
#include "practice/PracticeState.h"

#include <algorithm>
#include <cmath>

RunClock::RunClock(PracticeState& state, const Clock& clock) : state_(state), clock_(clock) {}

void RunClock::update() {
    // The clock is monotonic, so the difference never goes negative in practice; a start time
    // set ahead of the clock still shows a zero clock rather than garbage.
    state_.setElapsed(std::max(0.0, clock_.monotonicSeconds() - state_.kaishishijian));
}

RunClock::Reading RunClock::reading(double e) {
    const double h = std::floor(e / 3600);
    const double m = std::floor((e - 3600 * h) / 60);
    const double s = std::floor(e - 3600 * h - 60 * m);
    const double d = std::floor(10 * (e - std::floor(e)));
    return {int(m), int(s), int(d)};
}
