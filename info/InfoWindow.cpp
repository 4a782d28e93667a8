#include "InfoWindow.h"

#include "AccessibleInfoWindows.h"

#include "ui/Fonts.h"

namespace info {

void setUpWindow(QWidget* window, const char* name, const QString& caption, QSize clientSize,
                 const QIcon& icon) {
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(caption);
    window->setWindowIcon(icon);
    window->setFixedSize(clientSize);
    window->setFont(ui::designFont(ui::SmallPx));
    describeInfoWindows();
}

} // namespace info
