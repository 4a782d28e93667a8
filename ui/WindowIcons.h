#pragma once

#include <QIcon>

namespace ui {

// The game's own icon, a white question mark on a dark green disc, stored in the program in
// every size that the desktop entry installs.
QIcon gameIcon();

} // namespace ui
