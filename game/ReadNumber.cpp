#include "ReadNumber.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace game {

namespace {

bool ignored(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

int digitValue(char16_t c, int base) {
    int value = 16;
    if (isDigit(c))
        value = c - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c - u'A' + 10;
    return value < base ? value : -1;
}

// The characters of the text that count, blanks dropped.
class Cursor {
public:
    explicit Cursor(QStringView text) : text_(text) { skip(); }

    bool atEnd() const { return pos_ >= text_.size(); }
    char16_t peek() const { return atEnd() ? u'\0' : text_[pos_].unicode(); }
    void next() {
        ++pos_;
        skip();
    }

private:
    void skip() {
        while (!atEnd() && ignored(text_[pos_].unicode()))
            ++pos_;
    }

    QStringView text_;
    qsizetype pos_ = 0;
};

// Short forms wrap like the classic 16- and 32-bit integers: &HFFFF is -1, &HFFFFFFFF too.
double wrapInteger(std::uint64_t value, int bits) {
    if (bits == 16)
        return static_cast<std::int16_t>(value);
    if (bits == 32)
        return static_cast<std::int32_t>(value);
    return static_cast<double>(static_cast<std::int64_t>(value));
}

double readBased(Cursor& in, int base) {
    std::uint64_t value = 0;
    int digits = 0;
    bool beyond64 = false;
    for (int d; (d = digitValue(in.peek(), base)) >= 0; in.next()) {
        if (value > (UINT64_MAX >> (base == 16 ? 4 : 3)))
            beyond64 = true;
        value = value * base + d;
        ++digits;
    }
    if (base == 16)
        return wrapInteger(value, digits <= 4 ? 16 : digits <= 8 ? 32 : 64);
    if (beyond64)
        return wrapInteger(value, 64);
    return wrapInteger(value, value <= 0xFFFF ? 16 : value <= 0xFFFFFFFF ? 32 : 64);
}

double readDecimal(Cursor& in) {
    std::string number;
    if (in.peek() == u'+' || in.peek() == u'-') {
        number += static_cast<char>(in.peek());
        in.next();
    }
    bool digits = false;
    bool point = false;
    for (;; in.next()) {
        const char16_t c = in.peek();
        if (isDigit(c)) {
            digits = true;
        } else if (c == u'.' && !point) {
            point = true;
        } else {
            break;
        }
        number += static_cast<char>(c);
    }
    if (!digits)
        return 0;
    const char16_t e = in.peek();
    if (e == u'e' || e == u'E' || e == u'd' || e == u'D') {
        std::string exponent = "e";
        in.next();
        if (in.peek() == u'+' || in.peek() == u'-') {
            exponent += static_cast<char>(in.peek());
            in.next();
        }
        bool exponentDigits = false;
        for (; isDigit(in.peek()); in.next()) {
            exponent += static_cast<char>(in.peek());
            exponentDigits = true;
        }
        if (exponentDigits)
            number += exponent;
    }
    // strtod in the C locale: the full stop is the decimal point wherever the game runs.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const double value = strtod_l(number.c_str(), nullptr, cLocale);
    if (std::isinf(value))
        return std::copysign(DBL_MAX, value);
    return value;
}

} // namespace

double ReadNumber(QStringView text) {
    Cursor in(text);
    if (in.peek() == u'&') {
        in.next();
        const char16_t kind = in.peek();
        if (kind == u'h' || kind == u'H') {
            in.next();
            return readBased(in, 16);
        }
        if (kind == u'o' || kind == u'O') {
            in.next();
            return readBased(in, 8);
        }
        return 0;
    }
    return readDecimal(in);
}

} // namespace game
