#pragma once

#include <QPainter>

namespace generator {

// The 16-colour pictures kept as ICO files, each on a 32-unit square: the
// About box's letter and the faces the game shows with its cues.
void aboutLetter(QPainter& p);
void knowingSmile(QPainter& p);
void lowerFace(QPainter& p);
void higherFace(QPainter& p);
void delightedFace(QPainter& p);

} // namespace generator
