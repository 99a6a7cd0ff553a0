// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/beam_window.h"

#include <array>

// The moment-load window's case: its beam under a couple that the user moves
// along it, where the window shows that beam, and the colours of its changes.
namespace moment_load {

inline constexpr double kSpan = 7;
inline constexpr double kCouple = 3000; // counter-clockwise

// The beam with the couple at `position` (0 to 7).
physics::LoadCase beamUnder(double position);

// Where the curve meets the window, in client-area twips.
inline constexpr double kLeftEdge = 1320; // X of x = 0: the beam drawing's left end
inline constexpr double kTwipsPerUnit = 900; // along the beam: x = 7 is its right end, 7620
inline constexpr double kBeamLine = 1900; // Y of no deflection, inside the beam drawing
inline constexpr double kScale = 20; // twips per thousandth of deflection, truncated first

// Where the moment symbol stands for the position n: Left = 960 + 900 · n, its
// centre 7.5 twips right of the curve's point under the moment.
inline constexpr double kSymbolLeft = 960;
inline constexpr double kSymbolTwipsPerUnit = 900;

// The deflection at x, downward positive, in whole thousandths (truncated),
// 20 twips each, from the beam line.
std::optional<beam::PlotPoint> plotted(double x, double deflection);
double alongBeam(double twips);
float symbolLeft(int position);

inline constexpr beam::WindowMapping kMapping{plotted, alongBeam, symbolLeft};

// The colours of changes 1 to 7 since the last clear, rows Label5 to Label11;
// every change from the seventh on takes row 7 and blue.
inline constexpr std::array<int, 7> kChangeColours = {9, 10, 11, 12, 13, 14, 1};

} // namespace moment_load
