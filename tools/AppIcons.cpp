#include "AppIcons.h"

#include "Drawing.h"
#include "Palette.h"

#include <QPainter>

#include <array>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace generator {

namespace {

void questionMark(QPainter& p) {
    badge(p, vga(Green), QStringLiteral("?"), QRectF(8, 5, 16, 22));
}

// Qt paints into a straight-alpha image by way of premultiplied colour, and
// where the processor has SSE4.1 it divides each edge pixel's colour back out
// by multiplying with 255 times the processor's estimate of 1/alpha, refined
// once by Newton-Raphson. A colour lying exactly halfway between two values
// then rounds the way the estimate's last bits send it. Those bits are not the
// same from one processor maker to another, and without SSE4.1 Qt rounds in
// integers instead, so the same drawing gave some edge pixels one step apart
// from machine to machine. The icons are therefore painted premultiplied,
// which Qt does alike everywhere, and turned to straight alpha here by the
// same steps in plain single precision, from the estimates of the Intel
// processor that made the shipped icons.

// Intel's RCPSS estimates of 1/n for the odd n from 1 to 253, as float bits.
// An estimate depends only on the significand, so that of an odd n times a
// power of two is the odd n's estimate over that power.
constexpr std::array<std::uint32_t, 127> reciprocalEstimates = {
    0x3f7ff000, 0x3eaaa000, 0x3e4cc000, 0x3e124000, 0x3de38000, 0x3dba2800, 0x3d9d8000, 0x3d888000,
    0x3d70e000, 0x3d578800, 0x3d430000, 0x3d321000, 0x3d23d000, 0x3d17b000, 0x3d0d3800, 0x3d042000,
    0x3cf83000, 0x3cea0000, 0x3cdd5800, 0x3cd20000, 0x3cc7c800, 0x3cbe7800, 0x3cb60000, 0x3cae4800,
    0x3ca72800, 0x3ca09800, 0x3c9a8800, 0x3c94f000, 0x3c8fb000, 0x3c8ad800, 0x3c864800, 0x3c820000,
    0x3c7c0000, 0x3c747800, 0x3c6d6800, 0x3c66b800, 0x3c606000, 0x3c5a6800, 0x3c54c000, 0x3c4f5800,
    0x3c4a3800, 0x3c456000, 0x3c40b800, 0x3c3c4800, 0x3c381000, 0x3c340000, 0x3c302800, 0x3c2c7000,
    0x3c28e000, 0x3c257800, 0x3c223000, 0x3c1f0800, 0x3c1c0000, 0x3c191800, 0x3c164800, 0x3c139800,
    0x3c10f800, 0x3c0e7000, 0x3c0c0000, 0x3c09a800, 0x3c076000, 0x3c053000, 0x3c031000, 0x3c010000,
    0x3bfdf800, 0x3bfa1000, 0x3bf65000, 0x3bf2a800, 0x3bef2000, 0x3bebb000, 0x3be85800, 0x3be51800,
    0x3be1f000, 0x3bdee000, 0x3bdbe000, 0x3bd8f800, 0x3bd62000, 0x3bd36000, 0x3bd0a800, 0x3bce1000,
    0x3bcb8000, 0x3bc90000, 0x3bc69000, 0x3bc43000, 0x3bc1d800, 0x3bbf9800, 0x3bbd6000, 0x3bbb3800,
    0x3bb91800, 0x3bb70800, 0x3bb50000, 0x3bb30800, 0x3bb11800, 0x3baf3000, 0x3bad5800, 0x3bab8800,
    0x3ba9c000, 0x3ba80000, 0x3ba65000, 0x3ba4a000, 0x3ba30000, 0x3ba16800, 0x3b9fd000, 0x3b9e4800,
    0x3b9cc000, 0x3b9b4800, 0x3b99d000, 0x3b986000, 0x3b96f800, 0x3b959800, 0x3b944000, 0x3b92e800,
    0x3b91a000, 0x3b905800, 0x3b8f1000, 0x3b8dd800, 0x3b8ca000, 0x3b8b6800, 0x3b8a4000, 0x3b891800,
    0x3b87f000, 0x3b86d800, 0x3b85b800, 0x3b84a800, 0x3b839800, 0x3b828800, 0x3b818000,
};

float reciprocalEstimate(int alpha) {
    int odd = alpha;
    float scale = 1;
    while (odd % 2 == 0) {
        odd /= 2;
        scale /= 2;
    }
    return std::bit_cast<float>(reciprocalEstimates[std::size_t(odd / 2)]) * scale;
}

int straightChannel(int colour, float factor) {
    return int(std::nearbyint(float(colour) * factor));
}

// Each rounding step is its own statement, in Qt's order; CMakeLists.txt keeps
// the compiler from fusing a multiply into the subtraction.
QRgb straightAlpha(QRgb premultiplied) {
    const int alpha = qAlpha(premultiplied);
    if (alpha == 0 || alpha == 255)
        return premultiplied;
    const float estimate = reciprocalEstimate(alpha);
    const float product = estimate * float(alpha);
    const float correction = estimate * product;
    const float refined = (estimate + estimate) - correction;
    const float factor = refined * 255.0f;
    return qRgba(straightChannel(qRed(premultiplied), factor),
                 straightChannel(qGreen(premultiplied), factor),
                 straightChannel(qBlue(premultiplied), factor), alpha);
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
