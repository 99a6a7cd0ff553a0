// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

namespace beam {

// One point of a deflection curve in client-area twips, rounded to single
// precision as the drawing surface takes it.
struct PlotPoint {
    float x;
    float y;
    friend bool operator==(const PlotPoint&, const PlotPoint&) = default;
};

// One sample of a deflection curve: where it lies along the beam, how far the
// beam deflects there (downward positive, in the span's length unit), and
// where the window plots it.
struct CurveSample {
    double x;
    double deflection;
    PlotPoint point;
};

// The samples of one curve, from the left support on. Empty when the load is
// too large to plot.
using Curve = std::vector<CurveSample>;

// A window's deflection curve for one load value (a position or a size). It is
// pure: the same load gives the same samples, so a window keeps only the load
// of each curve it has drawn and computes the samples again when needed.
using CurveFunction = Curve (*)(double load);

// The deflection of a window's beam under one load at any x along it, by the
// formula its curve function samples: downward positive, in the span's
// length unit.
using DeflectionFunction = double (*)(double load, double x);

} // namespace beam
