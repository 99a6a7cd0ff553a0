// SPDX-License-Identifier: MIT
#pragma once

#include "shell/window_list.h"
#include "tests/support/test_support.h"
#include "toolkit/program.h"

#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <cstdint>

// One whole scroll change of a shown beam window, as an arrow click gives it:
// the read-out, the symbol where the window has one, the curve dot by dot with
// its repaint request, the legend line and the count. The bar swings between
// two neighbouring positions so that every step is a real change. Now and
// then, outside the timing, the event loop paints what is due and the clear
// button starts afresh, so that neither repaints nor curves pile up.
template<class BeamWindow>
void measureScrollChanges(benchmark::State& state, BeamWindow& (shell::Windows::*window)(), int low)
{
    toolkit::Program program;
    shell::Windows windows(program);
    BeamWindow& form = (windows.*window)();
    form.Show();
    QScrollBar& bar = form.controls().HScroll1;
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
