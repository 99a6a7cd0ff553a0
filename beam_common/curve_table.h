// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

namespace beam {

class CurveList;
struct BeamWindow;

// The curves on a beam window as a CSV table for a spreadsheet, in UTF-8 with
// a byte order mark (without it spreadsheets misread the Chinese headers):
// one column x, then one column per curve in the order drawn, so that a chart
// of several curves is one selection. The header line names each curve as the
// read-outs do, with its change number and load value (變換次數 3：力量作用位置
// 3, or 「集中負荷」按鈕：力量作用位置 3). x is rounded to the sampling step's
// decimals (0.06, 19.99); each deflection is the window's sample at that x,
// downward positive, in the shortest text that reads back as the same double,
// and never -0.
QByteArray curveTable(const BeamWindow& window, const CurveList& curves);

} // namespace beam
