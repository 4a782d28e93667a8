#include "GameFixture.h"
#include "MediaList.h"
#include "app/DesktopPlatform.h"
#include "app/EndProgram.h"
#include "app/RuntimeError.h"
#include "tests/Media.h"
#include "tests/ScreenContrast.h"
#include "tests/Windows.h"

#include <QApplication>
#include <QMenuBar>
#include <QProcess>
#include <QStyle>
#include <QTest>

#include <functional>
#include <optional>

class Form2;
class Form3;
class Form4;

namespace {

// Every text of the window in view: the limits typed, a count, the question after a win, and
// a new game beside it with its message and a guess typed but not yet sent.
void showEverything(GameFixture& game) {
    Form1& form = *game.form;
    game.startStandard(QStringLiteral("100"), QStringLiteral("1"));
    game.guess(QStringLiteral("50"));
    game.guess(QStringLiteral("1"));
    QTest::keyClicks(form.Text2, "0");
    form.Command1->click();
    QTest::keyClicks(form.Text3, "42");
}

} // namespace

// The main window as it opens: every control where the design puts it, hidden, and wired.
class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startsWithEveryControlHidden();
    void controlsMatchTheDesign_data();
    void controlsMatchTheDesign();
    void colours_data();
    void colours();
    void selectionReadableUnderADarkScheme();
    void labelsLieBeneathTheOtherControls();
    void tabOrderFollowsTheDesign();
    void menus();
    void eachEventReachesItsHandler();
    void endingEventsEndTheProgram_data();
    void endingEventsEndTheProgram();
    void resizingMovesNothing();
    void enterInALimitBoxPressesGoOnlyWhileEnabled();
    void helpMenuShowsOneWindowEach();
    void unbuildableWindowIsARunTimeError();
    void keyboardReachesTheMenus();
    void titleBarPlatform_data();
    void titleBarPlatform();
};

