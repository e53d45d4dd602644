// Vectorised twins of the blends (SSE2, part of the x86-64 baseline). Bytes are widened to
// 16-bit lanes; every weighted sum stays below 65536, so the lanes give the plain result exactly.
#include "Abitmap.h"

#include "AbitmapArea.h"

#include <algorithm>
#include <cstring>
#include <emmintrin.h>

using namespace abitmap;

namespace {

const __m128i kZero = _mm_setzero_si128();

// Walks the area four pixels per step; a shorter rest goes through a small buffer so the
// kernel sees whole vectors. When the source is the destination, every step is one pixel,
// which reads and writes in the order of the plain members.
template <class Kernel>
void Rows(const TBitmap* src, TBitmap* dst, const BlendArea& ar, Kernel& k, bool pixelOrder) {
    const int step = pixelOrder ? 1 : 4;
    for (int r = 0; r < ar.h; ++r) {
        const uint8_t* s = SrcRow(src, ar, r);
        uint8_t* d = DstRow(dst, ar, r);
        k.Row(r);
        int x = 0;
        if (step == 4)
            for (; x + 4 <= ar.w; x += 4) {
                const __m128i vs = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + 4 * x));
                const __m128i vd = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + 4 * x));
                _mm_storeu_si128(reinterpret_cast<__m128i*>(d + 4 * x), k(vs, vd, x, 4));
            }
        for (; x < ar.w; x += step) {
            const int n = std::min(step, ar.w - x);
            alignas(16) uint8_t bs[16] = {}, bd[16] = {};
            std::memcpy(bs, s + 4 * x, 4 * n);
            std::memcpy(bd, d + 4 * x, 4 * n);
            const __m128i out = k(_mm_load_si128(reinterpret_cast<const __m128i*>(bs)),
                                  _mm_load_si128(reinterpret_cast<const __m128i*>(bd)), x, n);
            _mm_store_si128(reinterpret_cast<__m128i*>(bd), out);
            std::memcpy(d + 4 * x, bd, 4 * n);
        }
    }
}

inline __m128i Lo(__m128i v) {
    return _mm_unpacklo_epi8(v, kZero);
}
inline __m128i Hi(__m128i v) {
    return _mm_unpackhi_epi8(v, kZero);
}

// (s*ws + d*wd) >> 8 on eight 16-bit lanes.
inline __m128i Mix(__m128i s, __m128i d, __m128i ws, __m128i wd) {
    return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(s, ws), _mm_mullo_epi16(d, wd)), 8);
}

// Colour bytes from res, the fourth byte from d.
inline __m128i KeepFourth(__m128i res, __m128i d) {
    const __m128i colour = _mm_set1_epi32(0x00FFFFFF);
    return _mm_or_si128(_mm_and_si128(res, colour), _mm_andnot_si128(colour, d));
}

inline __m128i Select(__m128i mask, __m128i a, __m128i b) {
    return _mm_or_si128(_mm_and_si128(mask, a), _mm_andnot_si128(mask, b));
}

// Each pixel's fourth byte copied to its four 16-bit lanes.
inline __m128i FourthLanes(__m128i v16) {
    return _mm_shufflehi_epi16(_mm_shufflelo_epi16(v16, 0xFF), 0xFF);
}

struct NoRow {
    void Row(int) {}
};

struct ConstAlpha : NoRow {
    __m128i a, b;
    explicit ConstAlpha(int alpha) : a(_mm_set1_epi16(short(alpha))), b(_mm_set1_epi16(short(256 - alpha))) {}
    __m128i operator()(__m128i s, __m128i d, int, int) const {
        return _mm_packus_epi16(Mix(Lo(s), Lo(d), a, b), Mix(Hi(s), Hi(d), a, b));
    }
};

struct KeyAlpha : ConstAlpha {
    __m128i key;
    KeyAlpha(int alpha, TColor rgb)
        : ConstAlpha(alpha),
          key(_mm_set1_epi32(GetBValue(rgb) | GetGValue(rgb) << 8 | GetRValue(rgb) << 16)) {}
    __m128i operator()(__m128i s, __m128i d, int x, int n) const {
        const __m128i isKey = _mm_cmpeq_epi32(_mm_and_si128(s, _mm_set1_epi32(0x00FFFFFF)), key);
        return Select(isKey, d, ConstAlpha::operator()(s, d, x, n));
    }
};

