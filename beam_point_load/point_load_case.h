// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/curve.h"

#include <array>
#include <cstdint>

namespace point_load {

inline constexpr std::int16_t kSpan = 20;

// Where the curve meets the window, in client-area twips.
inline constexpr std::int16_t kLeftEdge = 600; // X of x = 0: the beam drawing's left end
inline constexpr double kTwipsPerUnit = 318.25; // along the beam
inline constexpr std::int16_t kBeamLine = 1560; // Y of no deflection, a pixel above the beam's lower edge
inline constexpr std::int16_t kScale = 1000; // twips per unit of deflection, truncated to whole twips

// Where the load symbol stands for the position n: Left = 515 + 318.75 · n, so
// it moves half a twip per unit more than the curve does.
inline constexpr double kSymbolLeft = 515;
inline constexpr double kSymbolTwipsPerUnit = 318.75;

// The deflection curve of the span-20 beam under the force of 1500 at
// `position` (0 to 20): one sample per 0.01 from x = 0 while x <= 20, 2000 in
// all.
beam::Curve pointLoadCurve(double position);
// The deflection at x of the same beam, by the same formula: downward
// positive, in the span's length unit.
double pointLoadDeflection(double position, double x);

// The colours of changes 1 to 21 since the last clear; from the 21st change
// on, every change takes the last column and colour. Light red stands in for
// the seventh colour, light grey, which is kept for cleared swatches.
inline constexpr std::array<int, 21> kChangeColours = {1,  2,  3,  4,  5, 6, 12, 8, 9, 10, 11,
                                                       12, 13, 14, 15, 0, 1, 2,  3, 4, 5};

} // namespace point_load
