// Thin lines, spans and small dots on a printed page: the pixels the same calls cover on a
// bitmap, in the order they were drawn, whatever the page gathers and writes in one piece.
#include "test_canvas_util.h"
#include "test_printer_util.h"
#include "winlib/Graphics.h"
#include "winlib/Printers.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace printertest;

class PrintedMarks : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(p.SetPrinterByName(PdfPrinterName));
        p.SetOutputFileName(dir.File("out.pdf"));
    }
    // Draws on a page and on a white bitmap of Width x Height device pixels.
    void Draw(const std::function<void(TCanvas*)>& draw, int width, int height) {
        p.BeginDoc();
        draw(p.Canvas());
        p.EndDoc();
        MakeWhite(bitmap, width, height);
        draw(bitmap.Canvas());
    }
    // The printed page's top-left Width x Height device pixels.
    GreyImage Printed(int width, int height, bool smooth = true) {
        return RenderPage(dir.File("out.pdf"), 1, p.Resolution(), 0, 0, width, height, smooth);
    }
    bool Drawn(int x, int y) { return bitmap.Canvas()->Pixel(x, y) != clWhite; }

    ScratchDir dir;
    TPrinter p;
    TBitmap bitmap;
};

bool Dark(const GreyImage& img, int x, int y) {
    return img.At(x, y) < 128;
}

// The pixels of the page's top-left corner where the printed page and the bitmap differ other
// than by an edge moved by a pixel (a differing pixel that has a neighbour of the other ink in
// both pictures is on such an edge).
int DifferencesOffEdges(const GreyImage& page, TBitmap& bitmap) {
    const int w = page.width, h = page.height;
    auto printed = [&](int x, int y) { return Dark(page, x, y); };
    auto drawn = [&](int x, int y) { return bitmap.Canvas()->Pixel(x, y) != clWhite; };
    auto onEdge = [&](auto dark, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (x + dx >= 0 && y + dy >= 0 && x + dx < w && y + dy < h &&
                    dark(x + dx, y + dy) != dark(x, y))
                    return true;
        return false;
    };
    int away = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (printed(x, y) != drawn(x, y) && !(onEdge(printed, x, y) && onEdge(drawn, x, y))) ++away;
    return away;
}

TEST_F(PrintedMarks, LinesSpansAndSinglePixelsCoverTheirBitmapPixelsInDrawingOrder) {
    const int w = 700, h = 300;
    Draw(
        [](TCanvas* c) {
            // Lines along one row that touch or overlap, and down one column.
            for (int x0 : {20, 120, 170, 330}) {
                c->MoveTo(x0, 20);
                c->LineTo(x0 + 100, 20);
                c->MoveTo(20, x0);
                c->LineTo(20, x0 + 60);
            }
            // Lines of one pixel: one step across, down, or slanted.
            for (int i = 0; i < 10; ++i) {
                c->MoveTo(60 + 7 * i, 50);
                c->LineTo(61 + 7 * i, 50);
                c->MoveTo(60 + 7 * i, 60);
                c->LineTo(60 + 7 * i, 61);
                c->MoveTo(60 + 7 * i, 70);
                c->LineTo(61 + 7 * i, 71);
            }
            // White over black, black over white: the later colour stays on top.
            c->MoveTo(200, 100);
            c->LineTo(600, 100);
            c->Brush()->SetColor(clWhite);
            c->FillRect(Rect(300, 90, 500, 110));
            c->MoveTo(350, 100);
            c->LineTo(450, 100);
            c->MoveTo(250, 95);
            c->LineTo(550, 95);
            // Outlines, frames and strips one pixel wide, and a filled rectangle.
            c->Brush()->SetColor(clBlack);
            c->FrameRect(Rect(100, 150, 180, 230));
            c->FillRect(Rect(200, 150, 400, 151));
            c->FillRect(Rect(200, 160, 201, 260));
            c->FillRect(Rect(220, 170, 260, 200));
            c->Brush()->SetColor(clWhite);
            c->Rectangle(420, 150, 500, 240);
            c->Rectangle(520, 150, 521, 240);
        },
        w, h);
    const GreyImage page = Printed(w, h);
    ASSERT_EQ(page.width, w) << "pdftoppm could not render the page";
    int differ = 0, ink = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            differ += Dark(page, x, y) != Drawn(x, y);
            ink += Drawn(x, y);
        }
    EXPECT_GT(ink, 3000);
    EXPECT_EQ(differ, 0);
    // Every single pixel is printed.
    for (int i = 0; i < 10; ++i)
        for (int y : {50, 60, 70})
            EXPECT_TRUE(Dark(page, 60 + 7 * i, y)) << i << ", " << y;
}

