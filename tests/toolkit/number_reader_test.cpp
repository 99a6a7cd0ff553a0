// SPDX-License-Identifier: MIT
// The lenient reading of a leading number from a text box.
#include "toolkit/number_reader.h"

#include <QTest>

#include <cmath>
#include <cstdlib>
#include <limits>

using toolkit::readLeadingNumber;

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

QString described(double value)
{
    return QString::number(value, 'g', 17);
}

} // namespace

class NumberReaderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reads_data();
    void reads();
    void plainDecimalTextReadsAsTheCLibraryDoes_data();
    void plainDecimalTextReadsAsTheCLibraryDoes();
    void blanksAnywhereChangeNothing_data();
    void blanksAnywhereChangeNothing();
    void fullWidthFormsReadAsTheirAsciiForms_data();
    void fullWidthFormsReadAsTheirAsciiForms();
};

void NumberReaderTest::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    // As the load box is used.
    QTest::newRow("scroll value") << "7" << 7.0;
    QTest::newRow("leading blank and unit") << " 2.5kg" << 2.5;
    QTest::newRow("letters only") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("only blanks") << " \t\n " << 0.0;
    QTest::newRow("comma ends the number") << "1,5" << 1.0;
    QTest::newRow("lone comma") << "," << 0.0;
    QTest::newRow("digits then letters then digits") << "12abc34" << 12.0;
    QTest::newRow("Chinese unit") << QString::fromUtf8("5公斤") << 5.0;

    // Signs.
    QTest::newRow("minus") << "-5" << -5.0;
    QTest::newRow("plus") << "+7" << 7.0;
    QTest::newRow("only a minus") << "-" << 0.0;
    QTest::newRow("only a plus") << "+" << 0.0;
    QTest::newRow("two signs") << "--5" << 0.0;
    QTest::newRow("sign after digits ends the number") << "5-3" << 5.0;

    // Full stop.
    QTest::newRow("lone full stop") << "." << 0.0;
    QTest::newRow("minus and full stop") << "-." << 0.0;
    QTest::newRow("fraction without whole part") << ".5" << 0.5;
    QTest::newRow("negative fraction") << "-.25" << -0.25;
    QTest::newRow("trailing full stop") << "5." << 5.0;
    QTest::newRow("second full stop ends the number") << "1.2.3" << 1.2;

    // Exponents.
    QTest::newRow("E") << "1E3" << 1000.0;
    QTest::newRow("e with plus") << "2.5e+2" << 250.0;
    QTest::newRow("D") << "1D3" << 1000.0;
    QTest::newRow("d with minus") << "1d-2" << 0.01;
    QTest::newRow("exponent letter without digits") << "3e" << 3.0;
    QTest::newRow("exponent sign without digits") << "3e+" << 3.0;
    QTest::newRow("exponent letter then letters") << "3ex" << 3.0;
    QTest::newRow("exponent without mantissa") << "e5" << 0.0;
    QTest::newRow("exponent after a lone full stop") << ".e5" << 0.0;
    QTest::newRow("second exponent ends the number") << "1e2e3" << 100.0;
    QTest::newRow("beyond the double range") << "1e400" << kInfinity;
    QTest::newRow("negative beyond the double range") << "-1e400" << -kInfinity;
    QTest::newRow("below the double range") << "1e-400" << 0.0;
    QTest::newRow("huge exponent") << "1e99999999999999999999" << kInfinity;
    QTest::newRow("zero with huge exponent") << "0e99999999999999999999" << 0.0;

    // Blanks, tabs and line feeds are skipped everywhere; other control
    // characters are not.
    QTest::newRow("blanks between digits") << "  1 2 3  " << 123.0;
    QTest::newRow("tab and line feed between digits") << "1\t2\n3" << 123.0;
    QTest::newRow("blank after the sign") << "- 5" << -5.0;
    QTest::newRow("blanks around the exponent") << "1 e - 2" << 0.01;
    QTest::newRow("carriage return ends the number") << "1\r2" << 1.0;
    QTest::newRow("NUL ends the number") << QString::fromUtf16(u"1\0"
                                                               "2",
                                                               3)
                                         << 1.0;

    // Long digit strings are read in full and rounded once.
    QTest::newRow("thirty digits") << "123456789012345678901234567890" << 123456789012345678901234567890.0;
    QTest::newRow("one and three hundred zeros") << "1" + QString(300, u'0') << 1e300;
    QTest::newRow("four hundred nines") << QString(400, u'9') << kInfinity;
    QTest::newRow("thousand zeros then an exponent") << "1" + QString(1000, u'0') + "e-1000" << 1.0;
    QTest::newRow("long fraction") << "0." + QString(320, u'0') + "1" << 1e-321;

    // Hexadecimal and octal whole numbers: the number the digits spell, of
    // any length, exact up to 2^53 and rounded to the nearest double beyond.
    QTest::newRow("hexadecimal") << "&H1F" << 31.0;
    QTest::newRow("hexadecimal lower case") << "&h1f" << 31.0;
    QTest::newRow("hexadecimal with blanks") << "& H 1 F" << 31.0;
    QTest::newRow("all 16 bits") << "&HFFFF" << 65535.0;
    QTest::newRow("16-bit sign bit") << "&H8000" << 32768.0;
    QTest::newRow("all 32 bits") << "&HFFFFFFFF" << 4294967295.0;
    QTest::newRow("beyond 32 bits") << "&H123456789" << 4886718345.0;
    QTest::newRow("largest below 2^53") << "&H1FFFFFFFFFFFFF" << 9007199254740991.0;
    QTest::newRow("2^53") << "&H20000000000000" << 9007199254740992.0;
    QTest::newRow("2^53 + 1 ties to even, down") << "&H20000000000001" << 9007199254740992.0;
    QTest::newRow("2^53 + 3 ties to even, up") << "&H20000000000003" << 9007199254740996.0;
    QTest::newRow("all 64 bits") << "&HFFFFFFFFFFFFFFFF" << 18446744073709551616.0;
    QTest::newRow("tie beyond 64 bits goes to even")
        << "&H20000000000001" + QString(17, u'0') << std::ldexp(9007199254740992.0, 68);
    QTest::newRow("last digit beyond 64 bits breaks the tie")
        << "&H20000000000001" + QString(16, u'0') + "1" << std::ldexp(9007199254740994.0, 68);
    QTest::newRow("largest double") << "&HFFFFFFFFFFFFF8" + QString(242, u'0') << std::numeric_limits<double>::max();
    QTest::newRow("rounds up beyond the double range") << "&HFFFFFFFFFFFFFC" + QString(242, u'0') << kInfinity;
    QTest::newRow("thousand digits") << "&H" + QString(1000, u'F') << kInfinity;
    QTest::newRow("leading zeros do not count") << "&H" + QString(1000, u'0') + "1" << 1.0;
    QTest::newRow("hexadecimal stops at a full stop") << "&H1.5" << 1.0;
    QTest::newRow("hexadecimal without digits") << "&H" << 0.0;
    QTest::newRow("hexadecimal with a wrong digit") << "&HG" << 0.0;
    QTest::newRow("octal") << "&O17" << 15.0;
    QTest::newRow("octal lower case") << "&o777" << 511.0;
    QTest::newRow("octal stops at 8") << "&O78" << 7.0;
    QTest::newRow("octal all 16 bits") << "&O177777" << 65535.0;
    QTest::newRow("octal all 32 bits") << "&O37777777777" << 4294967295.0;
    QTest::newRow("octal 2^53 + 1 ties to even") << "&O400000000000000001" << 9007199254740992.0;
    QTest::newRow("octal 2^300") << "&O1" + QString(100, u'0') << std::ldexp(1.0, 300);
    QTest::newRow("octal beyond the double range") << "&O1" + QString(400, u'0') << kInfinity;
    QTest::newRow("lone ampersand") << "&" << 0.0;
    QTest::newRow("ampersand without H or O") << "&X1" << 0.0;
    QTest::newRow("sign before ampersand") << "-&H10" << 0.0;

    // Of the other digits and signs, only the full-width ones count.
    QTest::newRow("Arabic-Indic digit") << QString::fromUtf8("٣") << 0.0;
    QTest::newRow("full-width exponent letter") << QString::fromUtf8("１Ｅ２") << 1.0;
    QTest::newRow("full-width ampersand") << QString::fromUtf8("＆H1F") << 0.0;
    QTest::newRow("full-width comma") << QString::fromUtf8("１，５") << 1.0;
    QTest::newRow("ideographic space ends the number") << QString::fromUtf8("１　２") << 1.0;
    QTest::newRow("minus sign character") << QString::fromUtf8("−5") << 0.0;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + "5" << 0.0;
}

