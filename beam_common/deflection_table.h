// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cmath>
#include <cstddef>

namespace beam {

// A beam window's table of deflections, one entry per whole position along the
// span: each sample's deflection is stored at its position rounded to the
// nearest whole number (ties to even), so an entry holds the last sample drawn
// near that position. It is window state that the program keeps as the window
// always has: every drawn curve writes it, unloading the window keeps it and
// nothing clears it, but nothing reads it back either (the curves, the
// read-outs and the export all come from the list of curves and the physics).
class DeflectionTable {
public:
    static constexpr std::size_t kSize = 201;

    // Stores y at round(x).
    void store(double x, double y)
    {
        // nearbyint rounds in the default mode: to nearest, ties to even.
        entries_.at(static_cast<std::size_t>(std::nearbyint(x))) = y;
    }

    double at(std::size_t index) const { return entries_.at(index); }

private:
    std::array<double, kSize> entries_{};
};

} // namespace beam
