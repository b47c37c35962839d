#include "practice/SystemClock.h"

#include <QTime>

SystemClock::SystemClock() {
    elapsed_.start();
}

double SystemClock::monotonicSeconds() const {
    return elapsed_.nsecsElapsed() / 1e9;
}

QDateTime SystemClock::localDateTime() const {
    return QDateTime::currentDateTime();
}

double SystemClock::secondsSinceMidnight() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}
