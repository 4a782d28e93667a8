#include "GameFixture.h"

#include <QApplication>
#include <QMenuBar>
#include <QStyle>
#include <QTest>

// The main window as it opens: every control where the design puts it, hidden, and wired.
class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startsWithEveryControlHidden();
    void controlsMatchTheDesign_data();
    void controlsMatchTheDesign();
    void colours_data();
    void colours();
    void labelsLieBeneathTheOtherControls();
    void tabOrderFollowsTheDesign();
    void menus();
    void eventTableIsWired();
    void messagesShowWholeInTheirLabel_data();
    void messagesShowWholeInTheirLabel();
    void resizingMovesNothing();
    void enterInALimitBoxPressesGoOnlyWhileEnabled();
    void helpMenuShowsOneWindowEach();
    void keyboardReachesTheMenus();
};

void TestMainWindow::startsWithEveryControlHidden() {
    GameFixture game;
    Form1& form = *game.form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Brannoch Number Guess 2002"));
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(form.centralWidget()->size(), QSize(323, 162));
    for (QWidget* control :
         form.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(!control->isVisible(), qPrintable(control->objectName()));
    QCOMPARE(form.Label5->text(), QStringLiteral("0"));
    QCOMPARE(form.gamestle, std::int16_t(game::Standard));
    QCOMPARE(form.gss, std::int16_t(0));
    QVERIFY(!form.Command1->isEnabled());
    QVERIFY(form.Image1->pixmap().isNull());
}

void TestMainWindow::controlsMatchTheDesign_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QString>("accessibleName");
    // Positions in pixels: the design's twips divided by 15.
    QTest::newRow("Picture1") << "Picture1"
                              << "" << QRect(8, 56, 57, 57) << 11 << false << "Face";
    QTest::newRow("Command3") << "Command3"
                              << "No." << QRect(184, 136, 65, 17) << 11 << false << "";
    QTest::newRow("Command2") << "Command2"
                              << "Yes!" << QRect(112, 136, 65, 17) << 11 << true << "";
    QTest::newRow("Text3") << "Text3"
                           << "" << QRect(248, 120, 65, 33) << 18 << true << "Your guess";
    QTest::newRow("Command1") << "Command1"
                              << "GO!" << QRect(240, 8, 73, 41) << 18 << true << "";
    QTest::newRow("Text2") << "Text2"
                           << "" << QRect(168, 32, 65, 19) << 11 << false << "Lower limit";
    QTest::newRow("Text1") << "Text1"
                           << "" << QRect(168, 8, 65, 19) << 11 << false << "Upper limit";
    QTest::newRow("Label6") << "Label6"
                            << "Guesses" << QRect(16, 120, 41, 17) << 11 << false << "";
    QTest::newRow("Label5") << "Label5"
                            << "0" << QRect(64, 120, 41, 33) << 18 << true << "";
    QTest::newRow("Label4") << "Label4"
                            << "Do you want to play again?" << QRect(112, 120, 137, 17) << 11
                            << false << "";
    QTest::newRow("Label3") << "Label3"
                            << "" << QRect(64, 56, 249, 57) << 16 << true << "";
    QTest::newRow("Label2") << "Label2"
                            << "Enter Lower limit for guess" << QRect(8, 32, 153, 17) << 11 << true
                            << "";
    QTest::newRow("Label1") << "Label1"
                            << "Enter Upper limit for guess" << QRect(8, 8, 153, 17) << 11 << true
                            << "";
}

void TestMainWindow::controlsMatchTheDesign() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(QString, accessibleName);
    GameFixture game;
    auto* control = game.form->centralWidget()->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->font().family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(control->font().pixelSize(), pixelSize);
    QCOMPARE(control->font().bold(), bold);
    QCOMPARE(QFontInfo(control->font()).family(), QStringLiteral("Liberation Sans"));
    QString text;
    if (auto* label = qobject_cast<QLabel*>(control))
        text = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        text = button->text();
    else if (auto* box = qobject_cast<QLineEdit*>(control))
        text = box->text();
    QCOMPARE(text, caption);
    if (!accessibleName.isEmpty())
        QCOMPARE(control->accessibleName(), accessibleName);
}

