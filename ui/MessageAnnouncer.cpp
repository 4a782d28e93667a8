#include "MessageAnnouncer.h"

#include "QtAccessibilityGaps.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>

namespace ui {

namespace {

struct MessageLine {
    QPointer<QLabel> message;
    QPointer<QLabel> countCaption;
    QPointer<QLabel> count;
    QString said;
};

MessageLine& line() {
    static MessageLine only;
    return only;
}

QString spokenText(const MessageLine& parts) {
    if (!parts.message || !parts.message->isVisible() || parts.message->text().isEmpty())
        return {};
    if (!parts.count || !parts.count->isVisible())
        return parts.message->text();
    //: What a screen reader says after each answer: %1 is the message line, %2 the caption
    //: of the count ("Guesses") and %3 the count, as the window shows them.
    return QCoreApplication::translate("MessageAnnouncer", "%1 %2 %3")
        .arg(parts.message->text(), parts.countCaption->text(), parts.count->text());
}

} // namespace

void announceMessageLine(QLabel* message, QLabel* countCaption, QLabel* count) {
    line() = {message, countCaption, count, {}};
    qtgaps::announcesFrom(message);
}

void announceChangedMessageLine() {
    MessageLine& parts = line();
    const QString text = spokenText(parts);
    if (text == parts.said)
        return;
    // A line cleared is not said, but the same words after it are new again.
    parts.said = text;
    if (!text.isEmpty())
        qtgaps::announce(parts.message, text);
}

} // namespace ui
