#include "MainWindowDesign.h"

#include "AfterFirstFrame.h"
#include "BoxLabel.h"
#include "Fonts.h"
#include "MessageAnnouncer.h"
#include "TextFit.h"
#include "Twips.h"
#include "WindowIcons.h"
#include "sound/WavePlayer.h"

#include <QMainWindow>
#include <QMenuBar>

namespace ui {

namespace {

QColor bgr(unsigned value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

// Background and text always go together: both fixed, or both the desktop scheme's. A fixed
// background under the scheme's text would give light text on light colours in a dark scheme.
void setColours(QWidget* widget, const QColor& back, const QColor& fore) {
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), back);
    palette.setColor(widget->foregroundRole(), fore);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A text box's fixed field takes black text, as the design's platform drew it there. The
// selection keeps the scheme's own pair of colours, which are made to be read on each other.
void setField(QWidget* box, const QColor& back) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, back);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
}

template <typename Control>
Control* place(Control* control, const char* name, QRect geometry, bool enabled = true) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    control->setEnabled(enabled);
    control->setVisible(false);
    return control;
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, QRect geometry,
              const QFont& font, Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignTop) {
    auto* control = place(new QLabel(caption, parent), name, geometry);
    control->setFont(font);
    control->setAlignment(alignment);
    // Labels are opaque and keep the scheme's button-face colours unless told otherwise.
    setColours(control, control->palette().color(QPalette::Button),
               control->palette().color(QPalette::ButtonText));
    return control;
}

// A label in a plain box, which paints its own fill.
QLabel* box(QWidget* parent, const char* name, QRect geometry, const QFont& font,
            const QColor& back, const QColor& fore, Qt::Alignment alignment) {
    auto* control = place(new BoxLabel(parent), name, geometry);
    control->setFont(font);
    control->setAlignment(alignment);
    setColours(control, back, fore);
    control->setAutoFillBackground(false);
    return control;
}

TextBox* textBox(QWidget* parent, const char* name, const QString& accessibleName, QRect geometry,
                 const QFont& font, const QColor& back) {
    auto* control = place(new TextBox(parent), name, geometry);
    control->setFont(font);
    control->setAccessibleName(accessibleName);
    setField(control, back);
    return control;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect geometry,
                    const QFont& font, bool enabled = true) {
    auto* control = place(new QPushButton(caption, parent), name, geometry, enabled);
    control->setFont(font);
    return control;
}

