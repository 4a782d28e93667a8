#pragma once

#include <QLabel>

namespace ui {

// A label in a plain box: a frame in its text colour around a fill in its background colour.
// Both are laid on whole screen pixels, the frame on the outermost ones of the fill, so that at
// a fractional scale neither shows outside the other: Qt draws a frame by its own rounding and
// the fill by another, which leaves a pixel of fill beyond the frame at 150% on Qt 6.8.
class BoxLabel : public QLabel {
public:
    explicit BoxLabel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ui
