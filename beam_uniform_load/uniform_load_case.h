// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/curve.h"

#include <array>
#include <cstdint>

namespace uniform_load {

inline constexpr std::int16_t kSpan = 10;

// Where the curve meets the window, in client-area twips.
inline constexpr std::int16_t kLeftEdge = 480; // X of x = 0: the beam drawing's left end
inline constexpr double kTwipsPerUnit = 577.5; // along the beam: x = 10 is its right end, 6255
inline constexpr std::int16_t kBeamLine = 2055; // Y of no deflection: the beam drawing's lower edge
inline constexpr std::int16_t kMagnification = -3000; // deflection (positive upward) to drawing units
inline constexpr std::int16_t kScale = 50; // twips per drawing unit

// The deflection curve of the span-10 beam under a uniform load w: one sample
// per 0.01 from x = 0 while x <= 10, 1001 in all. Empty when w is too large to
// plot: not a finite number, or so large that the arithmetic overflows or a
// coordinate lies beyond single precision.
beam::Curve uniformLoadCurve(double w);
// The deflection at x of the same beam, by the same formula: downward
// positive, in the span's length unit.
double uniformLoadDeflection(double w, double x);

// The colours of changes 1 to 10 since the last clear, rows Label6 to Label15;
// from the tenth change on, every change takes the last row and light green.
inline constexpr std::array<int, 10> kChangeColours = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

} // namespace uniform_load
