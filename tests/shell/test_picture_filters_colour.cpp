// The colour and neighbourhood filters: their values on a few chosen pixels, the channel
// selectors, the untouched fourth byte of 32-bit pixels and the arguments they refuse.
#include "shell/Buinpicfilters.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

namespace {
using Px = std::array<uint8_t, 4>; // blue, green, red, fourth byte

void Row(TBitmap& b, const std::vector<Px>& pixels) {
    b.SetPixelFormat(pf32bit);
    b.SetSize(static_cast<int>(pixels.size()), 1);
    for (size_t x = 0; x < pixels.size(); ++x)
        for (int c = 0; c < 4; ++c)
            b.ScanLine(0)[x * 4 + c] = pixels[x][c];
}

std::vector<Px> Pixels(TBitmap& b) {
    std::vector<Px> out;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            const uint8_t* p = b.ScanLine(y) + x * 4;
            out.push_back({p[0], p[1], p[2], p[3]});
        }
    return out;
}

struct Case {
    const char* name;
    std::function<bool(TBuinPicFilters&, TBitmap*)> op;
    std::vector<Px> in, out;
};
} // namespace

TEST(ColourFilters, ValuesOnChosenPixels) {
    const std::vector<Case> cases = {
        // grey = (r*77 + g*150 + b*29) >> 8
        {"Monochrome",
         [](TBuinPicFilters& f, TBitmap* b) { return f.Monochrome(b); },
         {{10, 20, 30, 7}, {255, 255, 255, 9}},
         {{21, 21, 21, 7}, {255, 255, 255, 9}}},
        {"Nega",
         [](TBuinPicFilters& f, TBitmap* b) { return f.Nega(b); },
         {{0, 100, 255, 5}},
         {{255, 155, 0, 5}}},
        {"Bright up",
         [](TBuinPicFilters& f, TBitmap* b) { return f.Bright(b, 100); },
         {{0, 100, 200, 1}},
         {{100, 200, 255, 1}}},
        {"Bright down",
         [](TBuinPicFilters& f, TBitmap* b) { return f.Bright(b, -150); },
         {{0, 100, 200, 1}},
         {{0, 0, 50, 1}}},
        {"ColorRevison",
         [](TBuinPicFilters& f, TBitmap* b) { return f.ColorRevison(b, 10, -20, 300); },
         {{1, 10, 250, 3}},
         {{255, 0, 255, 3}}},
        // k = 255/255 = 1: v + (v - 127.5), rounded half to even, clamped.
        {"Contrast",
         [](TBuinPicFilters& f, TBitmap* b) { return f.Contrast(b, 255); },
         {{127, 128, 200, 4}},
         {{126, 128, 255, 4}}},
        {"Solarization all",
         [](TBuinPicFilters& f, TBitmap* b) { return f.Solarization(b, 0, 100); },
         {{99, 100, 200, 2}},
         {{99, 155, 55, 2}}},
        {"Solarization third byte",
         [](TBuinPicFilters& f, TBitmap* b) { return f.Solarization(b, 3, 100); },
         {{200, 200, 200, 2}},
         {{200, 200, 55, 2}}},
        {"Solarization unknown channel",
         [](TBuinPicFilters& f, TBitmap* b) { return f.Solarization(b, 4, 0); },
         {{200, 200, 200, 2}},
         {{200, 200, 200, 2}}},
        // step 256 div 3 = 85
        {"Postlarization",
         [](TBuinPicFilters& f, TBitmap* b) { return f.Postlarization(b, 0, 3); },
         {{84, 85, 255, 6}},
         {{0, 85, 255, 6}}},
        {"Postlarization first byte",
         [](TBuinPicFilters& f, TBitmap* b) { return f.Postlarization(b, 1, 2); },
         {{127, 127, 127, 6}},
         {{0, 127, 127, 6}}},
        {"ChannelExchange",
         [](TBuinPicFilters& f, TBitmap* b) { return f.ChannelExchange(b, 0, 2, false, true); },
         {{10, 20, 30, 8}},
         {{225, 20, 10, 8}}},
        // Tint RGB(200, 100, 50): grey 128 takes entry 128 = tint * 127 / 128, just below the tint.
        {"Sepia",
         [](TBuinPicFilters& f, TBitmap* b) { return f.Sepia(b, 0x3264C8); },
         {{128, 128, 128, 9}, {0, 0, 0, 9}},
         {{49, 99, 198, 9}, {0, 0, 0, 9}}},
        {"Mosaic",
         [](TBuinPicFilters& f, TBitmap* b) { return f.Mosaic(b, 2, 1); },
         {{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}},
         {{1, 1, 1, 1}, {1, 1, 1, 1}, {3, 3, 3, 3}}},
        // In place: the second pixel averages the already blurred first one.
        {"Blur",
         [](TBuinPicFilters& f, TBitmap* b) { return f.Blur(b, 1); },
         {{0, 0, 0, 1}, {90, 90, 90, 2}, {0, 0, 0, 3}},
         {{45, 45, 45, 1}, {45, 45, 45, 2}, {22, 22, 22, 3}}},
    };
    for (const Case& c : cases) {
        TBitmap b;
        Row(b, c.in);
        TBuinPicFilters filters;
        EXPECT_TRUE(c.op(filters, &b)) << c.name;
        EXPECT_EQ(Pixels(b), c.out) << c.name;
    }
}