void TestMainWindow::colours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<QColor>("fore");
    QTest::newRow("Text3 light green") << "Text3" << QColor(192, 255, 192) << QColor();
    QTest::newRow("Text2 light blue") << "Text2" << QColor(192, 192, 255) << QColor();
    QTest::newRow("Text1 light red") << "Text1" << QColor(255, 192, 192) << QColor();
    QTest::newRow("Label5 light cyan") << "Label5" << QColor(192, 255, 255) << QColor();
    QTest::newRow("Label4 silver") << "Label4" << QColor(192, 192, 192) << QColor();
    QTest::newRow("Label3 magenta on black")
        << "Label3" << QColor(Qt::black) << QColor(255, 192, 255);
    QTest::newRow("Label2 blue on black") << "Label2" << QColor(Qt::black) << QColor(192, 192, 255);
    QTest::newRow("Label1 red on black") << "Label1" << QColor(Qt::black) << QColor(255, 192, 192);
}

void TestMainWindow::colours() {
    QFETCH(QString, name);
    QFETCH(QColor, back);
    QFETCH(QColor, fore);
    GameFixture game;
    auto* control = game.form->centralWidget()->findChild<QWidget*>(name);
    const bool box = qobject_cast<QLineEdit*>(control);
    QCOMPARE(control->palette().color(box ? QPalette::Base : control->backgroundRole()), back);
    if (fore.isValid())
        QCOMPARE(control->palette().color(control->foregroundRole()), fore);
}

void TestMainWindow::labelsLieBeneathTheOtherControls() {
    GameFixture game;
    const QObjectList stack = game.form->centralWidget()->children();
    qsizetype highestLabel = -1;
    qsizetype lowestOther = stack.size();
    for (qsizetype i = 0; i < stack.size(); ++i) {
        if (!stack[i]->isWidgetType())
            continue;
        if (qobject_cast<QLabel*>(stack[i]))
            highestLabel = i;
        else
            lowestOther = std::min(lowestOther, i);
    }
    QVERIFY(highestLabel < lowestOther);
}

void TestMainWindow::tabOrderFollowsTheDesign() {
    GameFixture game;
    Form1& form = *game.form;
    const QList<QWidget*> order = {form.Text1,    form.Text2,    form.Command1, form.Text3,
                                   form.Command2, form.Command3, form.Picture1};
    for (qsizetype i = 0; i + 1 < order.size(); ++i) {
        QWidget* next = order[i]->nextInFocusChain();
        while (next->focusPolicy() == Qt::NoFocus || !order.contains(next))
            next = next->nextInFocusChain();
        QCOMPARE(next, order[i + 1]);
    }
    for (QWidget* label : form.centralWidget()->findChildren<QLabel*>())
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void TestMainWindow::menus() {
    GameFixture game;
    const QList<QAction*> titles = game.form->menuBar()->actions();
    QCOMPARE(titles.size(), 2);
    QCOMPARE(titles[0]->text(), QStringLiteral("Options"));
    QCOMPARE(titles[1]->text(), QStringLiteral("Help"));
    const auto captions = [](QMenu* menu) {
        QStringList result;
        for (QAction* action : menu->actions())
            result << (action->isSeparator() ? QStringLiteral("-") : action->text());
        return result;
    };
    QCOMPARE(captions(titles[0]->menu()),
             QStringList({"Standard Game", "Dynamic", "No upper limit", "-", "Exit"}));
    QCOMPARE(captions(titles[1]->menu()), QStringList({"Help", "-", "License", "About"}));
    for (QMenu* menu : {titles[0]->menu(), titles[1]->menu()}) {
        for (QAction* action : menu->actions()) {
            QVERIFY(action->shortcut().isEmpty());
            QVERIFY(!action->isCheckable());
            QVERIFY(!action->text().contains(u'&'));
        }
    }
}

void TestMainWindow::eventTableIsWired() {
    GameFixture game;
    Form1& form = *game.form;
    QStringList bound = form.events().handlers();
    bound.sort();
    QStringList expected = {
        "Command1_Click", "Command2_Click", "Command3_Click", "Dynamic_Click",     "exit_Click",
        "gamehlp_Click",  "License_Click",  "Noupper_Click",  "Standargame_Click", "Text2_Change",
        "Text3_Click",    "Text3_KeyPress", "about_Click"};
    expected.sort();
    QCOMPARE(bound, expected);

    // The events reach their handlers: a style item shows the limit boxes, typing into the
    // lower-limit box enables GO, GO starts a game, a click into the guess box counts a guess.
    form.Standargame->trigger();
    QVERIFY(form.Text1->isVisible());
    QTest::keyClicks(form.Text1, "5");
    QVERIFY(!form.Command1->isEnabled());
    QTest::keyClicks(form.Text2, "1");
    QVERIFY(form.Command1->isEnabled());
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    QVERIFY(form.Text3->isVisible());
    QTest::mouseClick(form.Text3, Qt::LeftButton);
    QCOMPARE(form.Label5->text(), QStringLiteral("1"));
    form.Dynamic->trigger();
    QCOMPARE(form.gamestle, std::int16_t(game::Dynamic));
    form.Noupper->trigger();
    QCOMPARE(form.gamestle, std::int16_t(game::NoUpper));
    // Nothing is bound to the upper-limit box: typing there leaves GO as it was.
    form.Text2->setText(QStringLiteral("1"));
    const bool enabled = form.Command1->isEnabled();
    QTest::keyClicks(form.Text1, "9");
    QCOMPARE(form.Command1->isEnabled(), enabled);
}

void TestMainWindow::messagesShowWholeInTheirLabel_data() {
    QTest::addColumn<QString>("message");
    for (const char* message : {"Enter Numbers to Guess Between then press GO!",
                                "I've got the number! What's your guess?", "My number is lower.",
                                "My number is higher.", "You got my number!"})
        QTest::newRow(message) << QString::fromLatin1(message);
}

void TestMainWindow::messagesShowWholeInTheirLabel() {
    QFETCH(QString, message);
    GameFixture game;
    QLabel* label = game.form->Label3;
    const QRect room = label->contentsRect();
    const QRect needed =
        label->fontMetrics().boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, message);
    QVERIFY(label->wordWrap());
    QVERIFY2(room.contains(needed),
             qPrintable(QStringLiteral("%1 x %2").arg(needed.width()).arg(needed.height())));
}

