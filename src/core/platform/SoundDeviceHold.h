#pragma once

#include "platform/SoundDevice.h"

// One user's hold on the sound device: taken at most once, whatever the calls, and let go when
// it ends. Without a device it does nothing.
class SoundDeviceHold {
public:
    explicit SoundDeviceHold(SoundDevice* device) : device_(device) {}
    ~SoundDeviceHold() { set(false); }
    SoundDeviceHold(const SoundDeviceHold&) = delete;
    SoundDeviceHold& operator=(const SoundDeviceHold&) = delete;

    void set(bool held) {
        if (held == held_ || !device_)
            return;
        held_ = held;
        if (held)
            device_->hold();
        else
            device_->release();
    }
    bool held() const { return held_; }

private:
    SoundDevice* device_;
    bool held_ = false;
};