TEST_F(PrintedMarks, ThinLinesStayVisibleOnAPageViewedSmall) {
    // At 100 dpi a device pixel is a sixth of a pixel; a viewer still shows each line.
    p.BeginDoc();
    TCanvas* c = p.Canvas();
    for (int i = 0; i < 20; ++i) {
        c->MoveTo(600, 600 + 60 * i);
        c->LineTo(3000, 600 + 60 * i);
        c->MoveTo(600 + 60 * i, 2000);
        c->LineTo(600 + 60 * i, 3000);
    }
    p.EndDoc();
    const GreyImage small = RenderPage(dir.File("out.pdf"), 1, 100);
    ASSERT_GT(small.width, 0);
    auto darkest = [&](int x0, int y0, int x1, int y1) {
        int v = 255;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                v = std::min(v, small.At(x, y));
        return v;
    };
    for (int i = 0; i < 20; ++i) {
        const int y = (600 + 60 * i) / 6, x = (600 + 60 * i) / 6;
        EXPECT_LT(darkest(300, y - 1, 300, y + 1), 128) << "row " << i;
        EXPECT_LT(darkest(x - 1, 400, x + 1, 400), 128) << "column " << i;
    }
}

TEST_F(PrintedMarks, FilledEllipsesCoverTheirBoxesInDrawingOrder) {
    // Dots as the grid draws them (the outline in the fill colour), round and a pixel out of
    // round, tiny to large, and ovals; a white dot over a black one, and black over white.
    const int w = 900, h = 300;
    const TRect boxes[] = {Rect(20, 20, 22, 22),   Rect(40, 20, 43, 23),   Rect(60, 20, 63, 24),
                           Rect(80, 20, 91, 32),   Rect(110, 20, 122, 31), Rect(140, 20, 164, 44),
                           Rect(180, 20, 221, 60), Rect(240, 20, 250, 50), Rect(270, 20, 370, 35),
                           Rect(400, 20, 401, 21), Rect(420, 20, 420, 40), Rect(20, 100, 320, 290)};
    Draw(
        [&](TCanvas* c) {
            c->Pen()->SetColor(clBlack);
            c->Brush()->SetColor(clBlack);
            for (const TRect& r : boxes)
                c->Ellipse(r.Left, r.Top, r.Right, r.Bottom);
            c->Pen()->SetColor(clWhite);
            c->Brush()->SetColor(clWhite);
            c->Ellipse(100, 130, 240, 260);
            c->Pen()->SetColor(clBlack);
            c->Brush()->SetColor(clBlack);
            c->Ellipse(150, 180, 190, 220);
            // A black outline around a white fill is no dot: it keeps its two colours.
            c->Brush()->SetColor(clWhite);
            c->Ellipse(500, 100, 700, 290);
        },
        w, h);
    const GreyImage page = Printed(w, h, false);
    ASSERT_EQ(page.width, w) << "pdftoppm could not render the page";
    EXPECT_EQ(DifferencesOffEdges(page, bitmap), 0);
    // Each dot is printed where it lies, even a dot of one pixel, and reaches no further than a
    // pixel beyond its box.
    for (const TRect& r : boxes) {
        if (r.Width() <= 0) continue;
        int inside = 0, outside = 0;
        for (int y = r.Top - 3; y < r.Bottom + 3; ++y)
            for (int x = r.Left - 3; x < r.Right + 3; ++x)
                (x >= r.Left - 1 && x <= r.Right && y >= r.Top - 1 && y <= r.Bottom ? inside : outside) +=
                    Dark(page, x, y);
        EXPECT_GT(inside, 0) << r.Left << ", " << r.Top;
        EXPECT_EQ(outside, 0) << r.Left << ", " << r.Top;
    }
    EXPECT_FALSE(Dark(page, 170, 140)); // white over black
    EXPECT_TRUE(Dark(page, 170, 200));  // black over white
    EXPECT_FALSE(Dark(page, 600, 195)); // the white fill inside the black outline
    EXPECT_TRUE(Dark(page, 500, 195));
}

