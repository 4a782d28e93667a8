#include "app/WindowRegistry.h"
#include "info/Form2.h"
#include "info/Form3.h"
#include "info/Form4.h"
#include "info/Texts.h"
#include "tests/ScreenContrast.h"
#include "tests/Windows.h"
#include "ui/WindowIcons.h"

#include <QPointer>
#include <QScrollBar>
#include <QtTest>

#include <algorithm>
#include <optional>
#include <set>

namespace {

bool activate(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Dark pixels in the band of the help window from y to y + height: its text on the white paper.
int textPixels(const QImage& image, int y = 0, int height = 40) {
    int count = 0;
    for (int row = y; row < std::min(y + height, image.height()); ++row)
        for (int x = 0; x < image.width(); ++x)
            count += qGray(image.pixel(x, row)) < 128;
    return count;
}

// The mean brightness of each quarter of the image, red, green and blue added up.
QList<int> quarterShades(const QImage& image) {
    QList<int> shades;
    const int w = image.width() / 2, h = image.height() / 2;
    for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)}) {
        qint64 sum = 0;
        for (int y = corner.y(); y < corner.y() + h; ++y)
            for (int x = corner.x(); x < corner.x() + w; ++x) {
                const QRgb pixel = image.pixel(x, y);
                sum += qRed(pixel) + qGreen(pixel) + qBlue(pixel);
            }
        shades.append(int(sum / (qint64(w) * h)));
    }
    return shades;
}

QImage iconImage(const QIcon& icon) {
    return icon.pixmap(32, 32).toImage();
}

// A text given line by line as its paragraphs, blanks collapsed: the License window and the
// copyright file break the same paragraphs into lines differently.
QStringList paragraphs(const QStringList& lines) {
    QStringList result{QString()};
    for (const QString& line : lines) {
        if (!line.trimmed().isEmpty())
            result.last() = (result.last() + QLatin1Char(' ') + line).simplified();
        else if (!result.last().isEmpty())
            result.append(QString());
    }
    result.removeAll(QString());
    return result;
}

// The maker's notice, under the help text's title and in the About window.
const QString Notice = QStringLiteral("Copyright (C) 2002 Brannoch Software");

} // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void windowIsFixedAndSingle_data();
    void windowIsFixedAndSingle();
    void helpPrintsTheRulesWhenActivated();
    void helpPrintsFurtherCopiesOutOfView();
    void helpTextSurvivesRepainting();
    void licenseListsTheAgreement();
    void licenseIsThePackagesCopyright();
    void aboutNamesTheGameAndItsMaker();
    void aboutShowsTheWholeBanner();
    void readableUnderEitherScheme_data();
    void readableUnderEitherScheme();

private:
    app::WindowRegistry registry_;
    QWidget* show(const QString& name);
    QWidget* find(const QString& name) const;
    QWidget other_; // takes the activation away from a window under test
};

// The windows of the table rows, named as their classes.
QWidget* InfoWindowsTest::show(const QString& name) {
    if (name == u"Form2")
        return registry_.show<Form2>();
    return name == u"Form3" ? registry_.show<Form3>() : registry_.show<Form4>();
}

QWidget* InfoWindowsTest::find(const QString& name) const {
    return tests::topLevelWindow(name);
}

void InfoWindowsTest::initTestCase() {
    registry_.add<Form2>([] { return new Form2; });
    registry_.add<Form3>([] { return new Form3; });
    registry_.add<Form4>([] { return new Form4; });
}

void InfoWindowsTest::cleanup() {
    for (const char* name : {"Form2", "Form3", "Form4"})
        if (QWidget* window = find(QLatin1String(name)))
            window->close();
    other_.hide();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void InfoWindowsTest::windowIsFixedAndSingle_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("ownIcon");
    QTest::newRow("help") << QStringLiteral("Form2") << QStringLiteral("Help") << QSize(446, 427)
                          << false;
    QTest::newRow("license") << QStringLiteral("Form3") << QStringLiteral("License")
                             << QSize(620, 442) << false;
    QTest::newRow("about") << QStringLiteral("Form4") << QStringLiteral("About") << QSize(255, 205)
                           << true;
}

