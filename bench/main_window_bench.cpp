// SPDX-License-Identifier: MIT
#include "shell/main_form.h"
#include "shell/windows.h"
#include "tests/support/test_support.h"
#include "toolkit/form_window.h"
#include "toolkit/program.h"

#include <QPixmap>

#include <benchmark/benchmark.h>

namespace {

// The main window from nothing to its first picture: the window objects, the
// widgets built from the layout table, the background picture, the banner
// labels and the menu bar, all painted once. Fonts and the decoded background
// are cached after the first round, as they are after the first start; the
// cold start of the whole process is timed from outside (scripts/bench.sh).
void BM_MainWindowBuildAndFirstPaint(benchmark::State& state)
{
    test_support::installLook();
    for (auto _ : state) {
        toolkit::Program program;
        shell::Windows windows(program);
        shell::MainForm& form = windows.Form1();
        form.Show();
        QPixmap picture = form.window()->grab();
        benchmark::DoNotOptimize(picture.cacheKey());

        state.PauseTiming();
        form.Unload();
        test_support::settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowBuildAndFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace
