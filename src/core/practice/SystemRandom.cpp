#include "practice/SystemRandom.h"

#include <chrono>

SystemRandom::SystemRandom() {
    reseed();
}

void SystemRandom::reseed() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<unsigned>(ticks), static_cast<unsigned>(ticks >> 32)};
    engine_.seed(seq);
}

double SystemRandom::next() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}
