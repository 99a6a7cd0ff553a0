// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
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

// Every curve is sampled this far apart along the beam, and the export writes
// its x to as many decimals.
inline constexpr double kSampleStep = 0.01;
inline constexpr int kSampleDecimals = 2;

// The samples of a curve along a beam of `span`: x = 0, 0.01, 0.02, ... while
// x <= span, by repeated addition, not i * 0.01, so that the accumulated
// rounding decides the last sample (19.990000000000325 on a span of 20, and
// never x = 20). `deflection(x)` gives the beam's deflection, downward
// positive; `plot(x, deflection)` where the window plots it, or nothing when
// single precision cannot hold it, which leaves the whole curve empty.
template<class Deflection, class Plot>
Curve sampleAlong(double span, const Deflection& deflection, const Plot& plot)
{
    Curve curve;
    curve.reserve(std::size_t(span * 100) + 1);
    for (double x = 0; x <= span; x += kSampleStep) {
        const double y = deflection(x);
        const std::optional<PlotPoint> point = plot(x, y);
        if (!point)
            return {};
        curve.push_back({x, y, *point});
    }
    return curve;
}

} // namespace beam
