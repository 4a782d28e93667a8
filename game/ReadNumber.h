#pragma once

#include <QStringView>

namespace game {

// Reads the text of a box as a number, the way the game always has: blanks anywhere are
// ignored, reading stops at the first character that cannot continue the number, and text
// that is no number reads as 0. The decimal point is always the full stop, whatever the
// locale. &H and &O read hexadecimal and octal integers. A magnitude beyond the double range
// reads as the largest finite double of its sign. The result is always finite.
double ReadNumber(QStringView text);

} // namespace game
