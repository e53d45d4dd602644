// Internal to the blends: the checked and clipped rectangle and raw row access.
#pragma once

#include "Abitmap.h"

namespace abitmap {

struct BlendArea {
    int dx = 0, dy = 0, w = 0, h = 0, sx = 0, sy = 0;
};

// Checks both bitmaps (present, non-empty, 32 bits per pixel), clips the rectangle to the
// destination with SetXYWHAuto and then to the source. False when no pixel is left.
bool PrepareBlend(const TBitmap* src, const TBitmap* dst, int dx, int dy, int w, int h, int sx, int sy,
                  BlendArea& area);

// A rectangle of one bitmap on its own (no source), for the tints.
bool PrepareSelf(const TBitmap* bmp, int x, int y, int w, int h, BlendArea& area);

// Further clips the area to an 8-bit mask read at destination coordinates.
bool ClipToMask(const TBitmap* mask, BlendArea& area);

inline const uint8_t* SrcRow(const TBitmap* b, const BlendArea& a, int r) {
    return b->ScanLine(a.sy + r) + 4 * a.sx;
}
inline uint8_t* DstRow(TBitmap* b, const BlendArea& a, int r) {
    return b->ScanLine(a.dy + r) + 4 * a.dx;
}

// Opacity weights shared by the plain and the vectorised members.
inline int ClampAlpha(unsigned a, unsigned limit) {
    return static_cast<int>(a > limit ? limit : a);
}
// Edge width of the mask wipes and its level, in 64 bits so every edge width is exact.
inline int EdgeBitsLimited(unsigned bits) {
    return static_cast<int>(bits > 30 ? 30 : bits);
}
inline int64_t TransLevel(unsigned level, int edgeBits) {
    return (static_cast<int64_t>(level) * ((int64_t{1} << edgeBits) + 256)) >> 8;
}

} // namespace abitmap
