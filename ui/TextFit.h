#pragma once

#include <QFontMetrics>
#include <QSize>
#include <QStringList>
#include <QWidget>

#include <vector>

namespace ui {

// A control, and the texts it shows besides the one it holds now (the message line's answers,
// say).
struct LaterTexts {
    QWidget* control;
    QStringList texts;
};

// Makes room for a translation longer than the English that an area of hand-placed controls was
// laid out for. A label tall enough for two lines wraps its text; where a text still does not
// fit, the area and everything in it widen by one factor, the least that shows every text of
// every label and button whole: controls keep their order, their neighbours and their heights,
// and a picture keeps its size in the middle of its widened place. Nothing moves where every
// text fits already, and nothing is measured in English, for which the design was laid out.
void fitTexts(QWidget* area, const std::vector<LaterTexts>& later = {});

// The size of a page of printed lines in a font: laid out at `design`, grown as far as its
// longest line and its number of lines need.
QSize pageSize(QSize design, const QFontMetrics& metrics, const QStringList& lines);

} // namespace ui
