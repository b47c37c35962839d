#pragma once

class Options;
class ProgramFolder;
class SoundChannel;

// The error-sound switch `cuowushengyin` and the background-music switch `beijingyinyue`.
// The music plays on the endless channel it shares with the Wubi recitation.
class SoundSwitches {
public:
    SoundSwitches(Options& options, SoundChannel& music, const ProgramFolder& folder);

    // Inverts the error-sound switch; the next wrong key obeys it.
    void toggleErrorSound();

    // Inverts the music switch, then starts the music from its beginning or halts it.
    void toggleMusic();

    // Starts the music when its switch is on (the end of start-up).
    void startMusicIfChecked();

private:
    void startMusic();

    Options& options_;
    SoundChannel& music_;
    const ProgramFolder& folder_;
};
