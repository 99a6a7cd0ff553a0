// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>

namespace toolkit {

// Reads the number at the start of a text box's contents, leniently: it never
// fails, and whatever follows the number is ignored.
//
// - Blanks, tabs and line feeds are skipped wherever they occur, even inside
//   the number ("1 2.5" reads 12.5).
// - Decimal: an optional sign, digits with at most one full stop, then an
//   optional exponent: E or D (either case), an optional sign and digits. An
//   exponent letter without digits after it ends the number before the letter
//   ("3e" and "3e+" read 3). The full stop is the only decimal separator,
//   whatever the locale; a comma ends the number. The value is the nearest
//   double; beyond the double range it is an infinity of the number's sign,
//   below it zero.
// - "&H" and "&O" (either case) introduce a hexadecimal or octal whole number
//   with no sign. As 16- and 32-bit integers hold such numbers, a value up to
//   &HFFFF is read as a signed 16-bit pattern (&HFFFF is -1, &H8000 is -32768),
//   a larger one up to &HFFFFFFFF as a signed 32-bit pattern (&HFFFFFFFF is
//   -1). A digit that would carry the number beyond 32 bits cannot continue
//   it, so reading stops there ("&H123456789" reads &H12345678).
// - Reading stops at the first character that cannot continue the number;
//   the part read so far is the value. Text without a leading number reads 0.
double readLeadingNumber(QStringView text);

} // namespace toolkit
