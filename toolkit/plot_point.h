// SPDX-License-Identifier: MIT
#pragma once

namespace toolkit {

// One point of a deflection curve in client-area twips, rounded to single
// precision as the drawing surface takes it.
struct PlotPoint {
    float x;
    float y;
    friend bool operator==(const PlotPoint&, const PlotPoint&) = default;
};

} // namespace toolkit
