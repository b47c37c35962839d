#include "practice/KeyInput.h"

#include "history/RunRecorder.h"
#include "keyboard/KeyChecker.h"
#include "keyboard/TargetSelector.h"
#include "platform/SoundChannel.h"
#include "run/PracticeState.h"
#include "settings/Options.h"

KeyInput::KeyInput(PracticeState& state, const Options& options, TargetSelector& selector,
                   SoundChannel& keySound, SoundChannel& errorSound)
    : state_(state), options_(options), selector_(selector), keySound_(keySound),
      errorSound_(errorSound) {}

void KeyInput::setOpenFileMenu(std::function<void()> open) {
    openFileMenu_ = std::move(open);
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

    const bool shiftAware = options_.fengge() == Options::fallingAllCharacters;
    // With Shift-aware checking Shift and Caps Lock only prepare the next character.
    if (shiftAware && (code == 16 || code == 20))
        return;

    state_.setJishu(state_.jishu() + 1);
    const bool correct = KeyChecker::isCorrect(shiftAware, state_.mubiao, code, state);
    if (recorder_)
        recorder_->pressed(state_.mubiao, code, state, shiftAware, correct);
    if (correct) {
        state_.setJizhong(state_.jizhong() + 1);
        selector_.zifu();
        // In spoken mode zifu has just named the next target on this channel.
        const int mode = options_.shengyin();
        if (mode != Options::silentMode && mode != Options::spokenMode)
            keySound_.replay();
    } else if (options_.cuowushengyin()) {
        errorSound_.replay();
    }
}
