// SPDX-License-Identifier: MIT
#include "beam_moment_load/moment_load_model.h"

#include <cmath>

namespace moment_load {

namespace {

// The elastic curve of the beam under the couple at `position`, in Macaulay
// form, with its coefficients worked out once:
// EI·y = -(M/6L)x³ + (M/2)<x - a>² - c1·x.
class ElasticCurve {
public:
    explicit ElasticCurve(double position)
        : a_(std::int16_t(position))
    {
        const double EI = std::pow(10.0, 5);
        c3_ = M / (EI * (L * 6));
        c2_ = M / (EI * 2);
        c1_ = (3 * M * std::pow(double(L - a_), 2) - M * std::pow(double(L), 2)) / (EI * (L * 6));
    }

    // The deflection at x, positive downward.
    double operator()(double x) const
    {
        const double k = (x - a_) <= 0.001 ? 0 : c2_;
        return (-c3_) * std::pow(x, 3) + k * std::pow(x - a_, 2) - c1_ * x;
    }

    static constexpr std::int16_t M = 3000;
    static constexpr std::int16_t L = kSpan;

private:
    std::int16_t a_;
    double c3_, c2_, c1_; // the coefficients of x³, <x - a>² and x
};

// Where the window plots the deflection y at x: y in whole thousandths,
// 20 twips each, from the beam line.
std::optional<beam::PlotPoint> plotted(double x, double y)
{
    return beam::PlotPoint{float(kLeftEdge + kTwipsPerUnit * x), float(kBeamLine + kScale * std::trunc(1000 * y))};
}

} // namespace

beam::Curve momentLoadCurve(double position)
{
    return beam::sampleAlong(ElasticCurve::L, ElasticCurve(position), plotted);
}

double momentLoadDeflection(double position, double x)
{
    return ElasticCurve(position)(x);
}

} // namespace moment_load