TEST_F(PrintedMarks, DotsPrintTheInkOfTheirEllipses) {
    // A dot is printed as a round pen end scaled to its box; drawn with a brush a shade apart
    // from the pen, the same ellipse is printed as an outlined, filled ellipse of its own. Both
    // must give the same ink, round boxes and boxes a pixel out of round, small to large.
    auto dots = [](TColor brush) {
        return [brush](TCanvas* c) {
            c->Pen()->SetColor(clBlack);
            c->Brush()->SetColor(brush);
            int x = 10;
            for (int w = 2; w <= 41; w += 3)
                for (int dh : {0, 1, -1}) {
                    if (w + dh < 2) continue; // an ellipse a pixel wide, drawn alone, prints nothing
                    c->Ellipse(x, 10 + 50 * (dh + 1), x + w, 10 + 50 * (dh + 1) + w + dh);
                    x += w + 4;
                }
        };
    };
    const int w = 600, h = 160;
    p.BeginDoc();
    dots(RGB(1, 1, 1))(p.Canvas());
    p.EndDoc();
    const GreyImage apart = Printed(w, h, false);
    Draw(dots(clBlack), w, h);
    const GreyImage together = Printed(w, h, false);
    ASSERT_EQ(together.width, w) << "pdftoppm could not render the page";
    ASSERT_EQ(apart.width, w);
    int ink = 0, away = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            ink += Dark(apart, x, y);
            if (Dark(apart, x, y) == Dark(together, x, y)) continue;
            bool edgeApart = false, edgeTogether = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int u = x + dx, v = y + dy;
                    if (u < 0 || v < 0 || u >= w || v >= h) continue;
                    edgeApart |= Dark(apart, u, v) != Dark(apart, x, y);
                    edgeTogether |= Dark(together, u, v) != Dark(together, x, y);
                }
            away += !(edgeApart && edgeTogether);
        }
    EXPECT_GT(ink, 2000);
    EXPECT_EQ(away, 0);
}

TEST_F(PrintedMarks, WideLinesCoverTheirBitmapPixelsInDrawingOrder) {
    // Lines of a wide pen across, down and slanted, touching and crossing; a white line over
    // black ones and a black one over it.
    const int w = 500, h = 300;
    Draw(
        [](TCanvas* c) {
            int x = 20;
            for (int width : {2, 3, 7, 12}) {
                c->Pen()->SetWidth(width);
                c->MoveTo(x, 20);
                c->LineTo(x + 60, 20);
                c->LineTo(x + 60, 120);
                c->LineTo(x, 200);
                x += 100;
            }
            c->Pen()->SetColor(clWhite);
            c->Pen()->SetWidth(5);
            c->MoveTo(10, 60);
            c->LineTo(490, 60);
            c->Pen()->SetColor(clBlack);
            c->Pen()->SetWidth(3);
            c->MoveTo(250, 40);
            c->LineTo(250, 80);
        },
        w, h);
    const GreyImage page = Printed(w, h, false);
    ASSERT_EQ(page.width, w) << "pdftoppm could not render the page";
    EXPECT_EQ(DifferencesOffEdges(page, bitmap), 0);
    for (int x : {50, 150, 350}) // the white line over the black ones
        EXPECT_FALSE(Dark(page, x, 60)) << x;
    EXPECT_TRUE(Dark(page, 250, 60)); // the black line over the white one
}

} // namespace
