// The colour scheme object: its six schemes, the colour split and the gradient it paints.
#include "shell/Yxdraw.h"

#include "winlib/Graphics.h"

#include <gtest/gtest.h>

namespace {
struct SchemeCase {
    int id;
    TColor base, light, mid, text;
};

TEST(YxDraw, EachSchemeHasItsColours) {
    for (const SchemeCase& c : {SchemeCase{0, clBtnFace, clBtnFace, clBtnFace, clBtnText},
                                SchemeCase{1, 0xC0C0C0, 0xFFFFFF, 0xDFDFDF, 0x000000},
                                SchemeCase{2, 0xFFC07F, 0xFFE0C0, 0xFFD09F, 0x000000},
                                SchemeCase{3, 0xC0C0FF, 0xFFFFFF, 0xDFDFFF, 0xFF0000},
                                SchemeCase{4, 0xA0FFA0, 0xFFFFFF, 0xCFFFCF, 0x000000},
                                SchemeCase{5, 0x804080, 0xFFC0FF, 0xBF80BF, 0xFFFFFF}}) {
        YxDraw d;
        d.SetScheme(c.id);
        EXPECT_EQ(d.SchemeId, c.id);
        EXPECT_EQ(d.BaseColor, c.base) << c.id;
        EXPECT_EQ(d.LightColor, c.light) << c.id;
        EXPECT_EQ(d.MidColor, c.mid) << c.id;
        EXPECT_EQ(d.TextColor, c.text) << c.id;
    }
}

TEST(YxDraw, StartsSilver) {
    YxDraw d;
    EXPECT_EQ(d.SchemeId, 1);
    EXPECT_EQ(d.MidColor, 0xDFDFDF);
}

TEST(YxDraw, HiddenSchemesAreStandardButKeepTheTextColour) {
    for (int id : {6, 7, 42}) {
        YxDraw d;
        d.SetScheme(5);
        d.SetScheme(id);
        EXPECT_EQ(d.SchemeId, id);
        EXPECT_EQ(d.BaseColor, clBtnFace);
        EXPECT_EQ(d.LightColor, clBtnFace);
        EXPECT_EQ(d.MidColor, clBtnFace);
        EXPECT_EQ(d.TextColor, 0xFFFFFF) << id;
    }
}

TEST(YxDraw, Scheme100KeepsEveryColour) {
    YxDraw d;
    d.SetScheme(3);
    d.SetScheme(100);
    EXPECT_EQ(d.SchemeId, 100);
    EXPECT_EQ(d.BaseColor, 0xC0C0FF);
    EXPECT_EQ(d.MidColor, 0xDFDFFF);
    EXPECT_EQ(d.TextColor, 0xFF0000);
}

struct SplitCase {
    TColor colour;
    int red, green, blue;
};

TEST(SplitColor, PlainAndSystemColours) {
    for (const SplitCase& c : {SplitCase{0x000000, 0, 0, 0}, SplitCase{0xFFC07F, 0x7F, 0xC0, 0xFF},
                               SplitCase{0x0000FF, 255, 0, 0}, SplitCase{0x123456, 0x56, 0x34, 0x12},
                               // A system colour has eight digits: its high byte becomes blue.
                               SplitCase{clBtnFace, 0, 0, 255}, SplitCase{clHighlight, 0, 0, 255},
                               SplitCase{static_cast<TColor>(0xFF12340F), 0x34, 0x12, 0xFF}}) {
        int r = -1, g = -1, b = -1;
        SplitColor(c.colour, r, g, b);
        EXPECT_EQ(r, c.red) << std::hex << c.colour;
        EXPECT_EQ(g, c.green) << std::hex << c.colour;
        EXPECT_EQ(b, c.blue) << std::hex << c.colour;
    }
}

class Gradient : public ::testing::Test {
  protected:
    void SetUp() override {
        bmp.SetPixelFormat(pf24bit);
        bmp.SetSize(10, 20);
        bmp.Canvas()->Brush()->SetColor(clWhite);
        bmp.Canvas()->FillRect(TRect(0, 0, 10, 20));
    }
    TColor At(int x, int y) { return bmp.Canvas()->Pixel(x, y); }
    TBitmap bmp;
};

TEST_F(Gradient, HorizontalLinesRunFromBaseTowardsLight) {
    YxDraw d; // silver: 0xC0 to 0xFF
    d.GradientLines(bmp.Canvas(), 0, 0, 0, 10, 20);
    EXPECT_EQ(At(5, 0), clWhite); // the top row is left alone
    struct Row {
        int y;
        TColor colour;
    };
    for (const Row& r : {Row{1, 0xC3C3C3}, Row{10, 0xDFDFDF}, Row{19, 0xFBFBFB}}) {
        EXPECT_EQ(At(0, r.y), r.colour) << r.y;
        EXPECT_EQ(At(9, r.y), r.colour) << r.y;
    }
}

TEST_F(Gradient, VerticalLinesAndTheChannelOrder) {
    YxDraw d;
    d.SetScheme(2); // blue: red 0x7F..0xC0, green 0xC0..0xE0, blue 0xFF
    d.GradientLines(bmp.Canvas(), 1, 0, 0, 10, 20);
    EXPECT_EQ(At(0, 5), clWhite);
    EXPECT_EQ(At(5, 0), 0xFFD09F); // halfway: the mid colour
    EXPECT_EQ(At(5, 19), 0xFFD09F);
}

TEST_F(Gradient, StandardSchemeDrawsNothing) {
    YxDraw d;
    d.SetScheme(0);
    d.GradientLines(bmp.Canvas(), 0, 0, 0, 10, 20);
    d.GradientLines(bmp.Canvas(), 1, 0, 0, 10, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(At(x, y), clWhite) << x << "," << y;
}

TEST(YxDraw, BandPaintShowsGrabberAndFrame) {
    TBitmap bmp;
    bmp.SetPixelFormat(pf24bit);
    bmp.SetSize(60, 40);
    bmp.Canvas()->Brush()->SetColor(clWhite);
    bmp.Canvas()->FillRect(TRect(0, 0, 60, 40));
    TControlBar bar(nullptr);
    TToolBar band(nullptr);
    band.SetBounds(20, 5, 30, 20);
    TRect r(9, 4, 51, 26);
    uint8_t options = 0;
    YxDraw d;
    d.CustomDrawBand(&bar, &band, bmp.Canvas(), r, options);
    EXPECT_EQ(options, 3);                                // grabber and frame
    EXPECT_EQ(bmp.Canvas()->Pixel(10, 5 + 10), 0xDFDFDF); // i = 10 of 20
    EXPECT_EQ(bmp.Canvas()->Pixel(35, 5 + 10), 0xDFDFDF);
    EXPECT_EQ(bmp.Canvas()->Pixel(36, 5 + 10), clWhite); // the strip ends at left + 16
    EXPECT_EQ(bmp.Canvas()->Pixel(20, 5), clWhite);      // i starts at 1
}
} // namespace
