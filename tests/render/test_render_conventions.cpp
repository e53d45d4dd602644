// The helpers every renderer shares: truncation, stacked lines, pen styles, parsing, fonts.
#include "RenderTestUtil.h"

#include "render/RenderConventions.h"
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

TEST(RenderConventions, StackCountIsTheNumberOfPixelsBelowTheThickness) {
    struct Case {
        double w;
        int n;
    };
    // 0.25 mm at 23.6 px/mm is 5.9 px: six lines.
    for (const Case& c : {Case{0.0, 0}, Case{-3.0, 0}, Case{0.01, 1}, Case{1.0, 1}, Case{1.2, 2},
                          Case{0.25 * 23.6, 6}, Case{6.0, 6}})
        EXPECT_EQ(StackCount(c.w), c.n) << c.w;
    EXPECT_THROW(StackCount(std::numeric_limits<double>::infinity()), EInvalidOp);
}

TEST(RenderConventions, StackLinesAreCentredOnThePosition) {
    struct Case {
        double across, w;
        std::vector<int> offsets;
    };
    const std::vector<Case> cases = {
        {100.0, 5.9, {97, 98, 99, 100, 101, 102}}, // 100 - 2.95 + j
        {10.5, 1.0, {10}},
        {10.0, 0.0, {}},
        {37.795, 0.189, {37}},
        // Truncation toward zero: both lines of a stack straddling 0 land on 0.
        {0.2, 2.0, {0, 0}},
    };
    for (const Case& c : cases) {
        std::vector<int> got;
        ForEachStackLine(c.across, c.w, [&](int o) { got.push_back(o); });
        EXPECT_EQ(got, c.offsets) << c.across << " " << c.w;
    }
}

namespace {
// A white 60 x 60 bitmap with a black solid one-pixel pen.
class StackOnBitmap : public ::testing::Test {
  protected:
    void SetUp() override {
        bmp.SetPixelFormat(pf32bit);
        bmp.SetSize(60, 60);
        c = bmp.Canvas();
        c->Brush()->SetColor(clWhite);
        c->FillRect(TRect(0, 0, 60, 60));
        c->Pen()->SetColor(clBlack);
        c->Pen()->SetWidth(1);
        c->Pen()->SetStyle(psSolid);
    }
    TBitmap bmp;
    TCanvas* c = nullptr;
};
} // namespace

TEST_F(StackOnBitmap, HorizontalStackCoversItsRowsAndLeavesOutTheEndPixel) {
    StackedHorizontal(c, 5, 30, 20.0, 3.78); // rows trunc(18.11 + j), j = 0..3
    const std::vector<Span> rows = rendertest::RowsAt(c, 12, 60, clWhite);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].first, 18);
    EXPECT_EQ(rows[0].last, 21);
    const std::vector<Span> cols = rendertest::ColumnsAt(c, 19, 60, clWhite);
    ASSERT_EQ(cols.size(), 1u);
    EXPECT_EQ(cols[0].first, 5);
    EXPECT_EQ(cols[0].last, 29);
}

TEST_F(StackOnBitmap, VerticalStackCoversItsColumns) {
    StackedVertical(c, 40.0, 2, 50, 1.2); // columns trunc(39.4) and trunc(40.4)
    const std::vector<Span> cols = rendertest::ColumnsAt(c, 25, 60, clWhite);
    ASSERT_EQ(cols.size(), 1u);
    EXPECT_EQ(cols[0].first, 39);
    EXPECT_EQ(cols[0].last, 40);
    const std::vector<Span> rows = rendertest::RowsAt(c, 39, 60, clWhite);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].first, 2);
    EXPECT_EQ(rows[0].last, 49);
}

TEST_F(StackOnBitmap, ZeroThicknessDrawsNothing) {
    StackedHorizontal(c, 0, 60, 30.0, 0.0);
    StackedVertical(c, 30.0, 0, 60, -1.0);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(c->Pixel(x, y), clWhite) << x << "," << y;
}

TEST_F(StackOnBitmap, StyledStackKeepsItsGapsInEveryLine) {
    SetLinePen(c, 1); // dash
    StackedHorizontal(c, 0, 60, 30.0, 3.0);
    for (int y : {28, 29, 30}) { // trunc(30 - 1.5 + j)
        const std::vector<Span> dashes = rendertest::ColumnsAt(c, y, 60, clWhite);
        EXPECT_GE(dashes.size(), 2u) << "row " << y; // the dash pattern shows as gaps
        EXPECT_EQ(Firsts(dashes), Firsts(rendertest::ColumnsAt(c, 29, 60, clWhite))) << "row " << y;
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
    EXPECT_STREQ(LineTypeItems[0], "実線");
    EXPECT_STREQ(LineTypeItems[4], "二点鎖線");
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
