#include "Drawing.h"

#include "Output.h"

#include <QFont>
#include <QFontInfo>
#include <QPen>
#include <QTransform>

#include <algorithm>

namespace generator {

namespace {

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

} // namespace

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

} // namespace generator
