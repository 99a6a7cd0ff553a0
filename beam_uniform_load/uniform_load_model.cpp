// SPDX-License-Identifier: MIT
#include "beam_uniform_load/uniform_load_model.h"

#include <cmath>
#include <limits>
#include <optional>

namespace uniform_load {

namespace {

// A coordinate as the drawing surface takes it, or nothing when single
// precision cannot hold it.
std::optional<float> toSingle(double twips)
{
    if (!(std::fabs(twips) <= double(std::numeric_limits<float>::max())))
        return std::nullopt;
    return float(twips);
}

} // namespace

beam::Curve uniformLoadCurve(double w)
{
    const std::int16_t L = 10;
    const double EI = std::pow(10.0, 5);

    const double C1 = -((std::pow(L, 3) * w) / (24 * EI));
    const double C3 = (L * (w + w)) / (24 * EI);
    const double C4 = (-w) / (24 * EI);
    if (!std::isfinite(C1) || !std::isfinite(C3) || !std::isfinite(C4))
        return {};

    beam::Curve curve;
    curve.reserve(1001);
    for (double x = 0; x <= 10; x += 0.01) {
        // Positive upward: a positive load sags the beam below zero.
        const double y = (C1 * x + C3 * std::pow(x, 3)) + C4 * std::pow(x, 4);
        const double d = y * kMagnification;
        const std::optional<float> X = toSingle(x * kTwipsPerUnit + kLeftEdge);
        const std::optional<float> Y = toSingle(d * kScale + kBeamLine);
        if (!X || !Y)
            return {};
        curve.push_back({x, -y, {*X, *Y}});
    }
    return curve;
}

} // namespace uniform_load