struct Pic : NoRow {
    bool exactOpaque; // A = 0 copies the colour bytes
    explicit Pic(bool ch) : exactOpaque(ch) {}
    static __m128i Half(__m128i s, __m128i d) {
        const __m128i A = FourthLanes(s);
        return Mix(s, d, _mm_sub_epi16(_mm_set1_epi16(255), A), _mm_add_epi16(A, _mm_set1_epi16(1)));
    }
    __m128i operator()(__m128i s, __m128i d, int, int) const {
        __m128i res = _mm_packus_epi16(Half(Lo(s), Lo(d)), Half(Hi(s), Hi(d)));
        if (exactOpaque) {
            const __m128i opaque = _mm_cmpeq_epi32(_mm_andnot_si128(_mm_set1_epi32(0x00FFFFFF), s), kZero);
            res = Select(opaque, s, res);
        }
        return KeepFourth(res, d);
    }
};

struct PicAlpha : NoRow {
    __m128i alpha;
    bool full, allBytes;
    PicAlpha(int a, bool four) : alpha(_mm_set1_epi16(short(a))), full(a == 256), allBytes(four) {}
    __m128i Half(__m128i s, __m128i d) const {
        const __m128i c256 = _mm_set1_epi16(256);
        const __m128i clear = _mm_sub_epi16(c256, FourthLanes(s));
        // At full opacity (256 - A) * 256 would overflow the lane; the shift gives 256 - A.
        const __m128i t = full ? clear : _mm_srli_epi16(_mm_mullo_epi16(clear, alpha), 8);
        return Mix(s, d, t, _mm_sub_epi16(c256, t));
    }
    __m128i operator()(__m128i s, __m128i d, int, int) const {
        const __m128i res = _mm_packus_epi16(Half(Lo(s), Lo(d)), Half(Hi(s), Hi(d)));
        return allBytes ? res : KeepFourth(res, d);
    }
};

struct Trans {
    const TBitmap* mask;
    const BlendArea& ar;
    const uint8_t* m = nullptr;
    __m128i level, edge, edge16, shift;
    bool scale;
    Trans(const TBitmap* mk, const BlendArea& a, int64_t L, int eb, bool bySource)
        : mask(mk), ar(a), level(_mm_set1_epi32(int(L))), edge(_mm_set1_epi32(1 << eb)),
          edge16(_mm_set1_epi16(short(1 << eb))), shift(_mm_cvtsi32_si128(eb)), scale(bySource) {}
    void Row(int r) { m = mask->ScanLine(ar.dy + r) + ar.dx; }
    __m128i operator()(__m128i s, __m128i d, int x, int n) const {
        int bytes = 0;
        std::memcpy(&bytes, m + x, n);
        const __m128i mv = _mm_unpacklo_epi16(_mm_unpacklo_epi8(_mm_cvtsi32_si128(bytes), kZero), kZero);
        // w = clamp(level - m, 0, edge): below 0 leaves the pixel, edge copies it.
        __m128i w = _mm_sub_epi32(level, mv);
        w = Select(_mm_cmpgt_epi32(w, edge), edge, w);
        w = _mm_andnot_si128(_mm_cmpgt_epi32(kZero, w), w);
        if (scale) {
            const __m128i clear = _mm_sub_epi32(_mm_set1_epi32(256), _mm_srli_epi32(s, 24));
            w = _mm_srli_epi32(_mm_madd_epi16(w, clear), 8); // both fit 16 bits: an exact product
        }
        const __m128i w16 = _mm_packs_epi32(w, w);
        const __m128i pairs = _mm_unpacklo_epi16(w16, w16);
        const __m128i wl = _mm_unpacklo_epi32(pairs, pairs), wh = _mm_unpackhi_epi32(pairs, pairs);
        const __m128i lo = _mm_srl_epi16(
            _mm_add_epi16(_mm_mullo_epi16(Lo(s), wl), _mm_mullo_epi16(Lo(d), _mm_sub_epi16(edge16, wl))),
            shift);
        const __m128i hi = _mm_srl_epi16(
            _mm_add_epi16(_mm_mullo_epi16(Hi(s), wh), _mm_mullo_epi16(Hi(d), _mm_sub_epi16(edge16, wh))),
            shift);
        return KeepFourth(_mm_packus_epi16(lo, hi), d);
    }
};

