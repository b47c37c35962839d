#pragma once

#include <functional>

class FallingLabel;
class Options;
class PracticeState;
class ProgramFolder;
class RandomSource;
class SoundChannel;
class TargetWeights;

// Chooses the next target (`zifu`): a random code from the set of the checked display style.
// It also prepares the falling label for the new target and, with spoken key names on, says
// the new target's name on the key-sound channel.
class TargetSelector {
public:
    TargetSelector(PracticeState& state, const Options& options, FallingLabel& falling,
                   RandomSource& random, SoundChannel& keySound, const ProgramFolder& folder);

    // Does nothing once the run is complete. Otherwise stores a new target in `mubiao`, a new
    // left edge in `hengzuobiao`, sets `xialuobushu` to -2 and the label's font size.
    void zifu();

    // A weighted draw used while it is active (weak-key practice); nullptr draws uniformly.
    void setWeights(const TargetWeights* weights) { weights_ = weights; }
    // Told every new target, once it is chosen.
    void setOnChosen(std::function<void(int code)> hook) { onChosen_ = std::move(hook); }

private:
    PracticeState& state_;
    const Options& options_;
    FallingLabel& falling_;
    RandomSource& random_;
    SoundChannel& keySound_;
    const ProgramFolder& folder_;
    const TargetWeights* weights_ = nullptr;
    std::function<void(int)> onChosen_;
};
