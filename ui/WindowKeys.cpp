#include "WindowKeys.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>

namespace ui {

bool pressButtonForEnter(QWidget* window) {
    if (auto* focused = qobject_cast<QPushButton*>(window->focusWidget())) {
        focused->click();
        return true;
    }
    const auto buttons = window->findChildren<QPushButton*>();
    for (QPushButton* button : buttons) {
        if (button->isDefault() && button->isVisible() && button->isEnabled()) {
            button->click();
            return true;
        }
    }
    return false;
}

bool handleWindowKey(QWidget* window, QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return pressButtonForEnter(window);
    if (key == Qt::Key_F10 && event->modifiers() == Qt::NoModifier) {
        auto* bar = window->findChild<QMenuBar*>();
        if (bar && !bar->actions().isEmpty()) {
            bar->setActiveAction(bar->actions().constFirst());
            return true;
        }
    }
    return false;
}

} // namespace ui
