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

    // What the last tick computed from: while none of it changes (between runs, between
    // keystrokes) a tick would write the very same texts, and it is spared reading them.
    struct Inputs {
        int jishu = 0;
        int jizhong = 0;
        quint64 textRevision = 0;
        bool operator==(const Inputs&) const = default;
    };

    PracticeState& state_;
    ShownNumber count_, hits_, accuracy_, speed_;
    Inputs computedFrom_;
    bool computed_ = false;
    std::function<void()> afterTick_;
    QTimer timer2_;
};
