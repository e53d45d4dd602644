#include "test_abitmap_helpers.h"

#include "winlib/SysUtils.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

namespace {

TEST(TABitmap, StaysThirtyTwoBitAfterEverySizeChange) {
    TABitmap b;
    EXPECT_EQ(b.PixelFormat(), pf32bit);
    EXPECT_TRUE(b.Empty());

    b.SetPixelFormat(pf24bit);
    b.SetSize(7, 5);
    EXPECT_EQ(b.PixelFormat(), pf32bit);
    EXPECT_EQ(b.Width(), 7);
    EXPECT_EQ(b.Height(), 5);

    b.SetPixelFormat(pf8bit);
    b.SetWidth(9); // through the graphic's width setter
    EXPECT_EQ(b.PixelFormat(), pf32bit);
    EXPECT_EQ(b.Width(), 9);

    b.SetSizeP(TPoint(3, 4));
    EXPECT_EQ(b.Width(), 3);
    EXPECT_EQ(b.Height(), 4);

    b.SetPixelFormat(pf24bit);
    b.Zero();
    EXPECT_EQ(b.Width(), 0);
    EXPECT_EQ(b.Height(), 0);
    EXPECT_EQ(b.PixelFormat(), pf32bit);
}

TEST(TABitmap, ResizeKeepsTopLeftPixels) {
    TABitmap b;
    b.SetSize(2, 2);
    b.PutRGB(1, 1, 10, 20, 30);
    b.SetSize(4, 3);
    uint8_t r, g, bl;
    b.GetRGB(1, 1, r, g, bl);
    EXPECT_EQ(r, 10);
    EXPECT_EQ(g, 20);
    EXPECT_EQ(bl, 30);
}

// A 24-bit picture with a known pixel, saved as a Windows bitmap.
static void Make24(TBitmap& src) {
    src.SetPixelFormat(pf24bit);
    src.SetSize(3, 2);
    uint8_t* row = src.ScanLine(1);
    row[3] = 1; // pixel (1,1): blue, green, red
    row[4] = 2;
    row[5] = 3;
}

static void ExpectLoaded(const TABitmap& b) {
    EXPECT_EQ(b.PixelFormat(), pf32bit);
    ASSERT_EQ(b.Width(), 3);
    ASSERT_EQ(b.Height(), 2);
    EXPECT_EQ(At(b, 1, 1), (Pixel{1, 2, 3, 0}));
}

TEST(TABitmap, AssignedTwentyFourBitPictureBecomesThirtyTwoBit) {
    TBitmap src;
    Make24(src);
    TABitmap assigned;
    assigned.Assign(&src);
    ExpectLoaded(assigned);
    EXPECT_EQ(src.PixelFormat(), pf24bit); // the source is not touched
}

TEST(TABitmap, LoadedTwentyFourBitFileBecomesThirtyTwoBit) {
    TBitmap src;
    Make24(src);
    TMemoryStream stream;
    src.SaveToStream(&stream);
    stream.SetPosition(0);
    TABitmap fromStream;
    fromStream.LoadFromStream(&stream);
    ExpectLoaded(fromStream);

    const std::string path = testing::TempDir() + "abitmap24.bmp";
    stream.SaveToFile(path);
    TABitmap fromFile;
    fromFile.LoadFromFile(path);
    std::remove(path.c_str());
    ExpectLoaded(fromFile);
}

TEST(TABitmap, LoadFailureReachesTheCaller) {
    TMemoryStream junk;
    junk.WriteBuffer("not a bitmap", 12);
    junk.SetPosition(0);
    TABitmap b;
    EXPECT_THROW(b.LoadFromStream(&junk), EInvalidGraphic);
}

TEST(TABitmap, PixelAccessUsesMemoryOrderBlueGreenRed) {
    TABitmap b;
    b.SetSize(2, 2);
    Set(b, 1, 0, {9, 9, 9, 77});
    b.PutColor(1, 0, RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(At(b, 1, 0), (Pixel{0x33, 0x22, 0x11, 77})); // fourth byte unchanged

    TColor c = 0;
    b.GetColor(1, 0, c);
    EXPECT_EQ(c, 0x332211);

    // Outside the bitmap nothing is written and black is read.
    b.PutRGB(2, 0, 1, 1, 1);
    b.PutRGB(0, -1, 1, 1, 1);
    c = 5;
    b.GetColor(-1, 0, c);
    EXPECT_EQ(c, 0);
    b.GetColor(0, 2, c);
    EXPECT_EQ(c, 0);
}

TEST(TABitmap, FillSetsEveryPixelAndClearsTheFourthByte) {
    TABitmap b;
    b.FillBMP(1, 2, 3); // empty: nothing to do, nothing to break
    b.SetSize(3, 2);
    Fill(b, {7, 7, 7, 7});
    b.FillBMP(255, 0, 0);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(At(b, x, y), (Pixel{0, 0, 255, 0}));
}

TEST(SetXYWHAuto, ClipsToTheDestination) {
    struct Case {
        int sx, sy, w, h, dx, dy; // in
        bool ok;
        int osx, osy, ow, oh, odx, ody; // out
    };
    const Case cases[] = {
        {0, 0, 5, 5, 2, 3, true, 0, 0, 5, 5, 2, 3},      // inside
        {0, 0, 30, 4, -10, 0, true, 10, 0, 15, 4, 0, 0}, // left and right: source columns 10..24
        {1, 2, 5, 9, 0, -3, true, 1, 5, 5, 6, 0, 0},     // top
        {0, 0, 9, 9, 12, 5, true, 0, 0, 3, 5, 12, 5},    // right and bottom
        {0, 0, 5, 5, 15, 0, false, 0, 0, 5, 5, 15, 0},   // starts at the right edge
        {0, 0, 5, 5, 0, 10, false, 0, 0, 5, 5, 0, 10},   // starts at the bottom edge
        {0, 0, 5, 5, -5, 0, false, 0, 0, 5, 5, -5, 0},   // wholly left
        {0, 0, 5, 2, 0, -2, false, 0, 0, 5, 2, 0, -2},   // wholly above
        {3, 3, 0, 4, 1, 1, true, 3, 3, 0, 4, 1, 1},      // empty width passes through
    };
    for (const Case& c : cases) {
        int sx = c.sx, sy = c.sy, w = c.w, h = c.h, dx = c.dx, dy = c.dy, dw = 15, dh = 10;
        SCOPED_TRACE(testing::Message() << "dx=" << c.dx << " dy=" << c.dy << " w=" << c.w << " h=" << c.h);
        EXPECT_EQ(SetXYWHAuto(sx, sy, w, h, dx, dy, dw, dh), c.ok);
        EXPECT_EQ(sx, c.osx);
        EXPECT_EQ(sy, c.osy);
        EXPECT_EQ(w, c.ow);
        EXPECT_EQ(h, c.oh);
        EXPECT_EQ(dx, c.odx);
        EXPECT_EQ(dy, c.ody);
        EXPECT_EQ(dw, 15);
        EXPECT_EQ(dh, 10);
    }
}

struct AlphaPair {
    TABitmap src, dst;
    AlphaPair(int sw, int sh, Pixel s, int dw, int dh, Pixel d) {
        src.SetSize(sw, sh);
        Fill(src, s);
        dst.SetSize(dw, dh);
        Fill(dst, d);
    }
};

TEST(ColorAlpha, BlendsAllFourBytesWithoutRounding) {
    struct Case {
        uint8_t s, d;
        uint16_t a;
        uint8_t expect;
    };
    const Case cases[] = {
        {0, 255, 255, 0},     // one part in 256 of the destination is left, truncated away
        {255, 255, 255, 255}, //
        {0, 255, 300, 0},     // above 255 counts as 255
        {200, 100, 127, 149}, // (200*127 + 100*129) >> 8
        {0, 255, 127, 128},   // the program's default over white
        {90, 17, 0, 17},      // opacity 0 leaves the destination
        {255, 0, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "s=" << int(c.s) << " d=" << int(c.d) << " a=" << c.a);
        AlphaPair p(4, 3, {c.s, c.s, c.s, c.s}, 4, 3, {c.d, c.d, c.d, c.d});
        p.src.ColorAlpha(0, 0, 4, 3, 0, 0, &p.dst, c.a);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                ASSERT_EQ(At(p.dst, x, y), (Pixel{c.expect, c.expect, c.expect, c.expect}));
    }
}

TEST(ColorAlpha, ClippedPlacementTakesTheMatchingSourceColumns) {
    TABitmap src, dst;
    src.SetSize(30, 2);
    for (int x = 0; x < 30; ++x)
        Set(src, x, 0, {uint8_t(x), 0, 0, 0});
    dst.SetSize(15, 2);
    Fill(dst, {0, 0, 0, 0});
    src.ColorAlpha(-10, 0, 30, 1, 0, 0, &dst, 255);
    for (int x = 0; x < 15; ++x)
        EXPECT_EQ(At(dst, x, 0)[0], ((x + 10) * 255) >> 8) << x;
    for (int x = 0; x < 15; ++x)
        EXPECT_EQ(At(dst, x, 1), (Pixel{0, 0, 0, 0})); // row outside the rectangle
}

TEST(ColorAlpha, LeavesTheDestinationAloneWhenNothingIsLeft) {
    struct Case {
        const char* what;
        int dx, dy, w, h, sx, sy;
        int srcW, srcH;
        TPixelFormat dstFormat;
    };
    const Case cases[] = {
        {"starts at the right edge", 6, 0, 3, 3, 0, 0, 8, 8, pf32bit},
        {"starts at the bottom edge", 0, 4, 3, 3, 0, 0, 8, 8, pf32bit},
        {"wholly left", -3, 0, 3, 3, 0, 0, 8, 8, pf32bit},
        {"wholly above", 0, -5, 3, 5, 0, 0, 8, 8, pf32bit},
        {"zero width", 0, 0, 0, 3, 0, 0, 8, 8, pf32bit},
        {"negative height", 0, 0, 3, -1, 0, 0, 8, 8, pf32bit},
        {"empty source", 0, 0, 3, 3, 0, 0, 0, 0, pf32bit},
        {"source without rows", 0, 0, 3, 3, 0, 0, 8, 0, pf32bit},
        {"source position past the source", 0, 0, 3, 3, 8, 0, 8, 8, pf32bit},
        {"destination not 32-bit", 0, 0, 3, 3, 0, 0, 8, 8, pf24bit},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TABitmap src;
        src.SetSize(c.srcW, c.srcH);
        Fill(src, {200, 200, 200, 200});
        TBitmap dst;
        dst.SetPixelFormat(pf32bit);
        dst.SetSize(6, 4);
        Fill(dst, {1, 2, 3, 4});
        dst.SetPixelFormat(c.dstFormat);
        TBitmap before;
        before.Assign(&dst);
        src.ColorAlpha(c.dx, c.dy, c.w, c.h, c.sx, c.sy, &dst, 255);
        for (int y = 0; y < 4; ++y)
            ASSERT_EQ(std::memcmp(dst.ScanLine(y), before.ScanLine(y), dst.BytesPerScanline()), 0) << y;
    }
    TABitmap src;
    src.SetSize(2, 2);
    src.ColorAlpha(0, 0, 2, 2, 0, 0, nullptr, 255); // no destination at all
}

TEST(ColorAlpha, RectangleReachingPastTheSourceBlendsOnlyWhatTheSourceHas) {
    struct Case {
        const char* what;
        int dx, dy, sx, sy;
        int firstX, firstY, lastX, lastY; // destination pixels that change
    };
    // Source 4 x 3, destination 8 x 8, rectangle 6 x 6.
    const Case cases[] = {
        {"past the source's right and bottom", 1, 1, 0, 0, 1, 1, 4, 3},
        {"source position inside, past the edges", 0, 0, 2, 1, 0, 0, 1, 1},
        {"negative source position", 0, 0, -2, -1, 2, 1, 5, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AlphaPair p(4, 3, {255, 255, 255, 255}, 8, 8, {0, 0, 0, 0});
        p.src.ColorAlpha(c.dx, c.dy, 6, 6, c.sx, c.sy, &p.dst, 255);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                const bool inside = x >= c.firstX && x <= c.lastX && y >= c.firstY && y <= c.lastY;
                ASSERT_EQ(At(p.dst, x, y)[0], inside ? 254 : 0) << x << "," << y;
            }
    }
}

TEST(ColorAlpha, BlendingABitmapOntoItselfWalksForward) {
    TABitmap b;
    b.SetSize(3, 1);
    Set(b, 0, 0, {200, 0, 0, 0});
    Set(b, 1, 0, {0, 0, 0, 0});
    Set(b, 2, 0, {0, 0, 0, 0});
    b.ColorAlpha(1, 0, 2, 1, 0, 0, &b, 128); // pixel 1 is blended before it is read as a source
    EXPECT_EQ(At(b, 1, 0)[0], 100);
    EXPECT_EQ(At(b, 2, 0)[0], 50);
}

// Each member applied to one pixel: source s, destination d, expected result.
TEST(BlendFamily, CombinesOnePixelAsDocumented) {
    using Op = std::function<void(TABitmap&, TABitmap&)>;
    struct Case {
        const char* what;
        Pixel s, d, expect;
        Op op;
    };
    auto rect = [](auto fn) { return Op([fn](TABitmap& s, TABitmap& d) { fn(s, d); }); };
    const TColor key = RGB(30, 20, 10); // memory bytes 10, 20, 30
    const Case cases[] = {
        {"ColorKey copies a non-key pixel whole",
         {1, 2, 3, 4},
         {9, 9, 9, 9},
         {1, 2, 3, 4},
         rect([&](TABitmap& s, TABitmap& d) { s.ColorKey(0, 0, 1, 1, 0, 0, &d, key); })},
        {"ColorKey skips the key colour whatever its fourth byte",
         {10, 20, 30, 99},
         {9, 9, 9, 9},
         {9, 9, 9, 9},
         rect([&](TABitmap& s, TABitmap& d) { s.ColorKey(0, 0, 1, 1, 0, 0, &d, key); })},
        {"ColorKey resolves a system key colour",
         {0xC0, 0xC0, 0xC0, 0},
         {9, 9, 9, 9},
         {9, 9, 9, 9},
         rect([&](TABitmap& s, TABitmap& d) {
             const TColor face = ColorToRGB(clBtnFace);
             Set(s, 0, 0, {uint8_t(GetBValue(face)), uint8_t(GetGValue(face)), uint8_t(GetRValue(face)), 0});
             s.ColorKey(0, 0, 1, 1, 0, 0, &d, clBtnFace);
         })},
        {"ColorKeyAlpha blends the colour bytes only",
         {200, 0, 255, 255},
         {100, 255, 0, 7},
         {149, 128, 126, 7},
         rect([&](TABitmap& s, TABitmap& d) { s.ColorKeyAlpha(0, 0, 1, 1, 0, 0, &d, key, 127); })},
        {"ColorKeyAlpha skips the key colour",
         {10, 20, 30, 0},
         {100, 100, 100, 7},
         {100, 100, 100, 7},
         rect([&](TABitmap& s, TABitmap& d) { s.ColorKeyAlpha(0, 0, 1, 1, 0, 0, &d, key, 127); })},
        {"ColorKeyAlphaMMX blends the fourth byte too",
         {200, 0, 255, 255},
         {100, 255, 0, 7},
         {149, 128, 126, 130},
         rect([&](TABitmap& s, TABitmap& d) { s.ColorKeyAlphaMMX(0, 0, 1, 1, 0, 0, &d, key, 127); })},
        {"ColorAlphaPic with an opaque source",
         {255, 0, 100, 0},
         {0, 255, 50, 33},
         {254, 0, 99, 33},
         rect([](TABitmap& s, TABitmap& d) { s.ColorAlphaPic(0, 0, 1, 1, 0, 0, &d); })},
        {"ColorAlphaPic half clear",
         {255, 0, 100, 128},
         {0, 255, 50, 33},
         {126, 128, 74, 33},
         rect([](TABitmap& s, TABitmap& d) { s.ColorAlphaPic(0, 0, 1, 1, 0, 0, &d); })},
        {"ColorAlphaPic with a clear source",
         {255, 0, 100, 255},
         {0, 255, 50, 33},
         {0, 255, 50, 33},
         rect([](TABitmap& s, TABitmap& d) { s.ColorAlphaPic(0, 0, 1, 1, 0, 0, &d); })},
        {"ColorAlphaPicCh copies an opaque source exactly",
         {255, 0, 100, 0},
         {0, 255, 50, 33},
         {255, 0, 100, 33},
         rect([](TABitmap& s, TABitmap& d) { s.ColorAlphaPicCh(0, 0, 1, 1, 0, 0, &d); })},
        {"ColorAlphaPicCh half clear",
         {255, 0, 100, 128},
         {0, 255, 50, 33},
         {126, 128, 74, 33},
         rect([](TABitmap& s, TABitmap& d) { s.ColorAlphaPicCh(0, 0, 1, 1, 0, 0, &d); })},
        // t = ((256 - 64) * 200) >> 8 = 150
        {"ColorAlphaPicAlpha",
         {255, 0, 100, 64},
         {0, 255, 50, 33},
         {149, 105, 79, 33},
         rect([](TABitmap& s, TABitmap& d) { s.ColorAlphaPicAlpha(0, 0, 1, 1, 0, 0, &d, 200); })},
        {"ColorAlphaPicAlpha at 256 copies an opaque source",
         {255, 0, 100, 0},
         {0, 255, 50, 33},
         {255, 0, 100, 33},
         rect([](TABitmap& s, TABitmap& d) { s.ColorAlphaPicAlpha(0, 0, 1, 1, 0, 0, &d, 256); })},
        {"ColorAlphaPicAlpha above 256 counts as 256",
         {255, 0, 100, 0},
         {0, 255, 50, 33},
         {255, 0, 100, 33},
         rect([](TABitmap& s, TABitmap& d) { s.ColorAlphaPicAlpha(0, 0, 1, 1, 0, 0, &d, 9999); })},
        {"ColorAlphaPicAlphaCh",
         {255, 0, 100, 64},
         {0, 255, 50, 33},
         {149, 105, 79, 33},
         rect([](TABitmap& s, TABitmap& d) { s.ColorAlphaPicAlphaCh(0, 0, 1, 1, 0, 0, &d, 200); })},
        {"ColorAlphaPicAlphaCh above 255 counts as 255",
         {255, 0, 100, 0},
         {0, 255, 50, 33},
         {254, 0, 99, 33},
         rect([](TABitmap& s, TABitmap& d) { s.ColorAlphaPicAlphaCh(0, 0, 1, 1, 0, 0, &d, 256); })},
        {"CopyAlpha32 includes the fourth byte",
         {255, 0, 100, 64},
         {0, 255, 50, 33},
         {149, 105, 79, 51},
         rect([](TABitmap& s, TABitmap& d) { s.CopyAlpha32(0, 0, 1, 1, 0, 0, &d, 200); })},
        {"RectAngleAlpha tints the colour bytes",
         {0, 0, 0, 0},
         {200, 100, 0, 33},
         {150, 100, 50, 33},
         rect([](TABitmap&, TABitmap& d) { d.RectAngleAlpha(0, 0, 1, 1, RGB(200, 100, 0), 64); })},
        {"RectAngleAlpha resolves a system colour",
         {0, 0, 0, 0},
         {0, 0, 0, 33},
         {uint8_t((GetBValue(ColorToRGB(clBtnFace)) * 255) >> 8),
          uint8_t((GetGValue(ColorToRGB(clBtnFace)) * 255) >> 8),
          uint8_t((GetRValue(ColorToRGB(clBtnFace)) * 255) >> 8), 33},
         rect([](TABitmap&, TABitmap& d) { d.RectAngleAlpha(0, 0, 1, 1, clBtnFace, 255); })},
        {"ColorAdd saturates",
         {200, 100, 0, 255},
         {100, 100, 100, 255},
         {200, 150, 100, 255},
         rect([](TABitmap& s, TABitmap& d) { s.ColorAdd(0, 0, 1, 1, 0, 0, &d, 128); })},
        {"ColorAdd with a large opacity",
         {2, 1, 0, 0},
         {10, 10, 10, 10},
         {13, 11, 10, 10},
         rect([](TABitmap& s, TABitmap& d) { s.ColorAdd(0, 0, 1, 1, 0, 0, &d, 400); })},
        {"ColorSub stops at 0",
         {200, 100, 0, 255},
         {50, 100, 100, 200},
         {0, 50, 100, 73},
         rect([](TABitmap& s, TABitmap& d) { s.ColorSub(0, 0, 1, 1, 0, 0, &d, 128); })},
        {"ColorSub with a large opacity",
         {255, 1, 0, 0},
         {255, 240, 10, 10},
         {0, 6, 10, 10},
         rect([](TABitmap& s, TABitmap& d) { s.ColorSub(0, 0, 1, 1, 0, 0, &d, 60000); })},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AlphaPair p(1, 1, c.s, 1, 1, c.d);
        c.op(p.src, p.dst);
        EXPECT_EQ(At(p.dst, 0, 0), c.expect);
    }
}

TEST(BlendFamily, MaskWipeFollowsTheMaskLevels) {
    // edge bits 2: edge 4; level 100 gives L = (100 * 260) >> 8 = 101.
    // Mask values: 102 leaves, 101 blends 0/4, 99 blends 2/4, 97 copies exactly at 4/4, 0 copies.
    const uint8_t maskValues[] = {102, 101, 99, 97, 0};
    const Pixel leave{0, 255, 40, 9}, half{100, 155, 120, 9}, copy{200, 55, 200, 9};
    const Pixel expect[] = {leave, leave, half, copy, copy};
    TABitmap src, dst;
    src.SetSize(5, 1);
    Fill(src, {200, 55, 200, 0});
    dst.SetSize(6, 2);
    Fill(dst, leave);
    TBitmap mask;
    mask.SetPixelFormat(pf8bit);
    mask.SetSize(6, 1); // one row short of the destination
    for (int x = 0; x < 5; ++x)
        mask.ScanLine(0)[x] = maskValues[x];
    src.ColorAlphaPicTrans(0, 0, 5, 2, 0, 0, &dst, &mask, 100, 2);
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(At(dst, x, 0), expect[x]) << x;
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(At(dst, x, 1), leave) << "past the mask";

    // With the source weight scaled by (256 - A) >> 8, A = 128 halves every weight.
    Fill(src, {200, 55, 200, 128});
    Fill(dst, leave);
    src.ColorAlphaPicAlphaTrans(0, 0, 5, 1, 0, 0, &dst, &mask, 100, 2);
    const Pixel expectScaled[] = {leave, leave, Pixel{50, 205, 80, 9}, half, half};
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(At(dst, x, 0), expectScaled[x]) << x;

    // A mask that is not 8-bit is not read.
    mask.SetPixelFormat(pf24bit);
    Fill(dst, leave);
    src.ColorAlphaPicTrans(0, 0, 5, 1, 0, 0, &dst, &mask, 100, 2);
    EXPECT_EQ(At(dst, 4, 0), leave);
}

TEST(AbitmapHelpers, BitsAndBytes) {
    EXPECT_EQ(RoundByte(-1), 0);
    EXPECT_EQ(RoundByte(128), 128);
    EXPECT_EQ(RoundByte(256), 255);
    EXPECT_EQ(getbit(0x80, 0), 1);
    EXPECT_EQ(getbit(0x80, 1), 0);
    EXPECT_EQ(getbit(0x01, 7), 1);
    EXPECT_EQ(getbit(0xFF, 8), 0);
    EXPECT_EQ(setbit(0x00, 0, 1), 0x80);
    EXPECT_EQ(setbit(0x81, 7, 0), 0x81); // only sets bits
    EXPECT_EQ(setbit(0x10, 9, 1), 0x10);
    TBitmap empty;
    EXPECT_FALSE(SelfCheck(&empty));
    EXPECT_FALSE(SelfCheck(nullptr));
    empty.SetSize(1, 0);
    EXPECT_TRUE(SelfCheck(&empty)); // only the width counts
}

TEST(AbitmapHelpers, ProcessorIdentificationOnX86_64) {
#if defined(__x86_64__)
    EXPECT_TRUE(MMXCheck());
    EXPECT_TRUE(SSE2Check());
#else
    GTEST_SKIP() << "not an x86-64 processor";
#endif
}

TEST(AbitmapHelpers, ConvertsBetweenSeparateAndCombinedTransparency) {
    TBitmap colour, alpha, out;
    colour.SetPixelFormat(pf32bit);
    colour.SetSize(3, 2);
    Fill(colour, {1, 2, 3, 4});
    alpha.SetPixelFormat(pf24bit);
    alpha.SetSize(2, 1);       // smaller than the colour picture
    alpha.ScanLine(0)[3] = 77; // pixel (1,0) blue
    alpha.ScanLine(0)[4] = 88;
    Convert24Ato32(&colour, &alpha, &out);
    EXPECT_EQ(out.PixelFormat(), pf32bit);
    EXPECT_EQ(alpha.PixelFormat(), pf24bit);
    ASSERT_EQ(out.Width(), 3);
    ASSERT_EQ(out.Height(), 2);
    EXPECT_EQ(At(out, 1, 0), (Pixel{1, 2, 3, 77}));
    EXPECT_EQ(At(out, 2, 0), (Pixel{1, 2, 3, 0}));
    EXPECT_EQ(At(out, 0, 1), (Pixel{1, 2, 3, 0}));

    TBitmap grey;
    Convert24Ato8(&out, &grey);
    EXPECT_EQ(out.PixelFormat(), pf24bit);
    EXPECT_EQ(grey.PixelFormat(), pf8bit);
    ASSERT_EQ(grey.Width(), 3);
    ASSERT_EQ(grey.Height(), 2);
    EXPECT_EQ(grey.ScanLine(1)[2], 1);
}

} // namespace
