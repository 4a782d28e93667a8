#include "GameFixture.h"
#include "MediaList.h"

#include <QAccessible>
#include <QTest>

#include <cfloat>
#include <cmath>
#include <functional>

namespace {
constexpr double LargestU = 1.0 - 1.0 / 16777216.0;

QStringList visibleControls(const Form1& form) {
    QStringList shown;
    for (QWidget* control :
         form.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control->isVisible())
            shown << control->objectName();
    shown.sort();
    return shown;
}

QStringList cue(const QString& message, const QString& file) {
    return {QStringLiteral("stop|") + message, QStringLiteral("close"),
            QStringLiteral("file ") + file, QStringLiteral("open"), QStringLiteral("play")};
}

// The sound log without the face's cache key, which only says whether the face changed.
QStringList withoutFaces(QStringList log) {
    for (QString& line : log)
        if (line.startsWith(u"stop|"))
            line = line.section(u'|', 0, 1);
    return log;
}
} // namespace

class TestGameplay : public QObject {
    Q_OBJECT
private slots:
    void styleItemsShowTheirControls_data();
    void styleItemsShowTheirControls();
    void noUpperLimitDrawsWithoutReseeding();
    void goEnabling_data();
    void goEnabling();
    void goReadsLimitsAndDrawsFirst();
    void noUpperLimitIgnoresTheUpperBox();
    void answersAGuess_data();
    void answersAGuess();
    void enterSubmitsAndIsSwallowed();
    void mouseInTheGuessBox_data();
    void mouseInTheGuessBox();
    void cueShowsMessageThenFaceThenFiveSoundWrites();
    void goAgainMidGameKeepsTheCount();
    void dynamicFifthGuessMeetsANewSecret();
    void redrawKeepsTheLimitsOfTheGameInPlay_data();
    void redrawKeepsTheLimitsOfTheGameInPlay();
    void triesSurviveYesAndStyleChanges();
    void yesClearsTheWindowAndLeavesGoDisabled();
    void styleChosenWhileTheQuestionShows();
    void countStopsAtItsLargestAndTheGuessIsStillJudged();
    void missingFaceLeavesThePreviousOne();
    void oddInputNeverStopsTheGame_data();
    void oddInputNeverStopsTheGame();
};

void TestGameplay::styleItemsShowTheirControls_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("message");
    const QStringList common = {"Command1", "Label2", "Label5", "Label6", "Picture1", "Text2"};
    QTest::newRow("Standard") << 0 << (common + QStringList{"Label1", "Label3", "Text1"})
                              << "Enter Numbers to Guess Between then press GO!";
    QTest::newRow("Dynamic") << 1 << (common + QStringList{"Label1", "Text1"}) << "";
    QTest::newRow("No upper limit") << 2 << common << "";
}

void TestGameplay::styleItemsShowTheirControls() {
    QFETCH(int, style);
    QFETCH(QStringList, shown);
    QFETCH(QString, message);
    GameFixture game;
    Form1& form = *game.form;
    QAction* items[] = {form.Standargame, form.Dynamic, form.Noupper};
    items[style]->trigger();
    shown.sort();
    QCOMPARE(visibleControls(form), shown);
    QCOMPARE(form.Label3->text(), message);
    QCOMPARE(std::int16_t(form.gamestle), std::int16_t(style));
    QCOMPARE(form.Label5->text(), QStringLiteral("0"));
    QVERIFY(!form.Command1->isEnabled());
    // GO! brings the message line into view in every style, with the start prompt.
    QTest::keyClicks(form.Text1, QStringLiteral("9"));
    QTest::keyClicks(form.Text2, QStringLiteral("1"));
    form.Command1->click();
    QVERIFY(form.Label3->isVisible() && form.Text3->isVisible());
    QCOMPARE(form.Label3->text(), QStringLiteral("I've got the number! What's your guess?"));
}

void TestGameplay::noUpperLimitDrawsWithoutReseeding() {
    GameFixture game;
    game.script = {0.5, 0.0, LargestU};
    game.form->Noupper_Click();
    QCOMPARE(game.form->ulim, 50000001.0);
    game.form->Noupper_Click();
    QCOMPARE(game.form->ulim, 1.0);
    game.form->Noupper_Click();
    QCOMPARE(game.form->ulim, 99999995.0);
    QCOMPARE(game.reseeds, 0);
}

