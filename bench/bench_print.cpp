// The print command on the densest graph paper, to the built-in PDF printer: the time for a
// run of sheets and the size of the document it writes.
#include "MainWindow.h"

#include <benchmark/benchmark.h>

namespace {

void PrintDensestGraphPaper(benchmark::State& state) {
    BenchMainWindow w;
    w.UseDensestGraphPaper();
    const int sheets = static_cast<int>(state.range(0));
    w->Edit2->SetText(IntToStr(sheets));
    const double bytes = w.PrintEachIteration(state, "sheets.pdf");
    if (bytes < 0) return;
    state.counters["file_bytes"] = bytes;
    state.counters["bytes_per_sheet"] = bytes / sheets;
    state.counters["sheets_per_s"] =
        benchmark::Counter(sheets, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(PrintDensestGraphPaper)->ArgName("sheets")->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
