#include "sound/SoundSwitches.h"

#include "menus/MenuTree.h"
#include "platform/ProgramFolder.h"
#include "platform/SoundChannel.h"

#include <QAction>

SoundSwitches::SoundSwitches(MenuTree& menus, SoundChannel& music, const ProgramFolder& folder)
    : menus_(menus), music_(music), folder_(folder) {}

void SoundSwitches::toggleErrorSound() {
    menus_.cuowushengyin->setChecked(!menus_.cuowushengyin->isChecked());
}

void SoundSwitches::toggleMusic() {
    // While the recitation plays the item is disabled: the channel belongs to the recitation.
    if (!menus_.beijingyinyue->isEnabled())
        return;
    menus_.beijingyinyue->setChecked(!menus_.beijingyinyue->isChecked());
    if (menus_.beijingyinyue->isChecked())
        startMusic();
    else
        music_.halt();
}

void SoundSwitches::startMusicIfChecked() {
    if (menus_.beijingyinyue->isChecked())
        startMusic();
}

void SoundSwitches::startMusic() {
    // Setting the file again before Play makes the music start from its beginning.
    music_.setFile(folder_.file(QStringLiteral("声音/五笔口诀/五笔口诀音乐")));
    music_.play();
}
