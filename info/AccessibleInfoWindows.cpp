#include "AccessibleInfoWindows.h"

#include "Form2.h"
#include "Form3.h"
#include "Form4.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

namespace info {

namespace {

class AccessibleHelpPage;

// One printed line of the Help window, a text of its own, as a label would be.
class AccessibleHelpLine : public QAccessibleInterface {
public:
    AccessibleHelpLine(Form2* page, AccessibleHelpPage* parent, int line)
        : page_(page), parent_(parent), line_(line) {}

    bool isValid() const override { return page_ && line_ < int(page_->printedLines().size()); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return page_ ? page_->windowHandle() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? page_->printedLines()[line_].text : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid())
            return {};
        const int y = page_->printedLines()[line_].y;
        const QFontMetrics metrics = page_->fontMetrics();
        return QRect(page_->mapToGlobal(QPoint(0, y)),
                     QSize(metrics.horizontalAdvance(text(QAccessible::Name)), metrics.height()));
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !page_ || !page_->isVisible();
        return state;
    }

private:
    QPointer<Form2> page_;
    AccessibleHelpPage* parent_;
    int line_;
};

// The Help window: a dialog whose texts are the lines printed in view.
class AccessibleHelpPage : public QAccessibleWidget {
public:
    explicit AccessibleHelpPage(Form2* page) : QAccessibleWidget(page, QAccessible::Dialog) {}
    ~AccessibleHelpPage() override {
        for (QAccessibleInterface* line : lines_)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(line));
    }

    int childCount() const override {
        const auto* page = static_cast<const Form2*>(widget());
        int shown = 0;
        for (const Form2::PrintedLine& line : page->printedLines())
            shown += line.y < page->height();
        return shown;
    }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount())
            return nullptr;
        while (int(lines_.size()) <= index) {
            auto* line =
                new AccessibleHelpLine(static_cast<Form2*>(widget()),
                                       const_cast<AccessibleHelpPage*>(this), int(lines_.size()));
            QAccessible::registerAccessibleInterface(line);
            lines_.push_back(line);
        }
        return lines_[std::size_t(index)];
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < lines_.size(); ++i)
            if (lines_[i] == child)
                return int(i);
        return -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

private:
    mutable std::vector<QAccessibleInterface*> lines_;
};

QAccessibleInterface* AccessibleHelpLine::parent() const {
    return parent_;
}

QAccessibleInterface* infoWindowInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(Form2::staticMetaObject.className()))
        return new AccessibleHelpPage(static_cast<Form2*>(object));
    if (className == QLatin1String(Form3::staticMetaObject.className()) ||
        className == QLatin1String(Form4::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
    return nullptr;
}

} // namespace

// Qt keeps a factory installed once however often it is installed.
void describeInfoWindows() {
    QAccessible::installFactory(infoWindowInterface);
}

} // namespace info
