#pragma once

#include <QImage>

namespace generator {

// The game's own icon, for its windows and the desktop: drawn smoothly at every size.
QImage appIcon(int size);

} // namespace generator
