// The print command on the densest graph paper, to the built-in PDF printer: the time for a
// run of sheets and the size of the document it writes.
#include "MainWindow.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

void PrintDensestGraphPaper(benchmark::State& state) {
    BenchMainWindow w;
    w.UseDensestGraphPaper();
    const int sheets = static_cast<int>(state.range(0));
    w->Edit2->SetText(IntToStr(sheets));
    const std::filesystem::path pdf = w.Path("sheets.pdf");
    for (auto _ : state) {
        std::filesystem::remove(pdf);
        DialogAnswer a;
        a.Kind = DialogKind::Print;
        a.Ok = true;
        a.PrinterName = PdfPrinterName;
        a.FileName = pdf.string();
        ScriptDialogAnswer(a);
        w->PrintOutExecute(w->PrintOut);
    }
    if (!std::filesystem::exists(pdf)) {
        state.SkipWithError("the print command wrote no document");
        return;
    }
    const double bytes = static_cast<double>(std::filesystem::file_size(pdf));
    state.counters["file_bytes"] = bytes;
    state.counters["bytes_per_sheet"] = bytes / sheets;
    state.counters["sheets_per_s"] =
        benchmark::Counter(sheets, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(PrintDensestGraphPaper)->ArgName("sheets")->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
