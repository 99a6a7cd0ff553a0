// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/curve.h"

#include <array>
#include <cstdint>

namespace moment_load {

inline constexpr std::int16_t kSpan = 7;

// Where the curve meets the window, in client-area twips.
inline constexpr std::int16_t kLeftEdge = 1320; // X of x = 0: the beam drawing's left end
inline constexpr std::int16_t kTwipsPerUnit = 900; // along the beam: x = 7 is its right end, 7620
inline constexpr std::int16_t kBeamLine = 1900; // Y of no deflection, inside the beam drawing
inline constexpr std::int16_t kScale = 20; // twips per thousandth of deflection, truncated first

// Where the moment symbol stands for the position n: Left = 960 + 900 · n, its
// centre 7.5 twips right of the curve's point under the moment.
inline constexpr double kSymbolLeft = 960;
inline constexpr double kSymbolTwipsPerUnit = 900.0;

// The deflection curve of the span-7 beam under a couple of 3000 at `position`
// (0 to 7): one sample per 0.01 from x = 0 while x <= 7, 701 in all.
beam::Curve momentLoadCurve(double position);
// The deflection at x of the same beam, by the same formula: downward
// positive, in the span's length unit.
double momentLoadDeflection(double position, double x);

// The colours of changes 1 to 7 since the last clear, rows Label5 to Label11;
// every change from the seventh on takes row 7 and blue.
inline constexpr std::array<int, 7> kChangeColours = {9, 10, 11, 12, 13, 14, 1};

} // namespace moment_load
