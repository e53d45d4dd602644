#include "test_canvas_util.h"

#include <gtest/gtest.h>

namespace {

// A 2 x 2 source: red, green / blue, black; 32 bits with a fourth byte that is not 255.
void MakeSource(TBitmap& s) {
    s.SetPixelFormat(pf32bit);
    s.SetSize(2, 2);
    const uint32_t px[2][2] = {{0x000000FF, 0x0000FF00}, {0x00FF0000, 0x00000000}};
    for (int y = 0; y < 2; ++y) {
        uint8_t* row = s.ScanLine(y);
        for (int x = 0; x < 2; ++x) {
            row[4 * x] = uint8_t(px[y][x] >> 16); // B
            row[4 * x + 1] = uint8_t(px[y][x] >> 8);
            row[4 * x + 2] = uint8_t(px[y][x]);
            row[4 * x + 3] = 0; // never read as alpha
        }
    }
}

} // namespace

TEST(CanvasDraw, StretchDrawIsNearestNeighbour) {
    TBitmap s, b;
    MakeSource(s);
    MakeWhite(b, 6, 6);
    b.Canvas()->StretchDraw(Rect(1, 1, 5, 5), &s);
    TCanvas* c = b.Canvas();
    const TColor expect[4][4] = {{clRed, clRed, clLime, clLime},
                                 {clRed, clRed, clLime, clLime},
                                 {clBlue, clBlue, clBlack, clBlack},
                                 {clBlue, clBlue, clBlack, clBlack}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(c->Pixel(1 + x, 1 + y), expect[y][x]) << x << "," << y;
    EXPECT_EQ(c->Pixel(0, 0), clWhite);
    EXPECT_EQ(c->Pixel(5, 5), clWhite);
}

TEST(CanvasDraw, EmptyOrInvertedTargetDrawsNothing) {
    TBitmap s, b;
    MakeSource(s);
    MakeWhite(b, 6, 6);
    b.Canvas()->StretchDraw(Rect(1, 1, 1, 5), &s);
    b.Canvas()->StretchDraw(Rect(5, 5, 1, 1), &s);
    EXPECT_EQ(CountNonWhite(b), 0);
}

TEST(CanvasDraw, DrawCopiesAtNaturalSizeOntoEveryTargetFormat) {
    TBitmap s;
    MakeSource(s);
    for (TPixelFormat f : {pf32bit, pf24bit, pf16bit, pf8bit}) {
        TBitmap b;
        MakeWhite(b, 4, 4);
        b.SetPixelFormat(f);
        b.Canvas()->Draw(2, 1, &s);
        TCanvas* c = b.Canvas();
        EXPECT_EQ(c->Pixel(2, 1), clRed) << f;
        EXPECT_EQ(c->Pixel(3, 2), clBlack) << f;
        EXPECT_EQ(c->Pixel(1, 1), clWhite) << f;
    }
}

TEST(CanvasDraw, PaintingAnIndexedBitmapWritesBackThroughItsTable) {
    TBitmap b;
    b.SetPixelFormat(pf8bit);
    b.SetSize(30, 30);
    TCanvas* c = b.Canvas();
    c->Brush()->SetColor(clWhite);
    c->FillRect(Rect(0, 0, 30, 30));
    c->Brush()->SetColor(clRed);
    c->Ellipse(0, 0, 30, 30); // drawn by Qt on a copy
    EXPECT_EQ(c->Pixel(15, 15), clRed);
    EXPECT_EQ(c->Pixel(0, 0), clWhite);
}