void TestGameplay::goEnabling_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("upper then lower") << 0 << QStringList{"1:100", "2:1"} << true;
    QTest::newRow("lower then upper") << 0 << QStringList{"2:1", "1:100"} << false;
    QTest::newRow("lower again after upper") << 0 << QStringList{"2:1", "1:100", "2:2"} << true;
    QTest::newRow("lower emptied") << 0 << QStringList{"1:100", "2:1", "2:-"} << false;
    QTest::newRow("upper emptied") << 0 << QStringList{"1:100", "2:1", "1:-"} << true;
    QTest::newRow("blanks count") << 1 << QStringList{"1: ", "2: "} << true;
    QTest::newRow("no upper limit needs only the lower") << 2 << QStringList{"2:7"} << true;
    QTest::newRow("no upper limit, lower emptied") << 2 << QStringList{"2:7", "2:-"} << false;
}

void TestGameplay::goEnabling() {
    QFETCH(int, style);
    QFETCH(QStringList, steps);
    QFETCH(bool, enabled);
    GameFixture game;
    Form1& form = *game.form;
    QAction* items[] = {form.Standargame, form.Dynamic, form.Noupper};
    items[style]->trigger();
    for (const QString& step : steps) {
        ui::TextBox* box = step.startsWith(u'1') ? form.Text1 : form.Text2;
        const QString text = step.mid(2);
        if (text == u"-")
            QTest::keyClick(box, Qt::Key_Backspace);
        else
            QTest::keyClicks(box, text);
    }
    QCOMPARE(form.Command1->isEnabled(), enabled);
    // Choosing a style never changes it.
    for (QAction* item : items) {
        item->trigger();
        QCOMPARE(form.Command1->isEnabled(), enabled);
    }
}

void TestGameplay::goReadsLimitsAndDrawsFirst() {
    GameFixture game;
    Form1& form = *game.form;
    form.Text3->setText(QStringLiteral("kept"));
    game.startStandard(QStringLiteral("10"), QStringLiteral("1"), LargestU);
    QCOMPARE(form.gu, 10.0);
    QCOMPARE(form.ulim, 10.0);
    QCOMPARE(game.reseeds, 1);
    QCOMPARE(form.Label3->text(), QStringLiteral("I've got the number! What's your guess?"));
    QVERIFY(form.Text3->isVisible());
    QCOMPARE(form.Text3->text(), QStringLiteral("kept"));
    QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget() : form.focusWidget(),
             form.Text3);
    QVERIFY(!form.Command1->isEnabled());
    // The face file's own pixels, which the control stretches to its size as it paints.
    QCOMPARE(form.Image1->pixmap().size(), QSize(32, 32));
    QVERIFY(form.Image1->hasScaledContents());
    QCOMPARE(form.Label5->text(), QStringLiteral("0"));
}

void TestGameplay::noUpperLimitIgnoresTheUpperBox() {
    GameFixture game;
    Form1& form = *game.form;
    form.Text1->setText(QStringLiteral("3"));
    game.script = {0.0};
    form.Noupper_Click();
    QCOMPARE(form.ulim, 1.0);
    game.script = {LargestU};
    form.Noupper_Click();
    QCOMPARE(form.ulim, 99999995.0);
    QTest::keyClicks(form.Text2, "5");
    game.script = {LargestU};
    form.Command1->click();
    QCOMPARE(form.ulim, 99999995.0);
    // 5 plus floor(u times the 99,999,995 values that start at 5).
    QCOMPARE(form.gu, 5.0 + 99999989.0);
}

