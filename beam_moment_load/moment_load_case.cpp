// SPDX-License-Identifier: MIT
#include "beam_moment_load/moment_load_case.h"

#include <cmath>

namespace moment_load {

physics::LoadCase beamUnder(double position)
{
    return physics::CoupleLoad{.span = kSpan, .couple = kCouple, .position = position};
}

std::optional<beam::PlotPoint> plotted(double x, double deflection)
{
    return beam::PlotPoint{float(kLeftEdge + kTwipsPerUnit * x),
                           float(kBeamLine + kScale * std::trunc(1000 * deflection))};
}

double alongBeam(double twips)
{
    return (twips - kLeftEdge) / kTwipsPerUnit;
}

float symbolLeft(int position)
{
    return float(kSymbolLeft + kSymbolTwipsPerUnit * position);
}

} // namespace moment_load
