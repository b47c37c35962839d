#include "sound/DeferredStart.h"

#include "sound/SoundSwitches.h"

DeferredStart::DeferredStart(std::function<void()> restoreSettings, SoundSwitches& switches,
                             QObject* parent)
    : QObject(parent), restoreSettings_(std::move(restoreSettings)), switches_(switches) {
    Timer5.setInterval(intervalMs);
    connect(&Timer5, &QTimer::timeout, this, &DeferredStart::tick);
}

void DeferredStart::start() {
    if (!done_)
        Timer5.start();
}

void DeferredStart::tick() {
    if (done_)
        return;
    done_ = true;
    // The music check mark is only known once the settings are back.
    if (restoreSettings_)
        restoreSettings_();
    switches_.startMusicIfChecked();
    Timer5.stop();
}
