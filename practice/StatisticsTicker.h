#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class PracticeState;

// The statistics timer `Timer2`: ten times a second, during runs, between runs and during a
// countdown alike, it recomputes the count, hits, accuracy and speed from the counters and the
// clock labels, then runs the after-tick hook (the finger indicators).
class StatisticsTicker : public QObject {
    Q_OBJECT
public:
    static constexpr int tickMs = 100;

    explicit StatisticsTicker(PracticeState& state, QObject* parent = nullptr);

    // Starts the timer; it then runs until the program exits.
    void start();

    // One refresh of the panel. A step that cannot be computed (a total of 0 as divisor)
    // leaves its label as it was, and the remaining steps still run.
    void tick();

    void setAfterTick(std::function<void()> hook) { afterTick_ = std::move(hook); }

private:
    PracticeState& state_;
    std::function<void()> afterTick_;
    QTimer timer2_;
};
