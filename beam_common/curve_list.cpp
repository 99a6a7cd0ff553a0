// SPDX-License-Identifier: MIT
#include "beam_common/curve_list.h"

#include <algorithm>

namespace beam {

void CurveList::add(const DrawnCurve& curve)
{
    // The same legend line always draws in the same colour, and so does the
    // plot button, so line and load decide whether the dots are the same.
    const auto earlier = std::ranges::find(curves_, curve);
    if (earlier != curves_.end())
        curves_.erase(earlier);
    curves_.push_back(curve);
}

} // namespace beam
