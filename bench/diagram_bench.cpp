// SPDX-License-Identifier: MIT
// The diagram window's update for one change of the concentrated-load window,
// with 21 curves shown: the beam window's list turned into the diagrams'
// input, the new curve's diagrams computed, and the diagrams painted again.
// The derivation is not in it: it follows only once the load rests.
#include "beam_common/curve_list.h"
#include "diagrams/beam_diagrams.h"
#include "diagrams/diagram_view.h"
#include "diagrams/diagram_window.h"
#include "shell/window_list.h"
#include "tests/support/test_support.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

// The curve of change `change` (1, 2, ...) at `load`, in that change's colour.
beam::DrawnCurve changeAt(const beam::BeamWindow& window, int change, double load)
{
    const std::size_t colour = std::min(std::size_t(change - 1), window.changeColours.size() - 1);
    return {change - 1, window.changeColours[colour], load, change};
}

void BM_DiagramUpdate(benchmark::State& state)
{
    const beam::BeamWindow& window = shell::kBeamWindows.front().window;
    constexpr int kEarlier = 20;
    beam::CurveList earlier;
    for (int change = 1; change <= kEarlier; ++change)
        earlier.add(changeAt(window, change, change - 1));
    diagrams::DiagramWindow diagrams;
    diagrams.show();
    diagrams.setInput(diagrams::diagramInput(window, earlier, kEarlier));
    test_support::settle();

    // The latest curve swings between two loads that no earlier curve has,
    // so that every step computes a new curve's diagrams; the earlier curves
    // (forces at 0 to 19) keep the diagrams' ranges, as they do once a user
    // has scrolled across the beam.
    bool right = false;
    for (auto _ : state) {
        beam::CurveList curves = earlier;
        curves.add(changeAt(window, kEarlier + 1, right ? 10.5 : 9.5));
        diagrams.setInput(diagrams::diagramInput(window, curves, kEarlier));
        diagrams.view().repaint();
        right = !right;
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_DiagramUpdate)->Unit(benchmark::kMicrosecond);

} // namespace
