#pragma once

#include <cstdint>

namespace game {

// The guess count after one more guess. It stops at the largest 16-bit count, 32767, rather
// than overflowing: the guess is still judged.
constexpr std::int16_t countGuess(std::int16_t count) {
    return count < INT16_MAX ? static_cast<std::int16_t>(count + 1) : count;
}

} // namespace game
