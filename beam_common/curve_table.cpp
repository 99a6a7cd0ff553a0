// SPDX-License-Identifier: MIT
#include "beam_common/curve_table.h"

#include "beam_common/beam_window.h"
#include "beam_common/curve_list.h"
#include "beam_common/readout.h"
#include "toolkit/palette.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <vector>

namespace beam {

namespace {

// The shortest text that reads back as the same double.
QByteArray number(double value)
{
    char text[32];
    const auto end = std::to_chars(std::begin(text), std::end(text), value).ptr;
    return {text, end - std::begin(text)};
}

} // namespace

QByteArray curveTable(const BeamWindow& window, const CurveList& curves)
{
    std::vector<DrawnCurve> inLegendOrder(curves.begin(), curves.end());
    std::ranges::stable_sort(inLegendOrder, {}, [](const DrawnCurve& curve) {
        return curve.legendLine == kPlotButton ? std::numeric_limits<int>::max() : curve.legendLine;
    });

    QByteArray table("\xEF\xBB\xBF");
    table += QString::fromUtf8("圖例,負荷,顏色,x,撓度（向下為正）\r\n").toUtf8();
    const QByteArray plotButton = plotButtonName(window).toUtf8();
    for (const DrawnCurve& drawn : inLegendOrder) {
        const QByteArray curve = (drawn.legendLine == kPlotButton ? plotButton : number(drawn.legendLine + 1)) + ','
                                 + number(drawn.load) + ','
                                 + toolkit::toQColor(toolkit::QBColor(drawn.colour)).name().toLatin1() + ',';
        for (const CurveSample& sample : window.curve(drawn.load))
            table += curve + number(sample.x) + ',' + number(sample.deflection) + "\r\n";
    }
    return table;
}

} // namespace beam
