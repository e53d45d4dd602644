// Constant-opacity blend of a background picture over a ground, on an A4 page at 600 pixels
// per inch: the size of the print path's picture. Bytes processed count the source picture.
#include "shell/Abitmap.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>

namespace {

constexpr int kA4Width = 4960, kA4Height = 7016;

struct Page {
    TABitmap picture, ground;
    Page() {
        picture.SetSize(kA4Width, kA4Height);
        for (int y = 0; y < kA4Height; ++y) {
            uint8_t* row = picture.ScanLine(y);
            for (int i = 0; i < 4 * kA4Width; ++i)
                row[i] = static_cast<uint8_t>(i * 7 + y * 13);
        }
        ground.SetSize(kA4Width, kA4Height);
        ground.FillBMP(255, 255, 255);
    }
};

Page& A4() {
    static Page page;
    return page;
}

using Member = void (TABitmap::*)(int, int, int, int, int, int, TBitmap*, uint16_t) const;

void BlendA4(benchmark::State& state, Member blend) {
    Page& page = A4();
    for (auto _ : state) {
        (page.picture.*blend)(0, 0, kA4Width, kA4Height, 0, 0, &page.ground, 127);
        benchmark::DoNotOptimize(page.ground.ScanLine(kA4Height - 1)[0]);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t{4} * kA4Width * kA4Height);
}

// The memory speed the blends are measured against: a plain copy of the picture over the ground.
void CopyA4(benchmark::State& state) {
    Page& page = A4();
    for (auto _ : state) {
        for (int y = 0; y < kA4Height; ++y)
            std::memcpy(page.ground.ScanLine(y), page.picture.ScanLine(y), size_t{4} * kA4Width);
        benchmark::DoNotOptimize(page.ground.ScanLine(kA4Height - 1)[0]);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t{4} * kA4Width * kA4Height);
}

BENCHMARK(CopyA4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BlendA4, ColorAlpha, &TABitmap::ColorAlpha)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BlendA4, ColorAlphaMMX, &TABitmap::ColorAlphaMMX)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BlendA4, ColorAlphaMMX64, &TABitmap::ColorAlphaMMX64)->Unit(benchmark::kMillisecond);

} // namespace
