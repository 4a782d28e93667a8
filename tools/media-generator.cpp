// Draws every picture of Brannoch Number Guess 2002 and writes it in the
// exact file format the game ships, byte for byte. The classic 16-colour ICO
// is encoded here by hand, since Qt writes icons only in 32-bit colour; the
// 24-bit BMP banner and the PNG icons are Qt's own writers' output.

#include "MediaList.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSaveFile>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <limits>
#include <set>
#include <span>
#include <utility>
#include <vector>

namespace {

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
constexpr std::array<QRgb, 16> vgaPalette = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};

QColor vga(Vga index) {
    return QColor::fromRgb(vgaPalette[index]);
}

void fail(const QString& message) {
    QTextStream(stderr) << "media-generator: " << message << '\n';
    std::exit(EXIT_FAILURE);
}

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

void writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

// The resolution Qt records in the file is the image's, which by default
// follows the screen's; the shipped files all say 96 dots per inch.
void writeImage(const QString& path, QImage image, const char* format) {
    constexpr int dotsPerMeter = 3780;
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, format) || !file.commit())
        fail(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

// Any font substitution would silently change the pictures, so a missing
// Liberation Sans is an error rather than a fallback.
QFont liberationSansBold() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(200);
    font.setStyleStrategy(QFont::NoFontMerging);
    if (const QFontInfo info(font);
        info.family() != QStringLiteral("Liberation Sans") || !info.bold())
        fail(
            QStringLiteral("font Liberation Sans Bold not found (got %1); install fonts-liberation")
                .arg(info.family()));
    return font;
}

// Outline of a text scaled to fill `box`, keeping its proportions and
// centring it on the visible ink rather than on the font's line box.
QPainterPath textIn(const QString& text, const QRectF& box) {
    QPainterPath path;
    path.addText(0, 0, liberationSansBold(), text);
    const QRectF ink = path.boundingRect();
    const qreal scale = std::min(box.width() / ink.width(), box.height() / ink.height());
    QTransform toBox;
    toBox.translate(box.center().x(), box.center().y());
    toBox.scale(scale, scale);
    toBox.translate(-ink.center().x(), -ink.center().y());
    return toBox.map(path);
}

// ---------------------------------------------------------------- icons --

// Icon artwork is described on a 32-unit square; the painter scales it to the
// size being drawn.
using Artwork = std::function<void(QPainter&)>;

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

void writeIco(const QString& path, const Artwork& artwork) {
    const std::array icons = {paintPaletteIcon(32, artwork), paintPaletteIcon(16, artwork)};
    writeFile(path, icoFile(icons));
}

// Solid outlines must stay one whole pixel wide at 16x16 and two at 32x32;
// in 32-unit artwork coordinates that is always 2.
constexpr qreal outline = 2;

void fillEllipse(QPainter& p, const QRectF& r, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(r);
}

