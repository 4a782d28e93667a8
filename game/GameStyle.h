#pragma once

#include <cstdint>

namespace game {

// The code kept in gamestle. Scoped, so that the main window's menu items, which are named as
// the styles are, never stand in for one.
enum class GameStyle : std::int16_t {
    Standard = 0,
    Dynamic = 1,
    NoUpper = 2,
};

} // namespace game