void TestGameplay::answersAGuess_data() {
    QTest::addColumn<QString>("guess");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("wave");
    QTest::addColumn<bool>("won");
    QTest::newRow("greater") << "7"
                             << "My number is lower." << media::LowerMedia.sound << false;
    QTest::newRow("less") << "3"
                          << "My number is higher." << media::HigherMedia.sound << false;
    QTest::newRow("fraction below") << "4.5"
                                    << "My number is higher." << media::HigherMedia.sound << false;
    QTest::newRow("empty box") << ""
                               << "My number is higher." << media::HigherMedia.sound << false;
    QTest::newRow("right") << "5"
                           << "You got my number!" << media::WinMedia.sound << true;
    QTest::newRow("right as 5.0") << "5.0"
                                  << "You got my number!" << media::WinMedia.sound << true;
    QTest::newRow("right as 5e0") << "5e0"
                                  << "You got my number!" << media::WinMedia.sound << true;
}

void TestGameplay::answersAGuess() {
    QFETCH(QString, guess);
    QFETCH(QString, message);
    QFETCH(QString, wave);
    QFETCH(bool, won);
    GameFixture game;
    Form1& form = *game.form;
    game.startStandard(QStringLiteral("5"), QStringLiteral("5"));
    QCOMPARE(form.gu, 5.0);
    game.sound.clear();
    game.guess(guess);
    QCOMPARE(form.Label3->text(), message);
    QCOMPARE(withoutFaces(game.sound), cue(message, wave));
    QCOMPARE(form.Text3->text(), QString());
    QCOMPARE(form.Label5->text(), QStringLiteral("1"));
    QCOMPARE(form.Text3->isVisible(), !won);
    QCOMPARE(form.Label4->isVisible(), won);
    QCOMPARE(form.Command2->isVisible(), won);
    QCOMPARE(form.Command3->isVisible(), won);
}

void TestGameplay::enterSubmitsAndIsSwallowed() {
    GameFixture game;
    Form1& form = *game.form;
    game.startStandard(QStringLiteral("5"), QStringLiteral("5"));
    form.activateWindow();
    QTest::keyClicks(form.Text3, "7");
    QTest::keyClick(form.Text3, Qt::Key_Return);
    QCOMPARE(form.Label3->text(), QStringLiteral("My number is lower."));
    QCOMPARE(form.Text3->text(), QString());
    QCOMPARE(form.Label5->text(), QStringLiteral("1"));
    QTest::keyClick(form.Text3, Qt::Key_Enter);
    QCOMPARE(form.Label5->text(), QStringLiteral("2"));
    QCOMPARE(form.Text3->text(), QString());
    // Other keys type as usual.
    QTest::keyClicks(form.Text3, "4x");
    QCOMPARE(form.Text3->text(), QStringLiteral("4x"));
}

// What the mouse does in the guess box: a left click, and a double click, submits the typed
// number once; another button, or a press that is let go outside the box, submits nothing.
void TestGameplay::mouseInTheGuessBox_data() {
    QTest::addColumn<std::function<void(QWidget*)>>("mouse");
    QTest::addColumn<QString>("count");
    const QPoint inside(5, 5);
    QTest::newRow("left click") << std::function<void(QWidget*)>([=](QWidget* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, inside);
    }) << "1";
    QTest::newRow("double click") << std::function<void(QWidget*)>([=](QWidget* box) {
        QTest::mouseClick(box, Qt::LeftButton, {}, inside);
        QTest::mouseDClick(box, Qt::LeftButton, {}, inside);
    }) << "1";
    QTest::newRow("right click") << std::function<void(QWidget*)>([=](QWidget* box) {
        QTest::mouseClick(box, Qt::RightButton, {}, inside);
    }) << "0";
    QTest::newRow("let go outside") << std::function<void(QWidget*)>([=](QWidget* box) {
        QTest::mousePress(box, Qt::LeftButton, {}, inside);
        QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(box->width() + 5, 5));
    }) << "0";
    // Switch access and voice control press the box through its accessible action.
    QTest::newRow("accessible press") << std::function<void(QWidget*)>([](QWidget* box) {
        QAccessibleActionInterface* actions =
            QAccessible::queryAccessibleInterface(box)->actionInterface();
        QVERIFY(actions &&
                actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        // The line edit's own actions stay.
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::setFocusAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
    }) << "1";
}

