// SPDX-License-Identifier: MIT
#include "beam_point_load/point_load_form.h"
#include "beam_point_load/point_load_model.h"

#include "bench/scroll_change_bench.h"

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

// One whole change of the scroll bar on Form2, around mid-span.
void BM_PointLoadScrollChange(benchmark::State& state)
{
    measureScrollChanges(state, &shell::Windows::Form2, 9);
}
BENCHMARK(BM_PointLoadScrollChange);

} // namespace
