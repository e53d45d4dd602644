// The print command on the densest graph paper, to the built-in PDF printer: the time for a
// run of sheets and the size of the document it writes; and what counting a job's sheets in the
// database costs once it has printed, in one commit for the job or in one commit a sheet.
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

// 1000 is the most the sheet count's spin offers.
BENCHMARK(PrintDensestGraphPaper)
    ->ArgName("sheets")
    ->Arg(1)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond);

// The counting that follows a job of that many graph-paper sheets: one transaction, one commit
// (and one sync of the file) however many sheets.
void CountAJobsSheets(benchmark::State& state) {
    BenchMainWindow w;
    TPrintCounts sheets{};
    sheets[0] = static_cast<int>(state.range(0));
    for (auto _ : state)
        w->AddPrintCounts(sheets);
}
BENCHMARK(CountAJobsSheets)->ArgName("sheets")->Arg(1000)->Unit(benchmark::kMillisecond);

// The same counts added sheet by sheet, each in a commit of its own: what a job cost when every
// sheet was counted on its own.
void CountSheetBySheet(benchmark::State& state) {
    BenchMainWindow w;
    const int sheets = static_cast<int>(state.range(0));
    for (auto _ : state)
        for (int i = 0; i < sheets; ++i)
            w->AddPrintCount(0);
}
BENCHMARK(CountSheetBySheet)->ArgName("sheets")->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
