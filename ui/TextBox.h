#pragma once

#include <QLineEdit>

namespace ui {

// A single-line text box that also reports a click and each typed character, so that a
// handler can take a click as a submission and swallow a key by setting its code to 0.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

signals:
    void clicked();
    void keyPress(short& keyAscii);

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // A double click is one click followed by a double click, not two clicks: the release that
    // ends it reports nothing.
    bool doubleClicking_ = false;
    // A line edit lays its text out in a new font at once, which loads the font. A hidden box
    // does that only once it is shown: the window's first frame, with every box hidden, needs
    // none of their fonts.
    bool fontChanged_ = false;
};

} // namespace ui
