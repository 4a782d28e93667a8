#include "InfoWindow.h"

#include "AccessibleInfoWindows.h"

#include "ui/Fonts.h"
#include "ui/WindowIcons.h"

namespace info {

void setUpWindow(QWidget* window, const char* name, const QString& caption, QSize clientSize,
                 QIcon (*makeIcon)()) {
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(caption);
    ui::setIconAfterFirstFrame(window, makeIcon);
    window->setFixedSize(clientSize);
    window->setFont(ui::designFont(ui::SmallPx));
    describeInfoWindows();
}

} // namespace info
