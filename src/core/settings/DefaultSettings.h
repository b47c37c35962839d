#pragma once

#include "settings/GroupHandlers.h"

#include <array>

class Options;
class SoundChannel;

// `huifu` puts every option back to its design default and silences all four sound channels;
// `zhifa` switches the finger display on and off.
class DefaultSettings {
public:
    // The channels in their order: key sound, error sound, spoken mnemonic, music/recitation.
    DefaultSettings(Options& options, GroupHandlers handlers,
                    std::array<SoundChannel*, 4> channels);

    // The handler of `huifu`. The settings file is not written; the next exit saves the state.
    void huifu();

    // The handler of `zhifa`: inverts the switch, nothing else.
    void zhifa();

private:
    Options& options_;
    GroupHandlers handlers_;
    std::array<SoundChannel*, 4> channels_;
};
