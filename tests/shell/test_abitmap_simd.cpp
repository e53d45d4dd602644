// Every vectorised blend against its plain twin, bit for bit, over random pixels, opacities and
// rectangles that cross every edge.
#include "test_abitmap_helpers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>
#include <vector>

namespace {

struct Area {
    int dx, dy, w, h, sx, sy;
};

// op is the opacity, or the level of the mask wipes; bits the wipe's edge bits.
using Blend = std::function<void(TABitmap& src, TABitmap& dst, const Area& a, unsigned op, unsigned bits,
                                 const TBitmap* mask)>;

struct Twin {
    const char* name;
    Blend plain, simd;
    unsigned maxOp;   // largest value the plain member takes
    int bytes;        // bytes of each pixel compared: the key blend's twin also blends the fourth
    unsigned maxBits; // edge bits tried (wipes only)
};

constexpr TColor kKey = 0x302010; // memory bytes 10, 20, 30

#define PAIR(member, ...)                                                                                    \
    [](TABitmap& s, TABitmap& d, const Area& a, unsigned op, unsigned bits, const TBitmap* m) {              \
        (void)op, (void)bits, (void)m;                                                                       \
        s.member(a.dx, a.dy, a.w, a.h, a.sx, a.sy, &d __VA_OPT__(, ) __VA_ARGS__);                           \
    }

const Twin kTwins[] = {
    {"ColorAlphaMMX", PAIR(ColorAlpha, uint16_t(op)), PAIR(ColorAlphaMMX, uint16_t(op)), 65535, 4, 0},
    {"ColorAlphaMMX64", PAIR(ColorAlpha, uint16_t(op)), PAIR(ColorAlphaMMX64, uint16_t(op)), 65535, 4, 0},
    {"ColorKeyAlphaMMX", PAIR(ColorKeyAlpha, kKey, uint8_t(op)), PAIR(ColorKeyAlphaMMX, kKey, uint16_t(op)),
     255, 3, 0},
    {"ColorAlphaPicMMX", PAIR(ColorAlphaPic), PAIR(ColorAlphaPicMMX), 0, 4, 0},
    {"ColorAlphaPicChMMX", PAIR(ColorAlphaPicCh), PAIR(ColorAlphaPicChMMX), 0, 4, 0},
    {"ColorAlphaPicAlphaMMX", PAIR(ColorAlphaPicAlpha, uint16_t(op)),
     PAIR(ColorAlphaPicAlphaMMX, uint16_t(op)), 65535, 4, 0},
    {"ColorAlphaPicAlphaChMMX", PAIR(ColorAlphaPicAlphaCh, uint16_t(op)),
     PAIR(ColorAlphaPicAlphaChMMX, uint16_t(op)), 65535, 4, 0},
    {"ColorAlphaPicTransMMX", PAIR(ColorAlphaPicTrans, m, uint16_t(op), uint16_t(bits)),
     PAIR(ColorAlphaPicTransMMX, m, uint16_t(op), uint16_t(bits)), 700, 4, 10},
    {"ColorAlphaPicAlphaTransMMX", PAIR(ColorAlphaPicAlphaTrans, m, uint16_t(op), uint16_t(bits)),
     PAIR(ColorAlphaPicAlphaTransMMX, m, uint16_t(op), uint16_t(bits)), 700, 4, 10},
    {"RectAngleAlphaMMX",
     [](TABitmap&, TABitmap& d, const Area& a, unsigned op, unsigned, const TBitmap*) {
         d.RectAngleAlpha(a.dx, a.dy, a.w, a.h, RGB(250, 9, 128), uint8_t(op));
     },
     [](TABitmap&, TABitmap& d, const Area& a, unsigned op, unsigned, const TBitmap*) {
         d.RectAngleAlphaMMX(a.dx, a.dy, a.w, a.h, RGB(250, 9, 128), uint8_t(op));
     },
     255, 4, 0},
    {"ColorAddMMX", PAIR(ColorAdd, uint16_t(op)), PAIR(ColorAddMMX, uint16_t(op)), 65535, 4, 0},
    {"ColorSubMMX", PAIR(ColorSub, uint16_t(op)), PAIR(ColorSubMMX, uint16_t(op)), 65535, 4, 0},
};

struct Scene {
    const char* what;
    int srcW, srcH, dstW, dstH;
    Area area;
    bool self; // the source is the destination
};

std::vector<Scene> Scenes(std::mt19937& rng) {
    std::vector<Scene> s = {
        {"whole bitmap, width a multiple of 4", 16, 5, 16, 5, {0, 0, 16, 5, 0, 0}, false},
        {"odd width with a tail", 23, 4, 23, 4, {0, 0, 23, 4, 0, 0}, false},
        {"single pixel", 1, 1, 1, 1, {0, 0, 1, 1, 0, 0}, false},
        {"clipped at the left", 30, 3, 15, 3, {-10, 0, 30, 3, 0, 0}, false},
        {"clipped at the top", 9, 9, 9, 6, {0, -4, 9, 9, 0, 0}, false},
        {"clipped at the right", 20, 4, 13, 4, {5, 0, 20, 4, 0, 0}, false},
        {"clipped at the bottom", 6, 20, 6, 7, {0, 3, 6, 20, 0, 0}, false},
        {"clipped on all sides", 40, 40, 11, 9, {-3, -2, 40, 40, 1, 1}, false},
        {"starts at the right edge", 8, 8, 8, 8, {8, 0, 4, 4, 0, 0}, false},
        {"starts at the bottom edge", 8, 8, 8, 8, {0, 8, 4, 4, 0, 0}, false},
        {"reaches past the source", 5, 3, 12, 12, {1, 1, 10, 10, 2, 1}, false},
        {"negative source position", 9, 9, 12, 12, {0, 0, 10, 10, -3, -2}, false},
        {"empty source", 0, 0, 8, 8, {0, 0, 8, 8, 0, 0}, false},
        {"empty destination", 8, 8, 0, 0, {0, 0, 8, 8, 0, 0}, false},
        {"source without rows", 8, 0, 8, 8, {0, 0, 8, 8, 0, 0}, false},
        {"onto itself, one pixel right", 13, 3, 13, 3, {1, 0, 12, 3, 0, 0}, true},
        {"onto itself, one row down, shifted left", 13, 5, 13, 5, {0, 1, 12, 4, 1, 0}, true},
    };
    std::uniform_int_distribution<int> size(1, 37), pos(-8, 40);
    for (int i = 0; i < 24; ++i)
        s.push_back({"random",
                     size(rng),
                     size(rng),
                     size(rng),
                     size(rng),
                     {pos(rng), pos(rng), size(rng), size(rng), pos(rng) / 4, pos(rng) / 4},
                     false});
    return s;
}

// Random bytes; a quarter of the pixels carry the key colour and the fourth byte is often 0 or 255.
void Randomise(TBitmap& b, std::mt19937& rng) {
    std::uniform_int_distribution<int> byte(0, 255), kind(0, 7);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            Pixel p{uint8_t(byte(rng)), uint8_t(byte(rng)), uint8_t(byte(rng)), uint8_t(byte(rng))};
            const int k = kind(rng);
            if (k < 2) p = {0x10, 0x20, 0x30, p[3]};
            if (k == 2) p[3] = 0;
            if (k == 3) p[3] = 255;
            Set(b, x, y, p);
        }
}

