#include "Rnd.h"

#include <chrono>

namespace game {

namespace {
constexpr std::uint32_t Mask = 0xFFFFFF;
// Multiplier 1 mod 4 and an odd increment give the full period of 2^24.
constexpr std::uint32_t Multiplier = 0x43FD43FD;
constexpr std::uint32_t Increment = 0xC39EC3;
} // namespace

void Rnd::reseed(std::uint32_t seed) {
    state_ = (seed ^ (seed >> 24)) & Mask;
}

void Rnd::reseedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(now).count();
    reseed(static_cast<std::uint32_t>(micros ^ (micros >> 32)));
}

double Rnd::next() {
    state_ = (state_ * Multiplier + Increment) & Mask;
    return state_ / 16777216.0;
}

} // namespace game
