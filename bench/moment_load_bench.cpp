// SPDX-License-Identifier: MIT
#include "beam_moment_load/moment_load_form.h"
#include "beam_moment_load/moment_load_model.h"

#include "bench/scroll_change_bench.h"

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

// One whole change of the scroll bar on Form4, around mid-span.
void BM_MomentLoadScrollChange(benchmark::State& state)
{
    measureScrollChanges(state, &shell::Windows::Form4, 3);
}
BENCHMARK(BM_MomentLoadScrollChange);

} // namespace
