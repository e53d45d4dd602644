// Windows BMP files: reading BITMAPCOREHEADER / BITMAPINFOHEADER (and its V4/V5 extensions)
// with 1, 4, 8, 16, 24 or 32 bits, BI_RGB or BI_BITFIELDS, bottom-up or top-down, and 8- and
// 4-bit run-length compressed ones (bottom-up); writing BITMAPINFOHEADER files. A damaged,
// incomplete or hostile file raises EInvalidGraphic and leaves the bitmap as it was; nothing is
// allocated before the pixel data is known to be in the stream. A picture beyond the load limit
// is reduced row by row as it is read.
#include "BitmapPixels.h"
#include "BitmapRle.h"
#include "PictureReducer.h"
#include "SysUtils.h"

#include <bit>
#include <cstring>
#include <memory>

namespace {

const char* const kInvalid = "Bitmap image is not valid";

constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6;
// A run-length picture claims its size in a few bytes; beyond this many pixels it is refused, so
// that decoding a tiny file cannot take minutes.
constexpr int64_t kMaxRlePixels = int64_t(1) << 28;

[[noreturn]] void Invalid() {
    throw EInvalidGraphic(kInvalid);
}

uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
uint32_t U32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
void Put16(std::vector<uint8_t>& v, uint32_t x) {
    v.push_back(uint8_t(x));
    v.push_back(uint8_t(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
    Put16(v, x & 0xFFFF);
    Put16(v, x >> 16);
}

void ReadExactly(TStream* s, void* buf, int64_t n) {
    if (n > 0 && s->Read(buf, n) != n) Invalid();
}

// One colour channel described by a bit mask, scaled to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0, bits = 0;
    explicit Channel(uint32_t m = 0) : mask(m) {
        if (m) {
            shift = std::countr_zero(m);
            bits = std::popcount(m);
            if (std::popcount((m >> shift) + 1) != 1) Invalid(); // the mask bits must be contiguous
        }
    }
    int Get(uint32_t v) const {
        if (!bits) return 0;
        const uint32_t c = (v & mask) >> shift;
        if (bits >= 8) return static_cast<int>(c >> (bits - 8));
        uint32_t out = 0;
        for (int have = 0; have < 8; have += bits)
            out = (out << bits) | c;
        const int total = ((8 + bits - 1) / bits) * bits;
        return static_cast<int>(out >> (total - 8));
    }
};

} // namespace

void TBitmap::LoadFromStream(TStream* Stream) {
    const int64_t start = Stream->Position();
    const int64_t size = Stream->Size();
    uint8_t fh[14];
    ReadExactly(Stream, fh, 14);
    if (fh[0] != 'B' || fh[1] != 'M') Invalid();
    const uint32_t offBits = U32(fh + 10);

    uint8_t ih[124] = {};
    ReadExactly(Stream, ih, 4);
    const uint32_t headerSize = U32(ih);
    const bool core = headerSize == 12;
    if (!core && (headerSize < 40 || headerSize > 124)) Invalid();
    ReadExactly(Stream, ih + 4, headerSize - 4);

    int64_t width, height;
    int bits;
    uint32_t compression = kRgb, colorsUsed = 0, imageSize = 0;
    if (core) {
        width = U16(ih + 4);
        height = U16(ih + 6);
        if (U16(ih + 8) != 1) Invalid();
        bits = U16(ih + 10);
    } else {
        width = static_cast<int32_t>(U32(ih + 4));
        height = static_cast<int32_t>(U32(ih + 8));
        if (U16(ih + 12) != 1) Invalid();
        bits = U16(ih + 14);
        compression = U32(ih + 16);
        imageSize = U32(ih + 20);
        colorsUsed = U32(ih + 32);
    }
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (width < 0 || width > 1 << 20 || height > 1 << 20) Invalid();
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) Invalid();
    // Embedded JPEG/PNG compressions are not read.
    const bool rle = compression == kRle8 || compression == kRle4;
    if (rle) {
        // Run-length rows are stored bottom-up only.
        if (bits != (compression == kRle8 ? 8 : 4) || topDown || width * height > kMaxRlePixels) Invalid();
    } else {
        if (compression != kRgb && compression != kBitfields && compression != kAlphaBitfields) Invalid();
        if (compression != kRgb && bits != 16 && bits != 32) Invalid();
    }

    uint32_t masks[3] = {0, 0, 0};
    if (compression != kRgb && !rle) {
        if (headerSize >= 52) {
            for (int i = 0; i < 3; ++i)
                masks[i] = U32(ih + 40 + 4 * i);
        } else {
            uint8_t m[12];
            ReadExactly(Stream, m, 12);
            for (int i = 0; i < 3; ++i)
                masks[i] = U32(m + 4 * i);
        }
    } else if (bits == 16) {
        masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    } else if (bits == 32) {
        masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    }
    if (compression == kAlphaBitfields && headerSize == 40) {
        uint8_t alpha[4];
        ReadExactly(Stream, alpha, 4);
    }

    std::vector<TRGBQuad> table;
    if (bits <= 8) {
        uint32_t n = colorsUsed == 0 ? (1u << bits) : std::min<uint32_t>(colorsUsed, 1u << bits);
        const int entry = core ? 3 : 4;
        std::vector<uint8_t> raw(static_cast<size_t>(n) * entry);
        ReadExactly(Stream, raw.data(), static_cast<int64_t>(raw.size()));
        table.resize(n);
        for (uint32_t i = 0; i < n; ++i) {
            table[i].rgbBlue = raw[i * entry];
            table[i].rgbGreen = raw[i * entry + 1];
            table[i].rgbRed = raw[i * entry + 2];
        }
    }

