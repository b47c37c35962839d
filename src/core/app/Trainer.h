#pragma once

#include "history/PracticeHistory.h"
#include "keyboard/BlinkTimer.h"
#include "keyboard/DisplayStyles.h"
#include "keyboard/FallingCharacter.h"
#include "keyboard/FallingLabel.h"
#include "keyboard/KeyboardModel.h"
#include "keyboard/TargetSelector.h"
#include "learners/Learners.h"
#include "menus/MenuTree.h"
#include "platform/Platform.h"
#include "practice/FingerIndicators.h"
#include "practice/KeyInput.h"
#include "practice/LevelsAndTotals.h"
#include "practice/RunController.h"
#include "practice/RunSoundHold.h"
#include "practice/StatisticsTicker.h"
#include "run/PracticeState.h"
#include "run/RunClock.h"
#include "settings/DefaultSettings.h"
#include "settings/GroupHandlers.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"
#include "sound/DeferredStart.h"
#include "sound/KeySounds.h"
#include "sound/SoundSwitches.h"
#include "sound/WubiMnemonics.h"
#include "web/HelpMenu.h"

#include <QObject>

// Everything the trainer does that needs no window: the options and the menu tree that shows
// them, the practice state, and the controllers that advance them, wired to the menu items. The
// main window adds the panels that show all this; tests drive it directly.
class Trainer : public QObject {
    Q_OBJECT
public:
    explicit Trainer(const Platform& platform, QObject* parent = nullptr);

    // The part of the window's load step that concerns the trainer: the key-sound and error
    // channels get their start-up files, the falling character is emptied, and the redraw
    // timers and the deferred start are started.
    void load();

    // The part of the unload step that concerns the trainer: the settings are saved, and a run
    // still going is recorded as if it had been stopped.
    void unload();

    const Platform& platform() const { return platform_; }
    SoundChannel& channel(int number) const { return *platform_.channels[std::size_t(number - 1)]; }

    // The settings restore calls the same handlers the menu calls; the total handler is told it
    // is the restore, so the custom total comes back as 99 without a prompt.
    GroupHandlers restoreHandlers();
    GroupHandlers menuHandlers();

    // Makes another learner current. A run in progress (or its countdown) stops first and is
    // recorded for the learner it began with.
    void switchLearner(int id);
    // The current learner's files were changed from outside the program's objects: all that
    // shows them reads them again.
    void reloadLearner();

signals:
    // Alt+A asks for the file menu at the pointer.
    void fileMenuRequested();
    // "退出(&X)" was chosen.
    void exitRequested();
    // "练习记录(&R)..." was chosen.
    void historyRequested();
    // "课程练习(&L)..." was chosen.
    void courseRequested();
    // A run is about to start (its countdown begins): any other practice must stop.
    void runStarting();
    // Another learner is current, or the current learner's files changed under the program (a
    // restore): whatever shows a learner's files reads them anew from learners.currentFiles().
    void learnerSwitched();
    // The list of learners could not be read; it was renamed to `setAside` ("" when it was left
    // where it was) and the first learner alone is current.
    void learnersUnreadable(const QString& setAside);

private:
    void wireMenus();

    Platform platform_;

public:
    Options options;
    MenuTree menus;
    PracticeState state;
    KeyboardModel keyboard;
    FallingLabel falling;
    DisplayStyles styles;
    TargetSelector selector;
    RunClock runClock;
    FallingCharacter fallingCharacter;
    RunController run;
    RunSoundHold runSound;
    BlinkTimer blink;
    StatisticsTicker statistics;
    FingerIndicators fingers;
    LevelsAndTotals levels;
    KeyInput keyInput;
    KeySounds keySounds;
    SoundSwitches switches;
    WubiMnemonics wubi;
    SettingsStore settings;
    DefaultSettings defaults;
    DeferredStart deferredStart;
    HelpMenu help;
    PracticeHistory history;
    Learners learners;
};
