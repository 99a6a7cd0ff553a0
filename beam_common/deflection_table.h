// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cmath>
#include <cstddef>

namespace beam {

// A beam window's table of deflections, one entry per whole position along the
// span: each sample's deflection is stored at its position rounded to the
// nearest whole number (ties to even) and read straight back for plotting.
// It belongs to the window's state: unloading the window keeps it, and nothing
// clears it.
class DeflectionTable {
public:
    static constexpr std::size_t kSize = 201;

    // Stores y at round(x) and returns the entry as stored.
    double store(double x, double y)
    {
        // nearbyint rounds in the default mode: to nearest, ties to even.
        double& entry = entries_.at(static_cast<std::size_t>(std::nearbyint(x)));
        entry = y;
        return entry;
    }

    double at(std::size_t index) const { return entries_.at(index); }

private:
    std::array<double, kSize> entries_{};
};

} // namespace beam
