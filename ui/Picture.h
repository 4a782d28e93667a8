#pragma once

#include <QString>

class QLabel;

namespace ui {

// Loads the face picture from its file, afresh every time, into the image control, which
// stretches it to its size. A picture that cannot be loaded leaves the previous face in place.
void ShowFace(QLabel* image, const QString& fileName);

} // namespace ui
