// The quarter turns and flips: where every pixel goes, the size exchange, the formats each accepts
// and the progress calls.
#include "shell/Buinpicfilters.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <utility>
#include <vector>

namespace {
// A bitmap whose every pixel differs: bytes (x, y, x*16+y, 200+x) for 24 or 32 bits.
void Numbered(TBitmap& b, int w, int h, TPixelFormat fmt) {
    b.SetPixelFormat(fmt);
    b.SetSize(w, h);
    const int stride = fmt == pf24bit ? 3 : 4;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = b.ScanLine(y) + x * stride;
            const uint8_t v[4] = {uint8_t(x), uint8_t(y), uint8_t(x * 16 + y), uint8_t(200 + x)};
            std::memcpy(p, v, stride);
        }
}

std::vector<uint8_t> Pixel(TBitmap& b, int x, int y) {
    const int stride = b.BitsPerPixel() / 8;
    const uint8_t* p = b.ScanLine(y) + x * stride;
    return {p, p + stride};
}

std::vector<uint8_t> Bytes(TBitmap& b) {
    std::vector<uint8_t> out;
    for (int y = 0; y < b.Height(); ++y) {
        const uint8_t* row = b.ScanLine(y);
        out.insert(out.end(), row, row + (b.Width() * b.BitsPerPixel() + 7) / 8);
    }
    return out;
}

bool Same(TBitmap& a, TBitmap& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() && Bytes(a) == Bytes(b);
}

using Op = bool (TBuinPicFilters::*)(TBitmap*);
} // namespace

class QuarterTurnFormats : public ::testing::TestWithParam<TPixelFormat> {};

TEST_P(QuarterTurnFormats, RightTurnMovesTheLeftColumnToTheTopRowReadUpwards) {
    TBitmap src;
    Numbered(src, 3, 2, GetParam());
    TBitmap b;
    Numbered(b, 3, 2, GetParam());
    ASSERT_TRUE(TBuinPicFilters().Rotate90Right(&b));
    ASSERT_EQ(b.Width(), 2);
    ASSERT_EQ(b.Height(), 3);
    EXPECT_EQ(b.PixelFormat(), GetParam());
    // Clockwise: new pixel (X, Y) is old pixel (Y, H - 1 - X), all bytes included.
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(Pixel(b, x, y), Pixel(src, y, 1 - x)) << x << "," << y;
}

TEST_P(QuarterTurnFormats, LeftTurnMovesTheRightColumnToTheTopRowReadDownwards) {
    TBitmap src;
    Numbered(src, 3, 2, GetParam());
    TBitmap b;
    Numbered(b, 3, 2, GetParam());
    ASSERT_TRUE(TBuinPicFilters().Rotate90Left(&b));
    ASSERT_EQ(b.Width(), 2);
    ASSERT_EQ(b.Height(), 3);
    // Counter-clockwise: new pixel (X, Y) is old pixel (W - 1 - Y, X).
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 2; ++x)
            EXPECT_EQ(Pixel(b, x, y), Pixel(src, 2 - y, x)) << x << "," << y;
}

TEST_P(QuarterTurnFormats, TurnSequencesThatComeBackToThePicture) {
    const std::vector<std::vector<Op>> cycles = {
        {&TBuinPicFilters::Rotate90Right, &TBuinPicFilters::Rotate90Right, &TBuinPicFilters::Rotate90Right,
         &TBuinPicFilters::Rotate90Right},
        {&TBuinPicFilters::Rotate90Left, &TBuinPicFilters::Rotate90Left, &TBuinPicFilters::Rotate90Left,
         &TBuinPicFilters::Rotate90Left},
        {&TBuinPicFilters::Rotate90Right, &TBuinPicFilters::Rotate90Left},
        {&TBuinPicFilters::Rotate90Left, &TBuinPicFilters::Rotate90Right},
        {&TBuinPicFilters::RotateMirror, &TBuinPicFilters::RotateMirror},
        {&TBuinPicFilters::RotateTopBottom, &TBuinPicFilters::RotateTopBottom},
    };
    for (size_t i = 0; i < cycles.size(); ++i) {
        TBitmap first;
        Numbered(first, 5, 3, GetParam());
        TBitmap b;
        Numbered(b, 5, 3, GetParam());
        TBuinPicFilters filters;
        for (Op op : cycles[i])
            ASSERT_TRUE((filters.*op)(&b)) << "sequence " << i;
        EXPECT_TRUE(Same(b, first)) << "sequence " << i;
    }
}

TEST_P(QuarterTurnFormats, FlipAndMirrorTogetherAreAHalfTurn) {
    TBitmap halfTurn;
    Numbered(halfTurn, 4, 3, GetParam());
    TBitmap b;
    Numbered(b, 4, 3, GetParam());
    TBuinPicFilters filters;
    filters.Rotate90Right(&halfTurn);
    filters.Rotate90Right(&halfTurn);
    ASSERT_TRUE(filters.RotateTopBottom(&b));
    ASSERT_TRUE(filters.RotateMirror(&b));
    EXPECT_TRUE(Same(b, halfTurn));
}

