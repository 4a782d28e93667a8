// Fuzzes the reading of a box's text and the draw of the secret from the limits read. Beyond
// "no crash", every input must keep the properties the game relies on; a broken one aborts with
// the input described, so that libFuzzer keeps it as a crash.
//
// An input is: three bytes giving u (a multiple of 2^-24 in [0, 1), as the game's generator
// gives), three bytes giving the No-upper-limit draw the same way, then UTF-8 text: the lower
// limit's box, a 0xFF byte, the upper limit's box. A 0xFF byte is never part of UTF-8, so the
// separator takes nothing away from what the boxes can hold.

#include "game/ReadNumber.h"
#include "game/SecretDraw.h"

#include <QLocale>
#include <QString>

#include <algorithm>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

// Set by the test run to a locale whose decimal point is the comma; without it the locale
// property is not checked, which the run says once.
const char* commaLocale = nullptr;

const QString* currentLower = nullptr;
const QString* currentUpper = nullptr;

QString described(const QString& text) {
    QString out;
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit >= 0x20 && unit < 0x7F)
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(unsigned(unit), 4, 16, QLatin1Char('0'));
    }
    return out;
}

[[noreturn]] void broken(const char* property, const QString& text, double expected,
                         double actual) {
    std::fprintf(stderr,
                 "BROKEN: %s\n  text: \"%s\"\n  expected %.17g, got %.17g\n"
                 "  lower box: \"%s\"\n  upper box: \"%s\"\n",
                 property, qPrintable(described(text)), expected, actual,
                 qPrintable(described(*currentLower)), qPrintable(described(*currentUpper)));
    std::abort();
}

// Readings are compared bit for bit: -0 and 0 are different readings.
bool same(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool blank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

// A character that no state of the reading can take as part of a number: anything but the
// digits, the hexadecimal digit letters (which hold the exponent letters d, D, e and E), the
// radix letters h, H, o and O, the point, the signs and the ampersand; and not a blank, which
// the reading skips rather than stops at. Everything else ends the number wherever it stands,
// among it the comma, the carriage return, the no-break space and the digits of other scripts.
bool endsEveryNumber(char16_t c) {
    constexpr std::u16string_view numberCharacters = u"0123456789abcdefABCDEFhHoO.+-&";
    return !blank(c) && numberCharacters.find(c) == std::u16string_view::npos;
}

QString withoutBlanks(const QString& text) {
    QString out;
    for (const QChar c : text)
        if (!blank(c.unicode()))
            out += c;
    return out;
}

// Only ASCII letters change: the reading takes no other letter anyway.
QString asciiCase(const QString& text, bool upper) {
    QString out = text;
    for (QChar& c : out) {
        const char16_t unit = c.unicode();
        if (upper && unit >= u'a' && unit <= u'z')
            c = QChar(char16_t(unit - u'a' + u'A'));
        else if (!upper && unit >= u'A' && unit <= u'Z')
            c = QChar(char16_t(unit - u'A' + u'a'));
    }
    return out;
}

double readInLocale(const QString& text, const char* locale) {
    std::setlocale(LC_ALL, locale);
    QLocale::setDefault(QLocale(QString::fromLatin1(locale)));
    const double value = game::ReadNumber(text);
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
    return value;
}

double readingChecked(const QString& text, const QString& tailSource) {
    const double value = game::ReadNumber(text);
    if (!std::isfinite(value))
        broken("the reading is finite", text, 0, value);

    QString tail;
    for (const QChar c : tailSource)
        if (endsEveryNumber(c.unicode()) || blank(c.unicode()))
            tail += c;
    const double withTail = game::ReadNumber(text + tail);
    if (!same(withTail, value))
        broken("a tail of characters that end every number changes nothing", text + tail, value,
               withTail);
    // Fixed tails for the characters a looser reading would take: a decimal comma, a no-break
    // space that a general "is space" test would skip, an Arabic-Indic and a full-width digit.
    for (const QString& fixed : {QStringLiteral(","),
                                 QStringLiteral("\u00A0"
                                                "1"),
                                 QStringLiteral("\u0661"), QStringLiteral("\uFF11"),
                                 QStringLiteral("\r5"), QStringLiteral("x1")}) {
        const double fixedTail = game::ReadNumber(text + fixed);
        if (!same(fixedTail, value))
            broken("a tail of characters that end every number changes nothing", text + fixed,
                   value, fixedTail);
    }

    const double unblanked = game::ReadNumber(withoutBlanks(text));
    if (!same(unblanked, value))
        broken("blanks anywhere change nothing", withoutBlanks(text), value, unblanked);

    for (const bool upper : {true, false}) {
        const double recased = game::ReadNumber(asciiCase(text, upper));
        if (!same(recased, value))
            broken("the case of letters changes nothing", asciiCase(text, upper), value, recased);
    }

    if (commaLocale) {
        const double inCommaLocale = readInLocale(text, commaLocale);
        if (!same(inCommaLocale, value))
            broken("the locale changes nothing", text, value, inCommaLocale);
    }
    return value;
}

double fraction24(const std::uint8_t* bytes, std::size_t available) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 3; ++i)
        value = value << 8 | (i < available ? bytes[i] : 0);
    return value / 16777216.0;
}

