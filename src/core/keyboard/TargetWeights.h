#pragma once

#include "keyboard/TargetSets.h"

// A weighted choice of the next target, offered to target selection. While it is not active the
// selection draws exactly as without it, consuming the same random numbers.
class TargetWeights {
public:
    virtual ~TargetWeights() = default;

    virtual bool active() const = 0;
    // A code of the set, chosen by the uniform number r in [0, 1) in proportion to its weight.
    virtual int draw(TargetSet set, double r) const = 0;
};
