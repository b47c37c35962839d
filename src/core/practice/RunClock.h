#pragma once

class Clock;
class PracticeState;

// The run clock of the statistics panel: the time since the run started. Updated by the run
// timer on each of its ticks, so it stands still between runs.
class RunClock {
public:
    // The clock as the panel shows it: minutes (modulo 60: hours are not shown), seconds and
    // tenths, each cut down to a whole number.
    struct Reading {
        int minutes = 0;
        int seconds = 0;
        int tenths = 0;
        // The minutes the reading stands for, to the tenth of a second shown.
        double inMinutes() const { return minutes + seconds / 60.0 + tenths / 600.0; }
    };

    RunClock(PracticeState& state, const Clock& clock);

    // Sets the run time to the seconds elapsed since `kaishishijian`.
    void update();

    static Reading reading(double elapsedSeconds);

private:
    PracticeState& state_;
    const Clock& clock_;
};
