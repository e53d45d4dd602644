// Writes a small seed corpus for the PNG reader into the folder given as the argument.
#include "image/Pixpng.h"

#include <zlib.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;

void Put32(Bytes& b, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8)
        b.push_back(static_cast<uint8_t>(v >> s));
}

void Chunk(Bytes& file, const char* type, const Bytes& data) {
    Put32(file, static_cast<uint32_t>(data.size()));
    Bytes body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    file.insert(file.end(), body.begin(), body.end());
    Put32(file, static_cast<uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
}

// A file the codec's writer cannot make: any depth, colour type and interlace, raw rows.
Bytes RawPng(int w, int h, int depth, int type, int interlace) {
    static const int channels[] = {1, 0, 3, 1, 2, 0, 4};
    int bits = depth * channels[type];
    Bytes raw;
    uint32_t state = 1;
    int passes = interlace ? 7 : 1;
    static const int cs[] = {0, 4, 0, 2, 0, 1, 0}, cst[] = {8, 8, 4, 4, 2, 2, 1},
                     rs[] = {0, 0, 4, 0, 2, 0, 1}, rst[] = {8, 8, 8, 4, 4, 2, 2};
    for (int p = 0; p < passes; ++p) {
        int pw = interlace ? (w > cs[p] ? (w - cs[p] + cst[p] - 1) / cst[p] : 0) : w;
        int ph = interlace ? (h > rs[p] ? (h - rs[p] + rst[p] - 1) / rst[p] : 0) : h;
        if (!pw || !ph) continue;
        for (int y = 0; y < ph; ++y) {
            raw.push_back(static_cast<uint8_t>(y % 5));
            for (int i = 0; i < (pw * bits + 7) / 8; ++i) {
                state = state * 1103515245u + 12345u;
                raw.push_back(static_cast<uint8_t>(type == 3 ? (state >> 16) & 0x11 : state >> 16));
            }
        }
    }
    uLongf n = compressBound(static_cast<uLong>(raw.size()));
    Bytes z(n);
    compress(z.data(), &n, raw.data(), static_cast<uLong>(raw.size()));
    z.resize(n);
    Bytes file = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    Bytes ihdr;
    Put32(ihdr, static_cast<uint32_t>(w));
    Put32(ihdr, static_cast<uint32_t>(h));
    ihdr.insert(ihdr.end(), {uint8_t(depth), uint8_t(type), 0, 0, uint8_t(interlace)});
    Chunk(file, "IHDR", ihdr);
    if (type == 3) {
        Chunk(file, "PLTE", {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255});
        Chunk(file, "tRNS", {0, 128});
    }
    if (type == 0) Chunk(file, "tRNS", {0, 1});
    if (type == 2) Chunk(file, "sBIT", {5, 6, 5});
    Chunk(file, "bKGD",
          type == 3                ? Bytes{1}
          : type == 2 || type == 6 ? Bytes{0, 1, 0, 2, 0, 3}
                                   : Bytes{0, 1});
    Chunk(file, "IDAT", Bytes(z.begin(), z.begin() + z.size() / 2));
    Chunk(file, "IDAT", Bytes(z.begin() + z.size() / 2, z.end()));
    Chunk(file, "IEND", {});
    return file;
}

Bytes Written(TPixelFormat format, bool alpha, bool grey, TPixPNGInterlaceType interlace) {
    TPixPNG png;
    TBitmap* b = png.GetImage();
    b->SetPixelFormat(format);
    b->SetSize(9, 6);
    if (b->BitsPerPixel() <= 8) {
        std::vector<TRGBQuad> t(size_t(1) << b->BitsPerPixel());
        for (size_t i = 0; i < t.size(); ++i)
            t[i] = TRGBQuad{uint8_t(i * 3), uint8_t(i * 5), uint8_t(i * 7), 0};
        b->SetColorTable(t);
    }
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < b->BytesPerScanline(); ++x)
            b->ScanLine(y)[x] = static_cast<uint8_t>(x * 17 + y * 3);
    if (alpha) {
        TBitmap* a = png.GetAlphaBitmap();
        a->SetPixelFormat(pf8bit);
        a->SetSize(9, 6);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 9; ++x)
                a->ScanLine(y)[x] = static_cast<uint8_t>(x * 29);
        png.AlphaChannel = true;
    }
    png.GrayScale = grey;
    png.Interlace = interlace;
    png.FilterType = gpfJust;
    png.Comment = "seed";
    png.Gamma = 0.45455;
    png.BGColor = RGB(1, 2, 3);
    png.SetGIFExt(TPNGGIFExtension{1, 1, 5});
    png.SetChrm(TPNGChromaticities{{31270, 32900, 64000, 33000, 30000, 60000, 15000, 6000}});
    png.PixelsPerUnitX = png.PixelsPerUnitY = 72;
    png.UnitSpecifier = gpuInch;
    TMemoryStream s;
    png.SaveToStream(&s);
    return Bytes(s.Memory(), s.Memory() + s.Size());
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s folder\n", argv[0]);
        return 2;
    }
    std::vector<Bytes> seeds;
    for (TPixelFormat f : {pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit})
        for (bool alpha : {false, true})
            for (auto il : {gptNone, gptAdam7})
                seeds.push_back(Written(f, alpha, false, il));
    seeds.push_back(Written(pf8bit, true, true, gptNone));
    seeds.push_back(Written(pf4bit, false, true, gptAdam7));
    const int formats[][2] = {{0, 1}, {0, 2}, {0, 4}, {0, 8}, {0, 16}, {2, 8}, {2, 16}, {3, 1},
                              {3, 2}, {3, 4}, {3, 8}, {4, 8}, {4, 16}, {6, 8}, {6, 16}};
    for (auto& f : formats)
        for (int il = 0; il < 2; ++il)
            seeds.push_back(RawPng(11, 7, f[1], f[0], il));
    for (size_t i = 0; i < seeds.size(); ++i) {
        std::string name = std::string(argv[1]) + "/seed" + std::to_string(i) + ".png";
        FILE* f = std::fopen(name.c_str(), "wb");
        if (!f) return 1;
        std::fwrite(seeds[i].data(), 1, seeds[i].size(), f);
        std::fclose(f);
    }
    std::printf("%zu seeds\n", seeds.size());
    return 0;
}
