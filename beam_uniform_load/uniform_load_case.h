// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/beam_window.h"

#include <array>

// The uniform-load window's case: its beam under a load whose size the user
// sets, where the window shows that beam, and the colours of its changes.
namespace uniform_load {

inline constexpr double kSpan = 10;

// The beam under the load w per unit of length, downward positive.
physics::LoadCase beamUnder(double w);

// Where the curve meets the window, in client-area twips.
inline constexpr double kLeftEdge = 480; // X of x = 0: the beam drawing's left end
inline constexpr double kTwipsPerUnit = 577.5; // along the beam: x = 10 is its right end, 6255
inline constexpr double kBeamLine = 2055; // Y of no deflection: the beam drawing's lower edge
inline constexpr double kMagnification = -3000; // deflection (positive upward) to drawing units
inline constexpr double kScale = 50; // twips per drawing unit

// The deflection at x, downward positive: turned upward, magnified 3000 times,
// 50 twips each, below the beam's lower edge, not truncated; nothing where
// single precision cannot hold a coordinate, which is how a load too large to
// plot (not a finite number, or so large that the arithmetic overflows) leaves
// no curve.
std::optional<beam::PlotPoint> plotted(double x, double deflection);
double alongBeam(double twips);

inline constexpr beam::WindowMapping kMapping{plotted, alongBeam};

// The colours of changes 1 to 10 since the last clear, rows Label6 to Label15;
// from the tenth change on, every change takes the last row and light green.
inline constexpr std::array<int, 10> kChangeColours = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

} // namespace uniform_load
