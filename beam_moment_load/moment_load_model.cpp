// SPDX-License-Identifier: MIT
#include "beam_moment_load/moment_load_model.h"

#include <cmath>

namespace moment_load {

beam::Curve momentLoadCurve(double position)
{
    const std::int16_t M = 3000;
    const std::int16_t L = 7;
    const auto a = std::int16_t(position);
    const double EI = std::pow(10.0, 5);

    // Macaulay form of the elastic curve: EI·y = -(M/6L)x³ + (M/2)<x - a>² - c1·x.
    const double c3 = M / (EI * (L * 6));
    const double c2 = M / (EI * 2);
    const double c1 = (3 * M * std::pow(double(L - a), 2) - M * std::pow(double(L), 2)) / (EI * (L * 6));

    beam::Curve curve;
    curve.reserve(701);
    // Repeated addition, not i * 0.01: the last sample falls just below 7.
    for (double x = 0; x <= 7; x += 0.01) {
        const double k = (x - a) <= 0.001 ? 0 : c2;
        // Positive downward.
        const double y = (-c3) * std::pow(x, 3) + k * std::pow(x - a, 2) - c1 * x;
        const double v = std::trunc(1000 * y);
        curve.push_back({x, y, {float(kLeftEdge + kTwipsPerUnit * x), float(kBeamLine + kScale * v)}});
    }
    return curve;
}

} // namespace moment_load
