// SPDX-License-Identifier: MIT
// For every beam window of the window list: one curve alone, and one whole
// change of its scroll bar.
#include "beam_common/beam_form.h"
#include "shell/windows.h"
#include "tests/support/test_support.h"
#include "toolkit/layout.h"
#include "toolkit/program.h"

#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

// The largest value of the window's scroll bar: the loads a user can set.
int largestLoad(const beam::BeamWindow& window)
{
    const auto bar = std::ranges::find_if(
        window.layout.controls, [](const toolkit::Control& row) { return row.kind == toolkit::Kind::HScrollBar; });
    return bar->max;
}

// The curve function alone, over the loads a user can set.
void curveAlone(benchmark::State& state, const beam::BeamWindow& window)
{
    const int loads = largestLoad(window) + 1;
    int load = 0;
    for (auto _ : state) {
        beam::Curve curve = window.curve(load);
        benchmark::DoNotOptimize(curve.data());
        load = (load + 7) % loads;
    }
}

// One whole scroll change of a shown beam window (kBeamWindows[index]), as an
// arrow click gives it: the read-out, the symbol where the window has one, the
// curve dot by dot with its repaint request, the legend line, the count and
// the list of curves. The bar swings between two neighbouring positions around
// mid-span so that every step is a real change. Now and then, outside the
// timing, the event loop paints what is due and the clear button starts
// afresh, so that neither repaints nor curves pile up.
void measureScrollChanges(benchmark::State& state, std::size_t index)
{
    toolkit::Program program;
    shell::Windows windows(program);
    beam::BeamForm& form = windows.beamWindow(index);
    form.Show();
    QScrollBar& bar = form.controls().HScroll1;
    const int low = bar.maximum() / 2;
    bar.setValue(low);
    test_support::settle();

    std::int64_t changes = 0;
    for (auto _ : state) {
        bar.triggerAction(bar.value() == low ? QAbstractSlider::SliderSingleStepAdd
                                             : QAbstractSlider::SliderSingleStepSub);
        if (++changes % 64 == 0) {
            state.PauseTiming();
            test_support::settle();
            form.Command3_Click();
            test_support::settle();
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(changes);
}

const bool kRegistered = [] {
    for (std::size_t i = 0; i < shell::kBeamWindows.size(); ++i) {
        const beam::BeamWindow& window = shell::kBeamWindows[i].window;
        const std::string name = window.layout.name;
        benchmark::RegisterBenchmark(("BM_Curve/" + name).c_str(), curveAlone, std::cref(window));
        benchmark::RegisterBenchmark(("BM_ScrollChange/" + name).c_str(), measureScrollChanges, i);
    }
    return true;
}();

} // namespace
