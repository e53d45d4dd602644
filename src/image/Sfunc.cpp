#include "image/Sfunc.h"

#include <cstdlib>
#include <vector>

int64_t GetLineSize(int64_t Width, int Bits) {
    return ((Width * Bits + 7) / 8 + 3) & ~int64_t(3);
}

int64_t GetDIBMemLen(int64_t Width, int64_t Height, int Bits) {
    return GetLineSize(Width, Bits) * (Height < 0 ? -Height : Height);
}

int GetMaxColorSub(int Bits) {
    return Bits <= 8 && Bits > 0 ? 1 << Bits : 0;
}

int GetMaxColor(const TBitmapInfoHeader& Header) {
    return Header.biClrUsed != 0 ? static_cast<int>(Header.biClrUsed) : GetMaxColorSub(Header.biBitCount);
}

int CreateGrayScalePalette(TRGBQuad* Table, int Bits) {
    int count, step;
    switch (Bits) {
    case 1:
        count = 2, step = 255;
        break;
    case 2:
        count = 4, step = 85;
        break;
    case 4:
        count = 16, step = 17;
        break;
    default:
        count = 256, step = 1;
        break;
    }
    for (int i = 0; i < count; ++i) {
        auto v = static_cast<uint8_t>(i * step);
        Table[i] = TRGBQuad{v, v, v, 0};
    }
    return count;
}

namespace {
int Distance(int r, int g, int b, TColor c) {
    return std::abs(r - GetRValue(c)) + std::abs(g - GetGValue(c)) + std::abs(b - GetBValue(c));
}
} // namespace

int GetNearestColorTableIndex(const TRGBQuad* Table, TColor Color, int Count) {
    int best = 0, bestDist = 1 << 30;
    for (int i = 0; i < Count; ++i) {
        int d = Distance(Table[i].rgbRed, Table[i].rgbGreen, Table[i].rgbBlue, Color);
        if (d == 0) return i;
        if (d < bestDist) bestDist = d, best = i;
    }
    return best;
}

int GetNearestPaletteEntryIndex(const TPaletteEntry* Entries, TColor Color, int Count) {
    int best = 0, bestDist = 1 << 30;
    for (int i = 0; i < Count; ++i) {
        int d = Distance(Entries[i].peRed, Entries[i].peGreen, Entries[i].peBlue, Color);
        if (d == 0) return i;
        if (d < bestDist) bestDist = d, best = i;
    }
    return best;
}

namespace {
std::vector<TPaletteEntry> Entries(HPALETTE Palette) {
    std::vector<TPaletteEntry> e(256);
    int n = Palette ? GetPaletteEntries(Palette, 0, 256, e.data()) : 0;
    e.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return e;
}
} // namespace

int GetNearestPaletteIndex(HPALETTE Palette, TColor Color) {
    auto e = Entries(Palette);
    if (e.empty()) return -1;
    return GetNearestPaletteEntryIndex(e.data(), Color, static_cast<int>(e.size()));
}

TColor GetNearestPaletteColor(HPALETTE Palette, TColor Color) {
    auto e = Entries(Palette);
    if (e.empty()) return -1;
    const auto& p = e[GetNearestPaletteEntryIndex(e.data(), Color, static_cast<int>(e.size()))];
    return RGB(p.peRed, p.peGreen, p.peBlue);
}

TColor GetPaletteColor(HPALETTE Palette, int Index) {
    auto e = Entries(Palette);
    if (Index < 0 || Index >= static_cast<int>(e.size())) return -1;
    return RGB(e[Index].peRed, e[Index].peGreen, e[Index].peBlue);
}

int GetPaletteColorTable(HPALETTE Palette, TRGBQuad* Table) {
    auto e = Entries(Palette);
    for (size_t i = 0; i < e.size(); ++i)
        Table[i] = TRGBQuad{e[i].peBlue, e[i].peGreen, e[i].peRed, 0};
    return static_cast<int>(e.size());
}

HPALETTE CreatePaletteHandle(const TRGBQuad* Table, int Count) {
    std::vector<TPaletteEntry> e(Count > 0 ? static_cast<size_t>(Count) : 0);
    for (size_t i = 0; i < e.size(); ++i)
        e[i] = TPaletteEntry{Table[i].rgbRed, Table[i].rgbGreen, Table[i].rgbBlue, 0};
    return CreatePalette(e);
}

void CopyPixelLine(const uint8_t* Src, uint8_t* Dest, int First, int Count, int Bits) {
    if (Count <= 0) return;
    switch (Bits) {
    case 1:
        for (int i = 0; i < Count; ++i) {
            int s = First + i;
            uint8_t bit = (Src[s >> 3] >> (7 - (s & 7))) & 1;
            uint8_t mask = static_cast<uint8_t>(0x80 >> (i & 7));
            Dest[i >> 3] = bit ? (Dest[i >> 3] | mask) : (Dest[i >> 3] & ~mask);
        }
        break;
    case 4:
        for (int i = 0; i < Count; ++i) {
            int s = First + i;
            uint8_t nib = (s & 1) ? (Src[s >> 1] & 0x0F) : (Src[s >> 1] >> 4);
            if (i & 1)
                Dest[i >> 1] = static_cast<uint8_t>((Dest[i >> 1] & 0xF0) | nib);
            else
                Dest[i >> 1] = static_cast<uint8_t>((Dest[i >> 1] & 0x0F) | (nib << 4));
        }
        break;
    default: {
        int bytes = (Bits + 7) / 8;
        for (int i = 0; i < Count * bytes; ++i)
            Dest[i] = Src[First * bytes + i];
        break;
    }
    }
}

TColor SwapBR(TColor Color) {
    return (Color & static_cast<TColor>(0xFF00FF00)) | ((Color & 0xFF) << 16) | ((Color >> 16) & 0xFF);
}

int GetMaskShift(uint32_t Mask) {
    if (Mask == 0) return 0;
    int high = 31;
    while (!(Mask & (1u << high)))
        --high;
    return high - 7;
}

bool CheckRect(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2) {
    return x1 < x2 + w2 && x2 < x1 + w1 && y1 < y2 + h2 && y2 < y1 + h1;
}
