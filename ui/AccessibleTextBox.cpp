#include "AccessibleTextBox.h"

#include "QtAccessibilityGaps.h"
#include "TextBox.h"

#include <QAccessible>
#include <QPointer>

namespace ui {

namespace {

// Qt's own line edit interface, with "Press" added to its actions. Everything else is the line
// edit's, so its text, caret and selection read as in any other text box, but for the questions
// that Qt's line edit leaves unanswered (QtAccessibilityGaps.h).
class AccessibleTextBox : public QAccessibleInterface,
                          public QAccessibleActionInterface,
                          public QAccessibleTextInterface {
public:
    AccessibleTextBox(TextBox* box, QAccessibleInterface* lineEdit)
        : box_(box), lineEdit_(lineEdit), lineEditId_(QAccessible::uniqueId(lineEdit)) {}
    ~AccessibleTextBox() override { QAccessible::deleteAccessibleInterface(lineEditId_); }

    bool isValid() const override { return box_ && lineEdit_->isValid(); }
    QObject* object() const override { return box_; }
    QWindow* window() const override { return lineEdit_->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        return lineEdit_->relations(match);
    }
    QAccessibleInterface* focusChild() const override { return lineEdit_->focusChild(); }
    QAccessibleInterface* childAt(int x, int y) const override { return lineEdit_->childAt(x, y); }
    QAccessibleInterface* parent() const override { return lineEdit_->parent(); }
    QAccessibleInterface* child(int index) const override { return lineEdit_->child(index); }
    int childCount() const override { return lineEdit_->childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return lineEdit_->indexOfChild(child);
    }
    QString text(QAccessible::Text t) const override { return lineEdit_->text(t); }
    void setText(QAccessible::Text t, const QString& text) override { lineEdit_->setText(t, text); }
    QRect rect() const override { return lineEdit_->rect(); }
    QAccessible::Role role() const override { return lineEdit_->role(); }
    QAccessible::State state() const override { return lineEdit_->state(); }
    QColor foregroundColor() const override { return lineEdit_->foregroundColor(); }
    QColor backgroundColor() const override { return lineEdit_->backgroundColor(); }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        if (type == QAccessible::TextInterface && lineEditText())
            return static_cast<QAccessibleTextInterface*>(this);
        return lineEdit_->interface_cast(type);
    }

    QStringList actionNames() const override {
        QStringList names = lineEditActions() ? lineEditActions()->actionNames() : QStringList();
        if (box_ && box_->isVisible() && box_->isEnabled())
            names.prepend(pressAction());
        return names;
    }
    // Pressed, the box takes the focus and reports its click, as it does under the mouse.
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            if (box_ && box_->isVisible() && box_->isEnabled()) {
                box_->setFocus(Qt::OtherFocusReason);
                emit box_->clicked();
            }
        } else if (lineEditActions()) {
            lineEditActions()->doAction(name);
        }
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        if (name == pressAction() || !lineEditActions())
            return {};
        return lineEditActions()->keyBindingsForAction(name);
    }

    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                         int* end) const override {
        return qtgaps::lineEditTextAt(lineEditText(), offset, boundary, start, end);
    }
    void selection(int index, int* start, int* end) const override {
        lineEditText()->selection(index, start, end);
    }
    int selectionCount() const override { return lineEditText()->selectionCount(); }
    void addSelection(int start, int end) override { lineEditText()->addSelection(start, end); }
    void removeSelection(int index) override { lineEditText()->removeSelection(index); }
    void setSelection(int index, int start, int end) override {
        lineEditText()->setSelection(index, start, end);
    }
    int cursorPosition() const override { return lineEditText()->cursorPosition(); }
    void setCursorPosition(int position) override { lineEditText()->setCursorPosition(position); }
    QString text(int start, int end) const override { return lineEditText()->text(start, end); }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                             int* end) const override {
        return lineEditText()->textBeforeOffset(offset, boundary, start, end);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* start,
                            int* end) const override {
        return lineEditText()->textAfterOffset(offset, boundary, start, end);
    }
    int characterCount() const override { return lineEditText()->characterCount(); }
    QRect characterRect(int offset) const override { return lineEditText()->characterRect(offset); }
    int offsetAtPoint(const QPoint& point) const override {
        return lineEditText()->offsetAtPoint(point);
    }
    void scrollToSubstring(int start, int end) override {
        lineEditText()->scrollToSubstring(start, end);
    }
    QString attributes(int offset, int* start, int* end) const override {
        return lineEditText()->attributes(offset, start, end);
    }

private:
    QAccessibleActionInterface* lineEditActions() const { return lineEdit_->actionInterface(); }
    QAccessibleTextInterface* lineEditText() const { return lineEdit_->textInterface(); }

    QPointer<TextBox> box_;
    QAccessibleInterface* lineEdit_;
    QAccessible::Id lineEditId_;
};

QAccessibleInterface* textBoxInterface(const QString& className, QObject* object) {
    // The line edit's interface is Qt's, asked for while this factory stands aside.
    static bool askingQt = false;
    if (askingQt || className != QLatin1String(TextBox::staticMetaObject.className()))
        return nullptr;
    askingQt = true;
    QAccessibleInterface* lineEdit = QAccessible::queryAccessibleInterface(object);
    askingQt = false;
    if (!lineEdit)
        return nullptr;
    return new AccessibleTextBox(static_cast<TextBox*>(object), lineEdit);
}

} // namespace

// Qt keeps a factory installed once however often it is installed.
void offerTextBoxClicks() {
    QAccessible::installFactory(textBoxInterface);
}

} // namespace ui
