// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

#include <cstdint>

namespace toolkit {

// A colour as the layout tables write it: 0x00BBGGRR, red in the low byte.
using Bgr = std::uint32_t;

// The colour as an opaque pixel value, and as a QColor.
QRgb toRgb(Bgr colour);
QColor toQColor(Bgr colour);

// The 16-colour palette of the legend swatches and the curves, index 0 to 15.
Bgr QBColor(int index);

// The swatch colour of a cleared legend line.
inline constexpr int kClearedSwatch = 7;

} // namespace toolkit