void TestGameplay::mouseInTheGuessBox() {
    QFETCH(std::function<void(QWidget*)>, mouse);
    QFETCH(QString, count);
    GameFixture game;
    Form1& form = *game.form;
    game.startStandard(QStringLiteral("0"), QStringLiteral("0"));
    QTest::keyClicks(form.Text3, "0");
    mouse(form.Text3);
    QCOMPARE(form.Label5->text(), count);
    QCOMPARE(form.Label3->text(), count == u"1"
                                      ? QStringLiteral("You got my number!")
                                      : QStringLiteral("I've got the number! What's your guess?"));
}

void TestGameplay::cueShowsMessageThenFaceThenFiveSoundWrites() {
    GameFixture game;
    Form1& form = *game.form;
    game.startStandard(QStringLiteral("9"), QStringLiteral("5"));
    const QString startFace = QString::number(form.Image1->pixmap().cacheKey());
    QCOMPARE(game.sound,
             QStringList({"stop|I've got the number! What's your guess?|" + startFace, "close",
                          QStringLiteral("file ") + media::StartMedia.sound, "open", "play"}));
    game.sound.clear();
    game.guess(QStringLiteral("9"));
    game.guess(QStringLiteral("9"));
    QCOMPARE(game.sound.size(), 10);
    // The face is loaded afresh for every cue, also the same cue twice.
    const QString first = game.sound[0].section(u'|', 2);
    const QString second = game.sound[5].section(u'|', 2);
    QVERIFY(first != startFace && second != first);
    QCOMPARE(withoutFaces(game.sound), cue("My number is lower.", media::LowerMedia.sound) +
                                           cue("My number is lower.", media::LowerMedia.sound));
}

void TestGameplay::goAgainMidGameKeepsTheCount() {
    GameFixture game;
    Form1& form = *game.form;
    game.startStandard(QStringLiteral("10"), QStringLiteral("1"));
    game.guess(QStringLiteral("3"));
    game.guess(QStringLiteral("4"));
    QTest::keyClicks(form.Text2, "0");
    QVERIFY(form.Command1->isEnabled());
    game.script = {LargestU};
    form.Command1->click();
    QCOMPARE(form.gu, 10.0);
    game.guess(QStringLiteral("2"));
    QCOMPARE(form.Label5->text(), QStringLiteral("3"));
}

void TestGameplay::dynamicFifthGuessMeetsANewSecret() {
    GameFixture game;
    Form1& form = *game.form;
    form.Dynamic_Click();
    form.Text1->setText(QStringLiteral("10"));
    form.Text2->setText(QStringLiteral("1"));
    game.script = {0.0};
    form.Command1->click();
    QCOMPARE(form.gu, 1.0);
    for (int i = 0; i < 4; ++i)
        game.guess(QStringLiteral("10"));
    QCOMPARE(form.tries, std::int16_t(4));
    QCOMPARE(game.reseeds, 1);
    // The fifth guess is 10: right against the new secret, though the old one was 1.
    game.script = {LargestU};
    game.guess(QStringLiteral("10"));
    QCOMPARE(game.reseeds, 2);
    QCOMPARE(form.gu, 10.0);
    QCOMPARE(form.tries, std::int16_t(0));
    QCOMPARE(form.Label3->text(), QStringLiteral("You got my number!"));
}

void TestGameplay::redrawKeepsTheLimitsOfTheGameInPlay_data() {
    QTest::addColumn<bool>("startedWithoutUpperLimit");
    QTest::addColumn<double>("lowest");
    QTest::addColumn<double>("highest");
    // r = 0 draws a hidden limit of one value, the lower limit; r = 0.5 one of 50,000,001.
    QTest::newRow("No upper limit, then Dynamic") << true << 1000.0 << 1000.0;
    QTest::newRow("Standard, then No upper limit and Dynamic") << false << 1.0 << 10.0;
}

