// Every window in every state a player reaches, in a language made here; pictures of the
// fullest ones are kept in $BNG_SCREENSHOTS if set.
#include "info/Form2.h"
#include "info/Form3.h"
#include "info/Form4.h"
#include "tests/game/GameFixture.h"
#include "ui/Language.h"

#include <QAbstractButton>
#include <QMenuBar>
#include <QStyleOptionButton>
#include <QTest>
#include <QTranslator>

namespace {

// Every text a player meets, in a language made here: each vowel and some consonants accented,
// the %1-style arguments kept, and 40% longer, so that a text left in English or cut short
// shows. The tail of tildes, no more than five in a row, marks a translated text.
QString pseudo(const QString& english) {
    static const QString plain = QStringLiteral("aeiouAEIOUnNcC");
    static const QString marked = QStringLiteral("áéíóúÁÉÍÓÚñÑçÇ");
    QString text;
    for (qsizetype i = 0; i < english.size(); ++i) {
        if (english[i] == u'%' && i + 1 < english.size() && english[i + 1].isDigit()) {
            text += english.mid(i++, 2);
            continue;
        }
        const qsizetype at = plain.indexOf(english[i]);
        text += at < 0 ? english[i] : marked[at];
    }
    const qsizetype longer = (english.size() * 4 + 9) / 10;
    for (qsizetype i = 0; i < longer; ++i)
        text += i % 6 == 5 ? u' ' : u'~';
    return text;
}

class PseudoTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return source && *source ? pseudo(QString::fromUtf8(source)) : QString();
    }
    bool isEmpty() const override { return false; }
};

// What stays as written in every language: the game's name, its maker's notice and numbers.
bool keptAsWritten(const QString& text) {
    static const QRegularExpression kept(
        QStringLiteral("^(|[0-9]+|Brannoch Number Guess 2002|Copyright \\(C\\) 2002 Brannoch "
                       "Software)$"));
    return kept.match(text).hasMatch();
}

bool translated(const QString& text) {
    return keptAsWritten(text) || text.contains(u'~');
}

// Whether the text shows whole: the rectangle it takes as Qt lays it out in a label or a
// button lies within the room the control gives its text, and within the window.
bool showsWhole(const QWidget* control, const QString& text) {
    QRect room = control->contentsRect();
    int flags = Qt::AlignCenter;
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    } else if (auto* label = qobject_cast<const QLabel*>(control)) {
        flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    }
    const QRect taken = control->fontMetrics().boundingRect(room, flags, text);
    const QWidget* window = control->window();
    return room.contains(taken) &&
           window->rect().contains(QRect(control->mapTo(window, taken.topLeft()), taken.size()));
}

// Every label and button a player sees in `window` shows its whole text, translated.
void expectWholeAndTranslated(QWidget* window, const char* state) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window))
            continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(control))
            text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            text = button->text();
        const QString where =
            QStringLiteral("%1, %2 \"%3\"").arg(state, control->objectName(), text);
        QVERIFY2(translated(text), qPrintable(where + QStringLiteral(" is in English")));
        QVERIFY2(translated(control->accessibleName()),
                 qPrintable(where + QStringLiteral(" is called ") + control->accessibleName()));
        if (text.isEmpty())
            continue;
        QVERIFY2(showsWhole(control, text), qPrintable(where + QStringLiteral(" is cut")));
    }
}

// Keeps a picture of `window` as <name>.png in $BNG_SCREENSHOTS, if set.
void picture(QWidget* window, const char* name) {
    if (const QString folder = qEnvironmentVariable("BNG_SCREENSHOTS"); !folder.isEmpty())
        window->grab().save(folder + u'/' + QLatin1String(name) + QStringLiteral(".png"));
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyStateOfAGame();
    void informationWindows();

private:
    PseudoTranslator translator_;
};

void TranslationsTest::initTestCase() {
    QVERIFY(QCoreApplication::installTranslator(&translator_));
    ui::setLanguage(QStringLiteral("pseudo"));
}

void TranslationsTest::everyStateOfAGame() {
    GameFixture game;
    Form1& form = *game.form;
    // The window widens once its first frame, the empty window, is drawn.
    QTRY_VERIFY(form.width() > 323);
    for (QAction* menu : form.menuBar()->actions()) {
        QVERIFY2(translated(menu->text()), qPrintable(menu->text()));
        for (QAction* item : menu->menu()->actions())
            QVERIFY2(item->isSeparator() || translated(item->text()), qPrintable(item->text()));
    }
    expectWholeAndTranslated(&form, "at the start");
    form.Dynamic_Click();
    expectWholeAndTranslated(&form, "a dynamic game chosen");
    form.Noupper_Click();
    expectWholeAndTranslated(&form, "a game with no upper limit chosen");
    form.Standargame_Click();
    expectWholeAndTranslated(&form, "a standard game chosen");
    game.startStandard(QStringLiteral("10"), QStringLiteral("1"), 0.5);
    expectWholeAndTranslated(&form, "after GO!");
    for (const char* guess : {"2", "9", "6"}) {
        game.guess(QLatin1String(guess));
        expectWholeAndTranslated(&form, guess);
    }
    QVERIFY(form.Command2->isVisible());
    picture(&form, "pseudo-won");
    form.Command2_Click();
    expectWholeAndTranslated(&form, "after Yes!");
}

void TranslationsTest::informationWindows() {
    Form2 help;
    help.show();
    help.Form_Activate();
    const int bottom = help.printedLines().constLast().y + help.fontMetrics().height();
    QVERIFY2(bottom <= help.height(), "the Help page's last line is cut");
    for (const Form2::PrintedLine& line : help.printedLines()) {
        QVERIFY2(translated(line.text), qPrintable(line.text));
        QVERIFY2(help.fontMetrics().horizontalAdvance(line.text) <= help.width(),
                 qPrintable(line.text));
    }
    Form3 license;
    Form4 about;
    for (QWidget* window : std::initializer_list<QWidget*>{&help, &license, &about}) {
        window->show();
        QVERIFY2(translated(window->windowTitle()), qPrintable(window->windowTitle()));
        expectWholeAndTranslated(window, qPrintable(window->objectName()));
    }
    picture(&help, "pseudo-help");
    picture(&about, "pseudo-about");
}

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
