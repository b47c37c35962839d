#pragma once

#include "FakeRandom.h"
#include "RecordingSoundChannel.h"

#include "app/MenuTree.h"
#include "app/ProgramFolder.h"
#include "keyboard/FallingLabel.h"
#include "keyboard/TargetSelector.h"
#include "practice/PracticeState.h"

#include <QAction>

#include <cmath>

// The practice state with a real target selector over fake randomness and sound, as the run
// timers see it.
struct RunRig {
    PracticeState state;
    MenuTree menus;
    FallingLabel falling;
    FakeRandom random;
    RecordingSoundChannel keySound;
    ProgramFolder folder{QStringLiteral("/keyvora")};
    TargetSelector selector{state, menus, falling, random, keySound, folder};

    RunRig() {
        // Spoken names off: the tests look at targets, not sounds.
        checkOnly(menus.shengyin1, 0);
    }

    static void checkOnly(const QList<QAction*>& group, int index) {
        for (int i = 0; i < group.size(); ++i)
            group[i]->setChecked(i == index);
    }

    void chooseStyle(int index) { checkOnly(menus.fengge1, index); }

    // Queues the draws that make the next `zifu` choose `code` (which must belong to the
    // checked style's set) at the left edge drawn from `leftDraw`.
    void queueTarget(int code, double leftDraw = 0.5) {
        random.queued << (code + 0.5) / 127.0 << leftDraw;
    }
};
