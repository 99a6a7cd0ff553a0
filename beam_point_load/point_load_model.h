// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/change_count.h"
#include "toolkit/deflection_table.h"
#include "toolkit/plot_point.h"

#include <array>
#include <vector>

namespace point_load {

// The deflection curve of the span-20 beam under the force of 1500 at
// `position` (0 to 20): one point per sample, x = 0, 0.01, ... while x <= 20,
// in client-area twips. Each sample's deflection goes through `table` (stored
// at round(x), read back) before it is plotted.
std::vector<toolkit::PlotPoint> pointLoadCurve(int position, toolkit::DeflectionTable& table);

// Legend column and curve colour of each scroll change, by ChangeCount; from
// the 21st change on, every change takes the last column.
// clang-format off
inline constexpr std::array<toolkit::ChangeStep, 21> kChangeSteps = {{
    {0, 1, "1"},
    {1, 2, "2"},
    {2, 3, "3"},
    {3, 4, "4"},
    {4, 5, "5"},
    {5, 6, "6"},
    {6, 12, "7"}, // light red: light grey is kept for cleared swatches
    {7, 8, "8"},
    {8, 9, "9"},
    {9, 10, "10"},
    {10, 11, "11"},
    {11, 12, "12"},
    {12, 13, "13"},
    {13, 14, "14"},
    {14, 15, "15"},
    {15, 0, "16"},
    {16, 1, "17"},
    {17, 2, "18"},
    {18, 3, "19"},
    {19, 4, "20"},
    {20, 5, "21"},
}};
// clang-format on

} // namespace point_load
