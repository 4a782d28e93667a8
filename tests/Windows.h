#pragma once

#include <QApplication>
#include <QWidget>

namespace tests {

// The top-level window of that object name ("Form2" ...) that exists, shown or not, or null: what
// the window registry holds, seen from outside it.
inline QWidget* topLevelWindow(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == name)
            return window;
    return nullptr;
}

} // namespace tests
