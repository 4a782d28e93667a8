#include "IconWriter.h"

#include "Output.h"
#include "Palette.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

namespace generator {

namespace {

class LittleEndian {
public:
    void u8(unsigned value) { bytes.append(char(value & 0xffu)); }
    void u16(unsigned value) {
        u8(value);
        u8(value >> 8);
    }
    void u32(std::uint32_t value) {
        u16(value & 0xffffu);
        u16(value >> 16);
    }
    void i32(std::int32_t value) { u32(std::uint32_t(value)); }
    void append(const QByteArray& more) { bytes.append(more); }
    const QByteArray& data() const { return bytes; }

private:
    QByteArray bytes;
};

struct PaletteIcon {
    int size = 0;
    std::vector<int> pixels; // VGA index, or -1 where the icon is transparent
};

int nearestVga(QRgb colour) {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < int(vgaPalette.size()); ++i) {
        const int dr = qRed(colour) - qRed(vgaPalette[i]);
        const int dg = qGreen(colour) - qGreen(vgaPalette[i]);
        const int db = qBlue(colour) - qBlue(vgaPalette[i]);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

// Antialiasing is off so that every painted pixel already is one of the
// sixteen colours: blended edge colours would otherwise have to be mapped
// to whatever palette entry happens to be nearest, which looks smeared.
PaletteIcon paintPaletteIcon(int size, const Artwork& artwork) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.scale(size / 32.0, size / 32.0);
        artwork(painter);
    }
    PaletteIcon icon{size, {}};
    icon.pixels.reserve(std::size_t(size) * std::size_t(size));
    for (int y = 0; y < size; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < size; ++x)
            icon.pixels.push_back(qAlpha(line[x]) < 128 ? -1 : nearestVga(line[x]));
    }
    return icon;
}

// One icon image as stored in an ICO file: a BITMAPINFOHEADER whose height
// counts both masks, the palette, the 4-bit colour (XOR) bitmap and the 1-bit
// transparency (AND) bitmap, each bottom row first with rows padded to 32 bits.
QByteArray icoImage(const PaletteIcon& icon) {
    const int n = icon.size;
    const int xorStride = (n * 4 + 31) / 32 * 4;
    const int andStride = (n + 31) / 32 * 4;
    LittleEndian out;
    out.u32(40);
    out.i32(n);
    out.i32(2 * n);
    out.u16(1);
    out.u16(4);
    out.u32(0);
    out.u32(std::uint32_t((xorStride + andStride) * n));
    out.i32(0);
    out.i32(0);
    out.u32(0);
    out.u32(0);
    for (const QRgb colour : vgaPalette) {
        out.u8(unsigned(qBlue(colour)));
        out.u8(unsigned(qGreen(colour)));
        out.u8(unsigned(qRed(colour)));
        out.u8(0);
    }
    const auto at = [&](int x, int y) {
        return icon.pixels[std::size_t(y) * std::size_t(n) + std::size_t(x)];
    };
    for (int y = n - 1; y >= 0; --y) {
        QByteArray row(xorStride, '\0');
        for (int x = 0; x < n; ++x) {
            // Transparent pixels are black in the colour bitmap so that the
            // AND-then-XOR blit leaves the background untouched.
            const unsigned index = unsigned(std::max(at(x, y), 0));
            row[x / 2] = char(uchar(row[x / 2]) | (x % 2 == 0 ? index << 4 : index));
        }
        out.append(row);
    }
    for (int y = n - 1; y >= 0; --y) {
        QByteArray row(andStride, '\0');
        for (int x = 0; x < n; ++x)
            if (at(x, y) < 0)
                row[x / 8] = char(uchar(row[x / 8]) | (0x80u >> (x % 8)));
        out.append(row);
    }
    return out.data();
}

QByteArray icoFile(std::span<const PaletteIcon> icons) {
    std::vector<QByteArray> images;
    for (const PaletteIcon& icon : icons)
        images.push_back(icoImage(icon));
    LittleEndian out;
    out.u16(0);
    out.u16(1);
    out.u16(unsigned(icons.size()));
    std::uint32_t offset = std::uint32_t(6 + 16 * icons.size());
    for (std::size_t i = 0; i < icons.size(); ++i) {
        out.u8(unsigned(icons[i].size));
        out.u8(unsigned(icons[i].size));
        out.u8(16);
        out.u8(0);
        out.u16(1);
        out.u16(4);
        out.u32(std::uint32_t(images[i].size()));
        out.u32(offset);
        offset += std::uint32_t(images[i].size());
    }
    for (const QByteArray& image : images)
        out.append(image);
    return out.data();
}

} // namespace

void writeIco(const QString& path, const Artwork& artwork) {
    const std::array icons = {paintPaletteIcon(32, artwork), paintPaletteIcon(16, artwork)};
    writeFile(path, icoFile(icons));
}

} // namespace generator
