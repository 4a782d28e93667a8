#include "BoxLabel.h"

#include <QPainter>

#include <cmath>

namespace ui {

namespace {

// The screen pixels whose centres lie inside `area`, given in screen coordinates.
QRect wholePixels(const QRectF& area) {
    const auto edge = [](qreal at) { return int(std::floor(at + 0.5)); };
    return QRect(QPoint(edge(area.left()), edge(area.top())),
                 QPoint(edge(area.right()) - 1, edge(area.bottom()) - 1));
}

} // namespace

BoxLabel::BoxLabel(QWidget* parent) : QLabel(parent) {
    // The text keeps the place a one-pixel frame leaves it.
    setContentsMargins(1, 1, 1, 1);
}

void BoxLabel::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        const QRect box = wholePixels(painter.deviceTransform().mapRect(QRectF(rect())));
        painter.setWorldTransform(painter.deviceTransform().inverted());
        const int frame = std::max(1, qRound(devicePixelRatioF()));
        painter.fillRect(box, palette().color(backgroundRole()));
        const QColor ink = palette().color(foregroundRole());
        painter.fillRect(QRect(box.left(), box.top(), box.width(), frame), ink);
        painter.fillRect(QRect(box.left(), box.bottom() - frame + 1, box.width(), frame), ink);
        painter.fillRect(QRect(box.left(), box.top(), frame, box.height()), ink);
        painter.fillRect(QRect(box.right() - frame + 1, box.top(), frame, box.height()), ink);
    }
    QLabel::paintEvent(event);
}

} // namespace ui
