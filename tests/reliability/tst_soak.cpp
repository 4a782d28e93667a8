#include "MediaList.h"
#include "SoakGame.h"

#include <QImageReader>
#include <QTest>

#include <cmath>
#include <memory>

using game::GameStyle;
using namespace reliability;

namespace {

constexpr int Games = 1002;
constexpr int GuessesOutsidePerGame = 4;
constexpr int CheckServerEvery = 1000;
// Without an upper limit the game may think of any of a hundred million numbers from the lower
// limit up.
constexpr qint64 NoUpperValues = 100000000;

const QString GotIt = QStringLiteral("I've got the number! What's your guess?");
const QString Lower = QStringLiteral("My number is lower.");
const QString Higher = QStringLiteral("My number is higher.");
const QString Won = QStringLiteral("You got my number!");

// The same number typed in the ways players type it: plainly, with blanks between the
// characters, with a tail the reading stops at, with an exponent.
QString typed(double value, int way) {
    const QString plain = QString::number(value, 'g', 17);
    switch (way % 4) {
    case 1: {
        QString spaced;
        for (const QChar c : plain)
            spaced += c + QStringLiteral(" ");
        return spaced;
    }
    case 2:
        return plain + QStringLiteral(",5 apples");
    case 3:
        return plain.contains(u'e') ? plain : plain + QStringLiteral("E0");
    default:
        return plain;
    }
}

QImage comparable(const QImage& image) {
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

// Thousands of guesses and a thousand whole games in all three styles, with every face and
// sound real. Everything is checked against what the player typed: the secret lies between the
// limits, a whole number of steps from the lower one; guesses outside the limits have known
// answers; a binary search between the limits wins within the guesses it needs; the count is the
// number of guesses sent.
class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void thousandsOfGuessesKeepTheGameRight();

private:
    void chooseStyle(GameStyle style);
    void startGame(double upper, double lower, int way);
    void guess(double value, int way);
    void expectCue(const QString& message, const QString& face);
    void checkServer();

    qsizetype streamsBefore_ = 0; // the server's own streams, which keep its output running
    std::unique_ptr<SoakGame> game_;
    QHash<QString, QImage> faces_;
    qint64 faceKey_ = 0;

    // What the player knows.
    GameStyle style_ = GameStyle::Standard;
    double least_ = 0;          // the least number the limits allow
    qint64 values_ = 0;         // how many numbers the limits allow, from least_ up in whole steps
    int count_ = 0;             // guesses sent since the last "Yes!"
    qint64 dynamicGuesses_ = 0; // guesses sent in the Dynamic style, all games together
    QString answer_;
    bool won_ = false;

    QHash<QString, int> halvesSeen_; // 1: the lower half, 2: the upper half
    int guesses_ = 0;
    int games_ = 0;
    int gamesInStyle_[3] = {};
};

void TestSoak::initTestCase() {
    QCoreApplication::setApplicationName(QStringLiteral("brannoch-number-guess"));
    const auto streams = audioServerStreams();
    QVERIFY2(streams, "no audio server answers: run the test in a session with one");
    streamsBefore_ = streams->size();
}

void TestSoak::chooseStyle(GameStyle style) {
    Form1& form = *game_->form;
    QAction* items[] = {form.Standargame, form.Dynamic, form.Noupper};
    const int draws = game_->draws;
    items[int(style)]->trigger();
    SoakGame::settle();
    style_ = style;
    QCOMPARE(form.gamestle, style);
    // Only the style without an upper limit draws one, a whole number up to a hundred million.
    QCOMPARE(game_->draws, draws + (style == GameStyle::NoUpper ? 1 : 0));
    if (style == GameStyle::NoUpper)
        QVERIFY2(form.ulim >= 1 && form.ulim <= NoUpperValues && form.ulim == std::floor(form.ulim),
                 qPrintable(QString::number(form.ulim, 'g', 17)));
}

void TestSoak::startGame(double upper, double lower, int way) {
    Form1& form = *game_->form;
    if (style_ != GameStyle::NoUpper)
        QTest::keyClicks(form.Text1, typed(upper, way));
    QTest::keyClicks(form.Text2, typed(lower, way + 1));
    QVERIFY(form.Command1->isEnabled());
    const int draws = game_->draws;
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    SoakGame::settle();
    QCOMPARE(game_->draws, draws + 1);
    const qint64 steps = style_ == GameStyle::NoUpper
                             ? NoUpperValues - 1
                             : qint64(std::floor(std::fabs(upper - lower)));
    least_ = style_ != GameStyle::NoUpper && upper < lower ? lower - steps : lower;
    values_ = steps + 1;
    won_ = false;
    const double secret = form.gu;
    const QString drawn = QString::number(secret, 'g', 17);
    QVERIFY2(secret >= least_ && secret <= least_ + steps, qPrintable(drawn));
    QVERIFY2(secret - least_ == std::floor(secret - least_), qPrintable(drawn));
    if (style_ == GameStyle::NoUpper)
        QVERIFY2(secret <= lower + form.ulim - 1, qPrintable(drawn));
    // A draw stuck at one end of the numbers would still keep within the limits; over the games
    // each way of giving the limits must see secrets in both halves of its numbers.
    const double allowed = style_ == GameStyle::NoUpper ? form.ulim : double(values_);
    const char* kinds[] = {"standard", "dynamic", "no upper limit"};
    const QString kind = QLatin1String(kinds[int(style_)]) +
                         (style_ == GameStyle::Standard && upper < lower ? ", limits swapped" : "");
    halvesSeen_[kind] |= secret - least_ < allowed / 2 ? 1 : 2;
    QVERIFY(!form.Command1->isEnabled());
    expectCue(GotIt, media::StartMedia.face);
}

void TestSoak::guess(double value, int way) {
    Form1& form = *game_->form;
    const int draws = game_->draws;
    QTest::keyClicks(form.Text3, typed(value, way));
    QTest::keyClick(form.Text3, Qt::Key_Return);
    SoakGame::settle();
    ++guesses_;
    ++count_;

    // In the Dynamic style every fifth guess draws the number anew before it is judged.
    const bool redraw = style_ == GameStyle::Dynamic && ++dynamicGuesses_ % 5 == 0;
    QCOMPARE(game_->draws, draws + (redraw ? 1 : 0));
    QCOMPARE(form.tries, std::int16_t(dynamicGuesses_ % 5));
    QCOMPARE(form.gss, std::int16_t(count_));
    QCOMPARE(form.Label5->text(), QString::number(count_));
    QCOMPARE(form.Text3->text(), QString());
    answer_ = form.Label3->text();
    if (answer_ == Lower) {
        expectCue(Lower, media::LowerMedia.face);
    } else if (answer_ == Higher) {
        expectCue(Higher, media::HigherMedia.face);
    } else {
        expectCue(Won, media::WinMedia.face);
        won_ = true;
        QCOMPARE(form.gu, value);
    }
    QCOMPARE(form.Text3->isVisible(), !won_);
    QCOMPARE(form.Label4->isVisible(), won_);
    QCOMPARE(form.Command2->isVisible(), won_);
    QCOMPARE(form.Command3->isVisible(), won_);
    if (guesses_ % CheckServerEvery == 0)
        checkServer();
}

void TestSoak::expectCue(const QString& message, const QString& face) {
    const Form1& form = *game_->form;
    QCOMPARE(form.Label3->text(), message);
    // Each cue loads its face afresh from the file.
    const qint64 key = form.Image1->pixmap().cacheKey();
    QVERIFY(key != faceKey_);
    faceKey_ = key;
    QVERIFY2(comparable(form.Image1->pixmap().toImage()) == faces_.value(face), qPrintable(face));
}

// The sound server still runs and soon plays at most the last cue: no stream is left behind.
// Streams given up while the server was still making them end once it has, which on a busy
// machine may take a while after a burst of cues far quicker than any player's.
void TestSoak::checkServer() {
    std::optional<QStringList> streams;
    const auto settled = [&] {
        streams = audioServerStreams();
        return streams && streams->size() <= streamsBefore_ + 1;
    };
    QTRY_VERIFY2_WITH_TIMEOUT(settled(),
                              qPrintable(streams
                                             ? streams->join(u'\n')
                                             : QStringLiteral("the audio server does not answer")),
                              60000);
}

void TestSoak::thousandsOfGuessesKeepTheGameRight() {
    StderrCapture errors;
    game_ = std::make_unique<SoakGame>(sourceMediaFolder());
    QVERIFY(game_->ready);
    Form1& form = *game_->form;
    for (const char* face : {media::StartMedia.face, media::LowerMedia.face,
                             media::HigherMedia.face, media::WinMedia.face})
        faces_.insert(face, comparable(QImageReader(sourceMediaFolder() + u'/' + face).read()));

    for (int g = 0; g < Games; ++g) {
        const auto style = GameStyle(g % 3);
        chooseStyle(style);
        double lower = 0;
        double upper = 0;
        if (style == GameStyle::Standard) {
            lower = g % 7 - 3 + (g % 11 == 0 ? 0.5 : 0);
            upper = lower + 5 + g % 40;
            if (g % 5 == 0)
                std::swap(lower, upper);
        } else if (style == GameStyle::Dynamic) {
            lower = g % 9;
            upper = lower + 12;
        } else {
            lower = (g % 13) * 1000.0 - 5000;
        }
        startGame(upper, lower, g);
        if (QTest::currentTestFailed())
            return;

        // Below the least number the answer is higher, above the greatest it is lower.
        for (int outside = 0; outside < GuessesOutsidePerGame; ++outside) {
            const bool below = outside % 2 == 0;
            guess(below ? least_ - 1 - outside : least_ + values_ + outside, g + outside);
            if (QTest::currentTestFailed())
                return;
            QCOMPARE(answer_, below ? Higher : Lower);
        }

        // Halving the numbers the answers leave wins within the guesses a binary search needs.
        // A Dynamic redraw forgets the answers: the search starts again from the limits.
        const int needed = int(std::ceil(std::log2(double(values_) + 1)));
        qint64 low = 0;
        qint64 high = values_ - 1;
        int searched = 0;
        while (!won_) {
            if (style_ == GameStyle::Dynamic && (dynamicGuesses_ + 1) % 5 == 0) {
                low = 0;
                high = values_ - 1;
                searched = 0;
            }
            QVERIFY2(low <= high, "the answers leave no number between the limits");
            QVERIFY2(searched < needed,
                     qPrintable(QStringLiteral("not won in %1 guesses among %2 numbers")
                                    .arg(searched)
                                    .arg(values_)));
            const qint64 middle = low + (high - low) / 2;
            guess(least_ + double(middle), g + searched);
            ++searched;
            if (QTest::currentTestFailed())
                return;
            if (answer_ == Lower)
                high = middle - 1;
            else if (answer_ == Higher)
                low = middle + 1;
        }

        QTest::mouseClick(form.Command2, Qt::LeftButton);
        SoakGame::settle();
        count_ = 0;
        ++games_;
        ++gamesInStyle_[int(style)];
        QCOMPARE(form.gss, std::int16_t(0));
        QCOMPARE(form.Label5->text(), QStringLiteral("0"));
        QCOMPARE(form.Text1->text(), QString());
        QCOMPARE(form.Text2->text(), QString());
        for (QWidget* control :
             form.centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(!control->isVisible(), qPrintable(control->objectName()));
    }

    QVERIFY2(guesses_ >= 10000, qPrintable(QString::number(guesses_)));
    QVERIFY(games_ >= 1000);
    for (const int played : gamesInStyle_)
        QVERIFY(played >= Games / 3);
    QCOMPARE(halvesSeen_.size(), 4);
    for (auto seen = halvesSeen_.cbegin(); seen != halvesSeen_.cend(); ++seen)
        QVERIFY2(seen.value() == 3, qPrintable(seen.key()));
    checkServer();
    game_.reset();
    errors.restore();
    QCOMPARE(errors.lines(), QStringList());
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
