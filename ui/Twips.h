#pragma once

#include <QRect>

namespace ui {

// Window layouts are given in twips; 15 twips make one device-independent pixel.
constexpr int twips(int t) {
    return t / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

static_assert(twips(4845) == 323 && twips(2430) == 162);

} // namespace ui
