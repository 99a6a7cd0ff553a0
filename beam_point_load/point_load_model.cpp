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
    double at(double x) const
    {
        // The bracket <x - a> is off until x is clearly past the load.
        const double k = (x - a_) <= 0.001 ? 0 : cp_;
        return ((-c3_) * std::pow(x, 3) + k * std::pow(x - a_, 3)) - c1_ * x;
    }

    static constexpr std::int16_t L = kSpan;
    static constexpr std::int16_t P = 1500;

private:
    std::int16_t a_;
    double c3_;
    double cp_;
    double c1_;
};

} // namespace

beam::Curve pointLoadCurve(double position)
{
    const ElasticCurve elastic(position);
    beam::Curve curve;
    curve.reserve(2000);
    // Repeated addition, not i * 0.01: the accumulated rounding decides that
    // the last sample is 19.990000000000325 and that x = 20 is never reached.
    for (double x = 0; x <= ElasticCurve::L; x += 0.01) {
        const double y = elastic.at(x);
        const double v = std::trunc(kScale * y);
        curve.push_back({x, y, {float(kLeftEdge + kTwipsPerUnit * x), float(kBeamLine + v)}});
    }
    return curve;
}

double pointLoadDeflection(double position, double x)
{
    return ElasticCurve(position).at(x);
}

} // namespace point_load
