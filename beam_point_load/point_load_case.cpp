// SPDX-License-Identifier: MIT
#include "beam_point_load/point_load_case.h"

#include <cmath>

namespace point_load {

physics::LoadCase beamUnder(double position)
{
    return physics::PointLoad{.span = kSpan, .force = kForce, .position = position};
}

std::optional<beam::PlotPoint> plotted(double x, double deflection)
{
    const double v = std::trunc(kScale * deflection);
    return beam::PlotPoint{float(kLeftEdge + kTwipsPerUnit * x), float(kBeamLine + v)};
}

double alongBeam(double twips)
{
    return (twips - kLeftEdge) / kTwipsPerUnit;
}

float symbolLeft(int position)
{
    return float(kSymbolLeft + kSymbolTwipsPerUnit * position);
}

} // namespace point_load
