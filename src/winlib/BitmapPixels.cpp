#include "BitmapPixels.h"

#include <climits>

namespace bmpx {

int BitsOf(TPixelFormat f) {
    switch (f) {
    case pf1bit:
        return 1;
    case pf4bit:
        return 4;
    case pf8bit:
        return 8;
    case pf15bit:
        return 15;
    case pf16bit:
        return 16;
    case pf24bit:
        return 24;
    default:
        return 32;
    }
}

int StrideOf(int width, int bits) {
    const int storedBits = bits == 15 ? 16 : bits;
    const int64_t s = (static_cast<int64_t>(width) * storedBits + 31) / 32 * 4;
    return s > INT_MAX ? -1 : static_cast<int>(s);
}

static Bgrx FromTable(const std::vector<TRGBQuad>& table, unsigned i) {
    if (i >= table.size()) return 0;
    const TRGBQuad& q = table[i];
    return MakeBgrx(q.rgbRed, q.rgbGreen, q.rgbBlue);
}

static int Expand5(int v) {
    return (v << 3) | (v >> 2);
}
static int Expand6(int v) {
    return (v << 2) | (v >> 4);
}

Bgrx Read(const uint8_t* row, int x, int bits, const std::vector<TRGBQuad>& table) {
    switch (bits) {
    case 1:
        return FromTable(table, (row[x >> 3] >> (7 - (x & 7))) & 1);
    case 4:
        return FromTable(table, (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4));
    case 8:
        return FromTable(table, row[x]);
    case 15: {
        const int w = row[2 * x] | (row[2 * x + 1] << 8);
        return MakeBgrx(Expand5((w >> 10) & 31), Expand5((w >> 5) & 31), Expand5(w & 31));
    }
    case 16: {
        const int w = row[2 * x] | (row[2 * x + 1] << 8);
        return MakeBgrx(Expand5((w >> 11) & 31), Expand6((w >> 5) & 63), Expand5(w & 31));
    }
    case 24: {
        const uint8_t* p = row + 3 * x;
        return p[0] | (p[1] << 8) | (p[2] << 16);
    }
    default: {
        const uint8_t* p = row + 4 * x;
        return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<Bgrx>(p[3]) << 24);
    }
    }
}

int NearestIndex(const std::vector<TRGBQuad>& table, Bgrx p) {
    int best = 0;
    long bestD = LONG_MAX;
    for (size_t i = 0; i < table.size(); ++i) {
        const long dr = table[i].rgbRed - BgrxR(p), dg = table[i].rgbGreen - BgrxG(p),
                   db = table[i].rgbBlue - BgrxB(p);
        const long d = dr * dr + dg * dg + db * db;
        if (d < bestD) {
            bestD = d;
            best = static_cast<int>(i);
            if (d == 0) break;
        }
    }
    return best;
}

void Write(uint8_t* row, int x, int bits, Bgrx p, const std::vector<TRGBQuad>& table) {
    switch (bits) {
    case 1: {
        const int bit = 7 - (x & 7);
        uint8_t& b = row[x >> 3];
        b = static_cast<uint8_t>((b & ~(1 << bit)) | ((NearestIndex(table, p) & 1) << bit));
        break;
    }
    case 4: {
        uint8_t& b = row[x >> 1];
        const int i = NearestIndex(table, p) & 0x0F;
        b = (x & 1) ? static_cast<uint8_t>((b & 0xF0) | i) : static_cast<uint8_t>((b & 0x0F) | (i << 4));
        break;
    }
    case 8:
        row[x] = static_cast<uint8_t>(NearestIndex(table, p));
        break;
    case 15: {
        const int w = ((BgrxR(p) >> 3) << 10) | ((BgrxG(p) >> 3) << 5) | (BgrxB(p) >> 3);
        row[2 * x] = static_cast<uint8_t>(w);
        row[2 * x + 1] = static_cast<uint8_t>(w >> 8);
        break;
    }
    case 16: {
        const int w = ((BgrxR(p) >> 3) << 11) | ((BgrxG(p) >> 2) << 5) | (BgrxB(p) >> 3);
        row[2 * x] = static_cast<uint8_t>(w);
        row[2 * x + 1] = static_cast<uint8_t>(w >> 8);
        break;
    }
    case 24: {
        uint8_t* q = row + 3 * x;
        q[0] = static_cast<uint8_t>(p);
        q[1] = static_cast<uint8_t>(p >> 8);
        q[2] = static_cast<uint8_t>(p >> 16);
        break;
    }
    default: {
        uint8_t* q = row + 4 * x;
        q[0] = static_cast<uint8_t>(p);
        q[1] = static_cast<uint8_t>(p >> 8);
        q[2] = static_cast<uint8_t>(p >> 16);
        q[3] = static_cast<uint8_t>(p >> 24);
        break;
    }
    }
}

static TRGBQuad Quad(int r, int g, int b) {
    TRGBQuad q;
    q.rgbRed = static_cast<uint8_t>(r);
    q.rgbGreen = static_cast<uint8_t>(g);
    q.rgbBlue = static_cast<uint8_t>(b);
    return q;
}

std::vector<TRGBQuad> DefaultTable(int bits) {
    std::vector<TRGBQuad> t;
    if (bits == 1) {
        t = {Quad(0, 0, 0), Quad(255, 255, 255)};
    } else if (bits == 4) {
        // The sixteen colours of the classic VGA palette, in their usual order.
        static const int vga[16][3] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                       {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                       {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                       {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
        for (const auto& c : vga)
            t.push_back(Quad(c[0], c[1], c[2]));
    } else if (bits == 8) {
        // 3-3-2 bits of red, green and blue: every colour maps to an entry without a search.
        for (int i = 0; i < 256; ++i)
            t.push_back(Quad((i >> 5) * 255 / 7, ((i >> 2) & 7) * 255 / 7, (i & 3) * 255 / 3));
    }
    return t;
}

} // namespace bmpx
