#include "MessageAnnouncer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace ui {

namespace {

struct MessageLine {
    QPointer<QLabel> message;
    QPointer<QLabel> countCaption;
    QPointer<QLabel> count;
    bool announcing = false;
};

MessageLine& line() {
    static MessageLine only;
    return only;
}

QString spokenText() {
    const MessageLine& parts = line();
    if (!parts.message || parts.message->text().isEmpty())
        return {};
    QString text = parts.message->text();
    if (parts.count && parts.count->isVisible())
        text += QStringLiteral(" %1 %2").arg(parts.countCaption->text(), parts.count->text());
    return text;
}

// The message line as a notification, named by what is said of it.
class AccessibleMessageLine : public QAccessibleWidget {
public:
    explicit AccessibleMessageLine(QLabel* label)
        : QAccessibleWidget(label, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? spokenText() : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* messageLineInterface(const QString&, QObject* object) {
    return object && object == line().message.data() ? new AccessibleMessageLine(line().message)
                                                     : nullptr;
}

// A handler sets the count and then the message: the two are said once, as they stand when the
// handler has returned.
void announceSoon() {
    MessageLine& parts = line();
    if (parts.announcing || !parts.message)
        return;
    parts.announcing = true;
    QTimer::singleShot(0, parts.message, [] {
        MessageLine& now = line();
        now.announcing = false;
        if (now.message && now.message->isVisible() && !spokenText().isEmpty()) {
            QAccessibleEvent shown(now.message, QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&shown);
        }
    });
}

// Qt tells of a label's new text by a name change, which readers pass over where the focus is
// not; the notification follows it. The bridge's own handling is reached by standing aside.
QAccessible::UpdateHandler bridge = nullptr;
bool watching = false;

void watchUpdates(QAccessibleEvent* event) {
    const MessageLine& parts = line();
    if (event->type() == QAccessible::NameChanged &&
        (event->object() == parts.message.data() || event->object() == parts.count.data()))
        announceSoon();
    QAccessible::installUpdateHandler(bridge);
    QAccessible::updateAccessibility(event);
    bridge = QAccessible::installUpdateHandler(watchUpdates);
}

} // namespace

void announceMessageLine(QLabel* message, QLabel* countCaption, QLabel* count) {
    line() = {message, countCaption, count};
    QAccessible::installFactory(messageLineInterface);
    if (!watching) {
        watching = true;
        bridge = QAccessible::installUpdateHandler(watchUpdates);
    }
}

} // namespace ui
