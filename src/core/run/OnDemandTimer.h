#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class Clock;

// The timer of a tick that only brings the screen up to date. Its owner puts it to sleep once a
// further tick could change nothing and wakes it on the event that can, so an idle program is
// not woken at all. Awake again, it ticks on the beat it has kept since start(): every tick
// falls where a timer that never stopped would have ticked, and the screen shows at every moment
// what it would have shown.
class OnDemandTimer : public QObject {
    Q_OBJECT
public:
    explicit OnDemandTimer(int intervalMs, QObject* parent = nullptr);

    // The clock the beat is kept on; without one, the system's monotonic clock.
    void setClock(const Clock* clock) { clock_ = clock; }

    // Sets the beat from now on and ticks from the next beat.
    void start();
    // Ticks again from the next beat, if started and asleep.
    void wake();
    // No ticks until the next wake(); ignored while the timer always ticks.
    void sleep();
    // No ticks until the next start(); wake() does nothing until then.
    void stop();
    // No ticks before the given beat, then ticks as before; sleep() or stop() cancel it.
    void skipTo(qint64 beat);

    // Whether the next beat ticks.
    bool isActive() const { return awake_ && skipTo_ < 0; }
    // The beat skipTo() waits for, or -1.
    qint64 skippingTo() const { return skipTo_; }
    // The beat a tick now belongs to, and the last beat at or before now.
    qint64 beatNow() const;
    qint64 beatsSoFar() const { return beatBefore(now()); }

    // Never sleeps: the timer then ticks as an always-running timer would (for comparisons).
    void setAlwaysTick(bool on);

signals:
    void timeout();

private:
    double now() const;
    qint64 beatBefore(double t) const;
    void fire();

    const Clock* clock_ = nullptr;
    QElapsedTimer systemClock_;
    QTimer timer_;
    double intervalSeconds_;
    double origin_ = 0;
    qint64 lastBeat_ = 0;
    qint64 skipTo_ = -1;
    bool started_ = false;
    bool awake_ = false;
    bool alwaysTick_ = false;
};