QAction* item(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction* separator(QMenu* menu, const char* name) {
    QAction* action = menu->addSeparator();
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

void MainWindowDesign::setupUi(QMainWindow* window, const QStringList& messages) {
    window->setObjectName(QStringLiteral("Form1"));
    window->setWindowTitle(QStringLiteral("Brannoch Number Guess 2002"));
    setIconAfterFirstFrame(window, gameIcon);

    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twips(4845), twips(2430));
    window->setCentralWidget(client);

    const QFont small = designFont(SmallPx);
    const QFont smallBold = designFont(SmallPx, true);
    const QFont mediumBold = designFont(MediumPx, true);
    const QFont largeBold = designFont(LargePx, true);
    // The label strips' background, and the text wherever the design fixes a background without
    // naming a text colour: its platform drew black text there.
    const QColor black(Qt::black);

    // Controls in the order of the design; labels are lowered beneath the rest afterwards.
    Picture1 = place(new QFrame(client), "Picture1", twipsRect(120, 840, 855, 855));
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(2);
    Picture1->setFocusPolicy(Qt::StrongFocus);
    //: What a screen reader calls the picture of a face that answers each guess.
    Picture1->setAccessibleName(tr("Face"));
    setColours(Picture1, QColor(Qt::white), black);

    Image1 = new QLabel(Picture1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(
        QRect(Picture1->contentsRect().topLeft(), twipsRect(0, 0, 735, 735).size()));
    Image1->setScaledContents(true);
    Image1->setAccessibleName(Picture1->accessibleName());

    //: The answer to "Do you want to play again?" that ends the program.
    Command3 = button(client, "Command3", tr("No."), twipsRect(2760, 2040, 975, 255), small);
    //: The answer to "Do you want to play again?" that starts a new game.
    Command2 = button(client, "Command2", tr("Yes!"), twipsRect(1680, 2040, 975, 255), smallBold);

    Text3 = textBox(client, "Text3",
                    //: What a screen reader calls the box the player types a guess into.
                    tr("Your guess"), twipsRect(3720, 1800, 975, 495), largeBold, bgr(0x00C0FFC0));
    Text3->setAlignment(Qt::AlignCenter);

    Command1 = button(client, "Command1",
                      //: The button that starts a game once its limits are typed; keep it short.
                      tr("GO!"), twipsRect(3600, 120, 1095, 615), largeBold, false);
    Command1->setDefault(true);

    Text2 =
        textBox(client, "Text2",
                //: What a screen reader calls the box the lowest number of a game is typed into.
                tr("Lower limit"), twipsRect(2520, 480, 975, 285), small, bgr(0x00FFC0C0));
    Text1 =
        textBox(client, "Text1",
                //: What a screen reader calls the box the highest number of a game is typed into.
                tr("Upper limit"), twipsRect(2520, 120, 975, 285), small, bgr(0x00C0C0FF));

    MMControl1 = std::make_unique<sound::WavePlayer>();

    // The stand-in face sets "Guesses" wider than the classic one did, wider than its label;
    // set a little narrower, it fits whole, as it did.
    QFont narrow = small;
    narrow.setStretch(85);
    //: The caption beside the count of guesses made so far.
    Label6 = label(client, "Label6", tr("Guesses"), twipsRect(240, 1800, 615, 255), narrow);
    Label5 = box(client, "Label5", twipsRect(960, 1800, 615, 495), largeBold, bgr(0x00FFFFC0),
                 black, Qt::AlignHCenter | Qt::AlignTop);
    Label5->setAccessibleDescription(Label6->text());
    Label4 = label(client, "Label4", tr("Do you want to play again?"),
                   twipsRect(1680, 1800, 2055, 255), small, Qt::AlignLeft | Qt::AlignTop);
    setColours(Label4, bgr(0x00C0C0C0), black);
    Label3 = box(client, "Label3", twipsRect(960, 840, 3735, 855), mediumBold, black,
                 bgr(0x00FFC0FF), Qt::AlignCenter);
    Label3->setWordWrap(true);
    Label2 = label(client, "Label2", tr("Enter Lower limit for guess"),
                   twipsRect(120, 480, 2295, 255), smallBold);
    setColours(Label2, black, bgr(0x00FFC0C0));
    Label1 = label(client, "Label1", tr("Enter Upper limit for guess"),
                   twipsRect(120, 120, 2295, 255), smallBold);
    setColours(Label1, black, bgr(0x00C0C0FF));

    // Only now, so that the text boxes are made in the window's font, which the menu bar
    // loads anyway, and not in one that only hidden controls use (see TextBox).
    client->setFont(small);
    for (QLabel* each : {Label6, Label5, Label4, Label3, Label2, Label1})
        each->lower();

    // What a screen reader says: each answer with the count as it comes, and the question with
    // the Yes! that the focus lands on after a win.
    announceMessageLine(Label3, Label6, Label5);
    Command2->setAccessibleDescription(Label4->text());

    // The chain starts with the upper-limit box, so that the first Tab of a game goes there and
    // not to the face, which was made first. Qt moves a widget in the chain only after one that
    // takes the focus, so the client area takes it for this one move.
    client->setFocusPolicy(Qt::TabFocus);
    QWidget::setTabOrder(client, Text1);
    client->setFocusPolicy(Qt::NoFocus);
    QWidget::setTabOrder(Text1, Text2);
    QWidget::setTabOrder(Text2, Command1);
    QWidget::setTabOrder(Command1, Text3);
    QWidget::setTabOrder(Text3, Command2);
    QWidget::setTabOrder(Command2, Command3);
    QWidget::setTabOrder(Command3, Picture1);

    //: The menu of game styles, and the way out.
    Options = window->menuBar()->addMenu(tr("Options"));
    Options->setObjectName(QStringLiteral("Options"));
    //: Game style: the number stays the same until it is guessed.
    Standargame = item(Options, "Standargame", tr("Standard Game"));
    //: Game style: the number changes after every five guesses.
    Dynamic = item(Options, "Dynamic", tr("Dynamic", "game style"));
    //: Game style: only the lower limit is typed.
    Noupper = item(Options, "Noupper", tr("No upper limit", "game style"));
    lne = separator(Options, "lne");
    //: Ends the program.
    exit = item(Options, "exit", tr("Exit"));

    Help = window->menuBar()->addMenu(tr("Help", "menu"));
    Help->setObjectName(QStringLiteral("Help"));
    //: Opens the window with the rules of play.
    gamehlp = item(Help, "gamehlp", tr("Help", "menu item"));
    lne2 = separator(Help, "lne2");
    //: Opens the window with the licence agreement.
    License = item(Help, "License", tr("License", "menu item"));
    about = item(Help, "about", tr("About", "menu item"));

    // A translation longer than the English widens the window. The first frame shows the menu
    // bar alone, so the texts are measured only after it, and no font that it does not draw is
    // opened before it.
    afterFirstFrame(window, [this, client, messages] { fitTexts(client, {{Label3, messages}}); });
}

} // namespace ui
