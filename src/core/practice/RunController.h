#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class Clock;
class FallingCharacter;
class FallingLabel;
class PracticeState;
class RunClock;
class TargetSelector;

// Starts and stops practice runs. Start shows a five-second countdown, then resets the
// counters, chooses the first target and switches the run timer `Timer1` on; the run timer's
// active state is the running flag. Stop switches it off and leaves the figures on display.
//
// The countdown is driven by a single-shot timer that wakes when the shown figure is due to
// change, so the window stays live and the process idle while it runs.
class RunController : public QObject {
    Q_OBJECT
public:
    static constexpr int runTickMs = 100;
    static constexpr double countdownSeconds = 5.0;

    RunController(PracticeState& state, FallingLabel& falling, TargetSelector& selector,
                  RunClock& runClock, FallingCharacter& fallingCharacter, const Clock& clock,
                  QObject* parent = nullptr);

    // `jijiankaishi`: runs the before-start hook, performs Stop and begins the countdown.
    // Choosing it again during a countdown starts the countdown afresh.
    void start();
    // `jijiantingzhi`: clears the falling text, switches the run timer off and hides and
    // cancels a countdown. The counters and the statistics keep their values.
    void stop();

    // One tick of the run timer: the run clock, then the falling character. Does nothing while
    // no run is active.
    void tickRun();
    // One step of the countdown, measured on the clock: updates the figure and, once more than
    // five seconds have passed, starts the run. Does nothing when no countdown is going on.
    void tickCountdown();

    // Called first by Start (it stops a playing Wubi recitation).
    void setBeforeStart(std::function<void()> hook) { beforeStart_ = std::move(hook); }

    bool running() const { return timer1_.isActive(); }
    bool countdownActive() const { return countdownActive_; }
    bool countdownVisible() const { return countdownVisible_; }
    // The seconds left as shown over the countdown text; "5" before the first countdown.
    const QString& countdownNumber() const { return countdownNumber_; }

signals:
    // The countdown was shown or hidden, or its figure changed.
    void countdownChanged();

private:
    void setRunTimer(bool on);
    void setCountdownVisible(bool visible);
    void setCountdownNumber(const QString& number);
    void finishCountdown();
    static int msUntilNextChange(double elapsed);

    PracticeState& state_;
    FallingLabel& falling_;
    TargetSelector& selector_;
    RunClock& runClock_;
    FallingCharacter& fallingCharacter_;
    const Clock& clock_;
    std::function<void()> beforeStart_;

    QTimer timer1_;
    QTimer countdownTimer_;
    double countdownOrigin_ = 0;
    bool countdownActive_ = false;
    bool countdownVisible_ = false;
    QString countdownNumber_ = QStringLiteral("5");
};
