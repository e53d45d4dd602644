// Internal to the layer: reading and writing single pixels of every bitmap layout, and the
// fixed colour tables used when a bitmap is converted to an indexed format.
#pragma once

#include "Graphics.h"

namespace bmpx {

// A pixel as the four bytes B,G,R,X of a 32-bit row read as one little-endian word.
using Bgrx = uint32_t;

inline Bgrx MakeBgrx(int r, int g, int b) {
    return static_cast<Bgrx>((b & 0xFF) | ((g & 0xFF) << 8) | ((r & 0xFF) << 16));
}
inline int BgrxR(Bgrx p) {
    return (p >> 16) & 0xFF;
}
inline int BgrxG(Bgrx p) {
    return (p >> 8) & 0xFF;
}
inline int BgrxB(Bgrx p) {
    return p & 0xFF;
}
inline Bgrx ColorToBgrx(TColor c) {
    c = ColorToRGB(c);
    return MakeBgrx(GetRValue(c), GetGValue(c), GetBValue(c));
}
inline TColor BgrxToColor(Bgrx p) {
    return RGB(BgrxR(p), BgrxG(p), BgrxB(p));
}

int BitsOf(TPixelFormat f);        // pfDevice and pfCustom count as 32
int StrideOf(int width, int bits); // -1 when the row would not fit in an int

// The colour a pixel shows; indexes beyond the table read as black. X is 0 except for
// 32-bit pixels, which keep their fourth byte.
Bgrx Read(const uint8_t* row, int x, int bits, const std::vector<TRGBQuad>& table);
// Stores a colour; indexed formats take the nearest table entry.
void Write(uint8_t* row, int x, int bits, Bgrx p, const std::vector<TRGBQuad>& table);
int NearestIndex(const std::vector<TRGBQuad>& table, Bgrx p);

// The table a bitmap gets when converted to an indexed format of this depth.
std::vector<TRGBQuad> DefaultTable(int bits);

} // namespace bmpx
