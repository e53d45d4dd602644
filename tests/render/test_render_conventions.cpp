// The helpers every renderer shares: truncation, stacked lines, pen styles, parsing, fonts.
#include "RenderTestUtil.h"

#include "render/RenderConventions.h"
#include "render/StackPass.h"
#include "winlib/SysUtils.h"

#include <gtest/gtest.h>

#include <limits>

using rendertest::Firsts;
using rendertest::Span;

TEST(RenderConventions, ToPixelTruncatesTowardZero) {
    struct Case {
        double v;
        int px;
    };
    for (const Case& c : {Case{2.999, 2}, Case{-2.999, -2}, Case{-0.5, 0}, Case{0.0, 0}, Case{37.795, 37},
                          Case{2147483647.9, 2147483647}, Case{-2147483648.9, -2147483648}})
        EXPECT_EQ(ToPixel(c.v), c.px) << c.v;
}

TEST(RenderConventions, ToPixelRefusesWhatNoPixelCanHold) {
    for (double v : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity(), 2147483648.0, -2147483649.0, 1e300})
        EXPECT_THROW(ToPixel(v), EInvalidOp) << v;
}

namespace {
// A white 60 x 60 bitmap with a black solid one-pixel pen. Stack draws one thick line through
// the pass the renderers draw their stacks with.
class StackOnBitmap : public ::testing::Test {
  protected:
    void SetUp() override {
        bmp.SetPixelFormat(pf32bit);
        bmp.SetSize(kSize, kSize);
        c = bmp.Canvas();
        c->Brush()->SetColor(clWhite);
        c->FillRect(TRect(0, 0, kSize, kSize));
        c->Pen()->SetColor(clBlack);
        c->Pen()->SetWidth(1);
        c->Pen()->SetStyle(psSolid);
    }
    void Stack(bool horizontal, int from, int to, double across, double w) {
        TStackPass pass(c, horizontal, kSize);
        pass.Add(from, to, across, w);
        pass.Flush();
    }
    static constexpr int kSize = 60;
    TBitmap bmp;
    TCanvas* c = nullptr;
};
} // namespace

TEST_F(StackOnBitmap, AStackHasALineForEveryPixelBelowItsThicknessCentredOnItsPosition) {
    struct Case {
        double across, w;
        int first, last; // rows drawn in column 30; none when last < first
    };
    const Case cases[] = {
        {30.0, 0.0, 0, -1},
        {30.0, -3.0, 0, -1},
        {30.0, 0.01, 29, 29},        // 0 < w <= 1: exactly one line
        {30.0, 1.0, 29, 29},         // trunc(29.5)
        {30.0, 1.2, 29, 30},         // two lines
        {50.0, 0.25 * 23.6, 47, 52}, // 0.25 mm at 23.6 px/mm is 5.9 px: six lines from trunc(47.05)
        {30.0, 6.0, 27, 32},
        {10.5, 1.0, 10, 10},
        {37.795, 0.189, 37, 37},
        // Truncation toward zero: both lines of a stack straddling 0 land on row 0.
        {0.2, 2.0, 0, 0},
    };
    for (const Case& k : cases) {
        SetUp();
        Stack(true, 0, kSize, k.across, k.w);
        const std::vector<Span> rows = rendertest::RowsAt(c, 30, kSize, clWhite);
        if (k.last < k.first) {
            EXPECT_TRUE(rows.empty()) << k.across << " " << k.w;
            continue;
        }
        ASSERT_EQ(rows.size(), 1u) << k.across << " " << k.w;
        EXPECT_EQ(rows[0].first, k.first) << k.across << " " << k.w;
        EXPECT_EQ(rows[0].last, k.last) << k.across << " " << k.w;
    }
}

