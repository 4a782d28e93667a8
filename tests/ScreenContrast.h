#pragma once

#include <QApplication>
#include <QColor>
#include <QFrame>
#include <QHash>
#include <QImage>
#include <QPalette>
#include <QString>
#include <QStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>

// How readable a text is, measured from the pixels a widget shows, the way WCAG defines
// contrast.
namespace contrast {

inline double luminance(const QColor& colour) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

inline double ratio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Reading {
    QColor background;
    QColor text;
    double ratio = 1;

    QString seen() const {
        return QStringLiteral("%1 on %2, %3:1")
            .arg(text.name(), background.name())
            .arg(ratio, 0, 'f', 2);
    }
};

// Thin strokes may cover no pixel whole, so a text's own colour may show only nearly.
inline bool nearly(const QColor& shown, const QColor& colour) {
    return std::max({std::abs(shown.red() - colour.red()), std::abs(shown.green() - colour.green()),
                     std::abs(shown.blue() - colour.blue())}) <= 16;
}

// What a picture of a text shows: the background is the colour most pixels have, the text the
// pixel that stands out most from it.
inline Reading read(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    Reading reading;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            reading.background = QColor(it.key());
        }
    reading.text = reading.background;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double r = ratio(QColor(it.key()), reading.background);
        if (r > reading.ratio) {
            reading.ratio = r;
            reading.text = QColor(it.key());
        }
    }
    return reading;
}

inline Reading read(QWidget* widget, const QRect& area) {
    return read(widget->grab(area).toImage());
}

// Where a control shows its text: inside its frame, whose lines are no text.
inline QRect inside(QWidget* control) {
    if (auto* frame = qobject_cast<QFrame*>(control))
        return frame->contentsRect();
    const int margin =
        control->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control) + 1;
    return control->rect().adjusted(margin, margin, -margin, -margin);
}

// A dark colour scheme on the whole application while it lives, as a desktop with a dark theme
// gives one: dark faces and fields, light text, a selection that light text can be read on.
class DarkScheme {
public:
    DarkScheme() {
        QPalette dark(QColor(49, 54, 59), QColor(42, 46, 50));
        dark.setColor(QPalette::WindowText, QColor(252, 252, 252));
        dark.setColor(QPalette::ButtonText, QColor(252, 252, 252));
        dark.setColor(QPalette::Base, QColor(27, 30, 32));
        dark.setColor(QPalette::Text, QColor(252, 252, 252));
        dark.setColor(QPalette::Highlight, QColor(37, 99, 160));
        dark.setColor(QPalette::HighlightedText, QColor(252, 252, 252));
        QApplication::setPalette(dark);
    }
    ~DarkScheme() { QApplication::setPalette(saved_); }
    DarkScheme(const DarkScheme&) = delete;
    DarkScheme& operator=(const DarkScheme&) = delete;

private:
    QPalette saved_ = QApplication::palette();
};

} // namespace contrast
