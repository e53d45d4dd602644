// A large photo as the background picture: loading it, a keystroke (one preview rebuild after an
// edit) with it on the page, and the whole start-up of the window with it stored in the settings.
#include "MainWindow.h"
#include "shell/Abitmap.h"
#include "shell/BackgroundPicture.h"

#include <benchmark/benchmark.h>

#include <jpeglib.h>
#include <sys/resource.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <vector>

namespace {

constexpr int kPhotoWidth = 6000, kPhotoHeight = 4000;

// A file written once for the run and removed when the program ends.
class TRunFile {
  public:
    TRunFile(const std::string& stem, const std::string& extension)
        : path_(
              (std::filesystem::temp_directory_path() / (stem + "-" + std::to_string(::getpid()) + extension))
                  .string()) {}
    ~TRunFile() {
        std::error_code ec;
        std::filesystem::remove(path_, ec);
    }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// A photo-like JPEG of Width x Height: smooth colour gradients with grain, so it compresses as a
// camera picture does (a few megabytes), written with libjpeg.
void WritePhoto(const std::string& p, int width, int height) {
    FILE* out = std::fopen(p.c_str(), "wb");
    if (!out) throw std::runtime_error("cannot write the photo");
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    jpeg_stdio_dest(&c, out);
    c.image_width = width;
    c.image_height = height;
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 90, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> row(size_t(width) * 3);
    uint32_t seed = 12345;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = int(seed >> 28) - 8;
            row[size_t(x) * 3] = uint8_t(std::clamp(x * 255 / width + grain, 0, 255));
            row[size_t(x) * 3 + 1] = uint8_t(std::clamp(y * 255 / height + grain, 0, 255));
            row[size_t(x) * 3 + 2] = uint8_t(std::clamp(((x + y) / 16) % 256 + grain, 0, 255));
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::fclose(out);
}

// The large photo, written once per run.
const std::string& PhotoFile() {
    static const TRunFile runFile("ruliform-bench-photo", ".jpg");
    static const std::string path = [] {
        WritePhoto(runFile.Path(), kPhotoWidth, kPhotoHeight);
        return runFile.Path();
    }();
    return path;
}

// A 3000 x 2000 photo, as a camera of a few megapixels gives, for printing.
const std::string& PrintPhotoFile() {
    static const TRunFile runFile("ruliform-bench-print-photo", ".jpg");
    static const std::string path = [] {
        WritePhoto(runFile.Path(), 3000, 2000);
        return runFile.Path();
    }();
    return path;
}

// A 16384 x 16384 RGB PNG of about a megabyte: every row one colour, so it deflates to almost
// nothing, while reading it means inflating and unfiltering 805 MB of rows.
const std::string& HugePngFile() {
    static const TRunFile runFile("ruliform-bench-huge", ".png");
    static const std::string path = [] {
        constexpr uint32_t side = 16384;
        std::vector<uint8_t> idat(1 << 20);
        z_stream z{};
        deflateInit(&z, Z_DEFAULT_COMPRESSION);
        std::vector<uint8_t> row(1 + size_t(side) * 3);
        size_t used = 0;
        for (uint32_t y = 0; y < side; ++y) {
            for (uint32_t x = 0; x < side; ++x)
                row[1 + 3 * x] = uint8_t(y), row[2 + 3 * x] = uint8_t(y >> 6),
                            row[3 + 3 * x] = uint8_t(255 - y);
            z.next_in = row.data();
            z.avail_in = uInt(row.size());
            do {
                if (idat.size() - used < 65536) idat.resize(idat.size() * 2);
                z.next_out = idat.data() + used;
                z.avail_out = uInt(idat.size() - used);
                deflate(&z, y + 1 == side ? Z_FINISH : Z_NO_FLUSH);
                used = idat.size() - z.avail_out;
            } while (z.avail_in > 0 || (y + 1 == side && z.avail_out == 0));
        }
        deflateEnd(&z);
        idat.resize(used);
        std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
        const auto chunk = [&file](const char* type, const std::vector<uint8_t>& data) {
            const uint32_t n = uint32_t(data.size());
            for (int shift : {24, 16, 8, 0})
                file.push_back(uint8_t(n >> shift));
            const size_t start = file.size();
            file.insert(file.end(), type, type + 4);
            file.insert(file.end(), data.begin(), data.end());
            const uint32_t crc = uint32_t(crc32(0, file.data() + start, uInt(file.size() - start)));
            for (int shift : {24, 16, 8, 0})
                file.push_back(uint8_t(crc >> shift));
        };
        chunk("IHDR", {0, 0, 0x40, 0, 0, 0, 0x40, 0, 8, 2, 0, 0, 0});
        chunk("IDAT", idat);
        chunk("IEND", {});
        const std::string& p = runFile.Path();
        std::ofstream(p, std::ios::binary)
            .write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
        return p;
    }();
    return path;
}

// Settings that put the photo behind the page over most of an A4 sheet.
std::string PhotoSettings() {
    return "[Ruliform]\nBGImage=" + PhotoFile() + "\nBGWidth=180\nBGHeight=120\nBGAlpha=127\n";
}

void LoadPhoto(benchmark::State& state) {
    const std::string file = PhotoFile();
    for (auto _ : state) {
        TABitmap picture;
        LoadBackgroundPicture(file, &picture, false);
        benchmark::DoNotOptimize(picture.Width());
        state.counters["width_px"] = picture.Width();
        state.counters["height_px"] = picture.Height();
    }
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file));
}

