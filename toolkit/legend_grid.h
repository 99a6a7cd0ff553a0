// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/change_count.h"
#include "toolkit/palette.h"

#include <QString>

#include <array>
#include <span>
#include <vector>

namespace toolkit {

class ControlSet;
class Label;

// The legend of a beam window: lines of three label cells, each a control
// array with index 0 the change number, index 1 the load value and index 2 the
// colour swatch. Whether the lines are drawn as rows or columns is up to the
// window's layout.
class LegendGrid {
public:
    LegendGrid(const ControlSet& controls, std::span<const char* const> lineNames);

    void fill(const ChangeStep& step, const QString& value);
    // Empties every caption (index 0 of every line, then index 1, then 2) and
    // turns every swatch to the cleared colour.
    void clear();

    int lineCount() const { return int(lines_.size()); }
    const Label& cell(int line, int index) const;

private:
    std::vector<std::array<Label*, 3>> lines_;
};

} // namespace toolkit
