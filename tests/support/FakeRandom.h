#pragma once

#include "platform/RandomSource.h"

#include <QList>

#include <random>

// Replays queued numbers first, then continues with a seeded generator, so tests are
// repeatable. reseed() is counted but does not disturb the sequence.
class FakeRandom final : public RandomSource {
public:
    explicit FakeRandom(unsigned seed = 12345) : engine_(seed) {}

    QList<double> queued;
    int reseeds = 0;

    void reseed() override { ++reseeds; }
    double next() override {
        if (!queued.isEmpty())
            return queued.takeFirst();
        return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
    }

private:
    std::mt19937 engine_;
};