TEST_F(StackOnBitmap, HorizontalStackCoversItsRowsAndLeavesOutTheEndPixel) {
    Stack(true, 5, 30, 20.0, 3.78); // rows trunc(18.11 + j), j = 0..3
    const std::vector<Span> rows = rendertest::RowsAt(c, 12, kSize, clWhite);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].first, 18);
    EXPECT_EQ(rows[0].last, 21);
    const std::vector<Span> cols = rendertest::ColumnsAt(c, 19, kSize, clWhite);
    ASSERT_EQ(cols.size(), 1u);
    EXPECT_EQ(cols[0].first, 5);
    EXPECT_EQ(cols[0].last, 29);
}

TEST_F(StackOnBitmap, VerticalStackCoversItsColumns) {
    Stack(false, 2, 50, 40.0, 1.2); // columns trunc(39.4) and trunc(40.4)
    const std::vector<Span> cols = rendertest::ColumnsAt(c, 25, kSize, clWhite);
    ASSERT_EQ(cols.size(), 1u);
    EXPECT_EQ(cols[0].first, 39);
    EXPECT_EQ(cols[0].last, 40);
    const std::vector<Span> rows = rendertest::RowsAt(c, 39, kSize, clWhite);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].first, 2);
    EXPECT_EQ(rows[0].last, 49);
}

TEST_F(StackOnBitmap, ZeroThicknessDrawsNothing) {
    Stack(true, 0, kSize, 30.0, 0.0);
    Stack(false, 0, kSize, 30.0, -1.0);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            ASSERT_EQ(c->Pixel(x, y), clWhite) << x << "," << y;
}

TEST_F(StackOnBitmap, StyledStackKeepsItsGapsInEveryLine) {
    SetLinePen(c, 1); // dash
    Stack(true, 0, kSize, 30.0, 3.0);
    for (int y : {28, 29, 30}) { // trunc(30 - 1.5 + j)
        const std::vector<Span> dashes = rendertest::ColumnsAt(c, y, kSize, clWhite);
        EXPECT_GE(dashes.size(), 2u) << "row " << y; // the dash pattern shows as gaps
        EXPECT_EQ(Firsts(dashes), Firsts(rendertest::ColumnsAt(c, 29, kSize, clWhite))) << "row " << y;
    }
}

TEST(RenderConventions, PenStyleFollowsTheLineTypeList) {
    struct Case {
        int index;
        TPenStyle style;
    };
    for (const Case& c : {Case{0, psSolid}, Case{1, psDash}, Case{2, psDot}, Case{3, psDashDot},
                          Case{4, psDashDotDot}, Case{-1, psSolid}, Case{5, psSolid}})
        EXPECT_EQ(PenStyleOf(c.index), c.style) << c.index;
}

TEST(RenderConventions, SetLinePenGoesBackToOnePixel) {
    TBitmap bmp;
    bmp.SetSize(4, 4);
    bmp.Canvas()->Pen()->SetWidth(5);
    SetLinePen(bmp.Canvas(), 3);
    EXPECT_EQ(bmp.Canvas()->Pen()->Style(), psDashDot);
    EXPECT_EQ(bmp.Canvas()->Pen()->Width(), 1);
}

TEST(RenderConventions, ThicknessFallsBackToItsDefault) {
    struct Case {
        const char* text;
        double mm;
    };
    for (const Case& c : {Case{"0.5", 0.5}, Case{"0", 0.0}, Case{" 2", 2.0}, Case{"abc", 0.1}, Case{"", 0.1},
                          Case{"0,5", 0.1}})
        EXPECT_DOUBLE_EQ(ParseThickness(c.text), c.mm) << c.text;
    EXPECT_DOUBLE_EQ(ParseThickness("x", 0.3), 0.3);
}

TEST(RenderConventions, FontSizeCountsAsMillimetresOfCellHeight) {
    // 5 mm in a 40 % preview at 96 pixels per inch is 7 pixels; on a 600 dpi printer 118.
    EXPECT_EQ(FontHeightPx(5, 1.5118110f), 7);
    EXPECT_EQ(FontHeightPx(5, 600 / 25.4), 118);
    TFont font;
    SetFontSizeMm(&font, 5, 1.5118110f);
    EXPECT_EQ(font.Height(), 7);
}