void InfoWindowsTest::windowIsFixedAndSingle() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(bool, ownIcon);

    QPointer<QWidget> window = show(name);
    QVERIFY(activate(window));
    QCOMPARE(window->metaObject()->className(), name.toLatin1());
    QCOMPARE(window->objectName(), name);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), size);
    QCOMPARE(window->minimumSize(), size);
    QCOMPARE(window->maximumSize(), size);
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QTRY_VERIFY(!window->windowIcon().isNull());
    const QImage icon = iconImage(window->windowIcon());
    QCOMPARE(icon == iconImage(ui::gameIcon()), !ownIcon);
    QCOMPARE(icon == iconImage(QIcon(QStringLiteral(":/media/about.ico"))), ownIcon);

    QVERIFY(activate(&other_));
    QVERIFY(activate(window));
    QCOMPARE(show(name), window.data());

    QVERIFY(window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
    QCOMPARE(find(name), nullptr);
    QWidget* again = show(name);
    QVERIFY(activate(again));
    QCOMPARE(show(name), again);
    // A rebuilt help window prints one copy again, from the top.
    if (auto* help = qobject_cast<Form2*>(again)) {
        QCOMPARE(help->printedLines().size(), 31);
        QCOMPARE(help->printedLines().first().y, 0);
    }
}

void InfoWindowsTest::helpPrintsTheRulesWhenActivated() {
    Form2 help;
    QVERIFY(help.printedLines().isEmpty());
    QVERIFY(activate(&help));

    // Line by line as the player reads it, blank lines and trailing blanks included.
    const QStringList rules{
        "Brannoch Number Guess 2002",
        Notice,
        "",
        "Playing the game.",
        "",
        "This program is a simple number guessing game where you guess a number between two ",
        "numbers that you type in. For example: if you wanted to try and guess a number from ",
        "1 to 10 you would put in 10 for your upper limit and 1 for your lower limit. Then ",
        "click GO! The game will tell you it has the number and asks you for your guess. It will",
        "tell you that the number is either higher or lower than the number it has come up with.",
        "If you succeed in guessing the number then it will stop the game and will tell you that ",
        "you have guessed the number. If you want to play again, click Yes. Otherwise click No.",
        "If you wish to play again, you will need to select the game type from the options menu.",
        "",
        "Options Menu",
        "",
        "Standard game",
        "",
        "This type of game is described above.",
        "",
        "Dynamic",
        "",
        "This type of game is similar to the standard game but with one minor difference: you are",
        "only allowed 5 guesses before the number changes.",
        "",
        "No upper limit",
        "",
        "This game has no upper limit. You will have to guess a number between 1 and infinity.*",
        "",
        "* There is no real way to calculate infinity on a computer so the upper limit is set as",
        "high as it can go.",
    };
    const auto& printed = help.printedLines();
    QCOMPARE(printed.size(), rules.size());
    for (qsizetype line = 0; line < rules.size(); ++line) {
        QCOMPARE(printed[line].text, rules[line]);
        QCOMPARE(printed[line].y, int(line) * help.fontMetrics().lineSpacing());
    }
}

void InfoWindowsTest::helpPrintsFurtherCopiesOutOfView() {
    Form2 help;
    QVERIFY(activate(&help));
    // Right under the first copy there is room for more lines that a second copy would fill.
    const int lineHeight = help.fontMetrics().lineSpacing();
    QVERIFY(help.printedLines().last().y + 2 * lineHeight < help.height());
    const QImage once = help.grab().toImage();

    QVERIFY(activate(&other_));
    QVERIFY(activate(&help));
    const auto& printed = help.printedLines();
    QCOMPARE(printed.size(), 62);
    QVERIFY(printed[31].y >= help.height());
    for (int i = 0; i < 31; ++i)
        QCOMPARE(printed[31 + i].text, printed[i].text);
    QCOMPARE(help.grab().toImage(), once);
}

