#pragma once

#include "platform/Clock.h"

#include <QElapsedTimer>

// The computer's clocks: a monotonic timer started with the program, and the time of day.
class SystemClock final : public Clock {
public:
    SystemClock();
    double monotonicSeconds() const override;
    double secondsSinceMidnight() const override;
    QDateTime localDateTime() const override;

private:
    QElapsedTimer elapsed_;
};
