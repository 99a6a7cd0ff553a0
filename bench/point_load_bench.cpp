// SPDX-License-Identifier: MIT
#include "point_load_form.h"
#include "point_load_model.h"

#include "program.h"
#include "windows.h"

#include <QCoreApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

namespace {

// One curve alone: 2000 samples with their powers and table writes.
void BM_PointLoadCurve(benchmark::State& state)
{
    toolkit::DeflectionTable table;
    int position = 0;
    for (auto _ : state) {
        std::vector<toolkit::PlotPoint> curve = point_load::pointLoadCurve(position, table);
        benchmark::DoNotOptimize(curve.data());
        position = (position + 7) % 21;
    }
}
BENCHMARK(BM_PointLoadCurve);

// One whole change of the scroll bar on a shown window, as an arrow click
// gives it: text, symbol, curve of 2000 dots with their repaint requests,
// legend column and count.
void BM_PointLoadScrollChange(benchmark::State& state)
{
    toolkit::Program program;
    shell::Windows windows(program);
    PointLoadForm& form = windows.Form2();
    form.Show();
    QCoreApplication::processEvents();
    QScrollBar& bar = form.controls().HScroll1;
    bar.setValue(9);

    std::int64_t changes = 0;
    for (auto _ : state) {
        bar.triggerAction(bar.value() == 9 ? QAbstractSlider::SliderSingleStepAdd
                                           : QAbstractSlider::SliderSingleStepSub);
        if (++changes % 64 == 0) {
            // Paint what is due and start afresh now and then, so that the
            // pending repaints and the drawing do not pile up.
            state.PauseTiming();
            QCoreApplication::processEvents();
            form.Command3_Click();
            QCoreApplication::processEvents();
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(changes);
}
BENCHMARK(BM_PointLoadScrollChange);

} // namespace
