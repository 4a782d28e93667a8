#include "QtAccessibilityGaps.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>

namespace ui::qtgaps {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void announcesFrom(QLabel*) {}

void announce(QLabel* label, const QString& words) {
    QAccessibleAnnouncementEvent event(label, words);
    QAccessible::updateAccessibility(&event);
}

#else

// Qt 6.8's announcement event lets this go. Before it, what Orca speaks wherever the focus is,
// is a notification that is shown: the label becomes one, named by what it announces.
namespace {

// What the label announces is kept on the label itself, which marks it as a notification.
constexpr char Announced[] = "announced";

class AccessibleNotification : public QAccessibleWidget {
public:
    explicit AccessibleNotification(QWidget* label)
        : QAccessibleWidget(label, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? object()->property(Announced).toString()
                                      : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* notificationInterface(const QString&, QObject* object) {
    return object && object->property(Announced).isValid()
               ? new AccessibleNotification(static_cast<QWidget*>(object))
               : nullptr;
}

} // namespace

void announcesFrom(QLabel* label) {
    label->setProperty(Announced, QString());
    // Qt keeps a factory installed once however often it is installed.
    QAccessible::installFactory(notificationInterface);
}

void announce(QLabel* label, const QString& words) {
    label->setProperty(Announced, words);
    QAccessibleEvent shown(label, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

#endif

void placeCaretOnce([[maybe_unused]] QLineEdit* box) {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Qt 6.8 lets this go. Entered for the first time, a Qt 6.4 line edit tells of its caret
    // just before its focus, and Orca then takes the box for focused already and leaves it
    // unsaid; a caret placed once is told of only when it moves.
    box->setCursorPosition(0);
#endif
}

QString lineEditTextAt(QAccessibleTextInterface* lineEdit, int offset,
                       QAccessible::TextBoundaryType boundary, int* start, int* end) {
    // Qt's line edit never answers which word or sentence lies at the end of its text, which Orca
    // asks when Ctrl+Left starts there, and the game would hang: the last one is the answer. Qt
    // 6.4 and 6.8 both hang; oddInputNeverStopsTheGame tells when a newer Qt lets this go.
    const int count = lineEdit->characterCount();
    if (count > 0 && offset >= count &&
        (boundary == QAccessible::WordBoundary || boundary == QAccessible::SentenceBoundary))
        offset = count - 1;
    return lineEdit->textAtOffset(offset, boundary, start, end);
}

} // namespace ui::qtgaps
