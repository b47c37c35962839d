#pragma once

#include "history/RunRecord.h"

#include <array>
#include <cstdint>
#include <vector>

class Clock;

// The per-key figures of the run in progress. The key path only counts into fixed tables and
// appends one small entry to a log; the figures are put together once, when the run ends.
class RunRecorder {
public:
    static constexpr int codes = 127;

    explicit RunRecorder(const Clock& clock);

    // A run starts with its first target in place.
    void begin(int firstTarget);
    // A new target was chosen (after a hit or a landing).
    void shown(int code);
    // A counted key press while `target` was the target.
    void pressed(int target, int code, int state, bool shiftAware, bool correct);
    // The run ended: its figures, one entry per target shown, by code. Recording stops.
    QList<KeyFigures> finish();

    bool active() const { return active_; }

    // Showings of a code in this run that are decided (struck at once, or missed), and how many
    // of those were missed; the target still waiting for its first key is left out.
    int decided(int code) const;
    int missed(int code) const;

private:
    // Wrong keys are told apart from Shift slips only when the run ends, off the key path.
    enum class Kind : std::uint8_t { Hit, Wrong, WrongShiftAware };
    struct Event {
        std::uint8_t target;
        std::uint8_t key;
        std::uint8_t state; // modifier bits
        Kind kind;
        std::int32_t ms; // since the target was shown (hits only)
    };

    const Clock& clock_;
    bool active_ = false;
    int current_ = -1;           // the target on display
    bool awaitingFirst_ = false; // no key pressed for it yet
    double shownAt_ = 0;
    std::array<int, codes> shown_{};
    std::array<int, codes> firstHits_{};
    std::vector<Event> log_;
};