void TestMainWindow::startsWithEveryControlHidden() {
    GameFixture game;
    Form1& form = *game.form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Brannoch Number Guess 2002"));
    // A desktop at any scale finds the icon drawn for the size it shows, not a smaller one
    // enlarged: each size the desktop entry installs, given once the first frame is drawn.
    QTRY_VERIFY(!form.windowIcon().isNull());
    for (const media::IconFile& file : media::IconFiles) {
        const QImage shown = form.windowIcon().pixmap(file.size).toImage();
        const QImage drawn(tests::sourceMediaFolder() + u'/' + QLatin1String(file.name));
        QCOMPARE(drawn.size(), QSize(file.size, file.size));
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
    QCOMPARE(form.centralWidget()->size(), QSize(323, 162));
    for (QWidget* control :
         form.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(!control->isVisible(), qPrintable(control->objectName()));
    QCOMPARE(form.Label5->text(), QStringLiteral("0"));
    QCOMPARE(form.gamestle, game::GameStyle::Standard);
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
    // Inside its frame's sunken border, in the frame's own pixels.
    QTest::newRow("Image1") << "Image1"
                            << "" << QRect(2, 2, 49, 49) << 11 << false << "Face";
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
    else if (auto* box = qobject_cast<QLineEdit*>(control)) {
        text = box->text();
        // Once shown, the box lays its text out in its own font, as a line edit given it does.
        box->show();
        QLineEdit given;
        given.setFont(box->font());
        QCOMPARE(box->inputMethodQuery(Qt::ImCursorRectangle).toRect().height(),
                 given.inputMethodQuery(Qt::ImCursorRectangle).toRect().height());
    }
    QCOMPARE(text, caption);
    if (!accessibleName.isEmpty())
        QCOMPARE(control->accessibleName(), accessibleName);
}

void TestMainWindow::colours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<QColor>("fore");
    // The design fixes these backgrounds, and with them the text: under any scheme they look
    // the same. An invalid colour: the control wears the desktop's scheme, face and text.
    const QColor black(Qt::black);
    const QList<std::tuple<const char*, QColor, QColor>> controls{
        {"Text1", QColor(255, 192, 192), black},  {"Text2", QColor(192, 192, 255), black},
        {"Text3", QColor(192, 255, 192), black},  {"Label5", QColor(192, 255, 255), black},
        {"Label4", QColor(192, 192, 192), black}, {"Label3", black, QColor(255, 192, 255)},
        {"Label2", black, QColor(192, 192, 255)}, {"Label1", black, QColor(255, 192, 192)},
        {"Label6", QColor(), QColor()},           {"Command2", QColor(), QColor()},
        {"Command3", QColor(), QColor()},
    };
    for (const bool dark : {false, true})
        for (const auto& [name, back, fore] : controls)
            QTest::addRow("%s, %s scheme", name, dark ? "dark" : "light")
                << QString::fromLatin1(name) << dark << back << fore;
}

void TestMainWindow::colours() {
    QFETCH(QString, name);
    QFETCH(bool, dark);
    QFETCH(QColor, back);
    QFETCH(QColor, fore);
    std::optional<contrast::DarkScheme> scheme;
    if (dark)
        scheme.emplace();
    GameFixture game;
    showEverything(game);
    auto* control = game.form->centralWidget()->findChild<QWidget*>(name);
    QVERIFY(control->isVisible());
    const contrast::Reading shown = contrast::read(control, contrast::inside(control));
    QVERIFY2(shown.ratio >= 4.5, qPrintable(shown.seen()));
    if (back.isValid())
        QVERIFY2(shown.background == back && contrast::nearly(shown.text, fore),
                 qPrintable(shown.seen()));
    else
        QVERIFY2((contrast::luminance(shown.background) < 0.2) == dark, qPrintable(shown.seen()));
}

void TestMainWindow::selectionReadableUnderADarkScheme() {
    contrast::DarkScheme scheme;
    GameFixture game;
    showEverything(game);
    for (ui::TextBox* box : {game.form->Text1, game.form->Text2, game.form->Text3}) {
        // Text wider than the box, selected from its start, fills the box with the selection; the
        // middle rows, clear of the frame and the margins, show nothing else.
        box->setText(QString(40, u'1'));
        box->setSelection(box->text().size(), -box->text().size());
        const QRect band(QPoint(8, box->height() / 2 - 3),
                         QPoint(box->width() - 9, box->height() / 2 + 3));
        const contrast::Reading shown = contrast::read(box, band);
        QVERIFY2(shown.ratio >= 4.5, qPrintable(box->objectName() + u' ' + shown.seen()));
    }
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
    // From a style just chosen, with nothing focused yet, the first Tab reaches the first limit
    // box that shows.
    for (QAction* style : {form.Standargame, form.Dynamic, form.Noupper}) {
        GameFixture fresh;
        QVERIFY(QTest::qWaitForWindowActive(fresh.form));
        fresh.form->findChild<QAction*>(style->objectName())->trigger();
        QVERIFY(!fresh.form->focusWidget());
        QTest::keyClick(fresh.form, Qt::Key_Tab);
        QCOMPARE(fresh.form->focusWidget(),
                 style == form.Noupper ? fresh.form->Text2 : fresh.form->Text1);
    }
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

void TestMainWindow::eachEventReachesItsHandler() {
    struct Event {
        const char* handler;
        std::function<void(GameFixture&)> before; // brings the window to where the event is met
        std::function<void(Form1&)> raise;        // the event itself, as the player makes it
        std::function<bool(const Form1&)> seen;   // what only the handler makes of the window
    };
    const auto none = [](GameFixture&) {};
    const auto limitsTyped = [](GameFixture& game) {
        game.form->Standargame->trigger();
        QTest::keyClicks(game.form->Text1, "10");
        QTest::keyClicks(game.form->Text2, "1");
    };
    // The secret is 1: the step that the scripted value 0 gives from the lower limit.
    const auto playing = [](GameFixture& game) {
        game.startStandard(QStringLiteral("10"), QStringLiteral("1"));
    };
    const auto won = [](GameFixture& game) {
        game.startStandard(QStringLiteral("10"), QStringLiteral("1"));
        game.guess(QStringLiteral("1"));
    };
    const auto shown = [](const char* name) {
        return [name](const Form1&) {
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->objectName() == QLatin1String(name) && window->isVisible())
                    return true;
            return false;
        };
    };
    const QList<Event> events{
        {"Standargame_Click", none, [](Form1& form) { form.Standargame->trigger(); },
         [](const Form1& form) {
             return form.Text1->isVisible() &&
                    form.Label3->text() == "Enter Numbers to Guess Between then press GO!";
         }},
        {"Dynamic_Click", none, [](Form1& form) { form.Dynamic->trigger(); },
         [](const Form1& form) {
             return form.Text1->isVisible() && form.gamestle == game::GameStyle::Dynamic;
         }},
        {"Noupper_Click", [](GameFixture& game) { game.script.push_back(0.5); },
         [](Form1& form) { form.Noupper->trigger(); },
         [](const Form1& form) {
             return form.Text2->isVisible() && !form.Text1->isVisible() &&
                    form.gamestle == game::GameStyle::NoUpper && form.ulim == 50000001;
         }},
        {"Text2_Change",
         [](GameFixture& game) {
             game.form->Standargame->trigger();
             QTest::keyClicks(game.form->Text1, "10");
         },
         [](Form1& form) { QTest::keyClicks(form.Text2, "1"); },
         [](const Form1& form) { return form.Command1->isEnabled(); }},
        {"Command1_Click", limitsTyped,
         [](Form1& form) { QTest::mouseClick(form.Command1, Qt::LeftButton); },
         [](const Form1& form) {
             return form.Text3->isVisible() &&
                    form.Label3->text() == "I've got the number! What's your guess?";
         }},
        {"Text3_Click", playing, [](Form1& form) { QTest::mouseClick(form.Text3, Qt::LeftButton); },
         [](const Form1& form) {
             return form.Label5->text() == "1" && form.Label3->text() == "My number is higher.";
         }},
        {"Text3_KeyPress", playing,
         [](Form1& form) {
             QTest::keyClicks(form.Text3, "7");
             QTest::keyClick(form.Text3, Qt::Key_Return);
         },
         [](const Form1& form) {
             return form.Label5->text() == "1" && form.Label3->text() == "My number is lower." &&
                    form.Text3->text().isEmpty();
         }},
        {"Command2_Click", won,
         [](Form1& form) { QTest::mouseClick(form.Command2, Qt::LeftButton); },
         [](const Form1& form) {
             return form.Label5->text() == "0" && !form.Text1->isVisible() &&
                    !form.Command2->isVisible();
         }},
        {"gamehlp_Click", none, [](Form1& form) { form.gamehlp->trigger(); }, shown("Form2")},
        {"License_Click", none, [](Form1& form) { form.License->trigger(); }, shown("Form3")},
        {"about_Click", none, [](Form1& form) { form.about->trigger(); }, shown("Form4")},
    };
    for (const Event& event : events) {
        GameFixture game;
        const auto standIn = [](const char* name) {
            return [name] {
                auto* window = new QWidget;
                window->setObjectName(QLatin1String(name));
                return window;
            };
        };
        game.windows.add<Form2>(standIn("Form2"));
        game.windows.add<Form3>(standIn("Form3"));
        game.windows.add<Form4>(standIn("Form4"));
        event.before(game);
        QVERIFY2(!event.seen(*game.form), event.handler);
        event.raise(*game.form);
        QVERIFY2(event.seen(*game.form), event.handler);
    }
}

void TestMainWindow::endingEventsEndTheProgram_data() {
    QTest::addColumn<QString>("way");
    QTest::newRow("Command3_Click") << "click No.";
    QTest::newRow("Command3_Click, Enter") << "Enter on No.";
    QTest::newRow("exit_Click") << "Exit";
}

void TestMainWindow::endingEventsEndTheProgram() {
    QFETCH(QString, way);
    const bool afterAWin = way != u"Exit";
    // A program ends only once, so each ending is watched in a run of this test of its own.
    if (!qEnvironmentVariableIsSet("BNG_ENDING_RUN")) {
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("BNG_ENDING_RUN"), QStringLiteral("1"));
        run.setProcessEnvironment(environment);
        run.setProcessChannelMode(QProcess::MergedChannels);
        run.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("endingEventsEndTheProgram:") +
                   QLatin1String(QTest::currentDataTag())});
        QVERIFY(run.waitForFinished(120000));
        const QString output = QString::fromLocal8Bit(run.readAll());
        const QString passed =
            QStringLiteral("PASS   : TestMainWindow::endingEventsEndTheProgram(%1)")
                .arg(QLatin1String(QTest::currentDataTag()));
        QVERIFY2(run.exitCode() == 0 && output.contains(passed), qPrintable(output));
        return;
    }
    GameFixture game;
    Form1& form = *game.form;
    if (afterAWin) {
        game.startStandard(QStringLiteral("10"), QStringLiteral("1"));
        game.guess(QStringLiteral("1"));
    }
    QVERIFY(!app::programEnded());
    if (way == u"click No.") {
        QTest::mouseClick(form.Command3, Qt::LeftButton);
    } else if (way == u"Enter on No.") {
        form.Command3->setFocus();
        QTest::keyClick(form.Command3, Qt::Key_Return);
    } else {
        form.exit->trigger();
    }
    QVERIFY(app::programEnded());
    // Events still queued when the program ended run no handler.
    form.Dynamic->trigger();
    QCOMPARE(form.gamestle, game::GameStyle::Standard);
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

