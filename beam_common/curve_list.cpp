// SPDX-License-Identifier: MIT
#include "beam_common/curve_list.h"

#include <algorithm>

namespace beam {

void CurveList::add(DrawnCurve curve)
{
    if (curves_.size() >= kEveryCurve) {
        // The same legend line always draws in the same colour, and so does
        // the plot button, so line and load decide whether the dots are the
        // same.
        const auto earlier = std::ranges::find_if(curves_, [&curve](const DrawnCurve& drawn) {
            return drawn.legendLine == curve.legendLine && drawn.load == curve.load;
        });
        if (earlier != curves_.end()) {
            if (curve.change != 0) {
                curve.redrawn = earlier->redrawn + 1;
                curve.firstRedrawn = earlier->redrawn != 0 ? earlier->firstRedrawn : earlier->change;
            }
            curves_.erase(earlier);
        }
    }
    curves_.push_back(curve);
}

} // namespace beam
