#pragma once

class Options;
class ProgramFolder;
class SoundChannel;

// The key-sound mode: the group `shengyin1` of the options menu. Choosing a mode only loads the
// matching file into the key-sound channel; key input and target selection decide when it sounds.
class KeySounds {
public:
    KeySounds(Options& options, SoundChannel& keySound, const ProgramFolder& folder);

    // The handler of `shengyin1`: makes `index` the mode and loads its file (index 0 unloads
    // the channel, 1 the spoken-names marker, 2..8 the effects). Nothing plays. An index outside
    // the group changes nothing.
    void choose(int index);

private:
    Options& options_;
    SoundChannel& keySound_;
    const ProgramFolder& folder_;
};
