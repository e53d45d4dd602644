// The plain blends: one row access per row, then byte walking with integer weights and a
// shift by 8 instead of a division.
#include "Abitmap.h"

#include "AbitmapArea.h"

using namespace abitmap;

namespace {
// Combines every byte of the clipped area, all four channels, as op(source, destination).
template <class Op>
void CombineBytes(const TBitmap* src, TBitmap* dst, int dx, int dy, int w, int h, int sx, int sy, Op op) {
    BlendArea ar;
    if (!PrepareBlend(src, dst, dx, dy, w, h, sx, sy, ar)) return;
    // The row length is held apart from the area: byte stores could alias it, which would keep
    // the compiler from vectorising the loop.
    const int n = 4 * ar.w;
    for (int r = 0; r < ar.h; ++r) {
        const uint8_t* s = SrcRow(src, ar, r);
        uint8_t* d = DstRow(dst, ar, r);
        for (int i = 0; i < n; ++i)
            d[i] = op(s[i], d[i]);
    }
}
} // namespace

void TABitmap::ColorAlpha(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, uint16_t alpha) const {
    if (alpha == 0) return;
    const int a = ClampAlpha(alpha, 255), b = 256 - a;
    CombineBytes(this, dst, dx, dy, w, h, sx, sy,
                 [a, b](uint8_t s, uint8_t d) { return static_cast<uint8_t>((s * a + d * b) >> 8); });
}

static bool IsKey(const uint8_t* p, int key) {
    return p[0] == GetBValue(key) && p[1] == GetGValue(key) && p[2] == GetRValue(key);
}

namespace {
// Applies op(source pixel, destination pixel) to every pixel of the clipped area whose source
// colour is not the key colour.
template <class Op>
void CombineUnkeyedPixels(const TBitmap* src, TBitmap* dst, int dx, int dy, int w, int h, int sx, int sy,
                          TColor key, Op op) {
    BlendArea ar;
    if (!PrepareBlend(src, dst, dx, dy, w, h, sx, sy, ar)) return;
    const TColor k = ColorToRGB(key);
    for (int r = 0; r < ar.h; ++r) {
        const uint8_t* s = SrcRow(src, ar, r);
        uint8_t* d = DstRow(dst, ar, r);
        for (int x = 0; x < ar.w; ++x, s += 4, d += 4)
            if (!IsKey(s, k)) op(s, d);
    }
}
} // namespace

void TABitmap::ColorKey(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, TColor key) const {
    CombineUnkeyedPixels(this, dst, dx, dy, w, h, sx, sy, key, [](const uint8_t* s, uint8_t* d) {
        for (int c = 0; c < 4; ++c)
            d[c] = s[c];
    });
}

void TABitmap::ColorKeyAlpha(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, TColor key,
                             uint8_t alpha) const {
    if (alpha == 0) return;
    const int a = alpha, b = 256 - a;
    // The fourth byte is left as it is: only the three colour bytes blend.
    CombineUnkeyedPixels(this, dst, dx, dy, w, h, sx, sy, key, [a, b](const uint8_t* s, uint8_t* d) {
        for (int c = 0; c < 3; ++c)
            d[c] = static_cast<uint8_t>((s[c] * a + d[c] * b) >> 8);
    });
}

void TABitmap::ColorAlphaPic(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst) const {
    BlendArea ar;
    if (!PrepareBlend(this, dst, dx, dy, w, h, sx, sy, ar)) return;
    for (int r = 0; r < ar.h; ++r) {
        const uint8_t* s = SrcRow(this, ar, r);
        uint8_t* d = DstRow(dst, ar, r);
        for (int x = 0; x < ar.w; ++x, s += 4, d += 4) {
            const int A = s[3];
            for (int c = 0; c < 3; ++c)
                d[c] = static_cast<uint8_t>((s[c] * (255 - A) + d[c] * (A + 1)) >> 8);
        }
    }
}

void TABitmap::ColorAlphaPicCh(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst) const {
    BlendArea ar;
    if (!PrepareBlend(this, dst, dx, dy, w, h, sx, sy, ar)) return;
    for (int r = 0; r < ar.h; ++r) {
        const uint8_t* s = SrcRow(this, ar, r);
        uint8_t* d = DstRow(dst, ar, r);
        for (int x = 0; x < ar.w; ++x, s += 4, d += 4) {
            const int A = s[3];
            if (A == 255) continue;
            if (A == 0) {
                for (int c = 0; c < 3; ++c)
                    d[c] = s[c];
                continue;
            }
            for (int c = 0; c < 3; ++c)
                d[c] = static_cast<uint8_t>((s[c] * (255 - A) + d[c] * (A + 1)) >> 8);
        }
    }
}

