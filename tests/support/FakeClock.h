#pragma once

#include "platform/Clock.h"

// A clock that moves only when the test moves it.
class FakeClock final : public Clock {
public:
    double monotonic = 1000.0;
    double timeOfDay = 36000.0;

    double monotonicSeconds() const override { return monotonic; }
    double secondsSinceMidnight() const override { return timeOfDay; }
    QDateTime localDateTime() const override {
        return QDateTime(QDate(2026, 3, 14), QTime(0, 0)).addMSecs(qint64(timeOfDay * 1000));
    }

    void advance(double seconds) {
        monotonic += seconds;
        timeOfDay += seconds;
    }
};
