#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <functional>

namespace generator {

// Icon artwork is described on a 32-unit square; the painter scales it to the
// size being drawn.
using Artwork = std::function<void(QPainter&)>;

void fillEllipse(QPainter& p, const QRectF& r, const QColor& colour);
void fillPath(QPainter& p, const QPainterPath& path, const QColor& colour);
void strokePath(QPainter& p, const QPainterPath& path, const QColor& colour, qreal width);

// Outline of a text scaled to fill `box`, keeping its proportions and
// centring it on the visible ink rather than on the font's line box.
QPainterPath textIn(const QString& text, const QRectF& box);

// A disc filled edge to edge with one white letter in `letterBox`.
void badge(QPainter& p, const QColor& disc, const QString& letter, const QRectF& letterBox);

} // namespace generator
