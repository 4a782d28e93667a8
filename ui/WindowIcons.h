#pragma once

#include <QIcon>

namespace ui {

// The game's own icon, a white question mark on a dark green disc, stored in the program.
QIcon gameIcon();

} // namespace ui