// A style chosen in the middle of a game changes how the next game starts, not the limits of
// the game being played: a Dynamic redraw stays within them.
void TestGameplay::redrawKeepsTheLimitsOfTheGameInPlay() {
    QFETCH(bool, startedWithoutUpperLimit);
    QFETCH(double, lowest);
    QFETCH(double, highest);
    GameFixture game;
    Form1& form = *game.form;
    if (startedWithoutUpperLimit) {
        game.script = {0.0};
        form.Noupper_Click();
        form.Text2->setText(QStringLiteral("1000"));
    } else {
        form.Standargame_Click();
        form.Text1->setText(QStringLiteral("10"));
        form.Text2->setText(QStringLiteral("1"));
    }
    form.Command1->click();
    if (!startedWithoutUpperLimit) {
        game.script = {0.5};
        form.Noupper_Click();
    }
    form.Dynamic_Click();
    for (const double u : {0.0, LargestU}) {
        game.script = {u};
        for (int i = 0; i < 5; ++i)
            game.guess(QStringLiteral("0.5"));
        QVERIFY2(form.gu >= lowest && form.gu <= highest, qPrintable(QString::number(form.gu)));
    }
}

void TestGameplay::triesSurviveYesAndStyleChanges() {
    GameFixture game;
    Form1& form = *game.form;
    form.Dynamic_Click();
    form.Text1->setText(QStringLiteral("10"));
    form.Text2->setText(QStringLiteral("1"));
    form.Command1->click();
    game.guess(QStringLiteral("5"));
    game.guess(QStringLiteral("5"));
    game.guess(QStringLiteral("1"));
    QCOMPARE(form.tries, std::int16_t(3));
    form.Command2->click();
    QCOMPARE(form.tries, std::int16_t(3));
    form.Standargame_Click();
    form.Text1->setText(QStringLiteral("10"));
    form.Text2->setText(QStringLiteral("1"));
    form.Command1->click();
    game.guess(QStringLiteral("5"));
    QCOMPARE(form.tries, std::int16_t(3));
    form.Dynamic_Click();
    game.guess(QStringLiteral("5"));
    QCOMPARE(form.tries, std::int16_t(4));
    const int reseeds = game.reseeds;
    game.guess(QStringLiteral("5"));
    QCOMPARE(game.reseeds, reseeds + 1);
    QCOMPARE(form.tries, std::int16_t(0));
}

void TestGameplay::yesClearsTheWindowAndLeavesGoDisabled() {
    GameFixture game;
    Form1& form = *game.form;
    game.startStandard(QStringLiteral("5"), QStringLiteral("5"));
    for (const char* guess : {"1", "9", "2", "8", "3", "7", "5"})
        game.guess(QString::fromLatin1(guess));
    QCOMPARE(form.Label5->text(), QStringLiteral("7"));
    // Both limit boxes hold text, so only the nested lower-limit rule can disable GO here.
    form.Command1->setEnabled(true);
    // Enter on the focused Yes! presses it, not the window's default button GO!.
    form.Command2->setFocus();
    QTest::keyClick(form.Command2, Qt::Key_Return);
    QCOMPARE(visibleControls(form), QStringList());
    QVERIFY(!form.Command1->isEnabled());
    QCOMPARE(form.Text1->text(), QString());
    QCOMPARE(form.Text2->text(), QString());
    QCOMPARE(form.Label3->text(), QString());
    QCOMPARE(form.gss, std::int16_t(0));
    QCOMPARE(form.Label5->text(), QStringLiteral("0"));
    QCOMPARE(form.gamestle, game::GameStyle::Standard);
    QCOMPARE(form.gu, 5.0);
    form.Dynamic_Click();
    QVERIFY(!form.Label3->isVisible());
    QCOMPARE(form.Label5->text(), QStringLiteral("0"));
}

void TestGameplay::styleChosenWhileTheQuestionShows() {
    GameFixture game;
    Form1& form = *game.form;
    game.startStandard(QStringLiteral("5"), QStringLiteral("5"));
    game.guess(QStringLiteral("5"));
    form.Noupper_Click();
    QVERIFY(form.Label4->isVisible() && form.Command2->isVisible() && form.Command3->isVisible());
    QVERIFY(!form.Text1->isVisible());
    QCOMPARE(form.Label3->text(), QStringLiteral("You got my number!"));
    form.Standargame_Click();
    QVERIFY(form.Text1->isVisible());
    QCOMPARE(form.Text1->text(), QStringLiteral("5"));
    // A new game over the question: the question stays, and a later Yes! leaves the guess box.
    QTest::keyClicks(form.Text2, "0");
    form.Command1->click();
    QVERIFY(form.Text3->isVisible() && form.Command2->isVisible());
    form.Command2->click();
    QCOMPARE(visibleControls(form), QStringList{"Text3"});
}

