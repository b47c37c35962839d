#pragma once

#include "PracticeRig.h"

// The practice rig as the run timers see it: spoken names off, since these tests look at
// targets rather than sounds, and a way to decide the next target.
struct RunRig : PracticeRig {
    RunRig() { checkSoundMode(0); }

    void chooseStyle(int index) { checkStyle(index); }

    // Queues the draws that make the next `zifu` choose `code` (which must belong to the
    // checked style's set) at the left edge drawn from `leftDraw`.
    void queueTarget(int code, double leftDraw = 0.5) {
        random.queued << drawFor(code) << leftDraw;
    }
};
