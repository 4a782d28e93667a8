#include "AppIcons.h"

#include "Drawing.h"
#include "Palette.h"

#include <QPainter>

namespace generator {

namespace {

void questionMark(QPainter& p) {
    badge(p, vga(Green), QStringLiteral("?"), QRectF(8, 5, 16, 22));
}

} // namespace

QImage appIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(size / 32.0, size / 32.0);
    questionMark(painter);
    return image;
}

} // namespace generator
