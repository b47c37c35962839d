#pragma once

#include "run/OnDemandTimer.h"

#include <QObject>
#include <QPointer>

class Clock;
class ConnectionCheck;
class RandomSource;
class WebPage;

// Decides when the news pop-up appears: a random five to eight minutes of online time after
// start the pop-up window is asked to load its page, and shortly after it is shown if the page
// is a news page. Offline seconds are not counted. Nothing here waits.
class NewsPopupTimer : public QObject {
    Q_OBJECT
public:
    static constexpr int intervalMs = 1000;

    NewsPopupTimer(ConnectionCheck& connection, RandomSource& random, QObject* parent = nullptr);

    void start();
    void tick();

    // The pop-up's page, polled for its busy flag and its body. Without one the page counts as
    // loaded and empty.
    void watch(WebPage* page) { page_ = page; }

    // The chosen delay d in online seconds (300 to 479), or -1 before the first tick.
    int delay() const { return delay_; }
    // The online seconds counted, those slept through included.
    int count() const;
    // Until the sequence has ended.
    bool isRunning() const { return running_; }
    // Whether the next beat ticks. When the connection check signals its changes, the timer
    // sleeps while offline, for offline ticks count nothing, and online it sleeps through the
    // seconds that only count, to the next one at which something happens (skippingTo()).
    bool isTicking() const { return Timer_tan.isActive(); }
    qint64 skippingTo() const { return Timer_tan.skippingTo(); }
    // The clock the beat is kept on; without one, the system's monotonic clock.
    void setClock(const Clock* clock) { Timer_tan.setClock(clock); }

signals:
    // Create the pop-up window hidden and navigate it to the pop-up page.
    void loadRequested();
    // Show the pop-up window, without taking the focus from the practice.
    void showRequested();

private:
    void skipToNextStep();

    ConnectionCheck& connection_;
    RandomSource& random_;
    QPointer<WebPage> page_;
    OnDemandTimer Timer_tan{intervalMs};
    bool running_ = false;
    int delay_ = -1;
    int count_ = 0;
    qint64 skippedFrom_ = -1; // the beat of the last tick before the online seconds slept through
};