// The per-pixel opacity blend behind ColorAlphaPicAlpha, its checked form and CopyAlpha32.
static void PicAlpha(const TBitmap* src, TBitmap* dst, const BlendArea& ar, int alpha, int bytes,
                     bool skipClear) {
    for (int r = 0; r < ar.h; ++r) {
        const uint8_t* s = SrcRow(src, ar, r);
        uint8_t* d = DstRow(dst, ar, r);
        for (int x = 0; x < ar.w; ++x, s += 4, d += 4) {
            const int A = s[3];
            if (skipClear && A == 255) continue;
            const int t = ((256 - A) * alpha) >> 8;
            for (int c = 0; c < bytes; ++c)
                d[c] = static_cast<uint8_t>((s[c] * t + d[c] * (256 - t)) >> 8);
        }
    }
}

void TABitmap::ColorAlphaPicAlpha(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst,
                                  uint16_t alpha) const {
    if (alpha == 0) return;
    BlendArea ar;
    if (!PrepareBlend(this, dst, dx, dy, w, h, sx, sy, ar)) return;
    // Above 256 the destination weight would turn negative.
    PicAlpha(this, dst, ar, ClampAlpha(alpha, 256), 3, false);
}

void TABitmap::ColorAlphaPicAlphaCh(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst,
                                    uint16_t alpha) const {
    if (alpha == 0) return;
    BlendArea ar;
    if (!PrepareBlend(this, dst, dx, dy, w, h, sx, sy, ar)) return;
    PicAlpha(this, dst, ar, ClampAlpha(alpha, 255), 3, true);
}

void TABitmap::CopyAlpha32(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, uint16_t alpha) const {
    if (alpha == 0) return;
    BlendArea ar;
    if (!PrepareBlend(this, dst, dx, dy, w, h, sx, sy, ar)) return;
    PicAlpha(this, dst, ar, ClampAlpha(alpha, 256), 4, false);
}

static void Trans(const TBitmap* src, TBitmap* dst, const BlendArea& ar, const TBitmap* mask, unsigned level,
                  unsigned bits, bool scaleBySource) {
    const int eb = EdgeBitsLimited(bits);
    const int64_t edge = int64_t{1} << eb;
    const int64_t L = TransLevel(level, eb);
    for (int r = 0; r < ar.h; ++r) {
        const uint8_t* s = SrcRow(src, ar, r);
        uint8_t* d = DstRow(dst, ar, r);
        const uint8_t* m = mask->ScanLine(ar.dy + r) + ar.dx;
        for (int x = 0; x < ar.w; ++x, s += 4, d += 4) {
            if (m[x] > L) continue;
            const int64_t diff = L - m[x];
            if (diff > edge && !scaleBySource) {
                for (int c = 0; c < 3; ++c)
                    d[c] = s[c];
                continue;
            }
            int64_t wt = diff > edge ? edge : diff;
            if (scaleBySource) wt = (wt * (256 - s[3])) >> 8;
            for (int c = 0; c < 3; ++c)
                d[c] = static_cast<uint8_t>((s[c] * wt + d[c] * (edge - wt)) >> eb);
        }
    }
}

void TABitmap::ColorAlphaPicTrans(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst,
                                  const TBitmap* mask, uint16_t level, uint16_t edgeBits) const {
    BlendArea ar;
    if (!PrepareBlend(this, dst, dx, dy, w, h, sx, sy, ar) || !ClipToMask(mask, ar)) return;
    Trans(this, dst, ar, mask, level, edgeBits, false);
}

void TABitmap::ColorAlphaPicAlphaTrans(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst,
                                       const TBitmap* mask, uint16_t level, uint16_t edgeBits) const {
    BlendArea ar;
    if (!PrepareBlend(this, dst, dx, dy, w, h, sx, sy, ar) || !ClipToMask(mask, ar)) return;
    Trans(this, dst, ar, mask, level, edgeBits, true);
}

void TABitmap::RectAngleAlpha(int x, int y, int w, int h, TColor color, uint8_t alpha) {
    if (alpha == 0) return;
    BlendArea ar;
    if (!PrepareSelf(this, x, y, w, h, ar)) return;
    const TColor c = ColorToRGB(color);
    const int a = alpha, b = 256 - a;
    const int tint[3] = {GetBValue(c) * a, GetGValue(c) * a, GetRValue(c) * a};
    for (int r = 0; r < ar.h; ++r) {
        uint8_t* d = DstRow(this, ar, r);
        for (int i = 0; i < ar.w; ++i, d += 4)
            for (int k = 0; k < 3; ++k)
                d[k] = static_cast<uint8_t>((d[k] * b + tint[k]) >> 8);
    }
}

void TABitmap::ColorAdd(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, uint16_t alpha) const {
    if (alpha == 0) return;
    CombineBytes(this, dst, dx, dy, w, h, sx, sy,
                 [alpha](uint8_t s, uint8_t d) { return RoundByte(d + RoundByte((s * alpha) >> 8)); });
}

void TABitmap::ColorSub(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, uint16_t alpha) const {
    if (alpha == 0) return;
    CombineBytes(this, dst, dx, dy, w, h, sx, sy,
                 [alpha](uint8_t s, uint8_t d) { return RoundByte(d - ((s * alpha) >> 8)); });
}
