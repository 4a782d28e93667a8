#include "InfoWindow.h"

#include "AccessibleInfoWindows.h"

#include "ui/Fonts.h"
#include "ui/WindowIcons.h"

namespace info {

void setUpWindow(QWidget* window, const char* name, const QString& caption, QSize clientSize,
                 QIcon (*makeIcon)()) {
    // Before anything that tells screen readers of the window (its caption does, from Qt 6.8 on):
    // what they are told of first is what they take the window for.
    describeInfoWindows();
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(caption);
    ui::setIconAfterFirstFrame(window, makeIcon);
    window->setFixedSize(clientSize);
    window->setFont(ui::designFont(ui::SmallPx));
}

} // namespace info
