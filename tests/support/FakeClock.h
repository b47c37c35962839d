#pragma once

#include "practice/Clock.h"

// A clock that moves only when the test moves it.
class FakeClock final : public Clock {
public:
    double monotonic = 1000.0;
    double timeOfDay = 36000.0;

    double monotonicSeconds() const override { return monotonic; }
    double secondsSinceMidnight() const override { return timeOfDay; }

    void advance(double seconds) {
        monotonic += seconds;
        timeOfDay += seconds;
    }
};
