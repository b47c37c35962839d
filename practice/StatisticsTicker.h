#pragma once

#include <QObject>
#include <QString>
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
    // The text last made for a label's number: between runs and between keystrokes the numbers
    // stay the same, and the tick then builds no new strings.
    struct ShownNumber {
        double value = 0;
        QString text;
    };
    static const QString& textOf(ShownNumber& shown, double value);

    PracticeState& state_;
    ShownNumber count_, hits_, accuracy_, speed_;
    std::function<void()> afterTick_;
    QTimer timer2_;
};
