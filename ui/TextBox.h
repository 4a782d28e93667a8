#pragma once

#include <QLineEdit>

namespace ui {

// A single-line text box that also reports a click and each typed character, so that a
// handler can take a click as a submission and swallow a key by setting its code to 0.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    void clicked();
    void keyPress(short& keyAscii);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace ui
