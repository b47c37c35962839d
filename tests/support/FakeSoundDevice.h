#pragma once

#include "platform/SoundDevice.h"

// A sound device that counts the holds on it.
class FakeSoundDevice final : public SoundDevice {
public:
    int holds = 0;

    void hold() override { ++holds; }
    void release() override {
        if (holds > 0)
            --holds;
    }
};
