// SPDX-License-Identifier: MIT
#include "beam_uniform_load/uniform_load_case.h"

#include <cmath>
#include <limits>

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

physics::LoadCase beamUnder(double w)
{
    return physics::UniformLoad{.span = kSpan, .intensity = w};
}

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

double alongBeam(double twips)
{
    return (twips - kLeftEdge) / kTwipsPerUnit;
}

} // namespace uniform_load