// The 16384 x 16384 PNG, reduced on load to what the largest paper shows. The peak memory is the
// whole process's; run this benchmark on its own to read it.
void LoadHugePng(benchmark::State& state) {
    const std::string file = HugePngFile();
    for (auto _ : state) {
        TABitmap picture;
        LoadBackgroundPicture(file, &picture, false);
        state.counters["width_px"] = picture.Width();
        state.counters["height_px"] = picture.Height();
    }
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(file));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024;
}

// One edit of the picture's left offset, which rebuilds the preview once, as a keystroke does.
void KeystrokeWithPhoto(benchmark::State& state) {
    BenchMainWindow w(PhotoSettings());
    w.Zoom(static_cast<int>(state.range(0)));
    int i = 0;
    for (auto _ : state) {
        w->Edit39->SetText(std::to_string(i++ % 10));
        benchmark::ClobberMemory();
    }
    state.counters["picture_w"] = w->BGBitmap->Width();
    state.counters["picture_h"] = w->BGBitmap->Height();
}

// A new opacity from the track bar: the preview's copy of the photo is made again.
void OpacityChangeWithPhoto(benchmark::State& state) {
    BenchMainWindow w(PhotoSettings());
    w.Zoom(static_cast<int>(state.range(0)));
    int i = 0;
    for (auto _ : state) {
        w->TrackBar1->SetPosition(100 + i++ % 50);
        benchmark::ClobberMemory();
    }
}

// Creating the window with the photo stored in the settings, as the program starts.
void StartupWithPhoto(benchmark::State& state) {
    const std::string settings = PhotoSettings();
    std::unique_ptr<BenchMainWindow> w;
    for (auto _ : state) {
        state.PauseTiming(); // closing the previous window is not part of the start
        w.reset();
        state.ResumeTiming();
        w = std::make_unique<BenchMainWindow>(settings);
    }
    state.counters["picture_w"] = (*w)->BGBitmap->Width();
    state.counters["picture_h"] = (*w)->BGBitmap->Height();
}

// Printing sheets with the 3000 x 2000 photo behind the default graph paper: the picture is
// blended once per job and the document holds it once, so more sheets add only their lines.
void PrintWithPhoto(benchmark::State& state) {
    BenchMainWindow w("[Ruliform]\nBGImage=" + PrintPhotoFile() +
                      "\nBGWidth=180\nBGHeight=120\nBGAlpha=127\n");
    const int sheets = static_cast<int>(state.range(0));
    w->Edit2->SetText(IntToStr(sheets));
    const double bytes = w.PrintEachIteration(state, "photo.pdf");
    if (bytes < 0) return;
    state.counters["file_bytes"] = bytes;
    state.counters["picture_w"] = w->BGBitmap->Width();
    state.counters["picture_h"] = w->BGBitmap->Height();
}

BENCHMARK(LoadPhoto)->Unit(benchmark::kMillisecond);
BENCHMARK(PrintWithPhoto)->ArgName("sheets")->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadHugePng)->Unit(benchmark::kMillisecond);
BENCHMARK(KeystrokeWithPhoto)->ArgName("zoom_item")->Arg(0)->Arg(5)->Unit(benchmark::kMillisecond);
BENCHMARK(OpacityChangeWithPhoto)->ArgName("zoom_item")->Arg(0)->Arg(5)->Unit(benchmark::kMillisecond);
BENCHMARK(StartupWithPhoto)->Unit(benchmark::kMillisecond);

} // namespace
