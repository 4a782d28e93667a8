#include "WindowIcons.h"

#include "AfterFirstFrame.h"
#include "MediaList.h"

#include <QWidget>

namespace ui {

QIcon gameIcon() {
    // Every size the desktop entry's icon comes in, so that a desktop at any scale finds one
    // drawn for the size it shows, rather than enlarging a small one.
    QIcon icon;
    for (const media::IconFile& file : media::IconFiles)
        icon.addFile(QStringLiteral(":/media/") + QLatin1String(file.name),
                     QSize(file.size, file.size));
    return icon;
}

void setIconAfterFirstFrame(QWidget* window, QIcon (*makeIcon)()) {
    afterFirstFrame(window, [window, makeIcon] { window->setWindowIcon(makeIcon()); });
}

} // namespace ui
