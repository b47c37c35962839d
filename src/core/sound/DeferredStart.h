#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class SoundSwitches;

// The end of start-up, `Timer5`: about 100 ms after the window opens it restores the stored
// menu settings and then starts the background music if it was left on. It runs once.
class DeferredStart : public QObject {
    Q_OBJECT
public:
    DeferredStart(std::function<void()> restoreSettings, SoundSwitches& switches,
                  QObject* parent = nullptr);

    static constexpr int intervalMs = 100;

    // Arms `Timer5`.
    void start();
    // The tick of `Timer5`: restore, then music, then the timer goes off for good.
    void tick();

    bool isActive() const { return Timer5.isActive(); }

private:
    std::function<void()> restoreSettings_;
    SoundSwitches& switches_;
    QTimer Timer5;
    bool done_ = false;
};
