// SPDX-License-Identifier: MIT
#include "beam_uniform_load/uniform_load_model.h"

#include <cmath>
#include <limits>
#include <optional>

namespace uniform_load {

namespace {

// The elastic curve of the beam under the load w, with its coefficients
// worked out once: y = C1·x + C3·x³ + C4·x⁴, positive upward.
class ElasticCurve {
public:
    explicit ElasticCurve(double w)
    {
        const double EI = std::pow(10.0, 5);
        C1_ = -((std::pow(L, 3) * w) / (24 * EI));
        C3_ = (L * (w + w)) / (24 * EI);
        C4_ = (-w) / (24 * EI);
    }

    // Whether the arithmetic held: a load too large overflows it.
    bool finite() const { return std::isfinite(C1_) && std::isfinite(C3_) && std::isfinite(C4_); }

    // The displacement at x, positive upward: a positive load sags the beam
    // below zero.
    double at(double x) const { return (C1_ * x + C3_ * std::pow(x, 3)) + C4_ * std::pow(x, 4); }

    static constexpr std::int16_t L = kSpan;

private:
    double C1_;
    double C3_;
    double C4_;
};

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
    const ElasticCurve elastic(w);
    if (!elastic.finite())
        return {};

    beam::Curve curve;
    curve.reserve(1001);
    for (double x = 0; x <= 10; x += 0.01) {
        const double y = elastic.at(x);
        const double d = y * kMagnification;
        const std::optional<float> X = toSingle(x * kTwipsPerUnit + kLeftEdge);
        const std::optional<float> Y = toSingle(d * kScale + kBeamLine);
        if (!X || !Y)
            return {};
        curve.push_back({x, -y, {*X, *Y}});
    }
    return curve;
}

double uniformLoadDeflection(double w, double x)
{
    return -ElasticCurve(w).at(x);
}

} // namespace uniform_load