void TestGameplay::countStopsAtItsLargestAndTheGuessIsStillJudged() {
    GameFixture game;
    Form1& form = *game.form;
    game.startStandard(QStringLiteral("5"), QStringLiteral("5"));
    form.gss = 32766;
    game.guess(QStringLiteral("9"));
    QCOMPARE(form.Label5->text(), QStringLiteral("32767"));
    game.guess(QStringLiteral("1"));
    QCOMPARE(form.Label5->text(), QStringLiteral("32767"));
    QCOMPARE(form.Label3->text(), QStringLiteral("My number is higher."));
    game.guess(QStringLiteral("5"));
    QCOMPARE(form.Label3->text(), QStringLiteral("You got my number!"));
}

void TestGameplay::missingFaceLeavesThePreviousOne() {
    QStringList files = tests::allMedia();
    files.removeAll(media::LowerMedia.face);
    GameFixture game(files);
    Form1& form = *game.form;
    game.startStandard(QStringLiteral("5"), QStringLiteral("5"));
    const qint64 startFace = form.Image1->pixmap().cacheKey();
    game.sound.clear();
    game.guess(QStringLiteral("9"));
    QCOMPARE(form.Image1->pixmap().cacheKey(), startFace);
    QCOMPARE(form.Label3->text(), QStringLiteral("My number is lower."));
    QCOMPARE(withoutFaces(game.sound), cue("My number is lower.", media::LowerMedia.sound));
    QCOMPARE(form.Text3->text(), QString());
    game.guess(QStringLiteral("1"));
    QVERIFY(form.Image1->pixmap().cacheKey() != startFace);
}

void TestGameplay::oddInputNeverStopsTheGame_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("letters") << "abc";
    QTest::newRow("blanks") << "   ";
    QTest::newRow("commas") << "1,2,3";
    QTest::newRow("huge") << "1e400";
    QTest::newRow("negative huge") << "-1e400";
    QTest::newRow("negative zero") << "-0";
    QTest::newRow("wide hex") << "&HFFFFFFFFFF";
    QTest::newRow("thousands of digits") << QString(4000, u'7');
    QTest::newRow("pasted lines") << "12\n34\r\n56";
    QTest::newRow("control characters") << QStringLiteral("\u0000\u0001\u007f9");
}

void TestGameplay::oddInputNeverStopsTheGame() {
    QFETCH(QString, text);
    for (const QString& other : {QStringLiteral("1"), QStringLiteral("-1e400"), text}) {
        GameFixture game;
        Form1& form = *game.form;
        game.script = {LargestU};
        game.startStandard(other, text, LargestU);
        QVERIFY(std::isfinite(form.gu));
        game.guess(text);
        QVERIFY(!form.Label3->text().isEmpty());
        form.Noupper_Click();
        form.Text2->setText(text);
        form.Command1->click();
        QVERIFY(std::isfinite(form.gu));
        game.guess(text);
        QCOMPARE(form.Label5->text(), QStringLiteral("2"));
    }
    // A screen reader asks for the word and the sentence at the end of what is typed, as Orca
    // does for Ctrl+Left there; the answer must come.
    GameFixture game;
    game.form->Text2->setText(text + QStringLiteral(" 30 40"));
    QAccessibleTextInterface* typed =
        QAccessible::queryAccessibleInterface(game.form->Text2)->textInterface();
    QVERIFY(typed);
    int start = 0;
    int end = 0;
    for (const auto boundary : {QAccessible::WordBoundary, QAccessible::SentenceBoundary})
        QVERIFY(!typed->textAtOffset(typed->characterCount(), boundary, &start, &end).isEmpty());
}

QTEST_MAIN(TestGameplay)
#include "tst_gameplay.moc"
