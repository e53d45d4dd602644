#include "test_canvas_util.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

TEST(CanvasShapes, FillRectExcludesRightAndBottomAndSkipsEmptyOrInverted) {
    struct Case {
        TRect r;
        const char* picture; // 5 x 4 pixels
    } cases[] = {
        {Rect(1, 1, 4, 3), ".....\n.###.\n.###.\n.....\n"},
        {Rect(-3, -3, 1, 1), "#....\n.....\n.....\n.....\n"},
        {Rect(3, 1, 1, 3), ".....\n.....\n.....\n.....\n"},   // inverted
        {Rect(1, 3, 4, 1), ".....\n.....\n.....\n.....\n"},   // inverted
        {Rect(2, 1, 2, 3), ".....\n.....\n.....\n.....\n"},   // empty
        {Rect(4, 3, 99, 99), ".....\n.....\n.....\n....#\n"}, // clipped
    };
    for (const Case& c : cases) {
        TBitmap b;
        MakeWhite(b, 5, 4);
        b.Canvas()->Brush()->SetColor(clRed);
        b.Canvas()->FillRect(c.r);
        EXPECT_EQ(Picture(b, Rect(0, 0, 5, 4)), c.picture)
            << c.r.Left << "," << c.r.Top << "," << c.r.Right << "," << c.r.Bottom;
    }
}

TEST(CanvasShapes, FillRectUsesBrushAndClearBrushFillsNothing) {
    TBitmap b;
    MakeWhite(b, 3, 1);
    TCanvas* c = b.Canvas();
    c->Brush()->SetColor(clBtnFace); // a system colour is resolved when drawn
    c->FillRect(Rect(0, 0, 1, 1));
    EXPECT_EQ(c->Pixel(0, 0), ColorToRGB(clBtnFace));
    c->Brush()->SetStyle(bsClear);
    c->FillRect(Rect(1, 0, 3, 1));
    EXPECT_EQ(c->Pixel(1, 0), clWhite);
}

TEST(CanvasShapes, RectangleOutlineWithPenAndInteriorWithBrush) {
    TBitmap b;
    MakeWhite(b, 6, 5);
    TCanvas* c = b.Canvas();
    c->Pen()->SetColor(clBlack);
    c->Brush()->SetColor(clBlue);
    c->Rectangle(0, 0, 5, 4);
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(c->Pixel(x, 0), clBlack);
        EXPECT_EQ(c->Pixel(x, 3), clBlack);
    }
    EXPECT_EQ(c->Pixel(0, 2), clBlack);
    EXPECT_EQ(c->Pixel(4, 2), clBlack);
    EXPECT_EQ(c->Pixel(2, 1), clBlue);
    EXPECT_EQ(c->Pixel(5, 0), clWhite); // right edge excluded
    EXPECT_EQ(c->Pixel(0, 4), clWhite); // bottom edge excluded

    c->Brush()->SetStyle(bsClear);
    c->Pen()->SetColor(clRed);
    c->Rectangle(1, 1, 4, 3);
    EXPECT_EQ(c->Pixel(2, 1), clRed);
    EXPECT_EQ(c->Pixel(3, 2), clRed);
}

TEST(CanvasShapes, RectangleWithoutPenFillsOnePixelLess) {
    TBitmap b;
    MakeWhite(b, 5, 4);
    TCanvas* c = b.Canvas();
    c->Pen()->SetStyle(psClear);
    c->Brush()->SetColor(clBlack);
    c->Rectangle(0, 0, 4, 3);
    EXPECT_EQ(Picture(b, Rect(0, 0, 5, 4)), "###..\n###..\n.....\n.....\n");
}

TEST(CanvasShapes, FrameRectIsOnePixelInBrushColour) {
    TBitmap b;
    MakeWhite(b, 6, 5);
    TCanvas* c = b.Canvas();
    c->Brush()->SetColor(clBlack);
    c->FrameRect(Rect(1, 1, 5, 5));
    EXPECT_EQ(Picture(b, Rect(0, 0, 6, 5)), "......\n.####.\n.#..#.\n.#..#.\n.####.\n");
}

