// SPDX-License-Identifier: MIT
#include "beam_uniform_load/uniform_load_form.h"
#include "beam_uniform_load/uniform_load_model.h"

#include "bench/scroll_change_bench.h"

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

// One whole change of the scroll bar on Form3, between loads 4 and 5.
static void BM_UniformLoadScrollChange(benchmark::State& state)
{
    measureScrollChanges(state, &shell::Windows::Form3, 4);
}
BENCHMARK(BM_UniformLoadScrollChange);
