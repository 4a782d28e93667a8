#include "Faces.h"

#include "Drawing.h"
#include "Palette.h"

#include <QPainterPath>
#include <QPen>
#include <QRect>

#include <algorithm>
#include <initializer_list>

namespace generator {

namespace {

// Solid outlines must stay one whole pixel wide at 16x16 and two at 32x32;
// in 32-unit artwork coordinates that is always 2.
constexpr qreal outline = 2;

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

} // namespace

void aboutLetter(QPainter& p) {
    badge(p, vga(Navy), QStringLiteral("i"), QRectF(8, 5, 16, 22));
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

} // namespace generator
