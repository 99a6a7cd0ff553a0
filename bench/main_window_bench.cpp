// SPDX-License-Identifier: MIT
#include "form_window.h"
#include "main_form.h"
#include "program.h"
#include "windows.h"

#include <QCoreApplication>
#include <QPixmap>

#include <benchmark/benchmark.h>

namespace {

// The offscreen platform cannot raise windows and says so at every Show; that
// line, repeated thousands of times, is not what this figure is about.
void quietOffscreenNotices()
{
    static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (message.startsWith(QLatin1String("This plugin does not support")))
            return;
        standard(type, context, message);
    });
}

// Runs what an unloaded window leaves queued: its deferred delete and the
// program's end check.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The main window from nothing to its first picture: the window objects, the
// widgets built from the layout table, the background picture, the banner
// labels and the menu bar, all painted once. Fonts and the decoded background
// are cached after the first round, as they are after the first start; the
// cold start of the whole process is timed from outside (scripts/bench.sh).
void BM_MainWindowBuildAndFirstPaint(benchmark::State& state)
{
    quietOffscreenNotices();
    for (auto _ : state) {
        toolkit::Program program;
        shell::Windows windows(program);
        shell::MainForm& form = windows.Form1();
        form.Show();
        QPixmap picture = form.window()->grab();
        benchmark::DoNotOptimize(picture.cacheKey());

        state.PauseTiming();
        form.Unload();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowBuildAndFirstPaint)->Unit(benchmark::kMillisecond);

} // namespace
