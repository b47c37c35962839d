#pragma once

#include <functional>

class Options;
class PracticeState;
class RunRecorder;
class SoundChannel;
class TargetSelector;

// The key-down handler of the main window: counts each key press of a run, compares it with
// the target and answers with the next target and the key sound, or with the error sound.
class KeyInput {
public:
    KeyInput(PracticeState& state, const Options& options, TargetSelector& selector,
             SoundChannel& keySound, SoundChannel& errorSound);

    // What Alt+A does: pop up the file menu at the mouse position.
    void setOpenFileMenu(std::function<void()> open);

    // One key-down event (auto-repeats included): the Windows virtual-key code and the
    // modifier bits 1 Shift, 2 Ctrl, 4 Alt.
    void keyDown(int code, int state);

    // Told every counted key press, for the per-key figures of the run.
    void setRecorder(RunRecorder* recorder) { recorder_ = recorder; }

private:
    PracticeState& state_;
    const Options& options_;
    TargetSelector& selector_;
    SoundChannel& keySound_;
    SoundChannel& errorSound_;
    std::function<void()> openFileMenu_;
    RunRecorder* recorder_ = nullptr;
};
