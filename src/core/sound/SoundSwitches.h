#pragma once

class MenuTree;
class ProgramFolder;
class SoundChannel;

// The error-sound switch `cuowushengyin` and the background-music switch `beijingyinyue`.
// The music plays on the endless channel it shares with the Wubi recitation.
class SoundSwitches {
public:
    SoundSwitches(MenuTree& menus, SoundChannel& music, const ProgramFolder& folder);

    // Inverts the error-sound check mark; the next wrong key obeys it.
    void toggleErrorSound();

    // Inverts the music check mark, then starts the music from its beginning or halts it.
    void toggleMusic();

    // Starts the music when its item is checked (the end of start-up).
    void startMusicIfChecked();

private:
    void startMusic();

    MenuTree& menus_;
    SoundChannel& music_;
    const ProgramFolder& folder_;
};