void InfoWindowsTest::helpTextSurvivesRepainting() {
    Form2 help;
    QCOMPARE(textPixels(help.grab().toImage()), 0);
    QVERIFY(activate(&help));
    other_.setGeometry(help.geometry());
    QVERIFY(activate(&other_));
    other_.hide();
    help.repaint();
    // Every line comes back where it was printed, the blank ones blank.
    const QImage page = help.grab().toImage();
    const int lineHeight = help.fontMetrics().lineSpacing();
    const QStringList rules = info::helpText();
    for (qsizetype line = 0; line < rules.size(); ++line)
        QVERIFY2((textPixels(page, int(line) * lineHeight, lineHeight) > 0) ==
                     !rules[line].trimmed().isEmpty(),
                 qPrintable(QStringLiteral("line %1: %2").arg(line + 1).arg(rules[line])));
}

void InfoWindowsTest::licenseListsTheAgreement() {
    Form3 license;
    QVERIFY(activate(&license));
    QListWidget* list = license.findChild<QListWidget*>(QStringLiteral("List1"));
    QCOMPARE(list, license.List1);
    QCOMPARE(list->geometry(), QRect(8, 8, 601, 420));
    QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(list->indexAt(QPoint(1, 1)).row(), 0);
    QTRY_VERIFY(list->verticalScrollBar()->isVisible());
    QCOMPARE(list->verticalScrollBar()->value(), 0);
    // Long lines are cut at the edge: no wrapping, no ellipsis, no sideways scrolling.
    QVERIFY(!list->wordWrap());
    QCOMPARE(list->textElideMode(), Qt::ElideNone);
    QCOMPARE(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    QCOMPARE(list->count(), 45);
    const auto text = [list](int line) { return list->item(line - 1)->text(); };

    const std::set<int> empty{2, 8, 11, 17, 22, 27, 34, 38, 41};
    int longest = 0;
    for (int line = 1; line <= 45; ++line) {
        QCOMPARE(text(line).isEmpty(), empty.contains(line));
        longest = std::max<int>(longest, text(line).size());
    }
    QVERIFY(longest > 110 && longest < 130);

    QCOMPARE(text(1), QStringLiteral("Please Read Before Using This Software!"));
    QCOMPARE(text(3), QStringLiteral("NOTICE TO USER:"));
    QCOMPARE(text(12), QStringLiteral("USE OF THE SOFTWARE.  "));
    const QList<std::pair<int, QString>> sections{
        {18, QStringLiteral("HOME USE.  ")},
        {23, QStringLiteral("TRANSFER.  ")},
        {28, QStringLiteral("NO LIABILITY FOR CONSEQUENTIAL DAMAGES.  ")},
        {35, QStringLiteral("INDEMNIFICATION BY YOU.  ")},
        {13, QStringLiteral("  ")},
        {14, QStringLiteral("- ")},
        {15, QStringLiteral("- ")},
        {16, QStringLiteral("- ")},
    };
    for (const auto& [line, start] : sections)
        QVERIFY2(text(line).startsWith(start) && text(line).size() > start.size() + 5,
                 qPrintable(start));
    QVERIFY(text(10).endsWith(QLatin1Char(':')) && text(40).endsWith(QLatin1Char(':')));
    const QString firstSentence = text(4).section(QLatin1Char('.'), 0, 0);
    QVERIFY(firstSentence.size() > 20 && firstSentence == firstSentence.toUpper());
    for (int line : {9, 28, 31, 36, 39, 42})
        QVERIFY2(text(line).contains(QLatin1String("Brannoch Software")), qPrintable(text(line)));
    QVERIFY(text(45).endsWith(QLatin1String(".example")));
}

// The package's copyright file carries the agreement as its licence, without the maker's postal
// address and the invitation to write to it that end the window's text.
void InfoWindowsTest::licenseIsThePackagesCopyright() {
    QFile file(qEnvironmentVariable("BNG_SOURCE_DIR") + QStringLiteral("/dist/copyright"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString copyright = QString::fromUtf8(file.readAll());
    // The stand-alone licence paragraph: its lines indented by a blank, " ." an empty line.
    QStringList licence;
    for (const QString& stanza : copyright.split(QStringLiteral("\n\n")))
        if (stanza.startsWith(QLatin1String("License:")))
            for (const QString& line : stanza.split(QLatin1Char('\n')).mid(1))
                licence << (line == u" ." ? QString() : line.mid(1));

    const QStringList shown = paragraphs(info::licenseText());
    QCOMPARE(paragraphs(licence), shown.mid(0, shown.size() - 2));
    QVERIFY(!copyright.contains(info::licenseText().at(42)));
}

void InfoWindowsTest::aboutNamesTheGameAndItsMaker() {
    Form4 about;
    const QList<std::pair<QLabel*, QRect>> labels{
        {about.Label1, QRect(0, 88, 249, 17)},
        {about.Label2, QRect(0, 112, 249, 17)},
        {about.Label3, QRect(0, 136, 257, 17)},
    };
    for (const auto& [label, geometry] : labels) {
        QCOMPARE(label->geometry(), geometry);
        QVERIFY(label->alignment().testFlag(Qt::AlignHCenter));
        // Centred text wider than its label would lose both ends.
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= geometry.width());
    }
    QCOMPARE(about.Label1->text(), QStringLiteral("Brannoch Number Guess 2002"));
    QCOMPARE(about.Label2->text(), Notice);
    QVERIFY(about.Label3->text().contains(QLatin1String("Brannoch Software")));
}

void InfoWindowsTest::aboutShowsTheWholeBanner() {
    Form4 about;
    QFrame* picture = about.Picture1;
    QCOMPARE(picture->geometry(), QRect(56, 8, 129, 73));
    QCOMPARE(picture->frameStyle(), QFrame::Panel | QFrame::Sunken);
    QCOMPARE(picture->accessibleName(), QStringLiteral("Brannoch banner"));
    QLabel* image = about.Image1;
    QCOMPARE(image->mapTo(picture, QPoint(0, 0)), picture->contentsRect().topLeft());
    QCOMPARE(image->size(), QSize(129, 73));

    const QImage shown = image->grab().toImage();
    QCOMPARE(shown.size(), image->size());
    // Each quarter of what is shown has the colouring of the same quarter of the banner: the
    // banner is shrunk as a whole, not cut down to a part of it.
    const QList<int> shownShades = quarterShades(shown);
    const QList<int> bannerShades = quarterShades(QImage(QStringLiteral(":/media/banner.bmp")));
    for (int i = 0; i < 4; ++i)
        QVERIFY2(std::abs(shownShades[i] - bannerShades[i]) < 20, qPrintable(QString::number(i)));
    QVERIFY(std::set<int>(shownShades.begin(), shownShades.end()).size() > 1);
}

void InfoWindowsTest::readableUnderEitherScheme_data() {
    QTest::addColumn<bool>("dark");
    QTest::newRow("light scheme") << false;
    QTest::newRow("dark scheme") << true;
}

void InfoWindowsTest::readableUnderEitherScheme() {
    QFETCH(bool, dark);
    std::optional<contrast::DarkScheme> scheme;
    if (dark)
        scheme.emplace();
    Form2 help;
    Form3 license;
    Form4 about;
    license.show();
    about.show();
    QVERIFY(activate(&help));

    // The help page is white paper under any scheme, printed in black.
    const contrast::Reading page = contrast::read(&help, help.rect());
    QVERIFY2(page.ratio >= 4.5, qPrintable(page.seen()));
    QVERIFY2(page.background == QColor(Qt::white) && contrast::nearly(page.text, Qt::black),
             qPrintable(page.seen()));

    // The agreement and the About window wear the scheme whole, ground and text together.
    const QList<QWidget*> texts{license.List1->viewport(), about.Label1, about.Label2,
                                about.Label3};
    for (QWidget* text : texts) {
        const contrast::Reading shown = contrast::read(text, text->rect());
        QVERIFY2(shown.ratio >= 4.5, qPrintable(shown.seen()));
        QVERIFY2((contrast::luminance(shown.background) < 0.2) == dark, qPrintable(shown.seen()));
    }
}

QTEST_MAIN(InfoWindowsTest)
#include "tst_info_windows.moc"
