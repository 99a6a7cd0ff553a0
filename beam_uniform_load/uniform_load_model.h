// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/change_count.h"
#include "toolkit/plot_point.h"

#include <array>
#include <optional>
#include <vector>

namespace uniform_load {

// The deflection curve of the span-10 beam under a uniform load w: one point
// per sample, x = 0, 0.01, ... while x <= 10 (1001 points), in client-area
// twips. Empty when w is too large to plot: not a finite number, or so large
// that the arithmetic overflows or a coordinate lies beyond single precision.
std::optional<std::vector<toolkit::PlotPoint>> uniformLoadCurve(double w);

// Legend row and curve colour of each scroll change, by ChangeCount; from the
// tenth change on, every change takes the last row.
// clang-format off
inline constexpr std::array<toolkit::ChangeStep, 10> kChangeSteps = {{
    {0, 1, "1"},
    {1, 2, "2"},
    {2, 3, "3"},
    {3, 4, "4"},
    {4, 5, "5"},
    {5, 6, "6"},
    {6, 7, "7"},
    {7, 8, "8"},
    {8, 9, "9"},
    {9, 10, "10"},
}};
// clang-format on

} // namespace uniform_load