void TestMainWindow::resizingMovesNothing() {
    GameFixture game;
    Form1& form = *game.form;
    form.Standargame_Click();
    const QRect before = form.Command1->geometry();
    const QPoint inWindow = form.Command1->mapTo(&form, QPoint());
    form.resize(form.width() + 200, form.height() + 150);
    QApplication::processEvents();
    QCOMPARE(form.Command1->geometry(), before);
    QCOMPARE(form.Command1->mapTo(&form, QPoint()), inWindow);
}

void TestMainWindow::enterInALimitBoxPressesGoOnlyWhileEnabled() {
    GameFixture game;
    Form1& form = *game.form;
    form.Standargame_Click();
    form.activateWindow();
    form.Text2->setFocus();
    QTest::keyClick(form.Text2, Qt::Key_Return);
    QVERIFY(!form.Text3->isVisible());
    form.Text1->setText(QStringLiteral("10"));
    QTest::keyClicks(form.Text2, "1");
    QTest::keyClick(form.Text2, Qt::Key_Return);
    QVERIFY(form.Text3->isVisible());
    QVERIFY(!form.Command1->isEnabled());
}

void TestMainWindow::helpMenuShowsOneWindowEach() {
    GameFixture game;
    int built = 0;
    for (const char* name : {"Form2", "Form3", "Form4"})
        game.windows.add(QLatin1String(name), [&built] {
            ++built;
            return new QWidget;
        });
    game.form->gamehlp->trigger();
    game.form->gamehlp->trigger();
    game.form->License->trigger();
    game.form->about->trigger();
    QCOMPARE(built, 3);
    QWidget* help = game.windows.find(QStringLiteral("Form2"));
    QVERIFY(help && help->isVisible());
    help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!game.windows.find(QStringLiteral("Form2")));
    game.form->gamehlp->trigger();
    QCOMPARE(built, 4);
}

void TestMainWindow::keyboardReachesTheMenus() {
    GameFixture game;
    Form1& form = *game.form;
    QVERIFY(form.style()->styleHint(QStyle::SH_MenuBar_AltKeyNavigation, nullptr, form.menuBar()));
    form.activateWindow();
    QTest::keyClick(&form, Qt::Key_F10);
    QCOMPARE(form.menuBar()->activeAction(), form.Options->menuAction());
    QVERIFY(form.Options->isVisible());
    QTest::keyClick(form.Options, Qt::Key_Down);
    QTest::keyClick(form.Options, Qt::Key_Return);
    QVERIFY(form.Text1->isVisible());
    QCOMPARE(form.gamestle, std::int16_t(game::Standard));
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
