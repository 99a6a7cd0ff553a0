// SPDX-License-Identifier: MIT
#include "toolkit/number_reader.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h> // NOLINT(modernize-deprecated-headers): newlocale and strtod_l are POSIX, declared only here
#include <string>

namespace toolkit {

namespace {

// The characters of a text in reading order, with the blanks, tabs and line
// feeds that the reader ignores already passed over.
class Cursor {
public:
    explicit Cursor(QStringView text)
        : text_(text)
    {
    }

    // The next character that counts, or 0 at the end (0 continues nothing).
    char16_t peek()
    {
        while (position_ < text_.size() && isIgnored(text_[position_].unicode()))
            ++position_;
        return position_ < text_.size() ? halfWidth(text_[position_].unicode()) : u'\0';
    }
    void next() { ++position_; }

private:
    static bool isIgnored(char16_t c) { return c == u' ' || c == u'\t' || c == u'\n'; }

    // A Chinese input method in full-width mode types the digits, the point
    // and the signs as their full-width forms; they read as the ASCII ones.
    static char16_t halfWidth(char16_t c)
    {
        const bool fullWidth = (c >= u'０' && c <= u'９') || c == u'．' || c == u'－' || c == u'＋';
        return fullWidth ? char16_t(c - (u'０' - u'0')) : c;
    }

    QStringView text_;
    qsizetype position_ = 0;
};

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Moves a run of decimal digits over to `number`; returns how many there were.
std::size_t appendDigits(Cursor& in, std::string& number)
{
    const std::size_t before = number.size();
    for (char16_t c = in.peek(); isDigit(c); c = in.peek()) {
        number += char(c);
        in.next();
    }
    return number.size() - before;
}

// Decimal text is converted by the C library under the "C" locale, whatever
// locale the program runs in, so the value is the correctly rounded double.
double toDouble(const std::string& number)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(number.c_str(), nullptr, cLocale);
}

double readDecimal(Cursor& in)
{
    // The number as plain ASCII text that the C library reads.
    std::string number;
    if (const char16_t sign = in.peek(); sign == u'+' || sign == u'-') {
        if (sign == u'-')
            number += '-';
        in.next();
    }
    std::size_t digits = appendDigits(in, number);
    if (in.peek() == u'.') {
        number += '.';
        in.next();
        digits += appendDigits(in, number);
    }
    if (digits == 0)
        return 0.0;

    if (const char16_t letter = in.peek(); letter == u'E' || letter == u'e' || letter == u'D' || letter == u'd') {
        in.next();
        std::string exponent = "e";
        if (const char16_t sign = in.peek(); sign == u'+' || sign == u'-') {
            exponent += char(sign);
            in.next();
        }
        if (appendDigits(in, exponent) > 0)
            number += exponent;
    }
    return toDouble(number);
}

int digitValue(char16_t c, int radix)
{
    int value = 16;
    if (c >= u'0' && c <= u'9')
        value = c - u'0';
    else if (c >= u'A' && c <= u'F')
        value = c - u'A' + 10;
    else if (c >= u'a' && c <= u'f')
        value = c - u'a' + 10;
    return value < radix ? value : -1;
}

// The bits of a whole number, most significant first: the first 64 that
// count are kept, and the rest only say whether any of them is set, which is
// all that rounding to a double needs.
class WholeBits {
public:
    void append(int bit)
    {
        if (length_ == 0 && bit == 0)
            return; // a leading zero
        if (length_ < 64)
            kept_ = kept_ << 1 | std::uint64_t(bit);
        else
            dropped_ |= bit != 0;
        ++length_;
    }

    // The nearest double, ties to even.
    double value() const
    {
        if (length_ <= 64)
            return double(kept_); // the conversion rounds correctly
        // Rounding looks at the first 54 bits and whether any later one is
        // set; a set dropped bit goes into the lowest kept one, far below.
        const double rounded = double(kept_ | std::uint64_t(dropped_));
        // Past 2^1100 every double is infinite; a cap keeps the shift an int.
        return std::ldexp(rounded, int(std::min<std::int64_t>(length_ - 64, 1100)));
    }

private:
    std::uint64_t kept_ = 0;
    bool dropped_ = false;
    std::int64_t length_ = 0;
};

double readWhole(Cursor& in, int radix)
{
    const int bitsPerDigit = radix == 16 ? 4 : 3;
    WholeBits bits;
    for (int digit = digitValue(in.peek(), radix); digit >= 0; digit = digitValue(in.peek(), radix)) {
        for (int bit = bitsPerDigit - 1; bit >= 0; --bit)
            bits.append((digit >> bit) & 1);
        in.next();
    }
    return bits.value();
}

} // namespace

double readLeadingNumber(QStringView text)
{
    Cursor in(text);
    if (in.peek() != u'&')
        return readDecimal(in);
    in.next();
    const char16_t base = in.peek();
    const int radix = base == u'H' || base == u'h' ? 16 : base == u'O' || base == u'o' ? 8 : 0;
    if (radix == 0)
        return 0.0;
    in.next();
    return readWhole(in, radix);
}

} // namespace toolkit
