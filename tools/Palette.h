#pragma once

#include <QColor>
#include <QRgb>

#include <array>

namespace generator {

// The sixteen colours of the VGA palette, which the icons and faces are drawn in.
enum Vga : int {
    Black,
    Maroon,
    Green,
    Olive,
    Navy,
    Purple,
    Teal,
    Silver,
    Grey,
    Red,
    Lime,
    Yellow,
    Blue,
    Fuchsia,
    Aqua,
    White
};

// Index order is the order of the palette stored in every icon file.
inline constexpr std::array<QRgb, 16> vgaPalette = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};

inline QColor vga(Vga index) {
    return QColor::fromRgb(vgaPalette[index]);
}

} // namespace generator