TEST(CanvasShapes, EllipseStaysInsideItsBoundingBox) {
    for (int size : {2, 3, 4, 5, 8, 12, 25}) {
        TBitmap b;
        MakeWhite(b, 40, 40);
        TCanvas* c = b.Canvas();
        c->Brush()->SetColor(clBlack);
        c->Ellipse(5, 6, 5 + size, 6 + size);
        int minX = 99, maxX = -1, minY = 99, maxY = -1;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x)
                if (c->Pixel(x, y) != clWhite) {
                    minX = std::min(minX, x), maxX = std::max(maxX, x);
                    minY = std::min(minY, y), maxY = std::max(maxY, y);
                }
        EXPECT_EQ(minX, 5) << size;
        EXPECT_EQ(maxX, 5 + size - 1) << size;
        EXPECT_EQ(minY, 6) << size;
        EXPECT_EQ(maxY, 6 + size - 1) << size;
    }
}

TEST(CanvasShapes, SmallDotsAreSymmetric) {
    struct Case {
        int size;
        const char* picture;
    } cases[] = {{1, "#\n"}, {2, "##\n##\n"}, {3, ".#.\n###\n.#.\n"}, {4, ".##.\n####\n####\n.##.\n"}};
    for (const Case& c : cases) {
        TBitmap b;
        MakeWhite(b, 8, 8);
        b.Canvas()->Brush()->SetColor(clBlack);
        b.Canvas()->Ellipse(2, 2, 2 + c.size, 2 + c.size);
        EXPECT_EQ(Picture(b, Rect(2, 2, 2 + c.size, 2 + c.size)), c.picture) << c.size;
        EXPECT_EQ(CountNonWhite(b),
                  static_cast<int>(std::count(c.picture, c.picture + strlen(c.picture), '#')));
    }
}

TEST(CanvasShapes, EllipseWithClearBrushIsHollow) {
    TBitmap b;
    MakeWhite(b, 30, 30);
    TCanvas* c = b.Canvas();
    c->Brush()->SetStyle(bsClear);
    c->Ellipse(0, 0, 21, 21);
    EXPECT_EQ(c->Pixel(10, 10), clWhite);
    EXPECT_EQ(c->Pixel(10, 0), clBlack);
    EXPECT_EQ(c->Pixel(0, 10), clBlack);
    c->Brush()->SetColor(clRed);
    c->Ellipse(0, 0, 21, 21);
    EXPECT_EQ(c->Pixel(10, 10), clRed);
    EXPECT_EQ(c->Pixel(10, 0), clBlack);
}

TEST(CanvasShapes, RoundRectFillsInsideItsBox) {
    TBitmap b;
    MakeWhite(b, 20, 12);
    TCanvas* c = b.Canvas();
    c->Brush()->SetColor(clBlack);
    c->RoundRect(2, 2, 18, 10, 5, 5);
    EXPECT_EQ(c->Pixel(10, 2), clBlack);
    EXPECT_EQ(c->Pixel(10, 9), clBlack);
    EXPECT_EQ(c->Pixel(10, 10), clWhite);
    EXPECT_EQ(c->Pixel(18, 6), clWhite);
    EXPECT_EQ(c->Pixel(2, 2), clWhite); // rounded corner
}

TEST(CanvasShapes, StateStaysInTheCanvasBetweenCalls) {
    TBitmap b;
    MakeWhite(b, 4, 4);
    TCanvas* c = b.Canvas();
    c->Pen()->SetColor(clRed);
    c->Brush()->SetColor(clBlue);
    c->FillRect(Rect(0, 0, 1, 1));
    c->MoveTo(1, 1);
    c->LineTo(3, 1);
    c->LineTo(3, 3);
    EXPECT_EQ(c->Pixel(0, 0), clBlue);
    EXPECT_EQ(c->Pixel(2, 1), clRed);
    EXPECT_EQ(c->Pixel(3, 2), clRed);
    EXPECT_EQ(c->Pen()->Color(), clRed);
    EXPECT_EQ(c->PenPos(), Point(3, 3));
}

