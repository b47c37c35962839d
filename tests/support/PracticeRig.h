#pragma once

#include "FakeRandom.h"
#include "RecordingSoundChannel.h"

#include "keyboard/FallingLabel.h"
#include "keyboard/TargetSelector.h"
#include "menus/MenuTree.h"
#include "platform/ProgramFolder.h"
#include "practice/PracticeState.h"
#include "settings/Options.h"

// The practice state, the options and target choice wired together with fakes, as the main
// window wires them.
struct PracticeRig {
    Options options;
    MenuTree menus{options};
    PracticeState state{options};
    FallingLabel falling;
    FakeRandom random;
    RecordingSoundChannel keySound;
    RecordingSoundChannel errorSound;
    ProgramFolder folder{QStringLiteral("/prog")};
    TargetSelector selector{state, options, falling, random, keySound, folder};

    // Sets a choice the way its handler would, without side effects.
    void checkStyle(int index) { options.setFengge(index); }
    void checkSoundMode(int index) { options.setShengyin(index); }
    void setTotal(double total) { options.setTotal(Options::customTotal, total, true); }

    // A run in progress: count 1, no hits, the given target.
    void startRun(int target) {
        state.setJishu(1);
        state.setJizhong(0);
        state.mubiao = target;
        state.setRunning(true);
    }

    // The uniform number that makes zifu's draw land on the code.
    static double drawFor(int code) { return (code + 0.5) / 127.0; }
};
