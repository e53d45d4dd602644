// A surface without bitmap memory (as a printer page) gets vector shapes; painted onto an
// image they must cover the same pixels as the bitmap fast paths.
#include "winlib/test_canvas_util.h"
#include "winlib/qt/CanvasImpl.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

class ImageSurface : public TCanvasImpl {
  public:
    ImageSurface(int w, int h) : image_(w, h, QImage::Format_RGB32), painter_(&image_) {
        image_.fill(Qt::white);
    }
    QPainter* Painter() override { return &painter_; }
    TRect Bounds() override { return TRect(0, 0, image_.width(), image_.height()); }
    std::string Picture(int w, int h) {
        painter_.end();
        std::string s;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x)
                s += image_.pixel(x, y) == qRgb(255, 255, 255) ? '.' : '#';
            s += '\n';
        }
        return s;
    }

  private:
    QImage image_;
    QPainter painter_;
};

template <class F> void Both(F draw, int w, int h) {
    TBitmap b;
    MakeWhite(b, w, h);
    draw(*b.Canvas());
    TCanvas vector;
    auto* surface = new ImageSurface(w, h);
    vector.SetImpl(std::unique_ptr<TCanvasImpl>(surface));
    draw(vector);
    EXPECT_EQ(surface->Picture(w, h), Picture(b, Rect(0, 0, w, h)));
}

} // namespace

TEST(CanvasVector, AxisAlignedThinLinesCoverTheSamePixelsAsOnABitmap) {
    // Slanted lines become one cosmetic vector line per dash, which the device rasterises.
    for (TPenStyle style : {psSolid, psDash, psDot, psDashDot, psDashDotDot})
        Both(
            [&](TCanvas& c) {
                c.Pen()->SetStyle(style);
                c.MoveTo(0, 1);
                c.LineTo(40, 1);
                c.LineTo(40, 11); // outside on the right: clipped
                c.MoveTo(3, 0);
                c.LineTo(3, 30);
                c.LineTo(30, 30);
                c.MoveTo(38, 29);
                c.LineTo(5, 29);
                c.LineTo(5, 2);
                // Lines that start off the surface: the mask runs on through the clipped part.
                c.MoveTo(-7, 14);
                c.LineTo(50, 14);
                c.MoveTo(20, -11);
                c.LineTo(20, 45);
                c.MoveTo(47, 20);
                c.LineTo(-9, 20);
            },
            40, 30);
}

TEST(CanvasVector, FillsAndFramesCoverTheSamePixelsAsOnABitmap) {
    Both(
        [](TCanvas& c) {
            c.Brush()->SetColor(clBlack);
            c.FillRect(Rect(1, 1, 5, 4));
            c.FillRect(Rect(9, 9, 6, 6)); // inverted: nothing
            c.FrameRect(Rect(6, 1, 12, 6));
            c.Brush()->SetColor(clGray);
            c.Pen()->SetColor(clBlack);
            c.Rectangle(1, 7, 6, 11);
        },
        14, 12);
}

TEST(CanvasVector, NoPainterDrawsNothingAndDoesNotCrash) {
    class Closed : public TCanvasImpl {
      public:
        QPainter* Painter() override { return nullptr; }
        TRect Bounds() override { return TRect(0, 0, 100, 100); }
    };
    TCanvas c;
    c.SetImpl(std::make_unique<Closed>());
    c.MoveTo(0, 0);
    c.LineTo(50, 50);
    c.Pen()->SetWidth(4);
    c.LineTo(10, 50);
    c.FillRect(Rect(0, 0, 10, 10));
    c.Ellipse(0, 0, 10, 10);
    c.TextOut(1, 1, "x");
    EXPECT_EQ(c.Pixel(1, 1), clWhite);
    EXPECT_EQ(c.PenPos(), Point(1 + c.TextWidth("x"), 1));
}
