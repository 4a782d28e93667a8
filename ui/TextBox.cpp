#include "TextBox.h"

#include "AccessibleTextBox.h"
#include "QtAccessibilityGaps.h"
#include "WindowKeys.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

namespace ui {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    offerTextBoxClicks();
    qtgaps::placeCaretOnce(this);
}

void TextBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange && !isVisible()) {
        fontChanged_ = true;
        return;
    }
    QLineEdit::changeEvent(event);
}

void TextBox::showEvent(QShowEvent* event) {
    if (std::exchange(fontChanged_, false)) {
        QEvent fontChange(QEvent::FontChange);
        QLineEdit::changeEvent(&fontChange);
    }
    QLineEdit::showEvent(event);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && pressButtonForEnter(window()))
        return;
    if (!event->text().isEmpty()) {
        short keyAscii = static_cast<short>(event->text().front().unicode());
        emit keyPress(keyAscii);
        if (keyAscii == 0)
            return;
    }
    QLineEdit::keyPressEvent(event);
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    doubleClicking_ = event->button() == Qt::LeftButton;
    QLineEdit::mouseDoubleClickEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (std::exchange(doubleClicking_, false))
        return;
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace ui
