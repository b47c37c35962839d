#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

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
    int count() const { return count_; }
    bool isRunning() const { return Timer_tan.isActive(); }

signals:
    // Create the pop-up window hidden and navigate it to the pop-up page.
    void loadRequested();
    // Show the pop-up window, without taking the focus from the practice.
    void showRequested();

private:
    ConnectionCheck& connection_;
    RandomSource& random_;
    QPointer<WebPage> page_;
    QTimer Timer_tan;
    int delay_ = -1;
    int count_ = 0;
};
