#pragma once

#include <QFont>

namespace ui {

// Liberation Sans stands in for the classic sans-serif faces. Sizes are in pixels so that the
// fixed layout holds whatever the desktop's font DPI: 8.25 pt is 11 px, 12 pt is 16 px and
// 13.5 pt is 18 px at 96 dots per inch.
inline QFont designFont(int pixelSize, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

inline constexpr int SmallPx = 11;
inline constexpr int MediumPx = 16;
inline constexpr int LargePx = 18;

} // namespace ui