void NumberReaderTest::reads()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double actual = readLeadingNumber(text);
    QVERIFY2(actual == expected, qPrintable(described(actual) + " instead of " + described(expected)));
}

void NumberReaderTest::plainDecimalTextReadsAsTheCLibraryDoes_data()
{
    QTest::addColumn<QString>("text");
    for (const char* text : {"0.1", "0.3", "2.675", "-0", "9007199254740993", "1.7976931348623157e308",
                             "1.7976931348623159e308", "4.9e-324", "2.4703282292062328e-324", "123.456e-7",
                             "0.000000000000000000000000000001", "89255.0e-22", "-1.5E+10"})
        QTest::newRow(text) << QString::fromLatin1(text);
}

// Halfway cases and the ends of the double range: the value is the one the C
// library gives, rounded once.
void NumberReaderTest::plainDecimalTextReadsAsTheCLibraryDoes()
{
    QFETCH(QString, text);
    const double expected = std::strtod(text.toLatin1().constData(), nullptr);
    const double actual = readLeadingNumber(text);
    QVERIFY2(actual == expected && std::signbit(actual) == std::signbit(expected),
             qPrintable(described(actual) + " instead of " + described(expected)));
}

void NumberReaderTest::blanksAnywhereChangeNothing_data()
{
    QTest::addColumn<QString>("text");
    for (const char* text : {"-12.5e-3kg", "&HFFFF", "&o17", "+.5D2", "3e+", "1,5"})
        QTest::newRow(text) << QString::fromLatin1(text);
}

