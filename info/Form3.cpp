#include "Form3.h"

#include "InfoWindow.h"
#include "Texts.h"
#include "ui/Twips.h"
#include "ui/WindowIcons.h"

Form3::Form3(QWidget* parent) : QWidget(parent, info::FixedWindowFlags) {
    info::setUpWindow(this, "Form3", //: The caption of the window with the licence agreement.
                      tr("License"), QSize(ui::twips(9300), ui::twips(6630)), ui::gameIcon);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(ui::twipsRect(120, 120, 9015, 6300));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    // The agreement is laid out in lines of its own; the list cuts what does not fit rather
    // than wrapping or shortening it, and only scrolls up and down.
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setTextElideMode(Qt::ElideNone);
    //: What a screen reader calls the list of the agreement's lines.
    List1->setAccessibleName(tr("License agreement"));
    List1->addItems(info::licenseText());
}
