// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <variant>

// A simply supported beam under one load, in closed form: its reactions, and
// the shear force, bending moment, slope and deflection at any x.
//
// Sign conventions, for every model here and everything built on them:
// - x runs along the beam from the left support (x = 0) to the right one
//   (x = span), in the span's unit of length.
// - A force and a distributed load are positive downward; a couple is
//   positive counter-clockwise, as the program's couple turns.
// - Reactions are positive upward.
// - Shear V(x) is positive when it turns the element clockwise: the sum of the
//   forces left of x, upward positive.
// - Bending moment M(x) is positive when it sags the beam.
// - Deflection y(x) is positive downward, as the windows draw it; the slope
//   θ(x) = dy/dx is positive where the beam goes down to the right.
// So V = dM/dx and EI·y'' = −M. At a concentrated load, V and M (which jump
// there) take the value just right of it.
namespace physics {

// The flexural rigidity EI of every beam of the program: its own value, in the
// units of its loads and lengths.
inline constexpr double kFlexuralRigidity = 1e5;

// The supports' forces, upward positive.
struct Reactions {
    double left;
    double right;
};

// A concentrated force at `position` from the left support.
struct PointLoad {
    double span;
    double force;
    double position;
    double flexuralRigidity = kFlexuralRigidity;

    Reactions reactions() const;
    double shear(double x) const;
    double moment(double x) const;
    double slope(double x) const;
    double deflection(double x) const;

    // The deflection with its coefficients worked out once, for many x.
    struct Elastic {
        double position, c3, cp, c1; // the coefficients of x³, <x − a>³ and x, over EI
        double operator()(double x) const;
    };
    Elastic elastic() const;
};

// A load of `intensity` per unit of length over the whole span.
struct UniformLoad {
    double span;
    double intensity;
    double flexuralRigidity = kFlexuralRigidity;

    Reactions reactions() const;
    double shear(double x) const;
    double moment(double x) const;
    double slope(double x) const;
    double deflection(double x) const;

    // The deflection with its coefficients worked out once, for many x.
    struct Elastic {
        double C1, C3, C4; // of the upward displacement's x, x³ and x⁴, over EI
        double operator()(double x) const;
    };
    Elastic elastic() const;
};

// A concentrated couple at `position` from the left support.
struct CoupleLoad {
    double span;
    double couple;
    double position;
    double flexuralRigidity = kFlexuralRigidity;

    Reactions reactions() const;
    double shear(double x) const;
    double moment(double x) const;
    double slope(double x) const;
    double deflection(double x) const;

    // The deflection with its coefficients worked out once, for many x.
    struct Elastic {
        double position, c3, c2, c1; // the coefficients of x³, <x − a>² and x, over EI
        double operator()(double x) const;
    };
    Elastic elastic() const;
};

// One beam of the program under its load.
using LoadCase = std::variant<PointLoad, UniformLoad, CoupleLoad>;

double span(const LoadCase& beam);
double flexuralRigidity(const LoadCase& beam);
Reactions reactions(const LoadCase& beam);
double shear(const LoadCase& beam, double x);
double moment(const LoadCase& beam, double x);
double slope(const LoadCase& beam, double x);
double deflection(const LoadCase& beam, double x);

// A deflection and where along the beam it occurs.
struct Extreme {
    double x;
    double deflection; // downward positive
};

// The greatest deflection downward and the greatest upward of a beam; each is
// empty where the beam does not bend that way.
struct Extremes {
    std::optional<Extreme> down;
    std::optional<Extreme> up;
};

// Found by a search on the deflection: a grid over the span, then a
// golden-section search around the grid's furthest points, to far below the
// four significant digits that the program shows. Every number the program
// gives for a greatest deflection comes from here.
Extremes deflectionExtremes(const LoadCase& beam);

// Whether a deflection is no bend at all beside the beam's greatest one: what
// is left over from rounding the formula's terms, or below a billionth of the
// length unit (a force on a support leaves such a remnant next to it).
bool negligible(double deflection, double greatest);

} // namespace physics
