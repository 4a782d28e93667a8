#include "Form3.h"

#include "InfoWindow.h"
#include "Texts.h"
#include "ui/Twips.h"
#include "ui/WindowIcons.h"

Form3::Form3(QWidget* parent) : QWidget(parent, info::FixedWindowFlags) {
    info::setUpWindow(this, "Form3", QStringLiteral("License"),
                      QSize(ui::twips(9300), ui::twips(6630)), ui::gameIcon);

    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setGeometry(ui::twipsRect(120, 120, 9015, 6300));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    // The agreement is laid out in lines of its own; the list cuts what does not fit rather
    // than wrapping or shortening it, and only scrolls up and down.
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    List1->setTextElideMode(Qt::ElideNone);
    List1->setAccessibleName(QStringLiteral("License agreement"));
    List1->addItems(info::licenseText());
}
