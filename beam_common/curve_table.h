// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

namespace beam {

class CurveList;
struct BeamWindow;

// The curves on a beam window as a CSV table for a spreadsheet, in UTF-8 with
// a byte order mark (without it spreadsheets misread the Chinese headers). A
// header line, then one block of lines per curve, in the legend's order (line
// 1 first, the plot button's curves after the legend's), each in the order
// drawn. Every line of a block repeats its curve's legend number (or the plot
// button's caption), load and colour (#rrggbb), then gives one sample: x and
// the deflection, downward positive, both in the span's length unit. Numbers
// are written in full: read back, they are the same doubles.
QByteArray curveTable(const BeamWindow& window, const CurveList& curves);

} // namespace beam
