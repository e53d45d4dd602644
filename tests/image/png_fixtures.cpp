#include "image/png_fixtures.h"

#include <png.h>
#include <zlib.h>

#include <cstring>
#include <stdexcept>

Bytes BE32(uint32_t v) {
    return {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
}

PngBuilder& PngBuilder::Signature() {
    return Append({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A});
}

PngBuilder& PngBuilder::Chunk(const std::string& Type, const Bytes& Data, bool GoodCrc) {
    Append(BE32(static_cast<uint32_t>(Data.size())));
    Bytes body(Type.begin(), Type.end());
    body.insert(body.end(), Data.begin(), Data.end());
    Append(body);
    uint32_t crc = static_cast<uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size())));
    return Append(BE32(GoodCrc ? crc : ~crc));
}

PngBuilder& PngBuilder::RawChunk(const std::string& Type, uint32_t Length, const Bytes& Data) {
    Append(BE32(Length));
    Append(Bytes(Type.begin(), Type.end()));
    return Append(Data);
}

PngBuilder& PngBuilder::IHDR(uint32_t W, uint32_t H, int Depth, int ColorType, int Interlace) {
    Bytes d = BE32(W);
    Bytes h = BE32(H);
    d.insert(d.end(), h.begin(), h.end());
    d.insert(d.end(), {uint8_t(Depth), uint8_t(ColorType), 0, 0, uint8_t(Interlace)});
    return Chunk("IHDR", d);
}

PngBuilder& PngBuilder::Append(const Bytes& Data) {
    data_.insert(data_.end(), Data.begin(), Data.end());
    return *this;
}

Bytes Deflate(const Bytes& Raw) {
    uLongf size = compressBound(static_cast<uLong>(Raw.size()));
    Bytes out(size);
    if (compress(out.data(), &size, Raw.data(), static_cast<uLong>(Raw.size())) != Z_OK)
        throw std::runtime_error("compress failed");
    out.resize(size);
    return out;
}

namespace {
void WriteToVector(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

struct ReadSource {
    const Bytes* data;
    size_t pos;
};

void ReadFromVector(png_structp png, png_bytep data, png_size_t length) {
    auto* src = static_cast<ReadSource*>(png_get_io_ptr(png));
    if (src->pos + length > src->data->size()) png_error(png, "read past end");
    std::memcpy(data, src->data->data() + src->pos, length);
    src->pos += length;
}

[[noreturn]] void Fail(png_structp, png_const_charp msg) {
    throw std::runtime_error(msg);
}
void Warn(png_structp, png_const_charp) {}
} // namespace

Bytes LibpngEncode(const SampleImage& Image, const LibpngOptions& o) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Warn);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, WriteToVector, nullptr);
    png_set_IHDR(png, info, Image.Width, Image.Height, o.Depth, o.ColorType,
                 o.Interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette;
    for (size_t i = 0; i + 2 < o.PaletteRGB.size(); i += 3)
        palette.push_back(png_color{o.PaletteRGB[i], o.PaletteRGB[i + 1], o.PaletteRGB[i + 2]});
    if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    if (!o.PaletteAlpha.empty())
        png_set_tRNS(png, info, o.PaletteAlpha.data(), static_cast<int>(o.PaletteAlpha.size()), nullptr);
    if (o.Filters >= 0) png_set_filter(png, PNG_FILTER_TYPE_BASE, o.Filters);
    png_write_info(png, info);
    int bitsPerPixel = o.Depth * Image.Channels;
    size_t rowBytes = (size_t(Image.Width) * bitsPerPixel + 7) / 8;
    std::vector<Bytes> rows(Image.Height, Bytes(rowBytes, 0));
    for (int y = 0; y < Image.Height; ++y) {
        for (int x = 0; x < Image.Width; ++x) {
            for (int c = 0; c < Image.Channels; ++c) {
                uint16_t v = Image.Samples[(size_t(y) * Image.Width + x) * Image.Channels + c];
                size_t i = size_t(x) * Image.Channels + c;
                if (o.Depth == 16) {
                    rows[y][2 * i] = uint8_t(v >> 8);
                    rows[y][2 * i + 1] = uint8_t(v);
                } else if (o.Depth == 8) {
                    rows[y][i] = uint8_t(v);
                } else {
                    size_t bit = i * o.Depth;
                    rows[y][bit / 8] |= uint8_t(v << (8 - o.Depth - bit % 8));
                }
            }
        }
    }
    std::vector<png_bytep> pointers;
    for (auto& r : rows)
        pointers.push_back(r.data());
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

Rgba8 LibpngDecode(const Bytes& File, bool TrnsToAlpha) {
    Rgba8 img;
    ReadSource src{&File, 0};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Fail, Warn);
    png_infop info = png_create_info_struct(png);
    try {
        png_set_read_fn(png, &src, ReadFromVector);
        png_read_info(png, info);
        png_set_strip_16(png);
        png_set_packing(png);
        png_set_palette_to_rgb(png);
        png_set_expand_gray_1_2_4_to_8(png);
        png_set_gray_to_rgb(png);
        if (TrnsToAlpha && png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
        png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
        png_set_interlace_handling(png);
        png_read_update_info(png, info);
        img.Width = static_cast<int>(png_get_image_width(png, info));
        img.Height = static_cast<int>(png_get_image_height(png, info));
        if (png_get_rowbytes(png, info) != size_t(img.Width) * 4)
            throw std::runtime_error("unexpected row size");
        img.Pixels.assign(size_t(img.Width) * img.Height * 4, 0);
        std::vector<png_bytep> rows;
        for (int y = 0; y < img.Height; ++y)
            rows.push_back(&img.Pixels[size_t(y) * img.Width * 4]);
        png_read_image(png, rows.data());
        png_read_end(png, nullptr);
    } catch (...) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw;
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return img;
}

TColor PixelColor(const TBitmap& Bitmap, int x, int y) {
    const uint8_t* line = Bitmap.ScanLine(y);
    auto indexed = [&](int index) {
        const auto& t = Bitmap.ColorTable();
        if (index >= static_cast<int>(t.size())) return TColor(-1);
        return RGB(t[index].rgbRed, t[index].rgbGreen, t[index].rgbBlue);
    };
    switch (Bitmap.BitsPerPixel()) {
    case 1:
        return indexed((line[x >> 3] >> (7 - (x & 7))) & 1);
    case 4:
        return indexed((x & 1) ? line[x >> 1] & 15 : line[x >> 1] >> 4);
    case 8:
        return indexed(line[x]);
    case 15: {
        int w = line[2 * x] | line[2 * x + 1] << 8;
        return RGB((w >> 10 & 31) << 3, (w >> 5 & 31) << 3, (w & 31) << 3);
    }
    case 16: {
        int w = line[2 * x] | line[2 * x + 1] << 8;
        return RGB((w >> 11 & 31) << 3, (w >> 5 & 63) << 2, (w & 31) << 3);
    }
    case 24:
        return RGB(line[3 * x + 2], line[3 * x + 1], line[3 * x]);
    default:
        return RGB(line[4 * x + 2], line[4 * x + 1], line[4 * x]);
    }
}

uint32_t NextRandom(uint32_t& State) {
    State = State * 1664525u + 1013904223u;
    return State >> 8;
}
