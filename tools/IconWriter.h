#pragma once

#include "Drawing.h"

#include <QString>

namespace generator {

// Paints `artwork` at 32x32 and 16x16 in the sixteen VGA colours and writes
// both as a classic 4-bit ICO file.
void writeIco(const QString& path, const Artwork& artwork);

} // namespace generator