void NumberReaderTest::blanksAnywhereChangeNothing()
{
    QFETCH(QString, text);
    const double expected = readLeadingNumber(text);
    for (qsizetype at = 0; at <= text.size(); ++at) {
        for (const QString blank : {" ", "\t", "\n", "  \t "}) {
            const QString spaced = QString(text).insert(at, blank);
            const double actual = readLeadingNumber(spaced);
            QVERIFY2(actual == expected,
                     qPrintable(QStringLiteral("%1 reads %2").arg(spaced.toHtmlEscaped(), described(actual))));
        }
    }
}

void NumberReaderTest::fullWidthFormsReadAsTheirAsciiForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ascii");

    QTest::newRow("digit") << QString::fromUtf8("５") << "5";
    QTest::newRow("every digit") << QString::fromUtf8("１２３４５６７８９０") << "1234567890";
    QTest::newRow("full stop") << QString::fromUtf8("１２．５") << "12.5";
    QTest::newRow("ASCII full stop between full-width digits") << QString::fromUtf8("１２.５") << "12.5";
    QTest::newRow("minus") << QString::fromUtf8("－５") << "-5";
    QTest::newRow("plus") << QString::fromUtf8("＋７") << "+7";
    QTest::newRow("fraction without whole part") << QString::fromUtf8("－．２５") << "-.25";
    QTest::newRow("exponent digits and sign") << QString::fromUtf8("１e－２") << "1e-2";
    QTest::newRow("mixed with ASCII digits") << QString::fromUtf8("1２3") << "123";
    QTest::newRow("with a unit") << QString::fromUtf8("２．５公斤") << "2.5";
    QTest::newRow("blanks inside") << QString::fromUtf8(" １ ２ ") << "12";
    QTest::newRow("second full stop ends the number") << QString::fromUtf8("１．２．３") << "1.2";
    QTest::newRow("two signs") << QString::fromUtf8("－＋５") << "-+5";
    QTest::newRow("hexadecimal digits") << QString::fromUtf8("&H１F") << "&H1F";
    QTest::newRow("octal digit 8 still ends the number") << QString::fromUtf8("&O７８") << "&O78";
}

// A Chinese input method in full-width mode types these; they read as if
// typed in ASCII.
void NumberReaderTest::fullWidthFormsReadAsTheirAsciiForms()
{
    QFETCH(QString, text);
    QFETCH(QString, ascii);
    const double expected = readLeadingNumber(ascii);
    const double actual = readLeadingNumber(text);
    QVERIFY2(actual == expected, qPrintable(described(actual) + " instead of " + described(expected)));
}

QTEST_GUILESS_MAIN(NumberReaderTest)
#include "number_reader_test.moc"