struct Tint : NoRow {
    __m128i weight, add;
    Tint(TColor rgb, int a)
        : weight(_mm_setr_epi16(short(256 - a), short(256 - a), short(256 - a), 256, short(256 - a),
                                short(256 - a), short(256 - a), 256)),
          add(_mm_setr_epi16(short(GetBValue(rgb) * a), short(GetGValue(rgb) * a), short(GetRValue(rgb) * a),
                             0, short(GetBValue(rgb) * a), short(GetGValue(rgb) * a),
                             short(GetRValue(rgb) * a), 0)) {}
    __m128i Half(__m128i d) const {
        return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(d, weight), add), 8);
    }
    __m128i operator()(__m128i, __m128i d, int, int) const {
        return _mm_packus_epi16(Half(Lo(d)), Half(Hi(d)));
    }
};

// (s*alpha) >> 8 limited to 255, as bytes; the 32-bit product is rebuilt from its two halves.
struct Scaled : NoRow {
    __m128i alpha;
    explicit Scaled(int a) : alpha(_mm_set1_epi16(short(a))) {}
    __m128i Half(__m128i s) const {
        const __m128i lo = _mm_mullo_epi16(s, alpha), hi = _mm_mulhi_epu16(s, alpha);
        const __m128i fits = _mm_cmpeq_epi16(hi, kZero);
        return Select(fits, _mm_srli_epi16(lo, 8), _mm_set1_epi16(255));
    }
    __m128i Bytes(__m128i s) const { return _mm_packus_epi16(Half(Lo(s)), Half(Hi(s))); }
};
struct Add : Scaled {
    using Scaled::Scaled;
    __m128i operator()(__m128i s, __m128i d, int, int) const { return _mm_adds_epu8(d, Bytes(s)); }
};
struct Sub : Scaled {
    using Scaled::Scaled;
    __m128i operator()(__m128i s, __m128i d, int, int) const { return _mm_subs_epu8(d, Bytes(s)); }
};

} // namespace

void TABitmap::ColorAlphaMMX(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst,
                             uint16_t alpha) const {
    if (alpha == 0) return;
    BlendArea ar;
    if (!PrepareBlend(this, dst, dx, dy, w, h, sx, sy, ar)) return;
    ConstAlpha k(ClampAlpha(alpha, 255));
    Rows(this, dst, ar, k, dst == this);
}

void TABitmap::ColorAlphaMMX64(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst,
                               uint16_t alpha) const {
    if (alpha == 0) return;
    BlendArea ar;
    if (!PrepareBlend(this, dst, dx, dy, w, h, sx, sy, ar)) return;
    // Pairs of pixels cannot follow the plain order when a bitmap is blended onto itself.
    if (ar.w % 2 != 0 || dst == this) return ColorAlphaMMX(dx, dy, w, h, sx, sy, dst, alpha);
    const ConstAlpha k(ClampAlpha(alpha, 255));
    for (int r = 0; r < ar.h; ++r) {
        const uint8_t* s = SrcRow(this, ar, r);
        uint8_t* d = DstRow(dst, ar, r);
        for (int x = 0; x < ar.w; x += 2) {
            const __m128i vs = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(s + 4 * x));
            const __m128i vd = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(d + 4 * x));
            _mm_storel_epi64(reinterpret_cast<__m128i*>(d + 4 * x), k(vs, vd, x, 2));
        }
    }
}

