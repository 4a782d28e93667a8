#pragma once

class QKeyEvent;
class QWidget;

namespace ui {

// Enter in a window presses the focused button, or else the window's default button while it
// is visible and enabled. Returns whether a button took the key.
bool pressButtonForEnter(QWidget* window);

// The keys a window handles itself: Enter for its buttons, and F10, which opens the first menu
// so that a player without a mouse reaches the menus. Returns whether the key was taken.
bool handleWindowKey(QWidget* window, QKeyEvent* event);

} // namespace ui