TEST_P(QuarterTurnFormats, MirrorAndFlipMoveColumnsAndRows) {
    TBitmap src;
    Numbered(src, 3, 2, GetParam());
    TBitmap mirrored;
    Numbered(mirrored, 3, 2, GetParam());
    TBitmap flipped;
    Numbered(flipped, 3, 2, GetParam());
    TBuinPicFilters filters;
    filters.RotateMirror(&mirrored);
    filters.RotateTopBottom(&flipped);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(Pixel(mirrored, x, y), Pixel(src, 2 - x, y));
            EXPECT_EQ(Pixel(flipped, x, y), Pixel(src, x, 1 - y));
        }
}

INSTANTIATE_TEST_SUITE_P(Formats, QuarterTurnFormats, ::testing::Values(pf24bit, pf32bit));

TEST(PictureFilters, OnePixelSurvivesEveryOperation) {
    const std::vector<std::pair<const char*, std::function<bool(TBuinPicFilters&, TBitmap*)>>> ops = {
        {"RotateTopBottom", [](TBuinPicFilters& f, TBitmap* b) { return f.RotateTopBottom(b); }},
        {"RotateMirror", [](TBuinPicFilters& f, TBitmap* b) { return f.RotateMirror(b); }},
        {"Rotate90Right", [](TBuinPicFilters& f, TBitmap* b) { return f.Rotate90Right(b); }},
        {"Rotate90Left", [](TBuinPicFilters& f, TBitmap* b) { return f.Rotate90Left(b); }},
        {"Mosaic", [](TBuinPicFilters& f, TBitmap* b) { return f.Mosaic(b, 3, 3); }},
        {"Blur", [](TBuinPicFilters& f, TBitmap* b) { return f.Blur(b, 2); }},
    };
    for (const auto& [name, op] : ops) {
        TBitmap first;
        Numbered(first, 1, 1, pf32bit);
        TBitmap b;
        Numbered(b, 1, 1, pf32bit);
        TBuinPicFilters filters;
        EXPECT_TRUE(op(filters, &b)) << name;
        EXPECT_TRUE(Same(b, first)) << name;
    }
}

TEST(PictureFilters, PalettedBitmapsAreOnlyFlipped) {
    for (TPixelFormat fmt : {pf8bit, pf1bit}) {
        TBitmap b;
        b.SetPixelFormat(fmt);
        b.SetSize(3, 2);
        // Row 0 holds pixel values 1, 0, 0 (leftmost first); row 1 is all 0.
        if (fmt == pf8bit)
            b.ScanLine(0)[0] = 1;
        else
            b.ScanLine(0)[0] = 0x80;
        const std::vector<uint8_t> before = Bytes(b);
        TBuinPicFilters filters;
        EXPECT_FALSE(filters.Rotate90Right(&b));
        EXPECT_FALSE(filters.Rotate90Left(&b));
        EXPECT_FALSE(filters.Monochrome(&b));
        EXPECT_FALSE(filters.Nega(&b));
        EXPECT_FALSE(filters.Blur(&b, 1));
        EXPECT_EQ(b.Width(), 3);
        EXPECT_EQ(Bytes(b), before);

        ASSERT_TRUE(filters.RotateMirror(&b));
        ASSERT_TRUE(filters.RotateTopBottom(&b));
        // The set pixel moved from the top-left corner to the bottom-right one.
        const uint8_t* top = b.ScanLine(0);
        const uint8_t* bottom = b.ScanLine(1);
        if (fmt == pf8bit) {
            EXPECT_EQ(std::vector<uint8_t>(top, top + 3), (std::vector<uint8_t>{0, 0, 0}));
            EXPECT_EQ(std::vector<uint8_t>(bottom, bottom + 3), (std::vector<uint8_t>{0, 0, 1}));
        } else {
            EXPECT_EQ(top[0] & 0xE0, 0);
            EXPECT_EQ(bottom[0] & 0xE0, 0x20);
        }
    }
}

TEST(PictureFilters, TurnsReportEveryRowAndFlipsNone) {
    std::vector<std::pair<int, int>> calls;
    TBuinPicFilters filters;
    filters.OnBusy = [&](int i, int all) { calls.emplace_back(i, all); };
    TBitmap b;
    Numbered(b, 3, 2, pf24bit);
    filters.Rotate90Right(&b); // two source rows
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{0, 2}, {1, 2}}));
    calls.clear();
    filters.Rotate90Left(&b); // now three source rows
    EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{0, 3}, {1, 3}, {2, 3}}));
    calls.clear();
    filters.RotateMirror(&b);
    filters.RotateTopBottom(&b);
    filters.Postlarization(&b, 0, 4);
    EXPECT_TRUE(calls.empty());
}

TEST(PictureFilters, EmptyBitmapsAreLeftAlone) {
    TBitmap b;
    b.SetPixelFormat(pf32bit);
    TBuinPicFilters filters;
    EXPECT_FALSE(filters.RotateMirror(&b));
    EXPECT_FALSE(filters.RotateTopBottom(&b));
    EXPECT_TRUE(filters.Rotate90Right(&b));
    EXPECT_EQ(b.Width(), 0);
    EXPECT_EQ(b.Height(), 0);
}
