#include "WindowIcons.h"

#include "MediaList.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace ui {

namespace {

// Waits for the window's first paint; the icon follows on the event loop's next turn, once the
// painted frame has been handed to the display.
class IconAfterFirstFrame : public QObject {
public:
    IconAfterFirstFrame(QWidget* window, QIcon (*makeIcon)())
        : QObject(window), makeIcon_(makeIcon) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                static_cast<QWidget*>(parent())->setWindowIcon(makeIcon_());
                deleteLater();
            });
        }
        return false;
    }

private:
    QIcon (*const makeIcon_)();
};

} // namespace

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
    new IconAfterFirstFrame(window, makeIcon);
}

} // namespace ui