void TABitmap::ColorKeyAlphaMMX(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, TColor key,
                                uint16_t alpha) const {
    if (alpha == 0) return;
    BlendArea ar;
    if (!PrepareBlend(this, dst, dx, dy, w, h, sx, sy, ar)) return;
    KeyAlpha k(ClampAlpha(alpha, 255), ColorToRGB(key));
    Rows(this, dst, ar, k, dst == this);
}

void TABitmap::ColorAlphaPicMMX(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst) const {
    BlendArea ar;
    if (!PrepareBlend(this, dst, dx, dy, w, h, sx, sy, ar)) return;
    Pic k(false);
    Rows(this, dst, ar, k, dst == this);
}

void TABitmap::ColorAlphaPicChMMX(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst) const {
    BlendArea ar;
    if (!PrepareBlend(this, dst, dx, dy, w, h, sx, sy, ar)) return;
    Pic k(true);
    Rows(this, dst, ar, k, dst == this);
}

void TABitmap::ColorAlphaPicAlphaMMX(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst,
                                     uint16_t alpha) const {
    if (alpha == 0) return;
    BlendArea ar;
    if (!PrepareBlend(this, dst, dx, dy, w, h, sx, sy, ar)) return;
    PicAlpha k(ClampAlpha(alpha, 256), false);
    Rows(this, dst, ar, k, dst == this);
}

void TABitmap::ColorAlphaPicAlphaChMMX(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst,
                                       uint16_t alpha) const {
    if (alpha == 0) return;
    BlendArea ar;
    if (!PrepareBlend(this, dst, dx, dy, w, h, sx, sy, ar)) return;
    // A clear pixel gets weight (1 * alpha) >> 8 = 0 below 256: the same as skipping it.
    PicAlpha k(ClampAlpha(alpha, 255), false);
    Rows(this, dst, ar, k, dst == this);
}

static void TransMMX(const TABitmap* src, TBitmap* dst, int dx, int dy, int w, int h, int sx, int sy,
                     const TBitmap* mask, uint16_t level, uint16_t edgeBits, bool scale) {
    BlendArea ar;
    if (!PrepareBlend(src, dst, dx, dy, w, h, sx, sy, ar) || !ClipToMask(mask, ar)) return;
    Trans k(mask, ar, TransLevel(level, edgeBits), edgeBits, scale);
    Rows(src, dst, ar, k, dst == src);
}

void TABitmap::ColorAlphaPicTransMMX(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst,
                                     const TBitmap* mask, uint16_t level, uint16_t edgeBits) const {
    if (edgeBits > 8) return ColorAlphaPicTrans(dx, dy, w, h, sx, sy, dst, mask, level, edgeBits);
    TransMMX(this, dst, dx, dy, w, h, sx, sy, mask, level, edgeBits, false);
}

void TABitmap::ColorAlphaPicAlphaTransMMX(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst,
                                          const TBitmap* mask, uint16_t level, uint16_t edgeBits) const {
    if (edgeBits > 8) return ColorAlphaPicAlphaTrans(dx, dy, w, h, sx, sy, dst, mask, level, edgeBits);
    TransMMX(this, dst, dx, dy, w, h, sx, sy, mask, level, edgeBits, true);
}

void TABitmap::RectAngleAlphaMMX(int x, int y, int w, int h, TColor color, uint8_t alpha) {
    if (alpha == 0) return;
    BlendArea ar;
    if (!PrepareSelf(this, x, y, w, h, ar)) return;
    Tint k(ColorToRGB(color), alpha);
    Rows(this, this, ar, k, false); // no source to overtake
}

void TABitmap::ColorAddMMX(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, uint16_t alpha) const {
    if (alpha == 0) return;
    BlendArea ar;
    if (!PrepareBlend(this, dst, dx, dy, w, h, sx, sy, ar)) return;
    Add k(alpha);
    Rows(this, dst, ar, k, dst == this);
}

void TABitmap::ColorSubMMX(int dx, int dy, int w, int h, int sx, int sy, TBitmap* dst, uint16_t alpha) const {
    if (alpha == 0) return;
    BlendArea ar;
    if (!PrepareBlend(this, dst, dx, dy, w, h, sx, sy, ar)) return;
    Sub k(alpha);
    Rows(this, dst, ar, k, dst == this);
}
