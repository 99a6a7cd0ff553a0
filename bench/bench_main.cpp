// SPDX-License-Identifier: MIT
#include "toolkit/standard_look.h"

#include <QApplication>

#include <benchmark/benchmark.h>

// The window benchmarks need a QApplication; they run on the offscreen
// platform, like the tests.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    toolkit::installStandardLook();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
