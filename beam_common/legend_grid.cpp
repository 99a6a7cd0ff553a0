// SPDX-License-Identifier: MIT
#include "beam_common/legend_grid.h"

#include "toolkit/control_set.h"
#include "toolkit/label.h"
#include "toolkit/number_text.h"
#include "toolkit/palette.h"

namespace beam {

using toolkit::Label;

namespace {

enum Cell { Number = 0, Value = 1, Swatch = 2 };

// The palette's colours by index, as a screen reader names a swatch.
constexpr const char* kColourNames[16] = {
    "黑色", "藍色",   "綠色",   "青色",   "紅色",   "洋紅色",   "深黃色", "淺灰色",
    "灰色", "淺藍色", "淺綠色", "淺青色", "淺紅色", "淺洋紅色", "淺黃色", "白色",
};

void annotate(const std::array<Label*, 3>& line, const QString& note)
{
    for (Label* cell : line) {
        cell->setToolTip(note);
        cell->setAccessibleDescription(note);
    }
}

} // namespace

LegendGrid::LegendGrid(const toolkit::ControlSet& controls, std::span<const char* const> lineNames)
{
    lines_.reserve(lineNames.size());
    for (const char* name : lineNames) {
        lines_.push_back({&controls.get<Label>(name, Number), &controls.get<Label>(name, Value),
                          &controls.get<Label>(name, Swatch)});
    }
}

void LegendGrid::fill(const ChangeStep& step, const QString& value, const QString& note)
{
    const std::array<Label*, 3>& line = lines_.at(std::size_t(step.line));
    line[Number]->setCaption(toolkit::wholeNumberText(step.line + 1));
    line[Value]->setCaption(value);
    line[Swatch]->setBackColor(toolkit::QBColor(step.colour));
    line[Swatch]->setAccessibleName(QString::fromUtf8(kColourNames[step.colour]));
    annotate(line, note);
}

void LegendGrid::clear()
{
    for (int index : {Number, Value, Swatch}) {
        for (const std::array<Label*, 3>& line : lines_)
            line[std::size_t(index)]->setCaption(QString());
    }
    for (const std::array<Label*, 3>& line : lines_) {
        line[Swatch]->setBackColor(toolkit::QBColor(toolkit::kClearedSwatch));
        line[Swatch]->setAccessibleName(QString());
        annotate(line, QString());
    }
}

const Label& LegendGrid::cell(int line, int index) const
{
    return *lines_.at(std::size_t(line)).at(std::size_t(index));
}

} // namespace beam