std::vector<unsigned> Opacities(unsigned maxOp, std::mt19937& rng) {
    std::vector<unsigned> ops;
    for (unsigned a : {0u, 1u, 127u, 128u, 255u, 256u, 257u, 300u, 511u, 65535u})
        if (a <= maxOp) ops.push_back(a);
    std::uniform_int_distribution<unsigned> any(0, maxOp);
    for (int i = 0; i < 3; ++i)
        ops.push_back(any(rng));
    return ops;
}

void PrintTo(const Twin& t, std::ostream* os) {
    *os << t.name;
}

class VectorisedTwin : public testing::TestWithParam<Twin> {};

TEST_P(VectorisedTwin, GivesThePlainResultBitForBit) {
    const Twin& t = GetParam();
    std::mt19937 rng(20240611);
    int changedPixels = 0;
    for (const Scene& sc : Scenes(rng)) {
        TABitmap src, dst, mask8;
        src.SetSize(sc.srcW, sc.srcH);
        Randomise(src, rng);
        dst.SetSize(sc.self ? sc.srcW : sc.dstW, sc.self ? sc.srcH : sc.dstH);
        Randomise(dst, rng);
        TBitmap mask;
        mask.SetPixelFormat(pf8bit);
        mask.SetSize(dst.Width() - dst.Width() / 4, dst.Height()); // narrower than the destination
        std::uniform_int_distribution<int> byte(0, 255);
        for (int y = 0; y < mask.Height(); ++y)
            for (int x = 0; x < mask.Width(); ++x)
                mask.ScanLine(y)[x] = uint8_t(byte(rng));

        for (unsigned op : Opacities(t.maxOp, rng))
            for (unsigned bits = 0; bits <= t.maxBits; ++bits) {
                SCOPED_TRACE(testing::Message() << sc.what << ", opacity " << op << ", edge bits " << bits);
                TABitmap plainDst, simdDst;
                plainDst.Assign(sc.self ? &src : &dst);
                simdDst.Assign(sc.self ? &src : &dst);
                t.plain(sc.self ? plainDst : src, plainDst, sc.area, op, bits, &mask);
                t.simd(sc.self ? simdDst : src, simdDst, sc.area, op, bits, &mask);
                const TABitmap& before = sc.self ? src : dst;
                for (int y = 0; y < before.Height(); ++y)
                    for (int x = 0; x < before.Width(); ++x) {
                        const Pixel p = At(plainDst, x, y), v = At(simdDst, x, y);
                        ASSERT_EQ(std::memcmp(p.data(), v.data(), t.bytes), 0)
                            << "pixel " << x << "," << y << ": plain " << int(p[0]) << " " << int(p[1]) << " "
                            << int(p[2]) << " " << int(p[3]) << ", vectorised " << int(v[0]) << " "
                            << int(v[1]) << " " << int(v[2]) << " " << int(v[3]);
                        if (p != At(before, x, y)) ++changedPixels;
                    }
            }
    }
    EXPECT_GT(changedPixels, 1000) << "the scenes hardly exercised the blend";
}

INSTANTIATE_TEST_SUITE_P(Abitmap, VectorisedTwin, testing::ValuesIn(kTwins),
                         [](const testing::TestParamInfo<Twin>& i) { return std::string(i.param.name); });

} // namespace