void checkDraw(double lower, double upper, double u, const QString& text) {
    const double secret = game::DrawSecret(lower, upper, u);
    if (!std::isfinite(secret))
        broken("the secret is finite", text, lower, secret);
    if (secret < std::min(lower, upper))
        broken("the secret is not below the smaller limit", text, std::min(lower, upper), secret);
    if (secret > std::max(lower, upper))
        broken("the secret is not above the larger limit", text, std::max(lower, upper), secret);
    if (u == 0 && secret != lower)
        broken("u = 0 draws the lower limit", text, lower, secret);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    std::setlocale(LC_ALL, "C");
    if (const char* name = std::getenv("BNG_COMMA_LOCALE")) {
        if (!std::setlocale(LC_ALL, name) || std::strcmp(localeconv()->decimal_point, ",") != 0) {
            std::fprintf(stderr, "BNG_COMMA_LOCALE=%s is no locale with a decimal comma\n", name);
            std::exit(2);
        }
        std::setlocale(LC_ALL, "C");
        commaLocale = name;
    } else {
        std::fprintf(stderr, "no decimal-comma locale given: the locale property goes "
                             "unchecked\n");
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const double u = fraction24(data, size);
    const double r = fraction24(data + std::min<std::size_t>(size, 3), size > 3 ? size - 3 : 0);
    const std::size_t textStart = std::min<std::size_t>(size, 6);
    const auto* text = reinterpret_cast<const char*>(data) + textStart;
    const std::size_t textSize = size - textStart;
    const auto separator = std::find(text, text + textSize, '\xFF');
    const QString lowerText = QString::fromUtf8(text, separator - text);
    const QString upperText =
        separator == text + textSize
            ? QString()
            : QString::fromUtf8(separator + 1, text + textSize - (separator + 1));
    currentLower = &lowerText;
    currentUpper = &upperText;

    const double lower = readingChecked(lowerText, upperText);
    const double upper = readingChecked(upperText, lowerText);

    checkDraw(lower, upper, u, lowerText);
    checkDraw(upper, lower, u, upperText);
    const double drawnCount = game::drawUpperLimit(r);
    if (drawnCount < 1 || drawnCount > 100000000 || drawnCount != std::floor(drawnCount))
        broken("the No-upper-limit draw is a whole count from 1 to 100,000,000", QString(), r,
               drawnCount);
    const double noUpper = game::noUpperLimit(lower, drawnCount);
    if (!std::isfinite(noUpper) || noUpper < lower)
        broken("the No-upper-limit limit is finite and not below the lower limit", lowerText, lower,
               noUpper);
    checkDraw(lower, noUpper, u, lowerText);
    return 0;
}
