// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/change_count.h"
#include "toolkit/deflection_table.h"
#include "toolkit/plot_point.h"

#include <array>
#include <cstdint>
#include <vector>

namespace moment_load {

// The moment-load case: a simply supported beam of span 7 under a couple of
// 3000 at position a, drawn from X 1320 (left support) at 900 twips per unit
// and Y 1900 at 20 twips per thousandth of deflection.

// One curve for the moment at position a (0 to 7): 701 samples from x = 0 by
// steps of 0.01, each deflection stored in `table` at round(x) and plotted from
// there.
std::vector<toolkit::PlotPoint> momentCurve(std::int16_t a, toolkit::DeflectionTable& table);

// Legend row and colour of each scroll change since the last clear: rows 1 to
// 7 (Label5 to Label11); every change from the seventh on takes row 7.
// clang-format off
inline constexpr std::array<toolkit::ChangeStep, 7> kChangeSteps{{
    {0, 9, "1"},
    {1, 10, "2"},
    {2, 11, "3"},
    {3, 12, "4"},
    {4, 13, "5"},
    {5, 14, "6"},
    {6, 1, "7"},
}};
// clang-format on

} // namespace moment_load
