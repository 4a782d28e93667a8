#include "TextFit.h"

#include "Language.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <map>

namespace ui {

namespace {

// Text that runs to a label's very edge looks cut off, so it keeps this many pixels clear of
// each side.
constexpr int Clearance = 2;

// Whether `text` shows whole in a label whose text has `width` pixels across: on one line with
// Clearance to spare on each side, or wrapped within that width, which the label's margins keep
// clear of its edges (see wrap).
bool fitsLabel(const QLabel* label, const QString& text, int width) {
    const QFontMetrics metrics = label->fontMetrics();
    const int height = label->contentsRect().height();
    if (!label->wordWrap())
        return metrics.horizontalAdvance(text) + 2 * Clearance <= width &&
               metrics.height() <= height;
    const QRect needed = metrics.boundingRect(QRect(0, 0, width, height * 4),
                                              Qt::TextWordWrap | label->alignment(), text);
    return needed.width() <= width && needed.height() <= height;
}

// Keeps the lines of a wrapping label clear of its edges: the label breaks them within its
// margins, which a line of a translation may fill.
void keepClear(QLabel* label) {
    label->setContentsMargins(label->contentsMargins() + QMargins(Clearance, 0, Clearance, 0));
}

// How many times wider than now the control must be to show `text` whole; 1 when it fits. Of a
// control that reaches beyond the area, only the part inside shows.
double widening(QWidget* control, const QString& text, const QRect& area) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        const int hidden = label->width() - (label->geometry() & area).width();
        if (!label->wordWrap() &&
            label->contentsRect().height() >= 2 * label->fontMetrics().lineSpacing() &&
            !fitsLabel(label, text, label->contentsRect().width() - hidden)) {
            label->setWordWrap(true);
            keepClear(label);
        }
        const int width = label->contentsRect().width() - hidden;
        const int spare = label->width() - width;
        int wider = width;
        while (!fitsLabel(label, text, wider) && wider < 100 * width)
            wider += std::max(1, width / 50);
        return double(wider + spare) / label->width();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        // The text keeps clear of the bevel by the style's margin on each side.
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        const int needed = button->fontMetrics().horizontalAdvance(text) + 2 * margin;
        return std::max(1.0, double(needed) / button->width());
    }
    return 1;
}

QString textOf(const QWidget* control) {
    if (auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    return {};
}

bool showsPicture(const QWidget* control) {
    return !qobject_cast<const QLabel*>(control) &&
           !qobject_cast<const QAbstractButton*>(control) &&
           !qobject_cast<const QLineEdit*>(control);
}

} // namespace

void fitTexts(QWidget* area, const std::vector<LaterTexts>& later) {
    // The English texts fit the design, as it was laid out for them; measuring them would load
    // fonts that nothing shown yet uses, and slow the start.
    if (language().isEmpty())
        return;
    const QList<QWidget*> controls = area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::map<QWidget*, QStringList> texts;
    for (QWidget* control : controls) {
        if (const QString text = textOf(control); !text.isEmpty())
            texts[control] << text;
    }
    for (const LaterTexts& each : later)
        texts[each.control] << each.texts;
    for (const auto& [control, shown] : texts) {
        if (auto* label = qobject_cast<QLabel*>(control); label && label->wordWrap())
            keepClear(label);
    }

    double factor = 1.0;
    for (const auto& [control, shown] : texts) {
        for (const QString& text : shown)
            factor = std::max(factor, widening(control, text, area->rect()));
    }
    if (factor == 1.0)
        return;

    const auto scaled = [factor](int x) { return int(std::ceil(x * factor)); };
    for (QWidget* control : controls) {
        const QRect place = control->geometry();
        const int left = scaled(place.left());
        const int width = scaled(place.left() + place.width()) - left;
        if (showsPicture(control))
            control->move(left + (width - place.width()) / 2, place.top());
        else
            control->setGeometry(left, place.top(), width, place.height());
    }
    area->setFixedWidth(scaled(area->width()));
}

QSize pageSize(QSize design, const QFontMetrics& metrics, const QStringList& lines) {
    int widest = 0;
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int tallest = int(lines.size()) * metrics.lineSpacing() + metrics.descent();
    // A page widened for its longest line leaves a little margin on its right, as the English
    // page does.
    return QSize(widest > design.width() ? widest + 2 * metrics.averageCharWidth() : design.width(),
                 std::max(tallest, design.height()));
}

} // namespace ui
