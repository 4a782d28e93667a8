#pragma once

#include <QAccessible>

class QAccessibleTextInterface;
class QLabel;
class QLineEdit;
class QString;

// Where the Qt the game is built with falls short of what a screen reader needs, and what stands
// in for it until the Qt version named at each stand-in, which then lets it go.
namespace ui::qtgaps {

// Makes `label` a source of announcements: called once, before the label is shown.
void announcesFrom(QLabel* label);

// Has screen readers say `words` now, wherever the focus is, as coming from `label`.
void announce(QLabel* label, const QString& words);

// Readies a text box, when made, for the first time a screen reader finds it focused.
void placeCaretOnce(QLineEdit* box);

// What a line edit's text interface answers for the text at `offset`, asked by a screen reader.
QString lineEditTextAt(QAccessibleTextInterface* lineEdit, int offset,
                       QAccessible::TextBoundaryType boundary, int* start, int* end);

} // namespace ui::qtgaps
