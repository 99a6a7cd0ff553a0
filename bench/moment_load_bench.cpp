// SPDX-License-Identifier: MIT
#include "moment_load_form.h"
#include "moment_load_model.h"

#include "program.h"
#include "windows.h"

#include <QCoreApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

namespace {

// One moment curve alone: 701 samples, the deflection table written.
void BM_MomentLoadCurve(benchmark::State& state)
{
    toolkit::DeflectionTable table;
    std::int16_t a = 0;
    for (auto _ : state) {
        std::vector<toolkit::PlotPoint> curve = moment_load::momentCurve(a, table);
        benchmark::DoNotOptimize(curve.data());
        a = std::int16_t((a + 1) % 8);
    }
}
BENCHMARK(BM_MomentLoadCurve);

// One whole scroll change of a shown Form4: Text1, the symbol moved, the
// curve plotted dot by dot, the legend row filled and the repaint requested.
// The bar swings between two positions so that every step is a real change.
void BM_MomentLoadScrollChange(benchmark::State& state)
{
    toolkit::Program program;
    shell::Windows windows(program);
    MomentLoadForm& form = windows.Form4();
    form.Show();
    QCoreApplication::processEvents();
    QScrollBar& bar = form.controls().HScroll1;

    int position = 3;
    for (auto _ : state) {
        position = position == 3 ? 4 : 3;
        bar.setValue(position);
    }
    form.Unload();
}
BENCHMARK(BM_MomentLoadScrollChange);

} // namespace
