#include "app/WindowRegistry.h"
#include "info/Form2.h"
#include "info/Form3.h"
#include "info/Form4.h"
#include "info/Texts.h"
#include "ui/WindowIcons.h"

#include <QCoreApplication>
#include <QImage>
#include <QPointer>
#include <QScrollBar>
#include <QtTest>

#include <array>
#include <set>

namespace {

bool activate(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// Pixels dark enough to be text on the help window's white paper.
int darkPixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(image.pixel(x, y)) < 128;
    return count;
}

QColor meanColour(const QImage& image, const QRect& area) {
    qint64 r = 0, g = 0, b = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            r += qRed(pixel);
            g += qGreen(pixel);
            b += qBlue(pixel);
        }
    const qint64 n = qint64(area.width()) * area.height();
    return QColor(int(r / n), int(g / n), int(b / n));
}

std::array<QRect, 4> quadrants(QSize size) {
    const int w = size.width() / 2, h = size.height() / 2;
    return {QRect(0, 0, w, h), QRect(w, 0, w, h), QRect(0, h, w, h), QRect(w, h, w, h)};
}

QImage iconImage(const QIcon& icon) { return icon.pixmap(32, 32).toImage(); }

} // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void windowIsFixed_data();
    void windowIsFixed();
    void registryKeepsOneWindowAndRebuildsItAfterClose_data();
    void registryKeepsOneWindowAndRebuildsItAfterClose();

    void helpPrintsTheRulesWhenActivated();
    void helpPrintsFurtherCopiesOutOfView();
    void helpTextSurvivesRepainting();
    void helpStartsAtTheTopWhenRebuilt();

    void licenseListsTheAgreement();
    void licenseOpensUnselectedAtTheTop();

    void aboutNamesTheGameAndItsMaker();
    void aboutShowsTheWholeBanner();

private:
    app::WindowRegistry registry_;
    QWidget other_; // takes the activation away from a window under test
};

void InfoWindowsTest::initTestCase() {
    registry_.add(QStringLiteral("Form2"), [] { return new Form2; });
    registry_.add(QStringLiteral("Form3"), [] { return new Form3; });
    registry_.add(QStringLiteral("Form4"), [] { return new Form4; });
}

void InfoWindowsTest::cleanup() {
    for (const char* name : {"Form2", "Form3", "Form4"})
        if (QWidget* window = registry_.find(QLatin1String(name)))
            window->close();
    other_.hide();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void InfoWindowsTest::windowIsFixed_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("iconFile");

    const QString gameIcon = QStringLiteral(":/media/brannoch.ico");
    QTest::newRow("help") << "Form2" << "Help" << QSize(446, 427) << gameIcon;
    QTest::newRow("license") << "Form3" << "License" << QSize(620, 442) << gameIcon;
    QTest::newRow("about") << "Form4" << "About" << QSize(255, 205)
                           << QStringLiteral(":/media/about.ico");
}

void InfoWindowsTest::windowIsFixed() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QSize, size);
    QFETCH(QString, iconFile);

    QWidget* window = registry_.show(name);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->objectName(), name);
    QCOMPARE(window->metaObject()->className(), name.toLatin1());
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), size);
    QCOMPARE(window->minimumSize(), size);
    QCOMPARE(window->maximumSize(), size);
    QCOMPARE(window->font().family(), QStringLiteral("Liberation Sans"));
    QCOMPARE(window->font().pixelSize(), 11);
    QVERIFY(!window->font().bold());

    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    const QImage icon = iconImage(window->windowIcon());
    QVERIFY(!icon.isNull());
    QCOMPARE(icon, iconImage(QIcon(iconFile)));
    QCOMPARE(icon == iconImage(ui::gameIcon()), name != QLatin1String("Form4"));
}

void InfoWindowsTest::registryKeepsOneWindowAndRebuildsItAfterClose_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("help") << "Form2";
    QTest::newRow("license") << "Form3";
    QTest::newRow("about") << "Form4";
}

