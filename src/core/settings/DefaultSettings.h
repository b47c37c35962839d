#pragma once

#include "settings/GroupHandlers.h"

#include <array>

class MenuTree;
class SoundChannel;

// `huifu` puts every menu option back to its design default and silences all four sound
// channels; `zhifa` switches the finger display on and off.
class DefaultSettings {
public:
    // The channels in their order: key sound, error sound, spoken mnemonic, music/recitation.
    DefaultSettings(MenuTree& menus, GroupHandlers handlers, std::array<SoundChannel*, 4> channels);

    // The handler of `huifu`. The settings file is not written; the next exit saves the state.
    void huifu();

    // The handler of `zhifa`: inverts its check mark, nothing else.
    void zhifa();

private:
    MenuTree& menus_;
    GroupHandlers handlers_;
    std::array<SoundChannel*, 4> channels_;
};