TEST(CanvasShapes, EllipseLatticeGivesThePictureOfEveryEllipse) {
    // Lattices of overlapping ellipses, partly off the bitmap on every side, in one or two column
    // sets, hollow, filled, or both in one colour; and those a bitmap cannot draw at once (a wide
    // or dashed pen, or two colours, where the order of the ellipses shows).
    struct Case {
        int size, width, height, pitchX, pitchY, shift;
        TBrushStyle brush;
        TColor pen, fill;
        int penWidth;
        TPenStyle style;
    } cases[] = {
        {20, 30, 30, 4, 4, 2, bsClear, clBlack, clBlack, 1, psSolid},
        {20, 31, 24, 3, 5, 0, bsClear, clBlack, clBlack, 1, psSolid},
        {30, 9, 10, 8, 9, 3, bsSolid, clBlack, clBlack, 1, psSolid},
        {30, 2, 3, 3, 3, 1, bsClear, clBlack, clBlack, 1, psSolid},
        {25, 60, 55, 45, 40, 5, bsSolid, clRed, clRed, 1, psSolid},
        {20, 17, 17, -6, 6, 2, bsClear, clBlack, clBlack, 1, psSolid},
        {20, 17, 17, 14, 15, 2, bsSolid, clBlack, clBlack, 1, psClear},
        {15, 21, 21, 6, 6, 3, bsSolid, clBlack, clRed, 1, psSolid},
        {15, 21, 21, 6, 6, 3, bsClear, clBlack, clBlack, 3, psSolid},
        {15, 21, 21, 6, 6, 3, bsClear, clBlack, clBlack, 1, psDot},
    };
    const int w = 90, h = 70;
    for (const Case& k : cases) {
        // Column and row extents as a renderer truncates them: widths and heights that differ
        // by a pixel here and there.
        std::vector<std::vector<std::pair<int, int>>> columns(2);
        for (int set = 0; set < 2; ++set)
            for (int j = 0; j < k.size; ++j) {
                const double c = (k.pitchX < 0 ? w + 15 : -15) + j * (k.pitchX + 0.37) + set * k.shift;
                columns[set].push_back(
                    {static_cast<int>(c - k.width / 2.0), static_cast<int>(c + k.width / 2.0)});
            }
        std::vector<TEllipseRow> rows;
        for (int i = 0; i < k.size; ++i) {
            const double c = -12 + i * (k.pitchY + 0.29);
            rows.push_back(
                {static_cast<int>(c - k.height / 2.0), static_cast<int>(c + k.height / 2.0), i % 2});
        }
        TBitmap together, apart;
        for (TBitmap* b : {&together, &apart}) {
            MakeWhite(*b, w, h);
            TCanvas* c = b->Canvas();
            c->Pen()->SetColor(k.pen);
            c->Pen()->SetWidth(k.penWidth);
            c->Pen()->SetStyle(k.style);
            c->Brush()->SetColor(k.fill);
            c->Brush()->SetStyle(k.brush);
        }
        together.Canvas()->EllipseLattice(columns, rows);
        for (const TEllipseRow& row : rows)
            for (auto [left, right] : columns[row.Columns])
                apart.Canvas()->Ellipse(left, row.Top, right, row.Bottom);
        int differ = 0, ink = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                differ += together.Canvas()->Pixel(x, y) != apart.Canvas()->Pixel(x, y);
                ink += apart.Canvas()->Pixel(x, y) != clWhite;
            }
        EXPECT_GT(ink, 0) << k.width << " x " << k.height;
        EXPECT_LT(ink, w * h) << k.width << " x " << k.height; // not so many that everything is inked
        EXPECT_EQ(differ, 0) << k.width << " x " << k.height << " at " << k.pitchX << ", " << k.pitchY;
    }
}