    const int64_t dataPos = offBits ? start + offBits : Stream->Position();
    const int64_t fileStride = (width * bits + 31) / 32 * 4;
    const int64_t rowBytes = (width * bits + 7) / 8;
    if (dataPos < start || dataPos > size) Invalid();
    // The whole pixel array must be there (the last row may lack its padding).
    if (!rle && height > 0 && dataPos + fileStride * (height - 1) + rowBytes > size) Invalid();

    TPixelFormat format = pf32bit;
    bool raw = false;
    const Channel r(masks[0]), g(masks[1]), b(masks[2]);
    switch (bits) {
    case 1:
        format = pf1bit, raw = true;
        break;
    case 4:
        format = pf4bit, raw = true;
        break;
    case 8:
        format = pf8bit, raw = true;
        break;
    case 24:
        format = pf24bit, raw = true;
        break;
    case 16:
        if (masks[0] == 0x7C00 && masks[1] == 0x03E0 && masks[2] == 0x001F)
            format = pf15bit, raw = true;
        else if (masks[0] == 0xF800 && masks[1] == 0x07E0 && masks[2] == 0x001F)
            format = pf16bit, raw = true;
        break;
    case 32:
        raw = masks[0] == 0xFF0000 && masks[1] == 0xFF00 && masks[2] == 0xFF;
        break;
    }

    // Every stored row, in the layout of the bitmap's format, goes to its scan line or, for a
    // picture beyond the load limit, to the reduction.
    TBitmap loaded;
    std::unique_ptr<TPictureReducer> reducer;
    const int formatBits = bmpx::BitsOf(format);
    if (LoadLimit.Fits(width, height)) {
        loaded.Reallocate(static_cast<int>(width), static_cast<int>(height), format, false);
        loaded.colors_ = table;
    } else {
        reducer = std::make_unique<TPictureReducer>(static_cast<int>(width), static_cast<int>(height),
                                                    LoadLimit.Fit(width, height), &loaded);
    }
    const auto store = [&](int64_t stored, const uint8_t* native) {
        const int y = static_cast<int>(topDown ? stored : height - 1 - stored);
        if (reducer)
            reducer->AddRow(y, native, formatBits, table);
        else
            std::memcpy(loaded.ScanLine(y), native, static_cast<size_t>(loaded.BytesPerScanline()));
    };
    Stream->SetPosition(dataPos);
    if (rle) {
        int64_t end = size;
        if (imageSize > 0) end = std::min(end, dataPos + static_cast<int64_t>(imageSize));
        std::vector<uint8_t> data(static_cast<size_t>(end - dataPos));
        ReadExactly(Stream, data.data(), static_cast<int64_t>(data.size()));
        if (!bmpx::DecodeRle(data.data(), data.data() + data.size(), bits, width, height,
                             bmpx::StrideOf(static_cast<int>(width), bits), store))
            Invalid();
    } else {
        std::vector<uint8_t> row(static_cast<size_t>(fileStride));
        std::vector<uint8_t> converted(raw ? 0 : static_cast<size_t>(width) * 4);
        for (int64_t i = 0; i < height; ++i) {
            const int64_t want = i + 1 == height ? rowBytes : fileStride;
            ReadExactly(Stream, row.data(), want);
            if (raw) {
                store(i, row.data());
                continue;
            }
            for (int64_t x = 0; x < width; ++x) {
                const uint32_t v = bits == 16 ? U16(&row[size_t(2 * x)]) : U32(&row[size_t(4 * x)]);
                bmpx::Write(converted.data(), static_cast<int>(x), 32,
                            bmpx::MakeBgrx(r.Get(v), g.Get(v), b.Get(v)), table);
            }
            store(i, converted.data());
        }
        if (fileStride > rowBytes && height > 0) Stream->Seek(fileStride - rowBytes, soCurrent);
    }

    TakePixels(loaded);
    Touch();
    Changed(this);
}

void TBitmap::SaveToStream(TStream* Stream) {
    const int bits = BitsPerPixel();
    const int fileBits = bits == 15 ? 16 : bits;
    std::vector<TRGBQuad> table;
    if (bits <= 8) {
        table = colors_.empty() ? bmpx::DefaultTable(bits) : colors_;
        if (table.size() > (1u << fileBits)) table.resize(1u << fileBits);
    }
    const bool bitfields = bits == 16;
    const uint32_t headerBytes = 14 + 40 + (bitfields ? 12 : 0) + 4 * static_cast<uint32_t>(table.size());
    const uint64_t imageBytes = static_cast<uint64_t>(stride_) * height_;
    std::vector<uint8_t> h;
    h.push_back('B');
    h.push_back('M');
    Put32(h, static_cast<uint32_t>(headerBytes + imageBytes));
    Put32(h, 0);
    Put32(h, headerBytes);
    Put32(h, 40);
    Put32(h, static_cast<uint32_t>(width_));
    Put32(h, static_cast<uint32_t>(height_));
    Put16(h, 1);
    Put16(h, static_cast<uint32_t>(fileBits));
    Put32(h, bitfields ? kBitfields : kRgb);
    Put32(h, static_cast<uint32_t>(imageBytes));
    Put32(h, 3780); // 96 dots per inch
    Put32(h, 3780);
    Put32(h, static_cast<uint32_t>(table.size()));
    Put32(h, 0);
    if (bitfields) {
        Put32(h, 0xF800);
        Put32(h, 0x07E0);
        Put32(h, 0x001F);
    }
    for (const TRGBQuad& q : table) {
        h.push_back(q.rgbBlue);
        h.push_back(q.rgbGreen);
        h.push_back(q.rgbRed);
        h.push_back(0);
    }
    Stream->WriteBuffer(h.data(), static_cast<int64_t>(h.size()));
    for (int y = height_ - 1; y >= 0; --y)
        Stream->WriteBuffer(ScanLine(y), stride_);
}
