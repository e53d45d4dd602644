// Entry of the benchmarks: the main window benchmarks need the toolkit's application, created
// headless (offscreen) unless a platform was chosen, before any benchmark runs.
#include "winlib/Forms.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    Application->Initialize(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
