// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/beam_window.h"
#include "beam_common/curve_list.h"

#include <QPointF>
#include <QString>

#include <optional>

// The numbers a beam window reads off its curves: for the point under the
// pointer, for each legend line, and for a screen reader. They come from the
// window's list of curves and its beam's physics, never from pixels.
namespace beam {

// A place along the beam, as every read-out writes it: three decimals,
// 10.000, 8.584, 0.583.
QString xText(double x);

// A number to four significant digits, trailing zeros kept: 2.500, 0.05571.
QString significant(double value);

// A deflection in words: 向下 1.406, 向上 0.05571, or 0.
QString deflectionText(double deflection);

// How the texts name a change by its number: 變換次數 3.
QString changeName(int change);

// How the texts name the plot button: 「集中負荷」按鈕.
QString plotButtonName(const BeamWindow& window);

// Who drew a curve: 變換次數 3, or 「集中負荷」按鈕. Past a full legend the
// change keeps its own number and names the legend line that shows it,
// 變換次數 25（圖例第 21 欄）, and a curve that took the place of the same
// curve drawn by earlier changes says so: 變換次數 25（圖例第 21 欄；與變換次數 22
// 的曲線相同）.
QString curveName(const BeamWindow& window, const DrawnCurve& curve);

// Who drew a curve and its load value, as the read-outs say them:
// 變換次數 3，力量作用位置 7; for the plot button, 「集中負荷」按鈕，力量作用位置 7.
QString curveTitle(const BeamWindow& window, const DrawnCurve& curve);

// The same as a column heading: 變換次數 3：力量作用位置 7.
QString curveHeading(const BeamWindow& window, const DrawnCurve& curve);

// The note of a legend line: its curve's title and greatest deflection, with
// where it occurs; both directions where the beam bends both ways. The scroll
// bar gives a screen reader the same note after each change.
QString legendNote(const BeamWindow& window, const DrawnCurve& curve);

// The read-out for the pointer at `pointer` (client-area twips): x along the
// beam by the window's mapping, and the curve nearest to the pointer within `reach` twips with its
// deflection at x and how many more curves are that near. Empty outside the
// supports.
QString pointReadout(const BeamWindow& window, const CurveList& curves, QPointF pointer, double reach);

// The numbers under a printed page's title: the beam, its load and its
// flexural rigidity, then the load value of each curve in the order drawn,
// 簡支梁：跨度 L = 20，集中力 P = 1500，EI = 100000（本程式所用的值）
// 各曲線的力量作用位置：3、4、5.
QStringList pageHeading(const BeamWindow& window, const CurveList& curves);

// The curves on a window, for a screen reader.
QString curvesDescription(const BeamWindow& window, const CurveList& curves);

} // namespace beam
