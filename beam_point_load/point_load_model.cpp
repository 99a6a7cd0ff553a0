// SPDX-License-Identifier: MIT
#include "beam_point_load/point_load_model.h"

#include <cmath>

namespace point_load {

beam::Curve pointLoadCurve(double position)
{
    // Whole-number constants are 16-bit, as the scroll value is; every power,
    // quotient and term with EI or x is double.
    constexpr std::int16_t L = 20;
    constexpr std::int16_t P = 1500;
    const std::int16_t a = std::int16_t(position);
    const std::int16_t b = std::int16_t(L - a);
    const double EI = std::pow(10.0, 5);

    const double c3 = double(b * P) / (double(6 * L) * EI);
    const double cp = double(P) / (6 * EI);
    const double c1 = (P * std::pow(double(b), 3) - double(b * P) * std::pow(double(L), 2)) / (double(6 * L) * EI);

    beam::Curve curve;
    curve.reserve(2000);
    // Repeated addition, not i * 0.01: the accumulated rounding decides that
    // the last sample is 19.990000000000325 and that x = 20 is never reached.
    for (double x = 0; x <= L; x += 0.01) {
        // The bracket <x - a> is off until x is clearly past the load.
        const double k = (x - a) <= 0.001 ? 0 : cp;
        // Positive downward.
        const double y = ((-c3) * std::pow(x, 3) + k * std::pow(x - a, 3)) - c1 * x;
        const double v = std::trunc(kScale * y);
        curve.push_back({x, y, {float(kLeftEdge + kTwipsPerUnit * x), float(kBeamLine + v)}});
    }
    return curve;
}

} // namespace point_load