void fillPath(QPainter& p, const QPainterPath& path, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

void strokePath(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void badge(QPainter& p, const QColor& disc, const QString& letter, const QRectF& letterBox) {
    fillEllipse(p, QRectF(0, 0, 32, 32), disc);
    fillPath(p, textIn(letter, letterBox), Qt::white);
}

void questionMark(QPainter& p) {
    badge(p, vga(Green), QStringLiteral("?"), QRectF(8, 5, 16, 22));
}

void aboutLetter(QPainter& p) {
    badge(p, vga(Navy), QStringLiteral("i"), QRectF(8, 5, 16, 22));
}

void faceDisc(QPainter& p, const QRectF& r, Vga skin) {
    fillEllipse(p, r, vga(Black));
    fillEllipse(p, r.adjusted(outline, outline, -outline, -outline), vga(skin));
}

// A closed, happy eye: an upward bow.
void closedEye(QPainter& p, qreal left, qreal top, qreal width, qreal height) {
    QPainterPath bow;
    bow.moveTo(left, top + height);
    bow.quadTo(left + width / 2, top - height, left + width, top + height);
    strokePath(p, bow, vga(Black), outline);
}

// Exact device pixels, for details too small to leave to the rasteriser.
void fillPixels(QPainter& p, std::initializer_list<QRect> rects, Vga colour) {
    p.save();
    p.resetTransform();
    for (const QRect& r : rects)
        p.fillRect(r, vga(colour));
    p.restore();
}

void knowingSmile(QPainter& p) {
    faceDisc(p, QRectF(0, 0, 32, 32), Yellow);
    // One eye open under a raised brow, the other winking, and a lopsided
    // smirk that climbs towards the wink.
    if (p.device()->width() < 32) {
        fillPixels(p, {QRect(4, 3, 3, 1), QRect(5, 5, 2, 3), QRect(9, 6, 4, 1)}, Black);
        fillPixels(p,
                   {QRect(3, 9, 1, 1), QRect(4, 10, 1, 1), QRect(5, 11, 4, 1), QRect(9, 10, 2, 1),
                    QRect(11, 9, 1, 1), QRect(12, 8, 1, 1)},
                   Black);
        return;
    }
    p.setPen(QPen(vga(Black), outline, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(7, 5, 9, 6), 20 * 16, 140 * 16);
    fillEllipse(p, QRectF(9, 9, 4, 7), vga(Black));
    QPainterPath wink;
    wink.moveTo(18, 12);
    wink.lineTo(25, 12);
    strokePath(p, wink, vga(Black), outline);
    QPainterPath smirk;
    smirk.moveTo(8, 20);
    smirk.cubicTo(12, 25, 19, 25, 25, 17);
    strokePath(p, smirk, vga(Black), outline);
}

// Set pixel by pixel: a 45-degree arrow head only looks clean when every row
// narrows by exactly one pixel on each side.
void pixelArrow(QPainter& p, bool up, Vga colour) {
    const int size = p.device()->width();
    // At 16x16 a narrower head keeps clear of the face's mouth.
    const int headHalf = size >= 32 ? size * 3 / 16 : 2;
    const int shaftHalf = size / 16;
    const int tipRow = size - 2;
    const int headTop = tipRow - headHalf;
    // Leaves room for the head's black rim at the right edge.
    const int centre = size - 2 - headHalf;
    const int none = -size;
    // Half-width of the coloured arrow on a row, counted as if pointing down.
    const auto half = [&](int row) {
        if (row < 1 || row > tipRow)
            return none;
        return row < headTop ? shaftHalf : headHalf - (row - headTop);
    };
    const auto span = [&](int row, int halfWidth, Vga fill) {
        if (halfWidth < 0)
            return;
        const int y = up ? size - 1 - row : row;
        p.fillRect(QRect(centre - halfWidth, y, 2 * halfWidth + 1, 1), vga(fill));
    };
    p.save();
    p.resetTransform();
    for (int row = 0; row < size; ++row) {
        // A one-pixel black rim: the row's own span and the wider head below
        // it get one extra pixel per side, the tip gets one pixel past it.
        span(row, std::max({half(row) + 1, half(row + 1) + 1, half(row - 1)}), Black);
        span(row, half(row), colour);
    }
    p.restore();
}

// Shared by "lower" and "higher": a face on the left, eyes turned the way to
// go, and a tall arrow in front of its right cheek.
void directionFace(QPainter& p, bool up) {
    faceDisc(p, QRectF(0, 4, 24, 24), up ? Yellow : Aqua);

    if (p.device()->width() < 32) {
        fillPixels(p, {QRect(3, 5, 2, 3), QRect(7, 5, 2, 3)}, White);
        const int pupilRow = up ? 5 : 7;
        fillPixels(p, {QRect(3, pupilRow, 2, 1), QRect(7, pupilRow, 2, 1)}, Black);
        if (up)
            fillPixels(p, {QRect(3, 9, 1, 1), QRect(8, 9, 1, 1), QRect(4, 10, 4, 1)}, Black);
        else
            fillPixels(p, {QRect(4, 10, 4, 1), QRect(3, 11, 1, 1), QRect(8, 11, 1, 1)}, Black);
    } else {
        const qreal pupilTop = up ? 10 : 14;
        for (const qreal eyeLeft : {5.0, 13.0}) {
            fillEllipse(p, QRectF(eyeLeft, 9, 5, 9), vga(White));
            p.setPen(Qt::NoPen);
            p.setBrush(vga(Black));
            p.drawRect(QRectF(eyeLeft + 1, pupilTop, 3, 3));
        }
        p.setPen(QPen(vga(Black), outline, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        if (up)
            p.drawArc(QRectF(7, 14, 10, 8), -30 * 16, -120 * 16);
        else
            p.drawArc(QRectF(7, 21, 10, 8), 30 * 16, 120 * 16);
    }

    pixelArrow(p, up, up ? Red : Blue);
}

void lowerFace(QPainter& p) {
    directionFace(p, false);
}
void higherFace(QPainter& p) {
    directionFace(p, true);
}

void delightedFace(QPainter& p) {
    faceDisc(p, QRectF(0, 0, 32, 32), Lime);
    closedEye(p, 7, 9, 6, 3);
    closedEye(p, 19, 9, 6, 3);
    QPainterPath grin;
    grin.moveTo(6, 16);
    grin.lineTo(26, 16);
    grin.cubicTo(26, 30, 6, 30, 6, 16);
    grin.closeSubpath();
    fillPath(p, grin, vga(Black));
    p.save();
    p.setClipPath(grin);
    p.setPen(Qt::NoPen);
    p.setBrush(vga(White));
    p.drawRect(QRectF(8, 18, 16, 3));
    fillEllipse(p, QRectF(11, 23, 10, 6), vga(Red));
    p.restore();
}

// The game's own icon, for its windows and the desktop: drawn smoothly at every size.
QImage smoothIcon(int size, const Artwork& artwork) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(size / 32.0, size / 32.0);
    artwork(painter);
    return image;
}

// --------------------------------------------------------------- banner --

// SplitMix64: tiny, and unlike the standard library's distributions it gives
// the same sequence with every compiler and library version.
class Random {
public:
    explicit Random(std::uint64_t seed) : state(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    int below(int bound) { return int(next() % std::uint64_t(bound)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::uint64_t state;
};

constexpr int bannerWidth = 800;
constexpr int bannerHeight = 383;

// Directions in 45-degree steps, clockwise from east.
constexpr std::array<QPoint, 8> steps = {
    QPoint(1, 0),  QPoint(1, 1),   QPoint(0, 1),  QPoint(-1, 1),
    QPoint(-1, 0), QPoint(-1, -1), QPoint(0, -1), QPoint(1, -1),
};

struct Trace {
    std::vector<QPoint> cells;
    qreal width;
    bool padAtStart;
};

struct Chip {
    QRect pins; // grid cells spanned by the pin rows
    bool quad;
};

// Traces are laid on a routing grid like a real board: no two traces share a
// cell, and two diagonal steps may not cross each other.
class Board {
public:
    static constexpr int pitch = 12;
    static constexpr int columns = bannerWidth / pitch;
    static constexpr int rows = bannerHeight / pitch;

    static QPointF centre(QPoint cell) {
        const qreal left = (bannerWidth - (columns - 1) * pitch) / 2.0;
        const qreal top = (bannerHeight - (rows - 1) * pitch) / 2.0;
        return {left + cell.x() * pitch, top + cell.y() * pitch};
    }

    static bool inside(QPoint cell) {
        return cell.x() >= 0 && cell.y() >= 0 && cell.x() < columns && cell.y() < rows;
    }

    bool isFree(QPoint cell) const { return inside(cell) && !used[index(cell)]; }
    void take(QPoint cell) { used[index(cell)] = true; }
    void takeRect(const QRect& cells) {
        for (int y = cells.top(); y <= cells.bottom(); ++y)
            for (int x = cells.left(); x <= cells.right(); ++x)
                if (inside({x, y}))
                    take({x, y});
    }
    bool rectFree(const QRect& cells) const {
        for (int y = cells.top(); y <= cells.bottom(); ++y)
            for (int x = cells.left(); x <= cells.right(); ++x)
                if (!isFree({x, y}))
                    return false;
        return true;
    }

    bool canStep(QPoint from, int direction) const {
        const QPoint to = from + steps[std::size_t(direction)];
        if (!isFree(to))
            return false;
        return direction % 2 == 0 || !crossings.contains(crossingKey(from, to));
    }

    void step(QPoint from, int direction) {
        const QPoint to = from + steps[std::size_t(direction)];
        take(to);
        if (direction % 2 == 1)
            crossings.insert(crossingKey(from, to));
    }

private:
    static std::size_t index(QPoint cell) { return std::size_t(cell.y() * columns + cell.x()); }
    static std::pair<int, int> crossingKey(QPoint a, QPoint b) {
        return {a.x() + b.x(), a.y() + b.y()};
    }

    std::vector<bool> used = std::vector<bool>(std::size_t(columns * rows), false);
    std::set<std::pair<int, int>> crossings;
};

// Runs mostly straight, bending by 45 degrees now and then and preferring to
// return to the horizontal or vertical, as hand-routed boards do.
Trace route(Board& board, Random& random, QPoint start, int direction, int length, qreal width,
            bool padAtStart) {
    Trace trace{{start}, width, padAtStart};
    QPoint here = start;
    for (int i = 0; i < length; ++i) {
        const bool diagonal = direction % 2 == 1;
        if (i >= 2 && random.chance(diagonal ? 30 : 10))
            direction = (direction + (random.chance(50) ? 1 : 7)) % 8;
        if (!board.canStep(here, direction)) {
            const int bend = random.chance(50) ? 1 : 7;
            if (board.canStep(here, (direction + bend) % 8))
                direction = (direction + bend) % 8;
            else if (board.canStep(here, (direction + 8 - bend) % 8))
                direction = (direction + 8 - bend) % 8;
            else
                break;
        }
        board.step(here, direction);
        here += steps[std::size_t(direction)];
        trace.cells.push_back(here);
    }
    return trace;
}

struct Layout {
    std::vector<Chip> chips;
    std::vector<Trace> traces;
    std::vector<QPoint> mountingHoles;
};

Layout layoutBoard() {
    Random random(2002);
    Board board;
    Layout layout;

    layout.mountingHoles = {{1, 1},
                            {Board::columns - 2, 1},
                            {1, Board::rows - 2},
                            {Board::columns - 2, Board::rows - 2}};
    for (const QPoint hole : layout.mountingHoles)
        board.takeRect(QRect(hole - QPoint(2, 2), QSize(5, 5)));

    for (int attempt = 0; attempt < 200 && layout.chips.size() < 7; ++attempt) {
        const bool quad = layout.chips.size() % 3 == 2;
        const int length = quad ? random.between(4, 6) : random.between(4, 9);
        const QSize size = quad ? QSize(length, length) : QSize(length, 4);
        const QRect pins(QPoint(random.between(3, Board::columns - size.width() - 3),
                                random.between(2, Board::rows - size.height() - 2)),
                         size);
        if (!board.rectFree(pins.adjusted(-3, -3, 3, 3)))
            continue;
        board.takeRect(pins);
        layout.chips.push_back({pins, quad});
    }

    for (const Chip& chip : layout.chips) {
        const QRect& r = chip.pins;
        std::vector<std::pair<QPoint, int>> pins;
        for (int x = r.left(); x <= r.right(); ++x) {
            pins.emplace_back(QPoint(x, r.top()), 6);
            pins.emplace_back(QPoint(x, r.bottom()), 2);
        }
        if (chip.quad) {
            for (int y = r.top() + 1; y < r.bottom(); ++y) {
                pins.emplace_back(QPoint(r.left(), y), 4);
                pins.emplace_back(QPoint(r.right(), y), 0);
            }
        }
        for (auto [pin, direction] : pins) {
            if (!random.chance(80))
                continue;
            // Leave the pin straight out so the trace clears the footprint.
            if (!board.canStep(pin, direction))
                continue;
            Trace trace = route(board, random, pin, direction, random.between(3, 22), 3, false);
            if (trace.cells.size() > 1)
                layout.traces.push_back(std::move(trace));
        }
    }

    for (int attempt = 0; attempt < 4; ++attempt) {
        const QPoint start(random.below(Board::columns), random.below(Board::rows));
        if (!board.isFree(start))
            continue;
        board.take(start);
        Trace trace =
            route(board, random, start, random.below(4) * 2, random.between(15, 40), 6, true);
        if (trace.cells.size() > 4)
            layout.traces.push_back(std::move(trace));
    }

    for (int attempt = 0; attempt < 900; ++attempt) {
        const QPoint start(random.below(Board::columns), random.below(Board::rows));
        if (!board.isFree(start))
            continue;
        board.take(start);
        Trace trace = route(board, random, start, random.below(8), random.between(3, 26), 3, true);
        if (trace.cells.size() > 2)
            layout.traces.push_back(std::move(trace));
    }
    return layout;
}

const QColor boardTop(14, 72, 34);
const QColor boardBottom(8, 50, 24);
const QColor copper(52, 150, 78);
const QColor pad(196, 206, 150);
const QColor hole(6, 30, 14);
const QColor silkscreen(226, 236, 220, 210);

void drawVia(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(Qt::NoPen);
    p.setBrush(copper);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(hole);
    p.drawEllipse(centre, radius * 0.42, radius * 0.42);
}

void drawChip(QPainter& p, const Chip& chip) {
    const QRect& r = chip.pins;
    const QPointF topLeft = Board::centre(r.topLeft());
    const QPointF bottomRight = Board::centre(r.bottomRight());
    p.setPen(Qt::NoPen);
    p.setBrush(pad);
    for (int x = r.left(); x <= r.right(); ++x) {
        for (const int y : {r.top(), r.bottom()}) {
            const QPointF c = Board::centre({x, y});
            p.drawRoundedRect(QRectF(c - QPointF(3.5, 5), QSizeF(7, 10)), 1.5, 1.5);
        }
    }
    if (chip.quad) {
        for (int y = r.top() + 1; y < r.bottom(); ++y) {
            for (const int x : {r.left(), r.right()}) {
                const QPointF c = Board::centre({x, y});
                p.drawRoundedRect(QRectF(c - QPointF(5, 3.5), QSizeF(10, 7)), 1.5, 1.5);
            }
        }
    }
    // A quad package sits inside its pin ring; a dual-row one reaches past
    // its end pins, with the notch at pin 1's end.
    const qreal side = chip.quad ? 9 : -8;
    const QRectF body = QRectF(topLeft, bottomRight).adjusted(side, 9, -side, -9);
    p.setPen(QPen(silkscreen, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(body);
    if (chip.quad) {
        p.setPen(Qt::NoPen);
        p.setBrush(silkscreen);
        p.drawEllipse(body.topLeft() + QPointF(6, 6), 2.5, 2.5);
    } else {
        p.drawArc(QRectF(body.left() - 6, body.center().y() - 6, 12, 12), -90 * 16, 180 * 16);
    }
}

QImage drawBoard() {
    QImage image(bannerWidth, bannerHeight, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient shade(0, 0, 0, bannerHeight);
    shade.setColorAt(0, boardTop);
    shade.setColorAt(1, boardBottom);
    p.fillRect(image.rect(), shade);

    const Layout layout = layoutBoard();
    for (const Trace& trace : layout.traces) {
        QPolygonF line;
        for (const QPoint cell : trace.cells)
            line << Board::centre(cell);
        p.setPen(QPen(copper, trace.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(line);
        const qreal viaRadius = trace.width > 3 ? 6.5 : 4.5;
        if (trace.padAtStart)
            drawVia(p, line.front(), viaRadius);
        drawVia(p, line.back(), viaRadius);
    }
    for (const Chip& chip : layout.chips)
        drawChip(p, chip);
    for (const QPoint cell : layout.mountingHoles) {
        const QPointF c = Board::centre(cell);
        p.setPen(Qt::NoPen);
        p.setBrush(pad);
        p.drawEllipse(c, 13, 13);
        p.setBrush(hole);
        p.drawEllipse(c, 8, 8);
    }
    return image;
}

// Three box blurs in a row approximate a Gaussian closely enough for a shadow.
void blurAlpha(std::vector<int>& alpha, int width, int height, int radius) {
    std::vector<int> scratch(alpha.size());
    const auto pass = [&](int count, int length, auto at) {
        for (int line = 0; line < count; ++line) {
            int sum = 0;
            for (int i = -radius; i <= radius; ++i)
                sum += alpha[at(line, std::clamp(i, 0, length - 1))];
            for (int i = 0; i < length; ++i) {
                scratch[at(line, i)] = sum / (2 * radius + 1);
                sum += alpha[at(line, std::min(i + radius + 1, length - 1))];
                sum -= alpha[at(line, std::max(i - radius, 0))];
            }
        }
        alpha.swap(scratch);
    };
    for (int round = 0; round < 3; ++round) {
        pass(height, width, [&](int y, int x) { return std::size_t(y * width + x); });
        pass(width, height, [&](int x, int y) { return std::size_t(y * width + x); });
    }
}

QImage drawBanner() {
    QImage image = drawBoard();
    const QPainterPath title = textIn(QStringLiteral("Brannoch"), QRectF(50, 60, 700, 263));

    QImage shadowMask(image.size(), QImage::Format_ARGB32);
    shadowMask.fill(Qt::transparent);
    {
        QPainter p(&shadowMask);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.translate(6, 7);
        fillPath(p, title, Qt::black);
    }
    std::vector<int> alpha;
    alpha.reserve(std::size_t(bannerWidth * bannerHeight));
    for (int y = 0; y < bannerHeight; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(shadowMask.constScanLine(y));
        for (int x = 0; x < bannerWidth; ++x)
            alpha.push_back(qAlpha(line[x]));
    }
    blurAlpha(alpha, bannerWidth, bannerHeight, 4);
    QImage shadow(image.size(), QImage::Format_ARGB32);
    for (int y = 0; y < bannerHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(shadow.scanLine(y));
        for (int x = 0; x < bannerWidth; ++x)
            line[x] = qRgba(0, 0, 0, alpha[std::size_t(y * bannerWidth + x)] * 7 / 8);
    }

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.drawImage(0, 0, shadow);
    strokePath(p, title, QColor(0, 30, 10, 200), 3);
    fillPath(p, title, Qt::white);
    return image;
}

} // namespace

int main(int argc, char* argv[]) {
    // Nothing is ever shown, and the generator must run without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2)
        fail(QStringLiteral("usage: media-generator MEDIA-DIRECTORY"));
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("icons")))
        fail(QStringLiteral("cannot create %1").arg(folder.filePath(QStringLiteral("icons"))));
    const auto path = [&folder](const char* name) {
        return folder.filePath(QString::fromLatin1(name));
    };

    writeIco(path("about.ico"), aboutLetter);
    writeIco(path(media::StartMedia.face), knowingSmile);
    writeIco(path(media::LowerMedia.face), lowerFace);
    writeIco(path(media::HigherMedia.face), higherFace);
    writeIco(path(media::WinMedia.face), delightedFace);
    // An RGB32 image has no alpha, so Qt stores it as an uncompressed 24-bit bitmap.
    writeImage(path("banner.bmp"), drawBanner(), "BMP");
    for (const media::IconFile& icon : media::IconFiles)
        writeImage(path(icon.name), smoothIcon(icon.size, questionMark), "PNG");
    return EXIT_SUCCESS;
}