TEST(ColourFilters, RefusedArgumentsChangeNothing) {
    const std::vector<Case> cases = {
        {"Blur radius 0", [](TBuinPicFilters& f, TBitmap* b) { return f.Blur(b, 0); }, {}, {}},
        {"Blur negative radius", [](TBuinPicFilters& f, TBitmap* b) { return f.Blur(b, -3); }, {}, {}},
        {"Mosaic cell 0", [](TBuinPicFilters& f, TBitmap* b) { return f.Mosaic(b, 0, 1); }, {}, {}},
        {"Postlarization 0 levels",
         [](TBuinPicFilters& f, TBitmap* b) { return f.Postlarization(b, 0, 0); },
         {},
         {}},
        {"Postlarization 257 levels",
         [](TBuinPicFilters& f, TBitmap* b) { return f.Postlarization(b, 0, 257); },
         {},
         {}},
        {"ChannelExchange selector 3",
         [](TBuinPicFilters& f, TBitmap* b) { return f.ChannelExchange(b, 3, 0, false, false); },
         {},
         {}},
    };
    const std::vector<Px> pixels = {{10, 200, 30, 4}, {90, 0, 255, 5}};
    for (const Case& c : cases) {
        TBitmap b;
        Row(b, pixels);
        TBuinPicFilters filters;
        EXPECT_FALSE(c.op(filters, &b)) << c.name;
        EXPECT_EQ(Pixels(b), pixels) << c.name;
    }
}

TEST(ColourFilters, TwentyFourBitPixelsUseThreeBytes) {
    TBitmap b;
    b.SetPixelFormat(pf24bit);
    b.SetSize(2, 1);
    const uint8_t in[6] = {0, 10, 20, 30, 40, 50};
    std::copy(in, in + 6, b.ScanLine(0));
    ASSERT_TRUE(TBuinPicFilters().Nega(&b));
    const uint8_t* p = b.ScanLine(0);
    EXPECT_EQ(std::vector<uint8_t>(p, p + 6), (std::vector<uint8_t>{255, 245, 235, 225, 215, 205}));
}

TEST(ColourFilters, AffineTranslationFetchesBackwards) {
    TBitmap src;
    Row(src, {{1, 1, 1, 1}, {2, 2, 2, 2}, {3, 3, 3, 3}});
    TBitmap dst;
    Row(dst, {{9, 9, 9, 9}, {9, 9, 9, 9}, {9, 9, 9, 9}});
    TBuinPicFilters filters;
    // x' = x + 1: destination 0 has no source and keeps its pixel.
    ASSERT_TRUE(filters.Affine(&src, &dst, 1, 0, 0, 1, 1, 0));
    EXPECT_EQ(Pixels(dst), (std::vector<Px>{{9, 9, 9, 9}, {1, 1, 1, 1}, {2, 2, 2, 2}}));
    // x' = -x + 2: a mirror.
    ASSERT_TRUE(filters.Affine(&src, &dst, -1, 0, 0, 1, 2, 0));
    EXPECT_EQ(Pixels(dst), (std::vector<Px>{{3, 3, 3, 3}, {2, 2, 2, 2}, {1, 1, 1, 1}}));
    // A mapping without inverse is refused.
    EXPECT_FALSE(filters.Affine(&src, &dst, 1, 1, 1, 1, 0, 0));
}