// A window start-up never said how to build fails as a window that cannot be built does.
void TestMainWindow::unbuildableWindowIsARunTimeError() {
    app::WindowRegistry windows;
    QVERIFY_THROWS_EXCEPTION(app::RuntimeError, windows.show<Form3>());
    QVERIFY(!tests::topLevelWindow(QStringLiteral("Form3")));
}

void TestMainWindow::helpMenuShowsOneWindowEach() {
    GameFixture game;
    QList<QPointer<QWidget>> built;
    const auto count = [&built] {
        built << new QWidget;
        return built.last().data();
    };
    game.windows.add<Form2>(count);
    game.windows.add<Form3>(count);
    game.windows.add<Form4>(count);
    game.form->gamehlp->trigger();
    game.form->gamehlp->trigger();
    game.form->License->trigger();
    game.form->about->trigger();
    QCOMPARE(built.size(), 3);
    const QPointer<QWidget> help = built.first();
    QVERIFY(help && help->isVisible());
    help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!help);
    game.form->gamehlp->trigger();
    QCOMPARE(built.size(), 4);
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
    QCOMPARE(form.gamestle, game::GameStyle::Standard);
}

void TestMainWindow::titleBarPlatform_data() {
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QByteArray>("platform");
    const QStringList displays{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0"};
    QTest::newRow("GNOME on Wayland")
        << displays + QStringList{"XDG_CURRENT_DESKTOP=GNOME"} << QByteArray("xcb;wayland");
    QTest::newRow("Ubuntu's GNOME")
        << displays + QStringList{"XDG_CURRENT_DESKTOP=ubuntu:GNOME"} << QByteArray("xcb;wayland");
    QTest::newRow("KDE on Wayland")
        << displays + QStringList{"XDG_CURRENT_DESKTOP=KDE"} << QByteArray();
    QTest::newRow("sway") << displays << QByteArray();
    QTest::newRow("GNOME on X11") << QStringList{"DISPLAY=:0", "XDG_CURRENT_DESKTOP=GNOME"}
                                  << QByteArray();
    QTest::newRow("GNOME without XWayland")
        << QStringList{"WAYLAND_DISPLAY=wayland-0", "XDG_CURRENT_DESKTOP=GNOME"} << QByteArray();
    QTest::newRow("the player's choice")
        << displays + QStringList{"XDG_CURRENT_DESKTOP=GNOME", "QT_QPA_PLATFORM=wayland"}
        << QByteArray();
}

void TestMainWindow::titleBarPlatform() {
    QFETCH(QStringList, environment);
    QFETCH(QByteArray, platform);
    const auto variable = [&](const char* name) {
        for (const QString& setting : environment)
            if (setting.startsWith(QLatin1String(name) + u'='))
                return setting.section(u'=', 1).toUtf8();
        return QByteArray();
    };
    QCOMPARE(app::titleBarPlatform(variable), platform);
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
