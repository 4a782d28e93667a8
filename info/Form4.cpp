#include "Form4.h"

#include "InfoWindow.h"
#include "Texts.h"
#include "ui/TextFit.h"
#include "ui/Twips.h"

#include <QPixmap>

namespace {

QLabel* caption(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

} // namespace

Form4::Form4(QWidget* parent) : QWidget(parent, info::FixedWindowFlags) {
    info::setUpWindow(this,
                      "Form4", //: The caption of the window that names the game and its makers.
                      tr("About"), QSize(ui::twips(3825), ui::twips(3075)),
                      [] { return QIcon(QStringLiteral(":/media/about.ico")); });

    Picture1 = new QFrame(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(ui::twipsRect(840, 120, 1935, 1095));
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(2);
    //: What a screen reader calls the maker's banner picture.
    Picture1->setAccessibleName(tr("Brannoch banner"));

    // The picture is as big as the whole box but starts inside the sunken border; the box's
    // inside clips it, so the border stays whole on every side.
    auto* inside = new QWidget(Picture1);
    inside->setGeometry(Picture1->contentsRect());
    Image1 = new QLabel(inside);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(ui::twipsRect(0, 0, 1935, 1095));
    Image1->setAccessibleName(Picture1->accessibleName());
    // The label shrinks and squeezes the bitmap into the box as it paints, straight to the
    // device pixels the box fills, and again whenever the window's scale changes: a copy shrunk
    // to the box's logical size would be enlarged again, and blurred, on a scaled display.
    Image1->setScaledContents(true);
    Image1->setPixmap(QPixmap(QStringLiteral(":/media/banner.bmp")));

    Label1 = caption(this, "Label1", QStringLiteral("Brannoch Number Guess 2002"),
                     ui::twipsRect(0, 1320, 3735, 255));
    Label2 = caption(this, "Label2", info::copyrightNotice(), ui::twipsRect(0, 1680, 3735, 255));
    Label3 = caption(this, "Label3", tr("Written by the Brannoch Software team"),
                     ui::twipsRect(0, 2040, 3855, 255));
    // A longer credit line in a translation widens the window and its lines alike.
    ui::fitTexts(this);
}
