// SPDX-License-Identifier: MIT
#include "beam_common/curve_table.h"

#include "beam_common/beam_window.h"
#include "beam_common/curve_list.h"
#include "beam_common/readout.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace beam {

namespace {

// The shortest text that reads back as the same double; zero is 0, whatever
// its sign.
QByteArray number(double value)
{
    char text[32];
    const auto end = std::to_chars(std::begin(text), std::end(text), value == 0 ? 0.0 : value).ptr;
    return {text, end - std::begin(text)};
}

// x as the sampling step writes it: the additions' rounding left out.
double roundedToStep(double x)
{
    const double scale = std::pow(10.0, kSampleDecimals);
    return std::round(x * scale) / scale;
}

} // namespace

QByteArray curveTable(const BeamWindow& window, const CurveList& curves)
{
    QByteArray table("\xEF\xBB\xBF");
    // The headings hold no comma of their own (the texts use the full-width
    // one), so they need no quotes.
    table += QString::fromUtf8("x（各曲線欄為該處的撓度，向下為正）").toUtf8();
    std::vector<Curve> columns;
    for (const DrawnCurve& drawn : curves) {
        table += ',' + curveHeading(window, drawn).toUtf8();
        columns.push_back(window.curve(drawn.load));
    }
    table += "\r\n";
    // Every curve of a window is sampled at the same x.
    const std::size_t rows = columns.empty() ? 0 : columns.front().size();
    for (std::size_t row = 0; row < rows; ++row) {
        table += number(roundedToStep(columns.front()[row].x));
        for (const Curve& column : columns)
            table += ',' + number(column[row].deflection);
        table += "\r\n";
    }
    return table;
}

} // namespace beam
