// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <span>

namespace beam {

// Where a scroll change is recorded and how its curve is drawn: the legend
// line (0-based; its change-number cell reads line + 1) and the QBColor index
// of the curve and the swatch.
struct ChangeStep {
    int line;
    int colour;
    friend bool operator==(const ChangeStep&, const ChangeStep&) = default;
};

// A beam window's count of scroll changes since its last clear: a signed 16-bit
// number that selects the legend line and colour of the next change. It stops
// at 32767 instead of overflowing; every count past a window's table selects the
// table's last line anyway.
class ChangeCount {
public:
    int value() const { return value_; }
    void advance()
    {
        if (value_ < std::numeric_limits<std::int16_t>::max())
            ++value_;
    }
    void reset() { value_ = 0; }

    // The step of this count, from a window's colours of changes 1, 2, ...:
    // the last line and colour once the count has reached the end of the table.
    ChangeStep select(std::span<const int> changeColours) const
    {
        const int line = std::min(int(value_), int(changeColours.size()) - 1);
        return {line, changeColours[std::size_t(line)]};
    }

private:
    std::int16_t value_ = 0;
};

} // namespace beam
