// SPDX-License-Identifier: MIT
// libFuzzer target for the uniform-load text box's number reader. Beyond
// surviving any text, it checks what the reader promises:
// - reading is deterministic;
// - a plain decimal number (optional sign, digits with at most one full stop,
//   optional exponent E or e with optional sign and digits) reads exactly as
//   strtod reads it in the C locale, and D or d as the exponent letter changes
//   nothing;
// - blanks, tabs and line feeds inserted anywhere never change the result;
// - the full-width digits, full stop, minus and plus read as their ASCII
//   forms, in any text and in any of the numbers built below;
// - "&H" and "&O" with any number of digits read as the number the digits
//   spell, correctly rounded: as strtod reads the same bits written as a
//   hexadecimal constant.
// Each input is read as UTF-8 text and as UTF-16 text, and it also drives the
// building of a plain decimal number, so that the strtod comparison is
// exercised on every run, not only on the rare input that is one already.
#include "toolkit/number_reader.h"

#include <QString>

#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

using toolkit::readLeadingNumber;

namespace {

bool sameValue(double a, double b)
{
    // Bit for bit, so that -0 and 0 differ; any NaN equals any NaN.
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) || (std::isnan(a) && std::isnan(b));
}

[[noreturn]] void fail(const char* property, const QString& text, double read, double expected)
{
    std::fprintf(stderr, "%s\n  text (UTF-8): \"%s\"\n  read     %a (%.17g)\n  expected %a (%.17g)\n", property,
                 text.toUtf8().constData(), read, read, expected, expected);
    std::abort();
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether the whole text is a plain decimal number as strtod and the reader
// agree on it.
bool isPlainDecimal(std::string_view text)
{
    std::size_t i = 0;
    auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        return i - start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == text.size();
}

double cLibraryValue(const std::string& text)
{
    // The fuzzer never calls setlocale, so strtod reads in the "C" locale.
    return std::strtod(text.c_str(), nullptr);
}

// A plain decimal number built from the fuzz input. The mantissa may be empty
// and the exponent may lack digits: those texts are still plain decimal text
// in the sense that strtod and the reader must agree on their value.
std::string buildDecimal(FuzzedDataProvider& input)
{
    static constexpr const char* kSigns[] = {"", "+", "-"};
    auto digitRun = [&input](std::size_t most) {
        std::string run(input.ConsumeIntegralInRange<std::size_t>(0, most), '0');
        for (char& c : run)
            c = char('0' + input.ConsumeIntegralInRange(0, 9));
        return run;
    };
    std::string text = kSigns[input.ConsumeIntegralInRange(0, 2)];
    text += digitRun(40);
    if (input.ConsumeBool())
        text += '.' + digitRun(40);
    if (input.ConsumeBool()) {
        text += input.ConsumeBool() ? 'e' : 'E';
        text += kSigns[input.ConsumeIntegralInRange(0, 2)];
        text += digitRun(input.ConsumeBool() ? 4 : 25);
    }
    return text;
}

// "&H" or "&O" (either case) and a run of digits of that base from the fuzz
// input, and the same number as a hexadecimal constant that strtod reads.
struct WholeNumber {
    std::string text;
    std::string hexadecimal;
};

WholeNumber buildWhole(FuzzedDataProvider& input)
{
    const bool octal = input.ConsumeBool();
    const int bitsPerDigit = octal ? 3 : 4;
    WholeNumber number{octal ? "&O" : "&H", "0x0"};
    std::string bits;
    for (auto n = input.ConsumeIntegralInRange<std::size_t>(0, 400); n > 0; --n) {
        const int digit = input.ConsumeIntegralInRange(0, (1 << bitsPerDigit) - 1);
        number.text += "0123456789ABCDEF"[digit];
        for (int bit = bitsPerDigit - 1; bit >= 0; --bit)
            bits += char('0' + ((digit >> bit) & 1));
    }
    if (input.ConsumeBool()) {
        for (char& c : number.text)
            c = char(std::tolower(c));
    }
    // Four bits to a hexadecimal digit, counted from the lowest.
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    for (std::size_t at = 0; at < bits.size(); at += 4)
        number.hexadecimal += "0123456789ABCDEF"[std::stoi(bits.substr(at, 4), nullptr, 2)];
    return number;
}

// The full-width forms that read as ASCII, each at the index of its ASCII form.
constexpr std::u16string_view kFullWidth = u"０１２３４５６７８９．－＋";
constexpr std::string_view kAscii = "0123456789.-+";

// The text with every full-width form replaced by its ASCII form.
QString asciiForms(const QString& text)
{
    QString result = text;
    for (QChar& c : result) {
        if (const auto at = kFullWidth.find(c.unicode()); at != std::u16string_view::npos)
            c = QChar(kAscii[at]);
    }
    return result;
}

// The text with some of its digits, full stops and signs in their full-width
// forms: the n-th character is widened when bit n mod 64 of a mask from the
// input is set.
QString withFullWidthForms(const QString& text, FuzzedDataProvider& input)
{
    const auto mask = input.ConsumeIntegral<std::uint64_t>();
    QString result = text;
    for (qsizetype n = 0; n < result.size(); ++n) {
        const char16_t c = result[n].unicode();
        const auto at = c < 0x80 ? kAscii.find(char(c)) : std::string_view::npos;
        if (at != std::string_view::npos && (mask >> (n % 64) & 1) != 0)
            result[n] = QChar(kFullWidth[at]);
    }
    return result;
}

// The text with blanks, tabs and line feeds put in at places the input picks.
QString withBlanks(const QString& text, FuzzedDataProvider& input)
{
    static constexpr char16_t kBlanks[] = {u' ', u'\t', u'\n'};
    QString result = text;
    const int count = input.ConsumeIntegralInRange(1, 8);
    for (int n = 0; n < count; ++n) {
        const auto at = input.ConsumeIntegralInRange<qsizetype>(0, result.size());
        result.insert(at, QChar(kBlanks[input.ConsumeIntegralInRange(0, 2)]));
    }
    return result;
}

void checkText(const QString& text, FuzzedDataProvider& input)
{
    const double value = readLeadingNumber(text);

    // A deep copy, so that a second read cannot share the first one's memory.
    const QString copy(text.constData(), text.size());
    if (const double again = readLeadingNumber(copy); !sameValue(again, value))
        fail("reading twice gave two values", text, again, value);

    if (const QString blanked = withBlanks(text, input); !sameValue(readLeadingNumber(blanked), value))
        fail("inserted blanks changed the value", blanked, readLeadingNumber(blanked), value);

    const QString folded = asciiForms(text);
    if (const double read = readLeadingNumber(folded); !sameValue(read, value))
        fail("full-width forms read unlike their ASCII forms", text, value, read);

    std::string ascii;
    for (const QChar c : folded) {
        if (c.unicode() >= 0x80)
            return;
        ascii += char(c.unicode());
    }
    if (isPlainDecimal(ascii)) {
        const double expected = cLibraryValue(ascii);
        if (!sameValue(value, expected))
            fail("plain decimal text differs from strtod", text, value, expected);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);

    // The raw bytes as the two text encodings a text box could receive.
    const QString utf8 = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    std::u16string utf16(size / 2, u'\0');
    std::memcpy(utf16.data(), data, utf16.size() * sizeof(char16_t));
    checkText(utf8, input);
    checkText(QString::fromStdU16String(utf16), input);

    const std::string decimal = buildDecimal(input);
    const double expected = cLibraryValue(decimal);
    const QString text = QString::fromLatin1(decimal);
    if (const double read = readLeadingNumber(text); !sameValue(read, expected))
        fail("built decimal differs from strtod", text, read, expected);
    if (const QString blanked = withBlanks(text, input); !sameValue(readLeadingNumber(blanked), expected))
        fail("built decimal with blanks differs from strtod", blanked, readLeadingNumber(blanked), expected);
    if (const QString wide = withFullWidthForms(text, input); !sameValue(readLeadingNumber(wide), expected))
        fail("built decimal in full-width forms differs from strtod", wide, readLeadingNumber(wide), expected);

    const WholeNumber whole = buildWhole(input);
    const double wholeExpected = cLibraryValue(whole.hexadecimal);
    const QString wholeText = QString::fromLatin1(whole.text);
    if (const double read = readLeadingNumber(wholeText); !sameValue(read, wholeExpected))
        fail("whole number differs from strtod", wholeText, read, wholeExpected);
    if (const QString blanked = withBlanks(wholeText, input); !sameValue(readLeadingNumber(blanked), wholeExpected))
        fail("whole number with blanks differs from strtod", blanked, readLeadingNumber(blanked), wholeExpected);
    if (const QString wide = withFullWidthForms(wholeText, input); !sameValue(readLeadingNumber(wide), wholeExpected))
        fail("whole number in full-width forms differs from strtod", wide, readLeadingNumber(wide), wholeExpected);

    // D or d is the reader's other exponent letter.
    if (const auto letter = decimal.find_first_of("eE"); letter != std::string::npos) {
        std::string withD = decimal;
        withD[letter] = withD[letter] == 'e' ? 'd' : 'D';
        const QString dText = QString::fromLatin1(withD);
        if (const double read = readLeadingNumber(dText); !sameValue(read, expected))
            fail("D exponent differs from E", dText, read, expected);
    }
    return 0;
}
