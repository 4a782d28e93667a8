#include "game/GuessCount.h"
#include "game/ReadNumber.h"
#include "game/Rnd.h"
#include "game/SecretDraw.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cfloat>
#include <chrono>
#include <clocale>
#include <cmath>

using namespace game;

namespace {
constexpr double LargestU = 1.0 - 1.0 / 16777216.0;
}

class TestRules : public QObject {
    Q_OBJECT
private slots:
    void readNumber_data();
    void readNumber();
    void readNumberIgnoresLocale();
    void readNumberNegativeZero();
    void drawStaysWithinLimits_data();
    void drawStaysWithinLimits();
    void drawReachesBothEnds();
    void drawNeverLeavesTheDoubleRange();
    void upperLimitDraw();
    void noUpperLimitKeepsItsRange();
    void generatorRepeatsItsStartAndResolution();
    void reseedingFollowsTheClock();
    void countStopsAtItsLargestValue();
};

void TestRules::readNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("tail of letters") << "12abc" << 12.0;
    QTest::newRow("blanks anywhere") << " 1 2 " << 12.0;
    QTest::newRow("tab and line feed") << "\t1\n2" << 12.0;
    QTest::newRow("carriage return ends") << "1\r2" << 1.0;
    QTest::newRow("negative fraction") << "-3.5" << -3.5;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("blank after sign") << "- 5" << -5.0;
    QTest::newRow("comma ends") << "1,000" << 1.0;
    QTest::newRow("exponent") << "1e3" << 1000.0;
    QTest::newRow("capital D exponent") << "2D2" << 200.0;
    QTest::newRow("small d exponent, sign") << "25d-1" << 2.5;
    QTest::newRow("exponent without digits") << "4e" << 4.0;
    QTest::newRow("exponent sign only") << "4e+" << 4.0;
    QTest::newRow("second point ends") << "1.2.3" << 1.2;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("lone point") << "." << 0.0;
    QTest::newRow("lone sign") << "-" << 0.0;
    QTest::newRow("sign and point") << "+." << 0.0;
    QTest::newRow("hex") << "&H1F" << 31.0;
    QTest::newRow("hex small letters") << "&hff" << 255.0;
    QTest::newRow("hex 16-bit wraps") << "&HFFFF" << -1.0;
    QTest::newRow("hex 16-bit lowest") << "&H8000" << -32768.0;
    QTest::newRow("hex 32-bit wraps") << "&HFFFFFFFF" << -1.0;
    QTest::newRow("hex five digits") << "&H10000" << 65536.0;
    QTest::newRow("hex 64-bit") << "&HFFFFFFFFFF" << 1099511627775.0;
    QTest::newRow("hex stops at non-digit") << "&H1G" << 1.0;
    QTest::newRow("hex without digits") << "&H" << 0.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal 16-bit wraps") << "&O177777" << -1.0;
    QTest::newRow("octal stops at 8") << "&O78" << 7.0;
    QTest::newRow("ampersand alone") << "&" << 0.0;
    QTest::newRow("ampersand digits") << "&12" << 0.0;
    QTest::newRow("overflow reads largest") << "1e400" << DBL_MAX;
    QTest::newRow("negative overflow") << "-1e400" << -DBL_MAX;
    QTest::newRow("underflow reads zero") << "1e-400" << 0.0;
    QTest::newRow("thousands of digits") << QString(5000, u'9') << DBL_MAX;
    QTest::newRow("long fraction") << "0." + QString(3000, u'3') << 1.0 / 3.0;
    QTest::newRow("non-ASCII digit ends") << QStringLiteral("1\u0662") << 1.0;
    QTest::newRow("full-width digits") << QStringLiteral("\uFF11\uFF12") << 0.0;
}

void TestRules::readNumber() {
    QFETCH(QString, text);
    QFETCH(double, value);
    const double read = ReadNumber(text);
    QVERIFY(std::isfinite(read));
    QCOMPARE(read, value);
}

void TestRules::readNumberIgnoresLocale() {
    const char* was = std::setlocale(LC_NUMERIC, nullptr);
    const QByteArray saved = was ? was : "C";
    // A machine that has no locale with a decimal comma built gets one of its own, built here
    // from the locale sources that every Debian machine with the locales package has.
    QTemporaryDir locales;
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        QProcess::execute(QStringLiteral("localedef"),
                          {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"),
                           QStringLiteral("UTF-8"),
                           locales.filePath(QStringLiteral("de_DE.UTF-8"))});
        qputenv("LOCPATH", QFile::encodeName(locales.path()));
        QVERIFY2(std::setlocale(LC_NUMERIC, "de_DE.UTF-8"), "no locale with a decimal comma");
    }
    QCOMPARE(localeconv()->decimal_point, QByteArray(","));
    const double point = ReadNumber(u"2.5");
    const double comma = ReadNumber(u"2,5");
    std::setlocale(LC_NUMERIC, saved.constData());
    qunsetenv("LOCPATH");
    QCOMPARE(point, 2.5);
    QCOMPARE(comma, 2.0);
}

void TestRules::readNumberNegativeZero() {
    const double zero = ReadNumber(u"-0");
    QCOMPARE(zero, 0.0);
    QVERIFY(std::signbit(zero));
}

