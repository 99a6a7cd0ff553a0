// SPDX-License-Identifier: MIT
#pragma once

#include "beam_common/beam_window.h"
#include "beam_common/curve_list.h"
#include "diagrams/diagram_data.h"

// What a beam window hands its diagram window: the one place where its list of
// curves becomes the diagrams' input. No widgets.
namespace diagrams {

// Every curve of the list in its legend colour, named as the read-outs name it
// (變換次數 3, 「集中負荷」按鈕, 變換次數 25（圖例第 21 欄）), in the order drawn;
// where the list is empty, the load at the scroll bar's present value, in
// grey and named as such.
DiagramInput diagramInput(const beam::BeamWindow& window, const beam::CurveList& curves, double presentLoad);

} // namespace diagrams
