// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/beam_window.h"

#include <array>

// The concentrated-load window's case: its beam under a force that the user
// moves along it, where the window shows that beam, and the colours of its
// changes.
namespace point_load {

inline constexpr double kSpan = 20;
inline constexpr double kForce = 1500; // downward

// The beam with the force at `position` (0 to 20).
physics::LoadCase beamUnder(double position);

// Where the curve meets the window, in client-area twips.
inline constexpr double kLeftEdge = 600; // X of x = 0: the beam drawing's left end
inline constexpr double kTwipsPerUnit = 318.25; // along the beam
inline constexpr double kBeamLine = 1560; // Y of no deflection, a pixel above the beam's lower edge
inline constexpr double kScale = 1000; // twips per unit of deflection, truncated to whole twips

// Where the load symbol stands for the position n: Left = 515 + 318.75 · n, so
// it moves half a twip per unit more than the curve does.
inline constexpr double kSymbolLeft = 515;
inline constexpr double kSymbolTwipsPerUnit = 318.75;

// The deflection at x, downward positive, plotted 1000 twips per unit,
// truncated to whole twips below the beam line.
std::optional<beam::PlotPoint> plotted(double x, double deflection);
double alongBeam(double twips);
float symbolLeft(int position);

inline constexpr beam::WindowMapping kMapping{plotted, alongBeam, symbolLeft};

// The colours of changes 1 to 21 since the last clear; from the 21st change
// on, every change takes the last column and colour. Light red stands in for
// the seventh colour, light grey, which is kept for cleared swatches.
inline constexpr std::array<int, 21> kChangeColours = {1,  2,  3,  4,  5, 6, 12, 8, 9, 10, 11,
                                                       12, 13, 14, 15, 0, 1, 2,  3, 4, 5};

} // namespace point_load
