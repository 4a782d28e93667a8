#pragma once

#include <QImage>

namespace generator {

// The About box's banner: the game's name over a printed circuit board, laid
// out anew from a fixed seed on every run.
QImage drawBanner();

} // namespace generator
