#pragma once

#include <QIcon>

class QWidget;

namespace ui {

// The game's own icon, a white question mark on a dark green disc, stored in the program in
// every size that the desktop entry installs.
QIcon gameIcon();

// Makes the window's icon and gives it to the window once the window's first frame is on the
// screen. Making an icon decodes every size of it, which takes as long as building the rest of
// the main window, and the first frame shows none of it: the title bar and the window list take
// the icon as soon as it is set.
void setIconAfterFirstFrame(QWidget* window, QIcon (*makeIcon)());

} // namespace ui
