// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/change_count.h"

#include <QString>

#include <array>
#include <span>
#include <vector>

namespace toolkit {
class ControlSet;
class Label;
} // namespace toolkit

namespace beam {

// The legend of a beam window: lines of three label cells, each a control
// array with index 0 the change number, index 1 the load value and index 2 the
// colour swatch. Whether the lines are drawn as rows or columns is up to the
// window's layout.
class LegendGrid {
public:
    LegendGrid(const toolkit::ControlSet& controls, std::span<const char* const> lineNames);

    // Writes a change into its line: its number (line + 1), the load value and
    // the swatch in the curve's colour, named by that colour for a screen
    // reader, with a note on its curve that every cell of the line shows as
    // its tooltip and gives a screen reader.
    void fill(const ChangeStep& step, const QString& value, const QString& note);
    // Empties every caption (index 0 of every line, then index 1, then 2),
    // turns every swatch to the cleared colour and drops the notes and the
    // swatches' names.
    void clear();

    int lineCount() const { return int(lines_.size()); }
    const toolkit::Label& cell(int line, int index) const;

private:
    std::vector<std::array<toolkit::Label*, 3>> lines_;
};

} // namespace beam
