#include "SoakGame.h"
#include "game/Draw.h"
#include "game/GuessCount.h"

#include <QImageReader>
#include <QTest>

#include <cmath>
#include <memory>

using namespace reliability;

namespace {

constexpr int Games = 1002;
constexpr int WrongGuessesPerGame = 10;
constexpr int CheckServerEvery = 1000;

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
// sound real, checked against the rules after every step.
class TestSoak : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void thousandsOfGuessesKeepTheGameRight();

private:
    void chooseStyle(int style);
    void startGame(double upper, double lower, int way);
    void guess(double value, int way);
    void expectCue(const QString& message, const QString& face);
    void checkServer();

    std::unique_ptr<PrivatePulse> pulse_;
    std::unique_ptr<SoakGame> game_;
    QHash<QString, QImage> faces_;
    qint64 faceKey_ = 0;

    // What the rules say the game holds.
    int style_ = game::Standard;
    double lower_ = 0;
    double upper_ = 0;
    double secret_ = 0;
    double drawnCount_ = 0;
    std::int16_t count_ = 0;
    std::int16_t tries_ = 0;
    bool won_ = false;

    int guesses_ = 0;
    int games_ = 0;
    int gamesInStyle_[3] = {};
};

void TestSoak::initTestCase() {
    QCoreApplication::setApplicationName(QStringLiteral("brannoch-number-guess"));
    pulse_ = std::make_unique<PrivatePulse>();
    QVERIFY2(pulse_->running(), qPrintable(pulse_->log()));
}

void TestSoak::chooseStyle(int style) {
    Form1& form = *game_->form;
    QAction* items[] = {form.Standargame, form.Dynamic, form.Noupper};
    const int draws = game_->draws;
    items[style]->trigger();
    SoakGame::settle();
    style_ = style;
    QCOMPARE(form.gamestle, std::int16_t(style));
    if (style == game::NoUpper) {
        QCOMPARE(game_->draws, draws + 1);
        drawnCount_ = game::DrawUpperLimit(game_->lastU);
        QCOMPARE(form.ulim, drawnCount_);
    } else {
        QCOMPARE(game_->draws, draws);
    }
}

void TestSoak::startGame(double upper, double lower, int way) {
    Form1& form = *game_->form;
    if (style_ != game::NoUpper)
        QTest::keyClicks(form.Text1, typed(upper, way));
    QTest::keyClicks(form.Text2, typed(lower, way + 1));
    QVERIFY(form.Command1->isEnabled());
    const int draws = game_->draws;
    QTest::mouseClick(form.Command1, Qt::LeftButton);
    SoakGame::settle();
    QCOMPARE(game_->draws, draws + 1);
    lower_ = lower;
    upper_ = style_ == game::NoUpper ? game::NoUpperLimit(lower, drawnCount_) : upper;
    secret_ = game::DrawSecret(lower_, upper_, game_->lastU);
    won_ = false;
    QCOMPARE(form.gu, secret_);
    QVERIFY(!form.Command1->isEnabled());
    expectCue(GotIt, QStringLiteral("face02.ico"));
}

void TestSoak::guess(double value, int way) {
    Form1& form = *game_->form;
    const int draws = game_->draws;
    QTest::keyClicks(form.Text3, typed(value, way));
    QTest::keyClick(form.Text3, Qt::Key_Return);
    SoakGame::settle();
    ++guesses_;

    count_ = game::CountGuess(count_);
    if (style_ == game::Dynamic)
        ++tries_;
    if (tries_ == 5) {
        QCOMPARE(game_->draws, draws + 1);
        secret_ = game::DrawSecret(lower_, upper_, game_->lastU);
        tries_ = 0;
    } else {
        QCOMPARE(game_->draws, draws);
    }
    QCOMPARE(form.gu, secret_);
    QCOMPARE(form.tries, tries_);
    QCOMPARE(form.gss, count_);
    QCOMPARE(form.Label5->text(), QString::number(count_));
    QCOMPARE(form.Text3->text(), QString());
    if (value > secret_) {
        expectCue(Lower, QStringLiteral("minus.ico"));
    } else if (value < secret_) {
        expectCue(Higher, QStringLiteral("plus.ico"));
    } else {
        expectCue(Won, QStringLiteral("face03.ico"));
        won_ = true;
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

// The sound server still runs and plays at most the last cue: no stream is left behind.
void TestSoak::checkServer() {
    QVERIFY2(pulse_->running(), qPrintable(pulse_->log()));
    const QStringList streams = pulse_->streams();
    QVERIFY2(streams.size() <= 1, qPrintable(streams.join(u'\n')));
}

void TestSoak::thousandsOfGuessesKeepTheGameRight() {
    StderrCapture errors;
    game_ = std::make_unique<SoakGame>(sourceMediaFolder());
    QVERIFY(game_->ready);
    Form1& form = *game_->form;
    for (const QString& face : {QStringLiteral("face02.ico"), QStringLiteral("minus.ico"),
                                QStringLiteral("plus.ico"), QStringLiteral("face03.ico")})
        faces_.insert(face, comparable(QImageReader(sourceMediaFolder() + u'/' + face)
                                           .read()
                                           .scaled(form.Image1->size(), Qt::IgnoreAspectRatio,
                                                   Qt::SmoothTransformation)));

    for (int g = 0; g < Games; ++g) {
        const int style = g % 3;
        chooseStyle(style);
        double lower = 0;
        double upper = 0;
        if (style == game::Standard) {
            lower = g % 7 - 3 + (g % 11 == 0 ? 0.5 : 0);
            upper = lower + 5 + g % 40;
            if (g % 5 == 0)
                std::swap(lower, upper);
        } else if (style == game::Dynamic) {
            lower = g % 9;
            upper = lower + 12;
        } else {
            lower = (g % 13) * 1000.0 - 5000;
        }
        startGame(upper, lower, g);
        for (int wrong = 0; !won_; ++wrong) {
            if (wrong < WrongGuessesPerGame) {
                const double step = 1 + wrong / 2;
                guess(wrong % 2 ? secret_ - step : secret_ + step, g + wrong);
            } else {
                guess(secret_, g + wrong);
            }
            if (QTest::currentTestFailed())
                return;
        }

        QTest::mouseClick(form.Command2, Qt::LeftButton);
        SoakGame::settle();
        count_ = 0;
        ++games_;
        ++gamesInStyle_[style];
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
    checkServer();
    game_.reset();
    errors.restore();
    QCOMPARE(errors.lines(), QStringList());
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
