#pragma once

// Uniform random numbers for target choice and the news pop-up delay. Injected so that tests
// can replay a fixed sequence.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Seeds the generator afresh from a high-resolution clock.
    virtual void reseed() = 0;

    // A uniform number in [0, 1).
    virtual double next() = 0;
};
