// SPDX-License-Identifier: MIT
#include "uniform_load_form.h"
#include "uniform_load_model.h"

#include "program.h"
#include "windows.h"

#include <QCoreApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

// The curve alone: 1001 samples of the uniform-load deflection.
static void BM_UniformLoadCurve(benchmark::State& state)
{
    double w = 10;
    for (auto _ : state) {
        benchmark::DoNotOptimize(w);
        auto curve = uniform_load::uniformLoadCurve(w);
        benchmark::DoNotOptimize(curve);
    }
}
BENCHMARK(BM_UniformLoadCurve);

// One whole scroll change of a shown Form3: Text1 written and read back, the
// curve computed and its 1001 dots written, the legend row filled, repaints
// requested.
static void BM_UniformLoadScrollChange(benchmark::State& state)
{
    toolkit::Program program;
    shell::Windows windows(program);
    UniformLoadForm& form = windows.Form3();
    form.Show();
    // A load of 5, as a drag of the thumb would set it.
    form.controls().HScroll1.setValue(5);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        form.HScroll1_Change();
        state.PauseTiming();
        // Repaint what the change asked for, as the event loop would after it.
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UniformLoadScrollChange);
