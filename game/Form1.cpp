#include "Form1.h"

#include "app/Dispatch.h"
#include "app/EndProgram.h"
#include "app/WindowRegistry.h"
#include "game/Cues.h"
#include "game/GuessCount.h"
#include "game/ReadNumber.h"
#include "game/SecretDraw.h"
#include "sound/SystemBell.h"
#include "ui/Picture.h"
#include "ui/WindowKeys.h"

#include <QKeyEvent>

using namespace game;
using sound::PlayWave;
using sound::SystemBeep;
using ui::ShowFace;

// The information windows, built by start-up.
class Form2;
class Form3;
class Form4;

namespace {

QString limitsPrompt() {
    //: The message line when a standard game is chosen and waits for its limits.
    return Form1::tr("Enter Numbers to Guess Between then press GO!");
}

} // namespace

Form1::Form1(std::unique_ptr<RandomSource> random)
    : random_(random ? std::move(random) : std::make_unique<Rnd>()) {
    QStringList messages = {limitsPrompt()};
    for (const Cue& cue : Cues)
        messages << cue.message();
    setupUi(this, messages);
    bindEvents();
}

Form1::~Form1() = default;

void Form1::bindEvents() {
    app::bindEvent(Command1, &QPushButton::clicked, [this] { Command1_Click(); });
    app::bindEvent(Text3, &ui::TextBox::clicked, [this] { Text3_Click(); });
    app::bindEvent(Text3, &ui::TextBox::keyPress,
                   [this](short& KeyAscii) { Text3_KeyPress(KeyAscii); });
    app::bindEvent(Text2, &QLineEdit::textChanged, [this] { Text2_Change(); });
    app::bindEvent(Command2, &QPushButton::clicked, [this] { Command2_Click(); });
    app::bindEvent(Command3, &QPushButton::clicked, [this] { Command3_Click(); });
    app::bindEvent(Standargame, &QAction::triggered, [this] { Standargame_Click(); });
    app::bindEvent(Dynamic, &QAction::triggered, [this] { Dynamic_Click(); });
    app::bindEvent(Noupper, &QAction::triggered, [this] { Noupper_Click(); });
    app::bindEvent(exit, &QAction::triggered, [this] { exit_Click(); });
    app::bindEvent(gamehlp, &QAction::triggered, [this] { gamehlp_Click(); });
    app::bindEvent(License, &QAction::triggered, [this] { License_Click(); });
    app::bindEvent(about, &QAction::triggered, [this] { about_Click(); });
}

void Form1::keyPressEvent(QKeyEvent* event) {
    if (!ui::handleWindowKey(this, event))
        QMainWindow::keyPressEvent(event);
}

void Form1::ShowCount() {
    Label5->setText(QString::number(gss));
}

void Form1::reseedAndDraw(double lower, const UpperLimit& upperLimit) {
    const double upper =
        upperLimit.drawn ? noUpperLimit(lower, upperLimit.value) : upperLimit.value;
    random_->reseedFromClock();
    gu = DrawSecret(lower, upper, random_->next());
}

void Form1::drawGameSecret(double lower) {
    gameUpperLimit_ = {gamestle == GameStyle::NoUpper, ulim};
    reseedAndDraw(lower, gameUpperLimit_);
}

void Form1::redrawSecret(double lower) {
    reseedAndDraw(lower, gameUpperLimit_);
}

void Form1::Form_Load() {
    gamestle = GameStyle::Standard;
    gss = 0;
    ShowCount();
}

void Form1::about_Click() {
    app::windows().show<Form4>();
}

void Form1::gamehlp_Click() {
    app::windows().show<Form2>();
}

void Form1::License_Click() {
    app::windows().show<Form3>();
}

void Form1::showLimitEntry(bool upperLimitShown) {
    Label1->setVisible(upperLimitShown);
    Label2->setVisible(true);
    Text1->setVisible(upperLimitShown);
    Text2->setVisible(true);
    Command1->setVisible(true);
    Label5->setVisible(true);
    Label6->setVisible(true);
    Picture1->setVisible(true);
}

void Form1::Standargame_Click() {
    gamestle = GameStyle::Standard;
    showLimitEntry(true);
    Label3->setVisible(true);
    Label3->setText(limitsPrompt());
}

void Form1::Dynamic_Click() {
    gamestle = GameStyle::Dynamic;
    showLimitEntry(true);
}

void Form1::Noupper_Click() {
    gamestle = GameStyle::NoUpper;
    Label1->setVisible(false);
    Text1->setVisible(false);
    ulim = drawUpperLimit(random_->next());
    showLimitEntry(false);
}

void Form1::Text2_Change() {
    Command1->setEnabled(false);
    const QString upper = Text1->text();
    const QString lower = Text2->text();
    // Without an upper limit to type, the lower limit alone is enough to start.
    if (!lower.isEmpty() && (!upper.isEmpty() || gamestle == GameStyle::NoUpper))
        Command1->setEnabled(true);
}

void Form1::Command1_Click() {
    const double lower = ReadNumber(Text2->text());
    if (gamestle != GameStyle::NoUpper)
        ulim = ReadNumber(Text1->text());
    drawGameSecret(lower);
    Label3->setVisible(true);
    Text3->setVisible(true);
    Label3->setText(StartCue.message());
    ShowFace(Image1, StartCue.face);
    PlayWave(*MMControl1, StartCue.sound);
    Text3->setFocus();
    Command1->setEnabled(false);
}

void Form1::Text3_Click() {
    gss = countGuess(gss);
    ShowCount();
    if (gamestle == GameStyle::Dynamic)
        tries = tries + 1;
    if (tries == 5) {
        const double lower = ReadNumber(Text2->text());
        redrawSecret(lower);
        tries = 0;
    }
    const double guess = ReadNumber(Text3->text());
    if (guess > gu) {
        Label3->setText(LowerCue.message());
        ShowFace(Image1, LowerCue.face);
        PlayWave(*MMControl1, LowerCue.sound);
    } else if (guess < gu) {
        Label3->setText(HigherCue.message());
        ShowFace(Image1, HigherCue.face);
        PlayWave(*MMControl1, HigherCue.sound);
    } else {
        Label3->setText(WinCue.message());
        ShowFace(Image1, WinCue.face);
        PlayWave(*MMControl1, WinCue.sound);
        SystemBeep();
        Label4->setVisible(true);
        Command2->setVisible(true);
        Command3->setVisible(true);
        Text3->setVisible(false);
    }
    Text3->setText(QString());
}

void Form1::Text3_KeyPress(short& KeyAscii) {
    if (KeyAscii == 13) {
        Text3_Click();
        KeyAscii = 0;
    }
}

void Form1::Command2_Click() {
    Text1->setText(QString());
    Text2->setText(QString());
    Label3->setText(QString());
    Command2->setVisible(false);
    Command3->setVisible(false);
    Label4->setVisible(false);
    Label1->setVisible(false);
    Label2->setVisible(false);
    Text1->setVisible(false);
    Text2->setVisible(false);
    Command1->setVisible(false);
    Label5->setVisible(false);
    Label6->setVisible(false);
    Label3->setVisible(false);
    Picture1->setVisible(false);
    gss = 0;
    ShowCount();
}

void Form1::Command3_Click() {
    app::endProgram();
}

void Form1::exit_Click() {
    app::endProgram();
}
