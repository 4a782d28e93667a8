#pragma once

#include <cstdint>

namespace game {

// The code kept in gamestle.
enum GameStyle : std::int16_t {
    Standard = 0,
    Dynamic = 1,
    NoUpper = 2,
};

} // namespace game
