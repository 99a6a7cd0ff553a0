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

    // The deflection at x, positive downward as in every beam window: the
    // formula gives the displacement, positive upward.
    double operator()(double x) const { return -((C1_ * x + C3_ * std::pow(x, 3)) + C4_ * std::pow(x, 4)); }

    static constexpr std::int16_t L = kSpan;

private:
    double C1_, C3_, C4_; // the coefficients of x, x³ and x⁴
};

// A coordinate as the drawing surface takes it, or nothing when single
// precision cannot hold it.
std::optional<float> toSingle(double twips)
{
    if (!(std::fabs(twips) <= double(std::numeric_limits<float>::max())))
        return std::nullopt;
    return float(twips);
}

// Where the window plots the deflection at x: the displacement y (upward)
// magnified 3000 times, 50 twips each, below the beam's lower edge; nothing
// where single precision cannot hold a coordinate.
std::optional<beam::PlotPoint> plotted(double x, double deflection)
{
    const double y = -deflection;
    const double d = y * kMagnification;
    const std::optional<float> X = toSingle(x * kTwipsPerUnit + kLeftEdge);
    const std::optional<float> Y = toSingle(d * kScale + kBeamLine);
    if (!X || !Y)
        return std::nullopt;
    return beam::PlotPoint{*X, *Y};
}

} // namespace

beam::Curve uniformLoadCurve(double w)
{
    const ElasticCurve elastic(w);
    if (!elastic.finite())
        return {};
    return beam::sampleAlong(ElasticCurve::L, elastic, plotted);
}

double uniformLoadDeflection(double w, double x)
{
    return ElasticCurve(w)(x);
}

} // namespace uniform_load
