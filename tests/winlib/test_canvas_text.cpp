#include "test_canvas_util.h"

#include <gtest/gtest.h>

namespace {

// Rows and columns that hold any non-white pixel.
TRect InkBounds(TBitmap& b) {
    TRect r(b.Width(), b.Height(), -1, -1);
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (b.Canvas()->Pixel(x, y) != clWhite) {
                r.Left = std::min(r.Left, x), r.Top = std::min(r.Top, y);
                r.Right = std::max(r.Right, x + 1), r.Bottom = std::max(r.Bottom, y + 1);
            }
    return r;
}

} // namespace

TEST(CanvasText, PositiveHeightIsTheCellHeightForAnyString) {
    TBitmap b;
    MakeWhite(b, 10, 10);
    TCanvas* c = b.Canvas();
    for (int h : {7, 12, 20, 37}) {
        c->Font()->SetHeight(h);
        EXPECT_EQ(c->TextHeight("Wq"), h);
        EXPECT_EQ(c->TextHeight("."), h);
    }
    c->Font()->SetHeight(-12); // em height: the cell is taller
    EXPECT_GT(c->TextHeight("Wq"), 12);
}

TEST(CanvasText, OpaqueTextFillsItsCellWithTheBrush) {
    TBitmap b;
    MakeWhite(b, 200, 60);
    TCanvas* c = b.Canvas();
    c->Font()->SetHeight(20);
    c->Font()->SetColor(clBlack);
    c->Brush()->SetColor(clYellow);
    c->TextOut(10, 15, "Wq");
    const int w = c->TextWidth("Wq");
    ASSERT_GT(w, 0);
    // The cell is exactly (10, 15) .. (10 + w, 15 + 20): its background is the brush colour.
    EXPECT_EQ(c->Pixel(10, 15), clYellow);
    EXPECT_EQ(c->Pixel(10 + w - 1, 15 + 19), clYellow);
    EXPECT_EQ(c->Pixel(9, 15), clWhite);
    EXPECT_EQ(c->Pixel(10, 14), clWhite);
    EXPECT_EQ(c->Pixel(10 + w, 20), clWhite);
    EXPECT_EQ(c->Pixel(12, 15 + 20), clWhite);
    EXPECT_EQ(c->PenPos(), Point(10 + w, 15));
}

TEST(CanvasText, ClearBrushDrawsOnlyTheGlyphsInsideTheCell) {
    TBitmap b;
    MakeWhite(b, 200, 60);
    TCanvas* c = b.Canvas();
    c->Font()->SetHeight(24);
    c->Font()->SetColor(clRed);
    c->Brush()->SetStyle(bsClear);
    c->TextOut(20, 10, "Hg");
    const TRect ink = InkBounds(b);
    ASSERT_GT(ink.Right, ink.Left);
    EXPECT_GE(ink.Top, 10);
    EXPECT_LE(ink.Bottom, 10 + 24);
    EXPECT_GE(ink.Left, 20);
    EXPECT_LE(ink.Right, 20 + c->TextWidth("Hg") + 1);
    EXPECT_EQ(c->Pixel(20, 10), clWhite); // no background
    bool red = false;
    for (int y = ink.Top; y < ink.Bottom; ++y)
        for (int x = ink.Left; x < ink.Right; ++x)
            red |= c->Pixel(x, y) == clRed;
    EXPECT_TRUE(red);
}

TEST(CanvasText, JapaneseTextRendersInTheProgramsFontNames) {
    for (const char* name :
         {"ＭＳ ゴシック", "ＭＳ Ｐゴシック", "ＭＳ 明朝", "ＭＳ Ｐ明朝", "MS UI Gothic", "NoSuchFont"}) {
        TBitmap b;
        MakeWhite(b, 120, 40);
        TCanvas* c = b.Canvas();
        c->Font()->SetName(name);
        c->Font()->SetHeight(20);
        c->Brush()->SetStyle(bsClear);
        c->TextOut(2, 2, "日本語");
        EXPECT_GT(c->TextWidth("日本語"), 30) << name;
        EXPECT_GT(CountNonWhite(b), 20) << name;
        EXPECT_EQ(c->Font()->Name(), name); // the stored name is never replaced
    }
}
