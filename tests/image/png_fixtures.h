// Helpers for the PNG tests: a chunk-level file builder, libpng encode/decode and pixel access.
#pragma once

#include "winlib/Graphics.h"

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// Builds PNG files chunk by chunk, with correct CRCs unless asked otherwise.
class PngBuilder {
  public:
    PngBuilder& Signature();
    PngBuilder& Chunk(const std::string& Type, const Bytes& Data, bool GoodCrc = true);
    // A chunk whose length field says Length whatever the data are.
    PngBuilder& RawChunk(const std::string& Type, uint32_t Length, const Bytes& Data);
    PngBuilder& IHDR(uint32_t W, uint32_t H, int Depth, int ColorType, int Interlace = 0);
    PngBuilder& IDAT(const Bytes& Data) { return Chunk("IDAT", Data); }
    PngBuilder& IEND() { return Chunk("IEND", {}); }
    PngBuilder& Append(const Bytes& Data);
    const Bytes& Data() const { return data_; }

  private:
    Bytes data_;
};

Bytes Deflate(const Bytes& Raw);
Bytes BE32(uint32_t v);

// Pixels of an image at 16 bits per sample, whatever the PNG bit depth, in PNG channel order.
struct SampleImage {
    int Width = 0, Height = 0, Channels = 1;
    std::vector<uint16_t> Samples;
    uint16_t& At(int x, int y, int c) { return Samples[(size_t(y) * Width + x) * Channels + c]; }
};

struct LibpngOptions {
    int ColorType = 0, Depth = 8, Interlace = 0;
    int Filters = -1;                // a libpng PNG_FILTER_* mask, -1 for the library default
    std::vector<uint8_t> PaletteRGB; // 3 bytes per entry
    std::vector<uint8_t> PaletteAlpha;
};

// Writes Image as a PNG with libpng. Samples must fit Depth.
Bytes LibpngEncode(const SampleImage& Image, const LibpngOptions& Options);

// What libpng decodes: 8-bit RGBA, 16-bit samples cut to their high byte, grey and palettes
// expanded; tRNS becomes alpha only when TrnsToAlpha is set.
struct Rgba8 {
    int Width = 0, Height = 0;
    std::vector<uint8_t> Pixels; // R, G, B, A
    const uint8_t* At(int x, int y) const { return &Pixels[(size_t(y) * Width + x) * 4]; }
};
Rgba8 LibpngDecode(const Bytes& File, bool TrnsToAlpha);

// The colour of one bitmap pixel, whatever its pixel format.
TColor PixelColor(const TBitmap& Bitmap, int x, int y);

// A deterministic pseudo-random sample generator.
uint32_t NextRandom(uint32_t& State);
