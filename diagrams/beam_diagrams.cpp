// SPDX-License-Identifier: MIT
#include "diagrams/beam_diagrams.h"

#include "beam_common/readout.h"
#include "toolkit/palette.h"

namespace diagrams {

DiagramInput diagramInput(const beam::BeamWindow& window, const beam::CurveList& curves, double presentLoad)
{
    DiagramInput input{QString::fromUtf8(window.loadCase),
                       QString::fromUtf8(window.loadValueName),
                       {},
                       beam::pageHeading(window, curves)};
    if (curves.empty()) {
        input.curves.push_back(presentLoadCurve(window.beamUnder(presentLoad), presentLoad));
        return input;
    }
    input.curves.reserve(curves.size());
    for (const beam::DrawnCurve& drawn : curves) {
        // The data table numbers a change plainly and names the plot button.
        const QString number = drawn.legendLine == beam::kPlotButton ? beam::plotButtonName(window)
                                                                     : QString::number(drawn.change);
        input.curves.push_back({window.beamUnder(drawn.load), drawn.load,
                                toolkit::toQColor(toolkit::QBColor(drawn.colour)), number,
                                beam::curveName(window, drawn)});
    }
    return input;
}

} // namespace diagrams
