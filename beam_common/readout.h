// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/beam_window.h"
#include "beam_common/curve_list.h"

#include <QPointF>
#include <QString>

#include <optional>

// The numbers a beam window reads off its curves: for the point under the
// pointer, for each legend line, and for a screen reader. They come from the
// window's list of curves and its deflection function, never from pixels.
namespace beam {

// A deflection and where along the beam it occurs.
struct Extreme {
    double x;
    double deflection; // downward positive
};

// The greatest deflection downward and the greatest upward of a beam under
// one load; each is empty where the beam does not bend that way.
struct Extremes {
    std::optional<Extreme> down;
    std::optional<Extreme> up;
};

// Found by a search on the deflection function: a grid over the span, then a
// golden-section search around the grid's best points, to far below the four
// significant digits the read-outs show.
Extremes findExtremes(DeflectionFunction deflection, double load, double span);

// A number to four significant digits, trailing zeros kept: 2.500, 0.05571.
QString significant(double value);

// A deflection in words: 向下 1.406, 向上 0.05571, or 0.
QString deflectionText(double deflection);

// How the texts name the plot button: 「集中負荷」按鈕.
QString plotButtonName(const BeamWindow& window);

// Who drew a curve and its load value, as the legend shows them:
// 變換次數 3，力量作用位置 7; for the plot button, 「集中負荷」按鈕，力量作用位置 7.
QString curveTitle(const BeamWindow& window, const DrawnCurve& curve);

// The note of a legend line: its curve's title and greatest deflection, with
// where it occurs; both directions where the beam bends both ways.
QString legendNote(const BeamWindow& window, const DrawnCurve& curve);

// The read-out for the pointer at `pointer` (client-area twips): x along the
// beam, and the curve nearest to the pointer within `reach` twips with its
// deflection at x and how many more curves are that near. Empty outside the
// supports.
QString pointReadout(const BeamWindow& window, const CurveList& curves, QPointF pointer, double reach);

// The curves on a window, for a screen reader.
QString curvesDescription(const BeamWindow& window, const CurveList& curves);

} // namespace beam
