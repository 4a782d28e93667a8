#pragma once

#include <QByteArray>
#include <functional>

namespace app {

// The Qt platform to start on where it must be chosen before Qt would choose: X11 (through
// XWayland) in a GNOME Shell Wayland session, and nothing, Qt's own choice, anywhere else or
// when the player chose one. GNOME Shell draws no title bar for a Wayland window, and the one
// Qt 6.4 draws itself fits GNOME ill and cuts the caption short; an X11 window gets GNOME's own.
// The environment is read through the given function.
QByteArray titleBarPlatform(const std::function<QByteArray(const char*)>& environment);

// Sets QT_QPA_PLATFORM as above, before the application object is made.
void chooseTitleBarPlatform();

} // namespace app
