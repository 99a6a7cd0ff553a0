// SPDX-License-Identifier: MIT
#include "beam_point_load/point_load_model.h"

#include <cmath>

namespace point_load {

namespace {

// The elastic curve of the beam under the force at `position`, in Macaulay
// form, with its coefficients worked out once. Whole-number constants are
// 16-bit, as the scroll value is; every power, quotient and term with EI or x
// is double.
class ElasticCurve {
public:
    explicit ElasticCurve(double position)
        : a_(std::int16_t(position))
    {
        const std::int16_t b = std::int16_t(L - a_);
        const double EI = std::pow(10.0, 5);
        c3_ = double(b * P) / (double(6 * L) * EI);
        cp_ = double(P) / (6 * EI);
        c1_ = (P * std::pow(double(b), 3) - double(b * P) * std::pow(double(L), 2)) / (double(6 * L) * EI);
    }

    // The deflection at x, positive downward.
    double operator()(double x) const
    {
        // The bracket <x - a> is off until x is clearly past the load.
        const double k = (x - a_) <= 0.001 ? 0 : cp_;
        return ((-c3_) * std::pow(x, 3) + k * std::pow(x - a_, 3)) - c1_ * x;
    }

    static constexpr std::int16_t L = kSpan;
    static constexpr std::int16_t P = 1500;

private:
    std::int16_t a_;
    double c3_, cp_, c1_; // the coefficients of x³, <x - a>³ and x
};

// Where the window plots the deflection y at x: 1000·y truncated to whole
// twips below the beam line.
std::optional<beam::PlotPoint> plotted(double x, double y)
{
    const double v = std::trunc(kScale * y);
    return beam::PlotPoint{float(kLeftEdge + kTwipsPerUnit * x), float(kBeamLine + v)};
}

} // namespace

beam::Curve pointLoadCurve(double position)
{
    return beam::sampleAlong(ElasticCurve::L, ElasticCurve(position), plotted);
}

double pointLoadDeflection(double position, double x)
{
    return ElasticCurve(position)(x);
}

} // namespace point_load
