#pragma once

#include "FakeRandom.h"
#include "RecordingSoundChannel.h"

#include "keyboard/FallingLabel.h"
#include "keyboard/TargetSelector.h"
#include "menus/MenuTree.h"
#include "platform/ProgramFolder.h"
#include "practice/PracticeState.h"

#include <QAction>

// The practice state, the menus and target choice wired together with fakes, as the main
// window wires them.
struct PracticeRig {
    PracticeState state;
    MenuTree menus;
    FallingLabel falling;
    FakeRandom random;
    RecordingSoundChannel keySound;
    RecordingSoundChannel errorSound;
    ProgramFolder folder{QStringLiteral("/prog")};
    TargetSelector selector{state, menus, falling, random, keySound, folder};

    // Checks one item of a radio group the way its handler would, without side effects.
    static void checkOnly(const QList<QAction*>& group, int index) {
        for (int i = 0; i < group.size(); ++i)
            group[i]->setChecked(i == index);
    }
    void checkStyle(int index) { checkOnly(menus.fengge1, index); }
    void checkSoundMode(int index) { checkOnly(menus.shengyin1, index); }

    // A run in progress: count 1, no hits, the given target.
    void startRun(int target) {
        state.jishu = 1;
        state.jizhong = 0;
        state.mubiao = target;
        state.setRunning(true);
    }

    // The uniform number that makes zifu's draw land on the code.
    static double drawFor(int code) { return (code + 0.5) / 127.0; }
};
