#pragma once

#include "platform/RandomSource.h"

#include <random>

// A Mersenne Twister seeded from the high-resolution clock.
class SystemRandom final : public RandomSource {
public:
    SystemRandom();
    void reseed() override;
    double next() override;

private:
    std::mt19937_64 engine_;
};
