#include "sound/SoundSwitches.h"

#include "platform/ProgramFolder.h"
#include "platform/SoundChannel.h"
#include "settings/Options.h"

SoundSwitches::SoundSwitches(Options& options, SoundChannel& music, const ProgramFolder& folder)
    : options_(options), music_(music), folder_(folder) {}

void SoundSwitches::toggleErrorSound() {
    options_.setCuowushengyin(!options_.cuowushengyin());
}

void SoundSwitches::toggleMusic() {
    // While the recitation plays the item is disabled: the channel belongs to the recitation.
    if (options_.reciting())
        return;
    options_.setBeijingyinyue(!options_.beijingyinyue());
    if (options_.beijingyinyue())
        startMusic();
    else
        music_.halt();
}

void SoundSwitches::startMusicIfChecked() {
    if (options_.beijingyinyue())
        startMusic();
}

void SoundSwitches::startMusic() {
    // Setting the file again before Play makes the music start from its beginning.
    music_.setFile(folder_.file(QStringLiteral("声音/五笔口诀/五笔口诀音乐")));
    music_.play();
}
