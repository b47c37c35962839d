#pragma once

#include "practice/OnDemandTimer.h"

#include <QObject>

#include <functional>

class Clock;
class PracticeState;

// The statistics timer `Timer2`: every 100 ms the statistics panel shows the count, hits,
// accuracy and speed as they stand, then the after-tick step (the finger indicators) runs.
// Between runs nothing of this changes, so the timer sleeps once a tick has shown the figures
// and the after-tick step is not busy; a change of a figure, the total or the running flag wakes
// it, and it ticks on its old beat.
class StatisticsTicker : public QObject {
    Q_OBJECT
public:
    static constexpr int tickMs = 100;

    explicit StatisticsTicker(PracticeState& state, QObject* parent = nullptr);

    void setClock(const Clock& clock) { timer2_.setClock(&clock); }

    // Starts the timer at the load step.
    void start() { timer2_.start(); }

    // One refresh: the panel shows the figures, then the after-tick step runs.
    void tick();

    void setAfterTick(std::function<void()> hook) { afterTick_ = std::move(hook); }
    // Whether the after-tick step still changes what it shows from tick to tick.
    void setAfterTickBusy(std::function<bool()> busy) { afterTickBusy_ = std::move(busy); }

    // Something the after-tick step shows may have changed.
    void wake() { timer2_.wake(); }

    const OnDemandTimer& timer() const { return timer2_; }
    OnDemandTimer& timer() { return timer2_; }

signals:
    // The panel shows the figures now.
    void ticked();

private:
    void figuresChanged();

    OnDemandTimer timer2_;
    std::function<void()> afterTick_;
    std::function<bool()> afterTickBusy_;
    bool figuresChanged_ = false;
};
