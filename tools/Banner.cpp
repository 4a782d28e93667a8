#include "Banner.h"

#include "Drawing.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPoint>
#include <QPolygonF>
#include <QRect>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <set>
#include <utility>
#include <vector>

namespace generator {

namespace {

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

} // namespace

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

} // namespace generator