void TestRules::drawStaysWithinLimits_data() {
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("upper");
    QTest::addColumn<double>("least");
    QTest::addColumn<double>("most");
    QTest::newRow("1 to 10") << 1.0 << 10.0 << 1.0 << 10.0;
    QTest::newRow("5 to 10") << 5.0 << 10.0 << 5.0 << 10.0;
    QTest::newRow("limits swapped") << 20.0 << 10.0 << 10.0 << 20.0;
    QTest::newRow("fractional lower") << 0.5 << 10.0 << 0.5 << 9.5;
    QTest::newRow("fractional upper") << 0.0 << 10.5 << 0.0 << 10.0;
    QTest::newRow("empty upper box") << 5.0 << 0.0 << 0.0 << 5.0;
    QTest::newRow("equal limits") << 7.0 << 7.0 << 7.0 << 7.0;
    QTest::newRow("negative") << -10.0 << -1.0 << -10.0 << -1.0;
    QTest::newRow("huge span") << -DBL_MAX << DBL_MAX << -DBL_MAX << DBL_MAX;
    QTest::newRow("huge swapped") << DBL_MAX << -DBL_MAX << -DBL_MAX << DBL_MAX;
}

void TestRules::drawStaysWithinLimits() {
    QFETCH(double, lower);
    QFETCH(double, upper);
    QFETCH(double, least);
    QFETCH(double, most);
    for (const double u : {0.0, 0.25, 0.5, 0.999, LargestU}) {
        const double secret = DrawSecret(lower, upper, u);
        QVERIFY2(std::isfinite(secret), qPrintable(QString::number(u)));
        QVERIFY2(secret >= least && secret <= most, qPrintable(QString::number(secret)));
    }
}

void TestRules::drawReachesBothEnds() {
    QCOMPARE(DrawSecret(1, 10, 0), 1.0);
    QCOMPARE(DrawSecret(1, 10, LargestU), 10.0);
    QCOMPARE(DrawSecret(5, 10, LargestU), 10.0);
    QCOMPARE(DrawSecret(20, 10, 0), 20.0);
    QCOMPARE(DrawSecret(20, 10, LargestU), 10.0);
    QCOMPARE(DrawSecret(0.5, 10, LargestU), 9.5);
    // Every value in a small range comes up.
    QSet<double> seen;
    for (int step = 0; step < 1000; ++step)
        seen.insert(DrawSecret(1, 10, step / 1000.0));
    QCOMPARE(seen.size(), 10);
}

void TestRules::drawNeverLeavesTheDoubleRange() {
    for (const double u : {0.0, 0.5, LargestU}) {
        QVERIFY(std::isfinite(DrawSecret(DBL_MAX, DBL_MAX, u)));
        QVERIFY(std::isfinite(DrawSecret(-DBL_MAX, DBL_MAX, u)));
        QVERIFY(std::isfinite(DrawSecret(DBL_MAX, noUpperLimit(DBL_MAX, 1e8), u)));
        QVERIFY(std::isfinite(DrawSecret(-DBL_MAX, noUpperLimit(-DBL_MAX, 1e8), u)));
    }
}

void TestRules::upperLimitDraw() {
    QCOMPARE(drawUpperLimit(0), 1.0);
    QCOMPARE(drawUpperLimit(0.5), 50000001.0);
    QCOMPARE(drawUpperLimit(LargestU), 99999995.0);
}

void TestRules::noUpperLimitKeepsItsRange() {
    // The drawn count of values starting at the lower limit: 10 values from 5 are 5 to 14.
    QCOMPARE(DrawSecret(5, noUpperLimit(5, 10), 0), 5.0);
    QCOMPARE(DrawSecret(5, noUpperLimit(5, 10), LargestU), 14.0);
    QCOMPARE(DrawSecret(5, noUpperLimit(5, 1), LargestU), 5.0);
}

void TestRules::generatorRepeatsItsStartAndResolution() {
    Rnd first;
    Rnd second;
    QSet<double> values;
    for (int i = 0; i < 1000; ++i) {
        const double u = first.next();
        QCOMPARE(second.next(), u);
        QVERIFY(u >= 0 && u < 1);
        QCOMPARE(u * 16777216.0, std::floor(u * 16777216.0));
        values.insert(u);
    }
    QCOMPARE(values.size(), 1000);
}

void TestRules::reseedingFollowsTheClock() {
    // Reseeded at three different microseconds, the generator gives three different sequences,
    // none of them the one of its fixed start.
    using std::chrono::microseconds;
    const auto micros = [] {
        return std::chrono::duration_cast<microseconds>(
                   std::chrono::system_clock::now().time_since_epoch())
            .count();
    };
    Rnd start;
    QSet<QPair<double, double>> sequences{{start.next(), start.next()}};
    for (int reseed = 0; reseed < 3; ++reseed) {
        const auto before = micros();
        while (micros() == before) {
        }
        Rnd generator;
        generator.reseedFromClock();
        sequences.insert({generator.next(), generator.next()});
    }
    QCOMPARE(sequences.size(), 4);
}

void TestRules::countStopsAtItsLargestValue() {
    QCOMPARE(countGuess(0), std::int16_t(1));
    QCOMPARE(countGuess(32766), std::int16_t(32767));
    QCOMPARE(countGuess(32767), std::int16_t(32767));
}

QTEST_APPLESS_MAIN(TestRules)
#include "tst_rules.moc"
