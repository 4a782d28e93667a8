#include "Form2.h"

#include "InfoWindow.h"
#include "Texts.h"
#include "app/Dispatch.h"
#include "ui/TextFit.h"
#include "ui/Twips.h"
#include "ui/WindowIcons.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

Form2::Form2(QWidget* parent) : QWidget(parent, info::FixedWindowFlags) {
    info::setUpWindow(this, "Form2", //: The caption of the window with the rules of play.
                      tr("Help"), QSize(ui::twips(6690), ui::twips(6405)), ui::gameIcon);
    // The page is white whatever the desktop's scheme, so the print on it is black.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    // A translation may print longer lines than the English; the page grows to hold them all.
    setFixedSize(ui::pageSize(size(), fontMetrics(), info::helpText()));
}

void Form2::Form_Activate() {
    // Coming back to the window prints the text again. The first copy fills nearly all of the
    // window, so a further copy starts beyond its bottom edge: the player keeps reading one
    // copy that neither moves nor shows the top of a second one in the strip underneath.
    if (!printed_.isEmpty())
        currentY_ = std::max(currentY_, height());
    for (const QString& line : info::helpText())
        print(line);
    update();
}

bool Form2::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        app::dispatch([this] { Form_Activate(); });
    return QWidget::event(event);
}

void Form2::paintEvent(QPaintEvent* event) {
    // Printed text is kept, not just drawn once, so it survives being covered and uncovered.
    QPainter painter(this);
    const int ascent = fontMetrics().ascent();
    for (const PrintedLine& line : printed_) {
        if (line.y > event->rect().bottom())
            break;
        painter.drawText(0, line.y + ascent, line.text);
    }
}

void Form2::print(const QString& text) {
    printed_.append({currentY_, text});
    currentY_ += fontMetrics().lineSpacing();
}
