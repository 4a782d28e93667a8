#pragma once

#include <QList>
#include <QString>
#include <QWidget>

// The help window. Each time it becomes active it prints the rules of play, line under line,
// like text typed onto paper.
class Form2 : public QWidget {
    Q_OBJECT
public:
    struct PrintedLine {
        int y; // top edge of the line
        QString text;
    };

    explicit Form2(QWidget* parent = nullptr);

    void Form_Activate();

    // Everything printed so far, top to bottom, as screen readers read it.
    const QList<PrintedLine>& printedLines() const { return printed_; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void print(const QString& text);

    int currentY_ = 0;
    QList<PrintedLine> printed_;
};
