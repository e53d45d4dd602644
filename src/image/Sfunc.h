// Free helpers of the picture codec: row sizes, colour tables, palettes and pixel runs.
#pragma once

#include "winlib/Graphics.h"

#include <cstdint>

// A colour table in the layout of a device-independent bitmap (blue, green, red, 0).
using TPixPalRGB = TRGBQuad[256];

// Row size in bytes, padded to a multiple of 4.
int64_t GetLineSize(int64_t Width, int Bits);
int64_t GetDIBMemLen(int64_t Width, int64_t Height, int Bits);
// Colour count of an indexed format, 0 for direct colour.
int GetMaxColorSub(int Bits);
// Fills a grey ramp for the bit depth and returns the number of entries.
int CreateGrayScalePalette(TRGBQuad* Table, int Bits);
int GetNearestColorTableIndex(const TRGBQuad* Table, TColor Color, int Count);
int GetNearestPaletteEntryIndex(const TPaletteEntry* Entries, TColor Color, int Count);
int GetNearestPaletteIndex(HPALETTE Palette, TColor Color);
TColor GetNearestPaletteColor(HPALETTE Palette, TColor Color);
TColor GetPaletteColor(HPALETTE Palette, int Index);
int GetPaletteColorTable(HPALETTE Palette, TRGBQuad* Table);
HPALETTE CreatePaletteHandle(const TRGBQuad* Table, int Count);
// There is no system palette to clear on a true-colour display.
inline void ClearSystemPalette() {}
// Copies Count pixels starting at pixel First of Src to the start of Dest.
void CopyPixelLine(const uint8_t* Src, uint8_t* Dest, int First, int Count, int Bits);
TColor SwapBR(TColor Color);
int GetMaskShift(uint32_t Mask);
inline int FixMul(int a, int b) {
    return static_cast<int>((static_cast<int64_t>(a) * b) >> 16);
}
inline int ConvertInchToMeter(int PerInch) {
    return static_cast<int>(PerInch * 10000.0 / 254);
}
bool CheckRect(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2);
inline int CmpTime(int64_t a, int64_t b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}
template <class T> int Sgn(T v) {
    return v < 0 ? -1 : (v > 0 ? 1 : 0);
}
template <class T> T Min(T a, T b) {
    return a < b ? a : b;
}
template <class T> T Max(T a, T b) {
    return a > b ? a : b;
}
template <class T> void Xchange(T& a, T& b) {
    T t = a;
    a = b;
    b = t;
}
