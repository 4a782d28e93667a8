#pragma once

#include <cstdint>

namespace game {

// Where the game takes its random values from: uniform in [0, 1), reseeded from the clock.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromClock() = 0;
    virtual double next() = 0;
};

// A 24-bit linear congruential generator: every value is a multiple of 1/16,777,216, and every
// run starts from the same state until the first reseeding.
class Rnd : public RandomSource {
public:
    static constexpr std::uint32_t StartState = 0x2A5F3;

    void reseedFromClock() override;
    double next() override;

private:
    void reseed(std::uint32_t seed);

    std::uint32_t state_ = StartState;
};

} // namespace game
