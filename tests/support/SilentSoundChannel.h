#pragma once

#include "platform/SoundChannel.h"

// A channel that can load nothing, as one whose files are missing or unreadable: it forgets
// every file it is given and never makes a sound.
class SilentSoundChannel final : public SoundChannel {
public:
    void setFile(const QString&) override {}
    QString file() const override { return {}; }
    void play() override {}
    void halt() override {}
};
