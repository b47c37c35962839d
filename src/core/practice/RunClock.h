#pragma once

class Clock;
class PracticeState;

// The run clock of the statistics panel: the time since the run started, as minutes, seconds
// and tenths. Updated by the run timer on each of its ticks, so it stands still between runs.
class RunClock {
public:
    RunClock(PracticeState& state, const Clock& clock);

    // Writes the minutes ("00", modulo 60: hours are not shown), seconds ("00") and tenths
    // ("0") elapsed since `kaishishijian`.
    void update();

private:
    PracticeState& state_;
    const Clock& clock_;
};