void InfoWindowsTest::registryKeepsOneWindowAndRebuildsItAfterClose() {
    QFETCH(QString, name);

    QPointer<QWidget> first = registry_.show(name);
    QVERIFY(first->isVisible());
    QCOMPARE(registry_.show(name), first.data());
    QCOMPARE(registry_.find(name), first.data());

    QVERIFY(first->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QCOMPARE(registry_.find(name), nullptr);

    QWidget* again = registry_.show(name);
    QVERIFY(again);
    QVERIFY(again->isVisible());
    QCOMPARE(registry_.show(name), again);
}

void InfoWindowsTest::helpPrintsTheRulesWhenActivated() {
    Form2 help;
    QVERIFY(help.printedLines().isEmpty());
    QVERIFY(activate(&help));

    const auto& printed = help.printedLines();
    QCOMPARE(printed.size(), 31);
    const int lineHeight = help.fontMetrics().lineSpacing();
    for (int i = 0; i < printed.size(); ++i)
        QCOMPARE(printed[i].y, i * lineHeight);

    const std::set<int> blank{3, 5, 14, 16, 18, 20, 22, 25, 27, 29};
    const std::set<int> endsInBlank{6, 7, 8, 11};
    for (int line = 1; line <= 31; ++line) {
        const QString& text = printed[line - 1].text;
        QVERIFY2(text.isEmpty() == blank.contains(line), qPrintable(QString::number(line)));
        QVERIFY2(text.endsWith(QLatin1Char(' ')) == endsInBlank.contains(line),
                 qPrintable(QString::number(line)));
    }

    const QList<std::pair<int, QString>> anchors{
        {1, QStringLiteral("Brannoch Number Guess 2002")},
        {2, info::copyrightNotice()},
        {4, QStringLiteral("Playing the game.")},
        {6, QStringLiteral("This program is a simple number guessing game where you guess a "
                           "number between two ")},
        {15, QStringLiteral("Options Menu")},
        {17, QStringLiteral("Standard game")},
        {21, QStringLiteral("Dynamic")},
        {24, QStringLiteral("only allowed 5 guesses before the number changes.")},
        {26, QStringLiteral("No upper limit")},
        {31, QStringLiteral("high as it can go.")},
    };
    for (const auto& [line, text] : anchors)
        QCOMPARE(printed[line - 1].text, text);
    QVERIFY(info::copyrightNotice().contains(QLatin1String("2002")));
    QVERIFY(info::copyrightNotice().contains(QLatin1String("Brannoch Software")));
}

void InfoWindowsTest::helpPrintsFurtherCopiesOutOfView() {
    Form2 help;
    QVERIFY(activate(&help));
    // One copy leaves a strip at the bottom where a second would show if printed right after.
    const int lineHeight = help.fontMetrics().lineSpacing();
    QVERIFY(31 * lineHeight < help.height() - lineHeight);
    const QImage once = help.grab().toImage();

    QVERIFY(activate(&other_));
    QVERIFY(activate(&help));
    const auto& printed = help.printedLines();
    QCOMPARE(printed.size(), 62);
    QVERIFY(printed[31].y >= help.height());
    for (int i = 0; i < 31; ++i) {
        QCOMPARE(printed[31 + i].text, printed[i].text);
        QCOMPARE(printed[31 + i].y - printed[31].y, printed[i].y);
    }
    QCOMPARE(help.grab().toImage(), once);
}

void InfoWindowsTest::helpTextSurvivesRepainting() {
    Form2 help;
    const QRect top(0, 0, help.width(), 40);
    QCOMPARE(darkPixels(help.grab().toImage(), top), 0);

    QVERIFY(activate(&help));
    // Covering the window and taking the cover away again repaints it from scratch.
    other_.setGeometry(help.geometry());
    QVERIFY(activate(&other_));
    other_.hide();
    help.repaint();
    const QImage repainted = help.grab().toImage();
    QVERIFY(darkPixels(repainted, top) > 50);
    QCOMPARE(repainted.pixelColor(help.width() - 1, help.height() - 1), QColor(Qt::white));
}

void InfoWindowsTest::helpStartsAtTheTopWhenRebuilt() {
    auto* help = static_cast<Form2*>(registry_.show(QStringLiteral("Form2")));
    QVERIFY(activate(help));
    QVERIFY(activate(&other_));
    QVERIFY(activate(help));
    QCOMPARE(help->printedLines().size(), 62);

    help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    help = static_cast<Form2*>(registry_.show(QStringLiteral("Form2")));
    QVERIFY(activate(help));
    QCOMPARE(help->printedLines().size(), 31);
    QCOMPARE(help->printedLines().first().y, 0);
}

void InfoWindowsTest::licenseListsTheAgreement() {
    Form3 license;
    QListWidget* list = license.findChild<QListWidget*>(QStringLiteral("List1"));
    QCOMPARE(list, license.List1);
    QCOMPARE(list->geometry(), QRect(8, 8, 601, 420));
    QCOMPARE(list->count(), 45);

    const std::set<int> empty{2, 8, 11, 17, 22, 27, 34, 38, 41};
    for (int line = 1; line <= 45; ++line)
        QVERIFY2(list->item(line - 1)->text().isEmpty() == empty.contains(line),
                 qPrintable(QString::number(line)));

    const auto text = [list](int line) { return list->item(line - 1)->text(); };
    QCOMPARE(text(1), QStringLiteral("Please Read Before Using This Software!"));
    QCOMPARE(text(3), QStringLiteral("NOTICE TO USER:"));
    QCOMPARE(text(12), QStringLiteral("USE OF THE SOFTWARE.  "));
    const QList<std::pair<int, QString>> sections{
        {18, QStringLiteral("HOME USE.  ")},
        {23, QStringLiteral("TRANSFER.  ")},
        {28, QStringLiteral("NO LIABILITY FOR CONSEQUENTIAL DAMAGES.  ")},
        {35, QStringLiteral("INDEMNIFICATION BY YOU.  ")},
    };
    for (const auto& [line, heading] : sections) {
        QVERIFY2(text(line).startsWith(heading), qPrintable(heading));
        QVERIFY2(text(line).size() > heading.size() + 20, qPrintable(heading));
    }
    QVERIFY(text(13).startsWith(QLatin1String("  ")) && !text(13).startsWith(QLatin1String("   ")));
    for (int line : {14, 15, 16})
        QVERIFY(text(line).startsWith(QLatin1String("- ")));
    for (int line : {10, 40})
        QVERIFY(text(line).endsWith(QLatin1Char(':')));
    const QString firstSentence = text(4).section(QLatin1Char('.'), 0, 0);
    QVERIFY(firstSentence.size() > 20);
    QCOMPARE(firstSentence, firstSentence.toUpper());

    for (int line : {9, 28, 31, 36, 39, 42})
        QVERIFY2(text(line).contains(QLatin1String("Brannoch Software")),
                 qPrintable(QString::number(line)));
    QVERIFY(text(45).endsWith(QLatin1String(".example")));
    int longest = 0;
    for (int row = 0; row < list->count(); ++row)
        longest = std::max<int>(longest, list->item(row)->text().size());
    QVERIFY(longest >= 110 && longest <= 130);
}

void InfoWindowsTest::licenseOpensUnselectedAtTheTop() {
    auto* license = static_cast<Form3*>(registry_.show(QStringLiteral("Form3")));
    QVERIFY(activate(license));
    QListWidget* list = license->List1;

    QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(!list->isSortingEnabled());
    QCOMPARE(list->indexAt(QPoint(1, 1)).row(), 0);
    QTRY_VERIFY(list->verticalScrollBar()->isVisible());
    QCOMPARE(list->verticalScrollBar()->value(), 0);
    QVERIFY(list->verticalScrollBar()->maximum() > 0);

    // Long lines are cut at the edge: no wrapping, no ellipsis, no sideways scrolling.
    QVERIFY(!list->wordWrap());
    QCOMPARE(list->textElideMode(), Qt::ElideNone);
    QCOMPARE(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

void InfoWindowsTest::aboutNamesTheGameAndItsMaker() {
    Form4 about;
    const QList<std::tuple<QLabel*, const char*, QRect>> labels{
        {about.Label1, "Label1", QRect(0, 88, 249, 17)},
        {about.Label2, "Label2", QRect(0, 112, 249, 17)},
        {about.Label3, "Label3", QRect(0, 136, 257, 17)},
    };
    for (const auto& [label, name, geometry] : labels) {
        QCOMPARE(label->objectName(), QLatin1String(name));
        QCOMPARE(label->geometry(), geometry);
        QVERIFY(label->alignment().testFlag(Qt::AlignHCenter));
        QCOMPARE(label->font().pixelSize(), 11);
        // Centred text wider than its label would lose both ends.
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= geometry.width(), name);
    }
    QCOMPARE(about.Label1->text(), QStringLiteral("Brannoch Number Guess 2002"));
    QCOMPARE(about.Label2->text(), info::helpText().at(1));
    QVERIFY(about.Label3->text().contains(QLatin1String("Brannoch Software")));
}

void InfoWindowsTest::aboutShowsTheWholeBanner() {
    Form4 about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QFrame* picture = about.Picture1;
    QCOMPARE(picture->geometry(), QRect(56, 8, 129, 73));
    QCOMPARE(picture->frameStyle(), QFrame::Panel | QFrame::Sunken);
    QCOMPARE(picture->lineWidth(), 2);
    QCOMPARE(picture->accessibleName(), QStringLiteral("Brannoch banner"));

    QLabel* image = about.Image1;
    QVERIFY(picture->isAncestorOf(image));
    QCOMPARE(image->mapTo(picture, QPoint(0, 0)), picture->contentsRect().topLeft());
    QCOMPARE(image->size(), QSize(129, 73));

    const QImage shown = image->pixmap().toImage();
    QCOMPARE(shown.size(), image->size());
    // Each quarter of what is shown looks like the same quarter of the banner: the banner is
    // shrunk as a whole, not cut down to one corner of it.
    const QImage banner(QStringLiteral(":/media/banner.bmp"));
    QCOMPARE(banner.size(), QSize(800, 383));
    const auto shownParts = quadrants(shown.size());
    const auto bannerParts = quadrants(banner.size());
    std::set<QRgb> distinct;
    for (std::size_t i = 0; i < shownParts.size(); ++i) {
        const QColor a = meanColour(shown, shownParts[i]);
        const QColor b = meanColour(banner, bannerParts[i]);
        QVERIFY2(std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                         std::abs(a.blue() - b.blue()) <
                     30,
                 qPrintable(QString::number(i)));
        distinct.insert(shown.pixel(shownParts[i].center()));
    }
    QVERIFY(distinct.size() > 1);
}

QTEST_MAIN(InfoWindowsTest)
#include "tst_info_windows.moc"
