// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>

namespace toolkit {

// Reads the number at the start of a text box's contents, leniently: it never
// fails, and whatever follows the number is ignored.
//
// - Blanks, tabs and line feeds are skipped wherever they occur, even inside
//   the number ("1 2.5" reads 12.5).
// - The full-width digits, full stop, minus and plus (U+FF10 to U+FF19,
//   U+FF0E, U+FF0D, U+FF0B) read as their ASCII forms ("１２．５" reads 12.5).
// - Decimal: an optional sign, digits with at most one full stop, then an
//   optional exponent: E or D (either case), an optional sign and digits. An
//   exponent letter without digits after it ends the number before the letter
//   ("3e" and "3e+" read 3). The full stop is the only decimal separator,
//   whatever the locale; a comma ends the number. The value is the nearest
//   double; beyond the double range it is an infinity of the number's sign,
//   below it zero.
// - "&H" and "&O" (either case) introduce a hexadecimal or octal whole number
//   with no sign, of any length: the value is the number the digits spell,
//   exact up to 2^53 and rounded to the nearest double beyond ("&HFFFF" reads
//   65535, "&H123456789" reads 4886718345). Beyond the double range it is
//   infinity.
// - Reading stops at the first character that cannot continue the number;
//   the part read so far is the value. Text without a leading number reads 0.
double readLeadingNumber(QStringView text);

} // namespace toolkit
