#include "practice/KeyInput.h"

#include "history/RunRecorder.h"
#include "keyboard/TargetSelector.h"
#include "menus/MenuTree.h"
#include "platform/SoundChannel.h"
#include "practice/KeyChecker.h"
#include "practice/PracticeState.h"

#include <QAction>

namespace {

bool isChecked(const QList<QAction*>& group, int index) {
    return index < group.size() && group[index]->isChecked();
}

constexpr int fallingAllCharacters = 11; // the style item that checks the Shift state
constexpr int silentMode = 0;            // key-sound items that play no effect on a hit
constexpr int spokenMode = 1;

} // namespace

KeyInput::KeyInput(PracticeState& state, const MenuTree& menus, TargetSelector& selector,
                   SoundChannel& keySound, SoundChannel& errorSound)
    : state_(state), menus_(menus), selector_(selector), keySound_(keySound),
      errorSound_(errorSound) {}

void KeyInput::setOpenFileMenu(std::function<void()> open) {
    openFileMenu_ = std::move(open);
}

void KeyInput::prepareSounds() {
    if (!isChecked(menus_.shengyin1, silentMode))
        keySound_.prepare();
    if (menus_.cuowushengyin && menus_.cuowushengyin->isChecked())
        errorSound_.prepare();
}

void KeyInput::keyDown(int code, int state) {
    // Alt+A is the keyboard way to the file menu, in a run or not; it is never a key press of
    // the practice.
    if (state == 4 && code == 65) {
        if (openFileMenu_)
            openFileMenu_();
        return;
    }
    if (!state_.running())
        return;

    const bool shiftAware = isChecked(menus_.fengge1, fallingAllCharacters);
    // With Shift-aware checking Shift and Caps Lock only prepare the next character.
    if (shiftAware && (code == 16 || code == 20))
        return;

    ++state_.jishu;
    const bool correct = KeyChecker::isCorrect(shiftAware, state_.mubiao, code, state);
    if (recorder_)
        recorder_->pressed(state_.mubiao, code, state, shiftAware, correct);
    if (correct) {
        ++state_.jizhong;
        selector_.zifu();
        // In spoken mode zifu has just named the next target on this channel.
        if (!isChecked(menus_.shengyin1, silentMode) && !isChecked(menus_.shengyin1, spokenMode))
            keySound_.replay();
    } else if (menus_.cuowushengyin && menus_.cuowushengyin->isChecked()) {
        errorSound_.replay();
    }
}
