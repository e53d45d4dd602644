// Rebuilding the live preview of an A4 page, as every edit and paint does.
#include "MainWindow.h"
#include "shell/Abitmap.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

// The share of the preview's pixels that are not white paper, so a run that drew nothing shows.
double InkShare(TBitmap* b) {
    const int bytes = b->PixelFormat() == pf24bit ? 3 : 4;
    long long ink = 0;
    for (int y = 0; y < b->Height(); ++y) {
        const uint8_t* row = b->ScanLine(y);
        for (int x = 0; x < b->Width(); ++x, row += bytes)
            ink += row[0] != 255 || row[1] != 255 || row[2] != 255;
    }
    return static_cast<double>(ink) / (static_cast<double>(b->Width()) * b->Height());
}

void Rebuild(benchmark::State& state, BenchMainWindow& w) {
    for (auto _ : state) {
        w->UpdatePreview();
        benchmark::ClobberMemory();
    }
    state.counters["ink_share"] = InkShare(w->PreviewBitmap);
    state.counters["width_px"] = w->PreViewBox->Width();
    state.counters["height_px"] = w->PreViewBox->Height();
}

// Graph paper with the default settings.
void PreviewDefaultGraphPaper(benchmark::State& state) {
    BenchMainWindow w;
    w.Zoom(static_cast<int>(state.range(0)));
    Rebuild(state, w);
}

// 1 mm cells over the whole sheet with emphasis lines, at 100 %.
void PreviewDensestGraphPaper(benchmark::State& state) {
    BenchMainWindow w;
    w.UseDensestGraphPaper();
    w.Zoom(0);
    Rebuild(state, w);
    state.counters["cells_x"] = StrToInt(w->eDotX->Text());
    state.counters["cells_y"] = StrToInt(w->eDotY->Text());
}

BENCHMARK(PreviewDefaultGraphPaper)->ArgName("zoom_item")->Arg(0)->Arg(5)->Unit(benchmark::kMillisecond);
BENCHMARK(PreviewDensestGraphPaper)->Unit(benchmark::kMillisecond);

} // namespace
