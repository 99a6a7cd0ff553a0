// SPDX-License-Identifier: MIT
#include "shell/banner.h"

namespace shell {

float bannerLeftAfterTick(float left, float width, float scaleWidth)
{
    constexpr int kStepDivisor = 20;
    const float moved = float(double(left) - double(width) / kStepDivisor);
    const float rightEdge = float(double(moved) + double(width));
    // Wrap only once the right edge lies strictly left of the client area.
    return rightEdge < 0 ? scaleWidth : moved;
}

} // namespace shell
