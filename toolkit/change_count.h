// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace toolkit {

// One entry of a beam window's per-change table: where the change is recorded
// in the legend and in which colour its curve is drawn.
struct ChangeStep {
    int line; // 0-based legend line
    int colour; // QBColor index of the curve and the swatch
    const char* number; // caption of the change-number cell
};

// A beam window's count of scroll changes since its last clear: a signed 16-bit
// number that selects the legend line and colour of the next change. It stops
// at 32767 instead of overflowing; every count past a window's table selects the
// table's last entry anyway.
class ChangeCount {
public:
    int value() const { return value_; }
    void advance()
    {
        if (value_ < std::numeric_limits<std::int16_t>::max())
            ++value_;
    }
    void reset() { value_ = 0; }

    // The entry of a per-change table for this count: the last one once the
    // count has reached the end of the table.
    template<class Entry, std::size_t N>
    const Entry& select(const std::array<Entry, N>& table) const
    {
        return table[std::min<std::size_t>(std::size_t(value_), N - 1)];
    }

private:
    std::int16_t value_ = 0;
};

} // namespace toolkit
