#include "DesktopPlatform.h"

#include <QList>
#include <QtGlobal>

namespace app {

QByteArray titleBarPlatform(const std::function<QByteArray(const char*)>& environment) {
    if (!environment("QT_QPA_PLATFORM").isEmpty() || environment("WAYLAND_DISPLAY").isEmpty() ||
        environment("DISPLAY").isEmpty())
        return {};
    const QList<QByteArray> desktops = environment("XDG_CURRENT_DESKTOP").split(':');
    // Should XWayland not start, Qt falls back to Wayland.
    return desktops.contains("GNOME") ? QByteArray("xcb;wayland") : QByteArray();
}

void chooseTitleBarPlatform() {
    const QByteArray platform = titleBarPlatform([](const char* name) { return qgetenv(name); });
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}

} // namespace app
