// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <vector>

namespace beam {

// The legend line of a curve drawn by the plot button, which records none.
inline constexpr int kPlotButton = -1;

// One curve on a beam window: who drew it, in which colour, for which load.
// Its samples are not kept; the window (BeamWindow::curve) gives them again.
struct DrawnCurve {
    int legendLine; // 0-based line of the change that drew it, or kPlotButton
    int colour; // QBColor index
    double load; // position or size: the window's load value
    // The change that drew it, counted since the last clear as the window's
    // ChangeCount reads after it: past a full legend it goes on counting while
    // the legend line stays the last. 0 for the plot button.
    int change = 0;
    // Earlier changes that drew this same curve, dot for dot, and whose place
    // in the list it took: how many, and the first of them (0 when none).
    int redrawn = 0;
    int firstRedrawn = 0;
    friend bool operator==(const DrawnCurve&, const DrawnCurve&) = default;
};

// The curves on a window since its last clear, in the order they were drawn.
// Up to kEveryCurve curves it keeps every one, each change with its own
// number. From then on a curve drawn again exactly over an earlier one (same
// legend line, or both by the plot button, and the same load) covers it dot
// for dot, so it takes the earlier one's place at the end of the list and
// keeps count of the changes it covers: the list holds what the window shows,
// and stays small however long the user goes on without a clear.
class CurveList {
public:
    static constexpr std::size_t kEveryCurve = 50;

    void add(DrawnCurve curve);
    void clear() { curves_.clear(); }

    bool empty() const { return curves_.empty(); }
    std::size_t size() const { return curves_.size(); }
    std::vector<DrawnCurve>::const_iterator begin() const { return curves_.begin(); }
    std::vector<DrawnCurve>::const_iterator end() const { return curves_.end(); }

private:
    std::vector<DrawnCurve> curves_;
};

} // namespace beam
