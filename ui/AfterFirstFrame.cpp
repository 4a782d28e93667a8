#include "AfterFirstFrame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace ui {

namespace {

// Waits for the window's first paint; the work follows on the event loop's next turn, once the
// painted frame has been handed to the display.
class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWidget* window, std::function<void()> work)
        : QObject(window), work_(std::move(work)) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                work_();
                deleteLater();
            });
        }
        return false;
    }

private:
    const std::function<void()> work_;
};

} // namespace

void afterFirstFrame(QWidget* window, std::function<void()> work) {
    new FirstFrameWatch(window, std::move(work));
}

} // namespace ui
