#include "AppIcons.h"

#include "Drawing.h"
#include "Palette.h"

#include <QPainter>

#include <algorithm>

namespace generator {

namespace {

void questionMark(QPainter& p) {
    badge(p, vga(Green), QStringLiteral("?"), QRectF(8, 5, 16, 22));
}

// Qt's own conversion from premultiplied to straight alpha rounds edge pixels
// by way of the processor's reciprocal estimates where it has SSE4.1, so the
// same drawing came out one step apart from machine to machine. The icons are
// therefore painted premultiplied, which Qt does alike everywhere, and turned
// to straight alpha here in integers.

// Exact round-half-up of colour * 255 / alpha, so that every machine agrees.
int straightChannel(int colour, int alpha) {
    return std::min((colour * 255 + alpha / 2) / alpha, 255);
}

QRgb straightAlpha(QRgb premultiplied) {
    const int alpha = qAlpha(premultiplied);
    if (alpha == 0)
        return 0;
    return qRgba(straightChannel(qRed(premultiplied), alpha),
                 straightChannel(qGreen(premultiplied), alpha),
                 straightChannel(qBlue(premultiplied), alpha), alpha);
}

} // namespace

QImage appIcon(int size) {
    QImage painted(size, size, QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    {
        QPainter painter(&painted);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.scale(size / 32.0, size / 32.0);
        questionMark(painter);
    }
    QImage icon(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(painted.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(icon.scanLine(y));
        for (int x = 0; x < size; ++x)
            to[x] = straightAlpha(from[x]);
    }
    return icon;
}

} // namespace generator
