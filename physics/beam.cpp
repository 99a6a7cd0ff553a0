// SPDX-License-Identifier: MIT
#include "physics/beam.h"

#include <algorithm>
#include <cmath>

namespace physics {

namespace {

// Macaulay's bracket <x − a>ⁿ: zero left of a.
double bracket(double x, double a, int n)
{
    return x < a ? 0 : std::pow(x - a, n);
}

// The deflection's bracket term is left out until x is a thousandth past the
// load, as the program has always computed its curves: the samples, reached by
// adding 0.01 again and again, stay exactly where they were. The term is below
// 1e-11 of the length unit there.
bool pastTheLoad(double x, double position)
{
    return (x - position) > 0.001;
}

} // namespace

// A force P at a, b = L − a: M = (Pb/L)·x − P<x − a>, and
// EI·y = −(Pb/6L)x³ + (P/6)<x − a>³ − ((Pb³ − PbL²)/6L)·x.

Reactions PointLoad::reactions() const
{
    return {force * (span - position) / span, force * position / span};
}

double PointLoad::shear(double x) const
{
    return reactions().left - (x < position ? 0 : force);
}

double PointLoad::moment(double x) const
{
    return reactions().left * x - force * bracket(x, position, 1);
}

double PointLoad::slope(double x) const
{
    const double b = span - position;
    return (-(b * force) / (2 * span) * x * x + force / 2 * bracket(x, position, 2)
            - (force * std::pow(b, 3) - b * force * std::pow(span, 2)) / (6 * span))
           / flexuralRigidity;
}

PointLoad::Elastic PointLoad::elastic() const
{
    // Term by term, in the order the program has always worked them out.
    const double b = span - position;
    const double EI = flexuralRigidity;
    return {.position = position,
            .c3 = (b * force) / ((6 * span) * EI),
            .cp = force / (6 * EI),
            .c1 = (force * std::pow(b, 3) - (b * force) * std::pow(span, 2)) / ((6 * span) * EI)};
}

double PointLoad::Elastic::operator()(double x) const
{
    const double k = pastTheLoad(x, position) ? cp : 0;
    return ((-c3) * std::pow(x, 3) + k * std::pow(x - position, 3)) - c1 * x;
}

double PointLoad::deflection(double x) const
{
    return elastic()(x);
}

// A load w over the whole span: M = (wL/2)·x − wx²/2, and
// EI·y = (w/24)(L³x − 2Lx³ + x⁴).

Reactions UniformLoad::reactions() const
{
    return {intensity * span / 2, intensity * span / 2};
}

double UniformLoad::shear(double x) const
{
    return intensity * span / 2 - intensity * x;
}

double UniformLoad::moment(double x) const
{
    return intensity * span / 2 * x - intensity * x * x / 2;
}

double UniformLoad::slope(double x) const
{
    return intensity * (std::pow(span, 3) - 6 * span * x * x + 4 * std::pow(x, 3)) / (24 * flexuralRigidity);
}

UniformLoad::Elastic UniformLoad::elastic() const
{
    // Term by term, in the order the program has always worked them out.
    const double EI = flexuralRigidity;
    return {.C1 = -((std::pow(span, 3) * intensity) / (24 * EI)),
            .C3 = (span * (intensity + intensity)) / (24 * EI),
            .C4 = (-intensity) / (24 * EI)};
}

double UniformLoad::Elastic::operator()(double x) const
{
    // The upward displacement C1·x + C3·x³ + C4·x⁴, turned downward.
    return -((C1 * x + C3 * std::pow(x, 3)) + C4 * std::pow(x, 4));
}

double UniformLoad::deflection(double x) const
{
    return elastic()(x);
}

// A counter-clockwise couple C at a: M = (C/L)·x − C<x − a>⁰, and
// EI·y = −(C/6L)x³ + (C/2)<x − a>² − ((3C(L − a)² − CL²)/6L)·x.

Reactions CoupleLoad::reactions() const
{
    return {couple / span, -couple / span};
}

double CoupleLoad::shear(double) const
{
    return couple / span;
}

double CoupleLoad::moment(double x) const
{
    return couple / span * x - (x < position ? 0 : couple);
}

double CoupleLoad::slope(double x) const
{
    return (-couple / (2 * span) * x * x + couple * bracket(x, position, 1)
            - (3 * couple * std::pow(span - position, 2) - couple * std::pow(span, 2)) / (6 * span))
           / flexuralRigidity;
}

CoupleLoad::Elastic CoupleLoad::elastic() const
{
    // Term by term, in the order the program has always worked them out.
    const double EI = flexuralRigidity;
    return {.position = position,
            .c3 = couple / (EI * (span * 6)),
            .c2 = couple / (EI * 2),
            .c1 = (3 * couple * std::pow(span - position, 2) - couple * std::pow(span, 2)) / (EI * (span * 6))};
}

double CoupleLoad::Elastic::operator()(double x) const
{
    const double k = pastTheLoad(x, position) ? c2 : 0;
    return ((-c3) * std::pow(x, 3) + k * std::pow(x - position, 2)) - c1 * x;
}

double CoupleLoad::deflection(double x) const
{
    return elastic()(x);
}

double span(const LoadCase& beam)
{
    return std::visit([](const auto& load) { return load.span; }, beam);
}

double flexuralRigidity(const LoadCase& beam)
{
    return std::visit([](const auto& load) { return load.flexuralRigidity; }, beam);
}

Reactions reactions(const LoadCase& beam)
{
    return std::visit([](const auto& load) { return load.reactions(); }, beam);
}

double shear(const LoadCase& beam, double x)
{
    return std::visit([x](const auto& load) { return load.shear(x); }, beam);
}

double moment(const LoadCase& beam, double x)
{
    return std::visit([x](const auto& load) { return load.moment(x); }, beam);
}

double slope(const LoadCase& beam, double x)
{
    return std::visit([x](const auto& load) { return load.slope(x); }, beam);
}

double deflection(const LoadCase& beam, double x)
{
    return std::visit([x](const auto& load) { return load.deflection(x); }, beam);
}

namespace {

// The search on each side of the beam's furthest grid points.
constexpr int kGridIntervals = 200;
constexpr int kGoldenSteps = 100;

// The x in [low, high] where sign · deflection is greatest, by golden-section
// search: the deflection curve has one extreme within two grid intervals.
Extreme refine(const LoadCase& beam, double low, double high, double sign)
{
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double a = high - ratio * (high - low);
    double b = low + ratio * (high - low);
    double fa = sign * deflection(beam, a);
    double fb = sign * deflection(beam, b);
    for (int step = 0; step < kGoldenSteps && high - low > 0; ++step) {
        if (fa < fb) {
            low = a;
            a = b;
            fa = fb;
            b = low + ratio * (high - low);
            fb = sign * deflection(beam, b);
        } else {
            high = b;
            b = a;
            fb = fa;
            a = high - ratio * (high - low);
            fa = sign * deflection(beam, a);
        }
    }
    const double x = (low + high) / 2;
    return {x, deflection(beam, x)};
}

} // namespace

bool negligible(double deflection, double greatest)
{
    constexpr double kRounding = 1e-12;
    constexpr double kNoBend = 1e-9;
    return std::fabs(deflection) <= std::max(kRounding * greatest, kNoBend);
}

Extremes deflectionExtremes(const LoadCase& beam)
{
    const double length = span(beam);
    // The grid points that lie furthest down and furthest up.
    int downAt = 0;
    int upAt = 0;
    double furthestDown = deflection(beam, 0);
    double furthestUp = furthestDown;
    for (int i = 1; i <= kGridIntervals; ++i) {
        const double value = deflection(beam, length * i / kGridIntervals);
        if (value > furthestDown) {
            furthestDown = value;
            downAt = i;
        }
        if (value < furthestUp) {
            furthestUp = value;
            upAt = i;
        }
    }
    const auto around = [&](int i, double sign) {
        return refine(beam, length * std::max(i - 1, 0) / kGridIntervals,
                      length * std::min(i + 1, kGridIntervals) / kGridIntervals, sign);
    };
    const Extreme down = around(downAt, 1);
    const Extreme up = around(upAt, -1);
    const double greatest = std::max(std::fabs(down.deflection), std::fabs(up.deflection));

    Extremes extremes;
    if (down.deflection > 0 && !negligible(down.deflection, greatest))
        extremes.down = down;
    if (up.deflection < 0 && !negligible(up.deflection, greatest))
        extremes.up = up;
    return extremes;
}

} // namespace physics
