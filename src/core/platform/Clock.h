#pragma once

#include <QDateTime>

// Source of time for the countdown, the run clock and the random seed. Injected so that tests
// can move time by hand instead of sleeping.
class Clock {
public:
    virtual ~Clock() = default;

    // Seconds on a monotonic scale. Only differences are meaningful, so a run that crosses
    // midnight or a change of the system time keeps a correct clock and speed.
    virtual double monotonicSeconds() const = 0;

    // Seconds since local midnight, with sub-second resolution.
    virtual double secondsSinceMidnight() const = 0;

    // The local date and time, for the records of finished runs.
    virtual QDateTime localDateTime() const = 0;
};
