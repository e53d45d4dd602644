// Arc paper drawn by the real main window's renderers, and the arguments the dispatchers hand
// them.
#include "RenderTestUtil.h"
#include "PlainPageFixture.h"

#include "render/ArcArguments.h"
#include "render/RenderConventions.h"
#include "render/Unit4.h"
#include "shell/PaperKinds.h"
#include "winlib/SysUtils.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <utility>

using rendertest::Span;

class ArcTest : public PlainPageTest {
  protected:
    void SetUp() override {
        PlainPageTest::SetUp();
        for (TEdit* e : {f->Edit24, f->Edit25, f->Edit26, f->Edit37, f->Edit38})
            e->OnChange = nullptr;
        for (TComboBox* cb : {f->ComboBox5, f->ComboBox9, f->ComboBoxCardinalPoint})
            cb->OnChange = nullptr;
        Defaults();
    }
    // One 40 mm circle at a 10 mm corner, solid black lines, base angle 90, at 100 %.
    void Defaults() {
        UsePlainPage();
        f->Edit37->SetText("1");
        f->Edit38->SetText("1");
        f->ComboBoxCardinalPoint->SetItemIndex(1); // "90"
    }

    TCanvas* Blank(int w = kSize, int h = kSize) { return WhitePreview(w, h); }
    TCanvas* Draw(int divisions = 0, int rings = 1, int circleStyle = 0, int divisionStyle = 0,
                  float d = 40.0f) {
        TCanvas* c = Blank();
        PreviewArc(d, divisions, rings, circleStyle, divisionStyle);
        return c;
    }

    float S() const { return PreviewScaleSingle(f); }
    float Band() const { return static_cast<float>(10.0 * S()); }
    int Dp(double mm = 40) const { return static_cast<int>(mm * S()); }
    // The centre of tile (c, r) of 40 mm circles.
    int Cx(int col = 0) const { return static_cast<int>(40.0 * S() * col + Band() + 20.0f * S()); }
    int Cy(int row = 0) const { return static_cast<int>(40.0 * S() * row + Band() + 20.0f * S()); }
    // Is the pixel at angle A degrees, Frac of the radius out from the centre, drawn?
    bool LineAt(TCanvas* c, double a, double frac = 0.6, int col = 0) const {
        const double r = 20.0 * S() * frac, rad = a * M_PI / 180;
        const int x = static_cast<int>(std::lround(Cx(col) + r * std::cos(rad)));
        const int y = static_cast<int>(std::lround(Cy() - r * std::sin(rad)));
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (c->Pixel(x + dx, y + dy) != clWhite) return true;
        return false;
    }
    // The point at angle A degrees on the circle of radius Rho around (Cx, Cy), each quadrant
    // from its own axis in single precision, as the division lines are described.
    static std::pair<double, double> RimPoint(float a, double cx, double cy, float rho) {
        const float kr = 0.017453292f;
        if (a < 90)
            return {cx + static_cast<double>(std::cos(a * kr)) * rho,
                    cy - static_cast<double>(std::cos((90 - a) * kr)) * rho};
        if (a < 180)
            return {cx - static_cast<double>(std::sin((a - 90) * kr)) * rho,
                    cy - static_cast<double>(std::sin((90 - (a - 90)) * kr)) * rho};
        if (a < 270)
            return {cx - static_cast<double>(std::cos((a - 180) * kr)) * rho,
                    cy + static_cast<double>(std::cos((90 - (a - 180)) * kr)) * rho};
        return {cx + static_cast<double>(std::sin((a - 270) * kr)) * rho,
                cy + static_cast<double>(std::sin((90 - (a - 270)) * kr)) * rho};
    }
    int DarkPixels(TCanvas* c) const {
        int n = 0;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                n += c->Pixel(x, y) != clWhite;
        return n;
    }

    static constexpr int kSize = 400;
};

TEST_F(ArcTest, OneCircleSpansTheDiameterFromTheContentCorner) {
    TCanvas* c = Draw();
    const std::vector<Span> across = rendertest::ColumnsAt(c, Cy(), kSize, clWhite);
    const std::vector<Span> down = rendertest::RowsAt(c, Cx(), kSize, clWhite);
    ASSERT_EQ(across.size(), 2u);
    ASSERT_EQ(down.size(), 2u);
    EXPECT_EQ(across.front().first, static_cast<int>(Band()));
    EXPECT_EQ(across.back().last, static_cast<int>(Dp() + Band()) - 1); // right edge left out
    EXPECT_EQ(down.front().first, static_cast<int>(Band()));
    EXPECT_EQ(c->Brush()->Style(), bsClear);
}

TEST_F(ArcTest, RingsStepInwardsEvenly) {
    // Four rings of a 40 mm circle: 40, 30, 20 and 10 mm across.
    TCanvas* c = Draw(0, 4);
    const std::vector<Span> across = rendertest::ColumnsAt(c, Cy(), kSize, clWhite);
    ASSERT_EQ(across.size(), 8u);
    const float q = static_cast<float>(40 * 0.5 / 4 * S());
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(across[k].first, static_cast<int>(k * static_cast<double>(q) + Band())) << "ring " << k;
    EXPECT_NEAR(across[4].last - across[3].first, 10 * S(), 1.5);
}

TEST_F(ArcTest, DivisionLinesRunCounterclockwiseFromTheBaseAngle) {
    struct Case {
        int base; // item index of ComboBoxCardinalPoint: 0, 90, 180, 270
        int divisions;
        std::vector<double> drawn, empty; // angles in degrees
    };
    const Case cases[] = {
        {1, 4, {90, 180, 270, 0}, {45, 135, 225, 315}},
        {1, 3, {90, 210, 330}, {0, 180, 270, 30}},
        {0, 1, {0}, {90, 180, 270}},
        {1, 0, {}, {0, 90, 180, 270}},
        {1, -2, {}, {0, 90, 180, 270}},
        {3, 2, {270, 90}, {0, 180}},
    };
    for (const Case& k : cases) {
        f->ComboBoxCardinalPoint->SetItemIndex(k.base);
        TCanvas* c = Draw(k.divisions);
        for (double a : k.drawn)
            EXPECT_TRUE(LineAt(c, a)) << "base " << k.base << " M " << k.divisions << " angle " << a;
        for (double a : k.empty)
            EXPECT_FALSE(LineAt(c, a)) << "base " << k.base << " M " << k.divisions << " angle " << a;
    }
}

TEST_F(ArcTest, TileCountsAcrossAndDown) {
    struct Case {
        const char *across, *down;
        int circlesInRow, circlesInColumn;
    };
    for (const Case& k : {Case{"2", "1", 2, 1}, Case{"0", "0", 1, 1}, Case{"1", "3", 1, 3},
                          Case{"-1", "1", 0, 0}, Case{"1", "-1", 0, 0}}) {
        f->Edit37->SetText(k.across);
        f->Edit38->SetText(k.down);
        TCanvas* c = Draw(0, 1, 0, 0, 20.0f);
        // 20 mm circles: each crosses its middle row twice (neighbours touch, so they may merge).
        const int mid = static_cast<int>(Band() + 10.0f * S());
        const std::vector<Span> row = rendertest::ColumnsAt(c, mid, kSize, clWhite);
        const std::vector<Span> col = rendertest::RowsAt(c, mid, kSize, clWhite);
        EXPECT_NEAR(static_cast<double>(row.size()), 2.0 * k.circlesInRow, k.circlesInRow > 1 ? 1 : 0)
            << k.across << " x " << k.down;
        EXPECT_NEAR(static_cast<double>(col.size()), 2.0 * k.circlesInColumn, k.circlesInColumn > 1 ? 2 : 0)
            << k.across << " x " << k.down;
        if (k.circlesInRow == 0) {
            EXPECT_EQ(DarkPixels(c), 0);
        }
    }
}

TEST_F(ArcTest, TileCountThatIsNotAWholeNumberRaisesBeforeDrawing) {
    for (const char* text : {"1.0", "two", ""}) {
        f->Edit38->SetText(text);
        TCanvas* c = Blank();
        EXPECT_THROW(PreviewArc(40.0f, 4, 2, 0, 0), EConvertError) << text;
        EXPECT_EQ(DarkPixels(c), 0) << text;
    }
}

TEST_F(ArcTest, EveryTileKeepsItsOwnLineTypes) {
    f->Edit37->SetText("2");
    // The second tile's pixels with dashed circles and solid division lines, against the same
    // tile all solid: only the rings lose pixels, the radius up stays unbroken.
    auto secondTile = [&](int circleStyle) {
        TCanvas* c = Draw(4, 1, circleStyle, 0, 40.0f);
        int n = 0;
        for (int y = static_cast<int>(Band()); y < Cy() + Dp() / 2 + 2; ++y)
            for (int x = Cx(1) - Dp() / 2 - 1; x < Cx(1) + Dp() / 2 + 2; ++x)
                n += c->Pixel(x, y) != clWhite;
        const std::vector<Span> up = rendertest::RowsAt(c, Cx(1), Cy(), clWhite);
        EXPECT_FALSE(up.empty());
        if (!up.empty()) {
            EXPECT_GE(up.back().Width(), static_cast<int>(20 * S()) - 2) << circleStyle;
        }
        return n;
    };
    const int solid = secondTile(0), dashed = secondTile(1);
    const int ringPixels = static_cast<int>(M_PI * Dp());
    EXPECT_LT(dashed, solid - ringPixels / 5);
}

TEST_F(ArcTest, LineTypeOutsideTheListKeepsThePenStyle) {
    // Dotted circles, then division index 7: the lines stay dotted like the circles.
    TCanvas* c = Draw(4, 1, 2, 7);
    EXPECT_EQ(c->Pen()->Style(), psDot);
    TCanvas* d = Draw(4, 1, 7, 7);
    EXPECT_EQ(d->Pen()->Style(), psSolid);
}

TEST_F(ArcTest, HugeCountsAndRingsReturnAtOnce) {
    struct Case {
        const char* tiles;
        int divisions, rings;
        float diameter;
    };
    for (const Case& k : {Case{"2000000000", 8, 3, 40.0f}, Case{"1", 2000000000, 1, 40.0f},
                          Case{"1", 4, 2000000000, 40.0f}, Case{"2000000000", 4, 2, 0.0f}}) {
        f->Edit37->SetText(k.tiles);
        f->Edit38->SetText(k.tiles);
        TCanvas* c = Blank(793, 1122);
        PreviewArc(k.diameter, k.divisions, k.rings, 0, 0);
        if (k.diameter > 0 && k.tiles == std::string("2000000000")) {
            // Circles all the way to the page's right edge, none lost or wrapped around.
            const std::vector<Span> row = rendertest::RowsAt(c, 790, 1122, clWhite);
            EXPECT_FALSE(row.empty());
            EXPECT_EQ(rendertest::ColumnsAt(c, 3, 793, clWhite).size(), 0u); // nothing left of the margin
        }
    }
}

TEST_F(ArcTest, SmallTilesWithManyDivisionsGiveThePictureOfEveryLine) {
    // Small circles by the hundred, with far more division lines than their rims have pixels:
    // the page must look as if every ring and every line of every tile had been drawn.
    auto picture = [&](TCanvas* c) {
        std::string p;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                p += c->Pixel(x, y) == clWhite ? '.' : '#';
        return p;
    };
    struct Case {
        float diameter;
        int divisions, rings, base;
    } cases[] = {
        {3.0f, 1440, 2, 1}, {1.0f, 720, 40, 0}, {7.5f, 360, 3, 2}, {2.2f, 77, 1, 3}, {-4.0f, 500, 2, 1}};
    f->Edit37->SetText("150");
    f->Edit38->SetText("150");
    for (const Case& k : cases) {
        f->ComboBoxCardinalPoint->SetItemIndex(k.base);
        const std::string drawn = picture(Draw(k.divisions, k.rings, 0, 0, k.diameter));
        TCanvas* c = Blank();
        c->Brush()->SetStyle(bsClear);
        const float s = S(), d = k.diameter, rho = static_cast<float>(d * 0.5 * s);
        const int dp = static_cast<int>(d * static_cast<double>(s));
        const float q = static_cast<float>(d * 0.5 / k.rings * s);
        const float start = static_cast<float>(StrToFloat(f->ComboBoxCardinalPoint->Text()));
        for (int col = 0; col < 150; ++col)
            for (int row = 0; row < 150; ++row) {
                const double ox = d * static_cast<double>(s) * col, oy = d * static_cast<double>(s) * row;
                if (std::min(ox, oy) > kSize || std::max(ox, oy) < -kSize) continue; // off the canvas
                for (int r = 0; r < k.rings; ++r) {
                    const double in = r * static_cast<double>(q);
                    c->Ellipse(static_cast<int>(in + Band() + ox), static_cast<int>(in + Band() + oy),
                               static_cast<int>(dp + Band() - in + ox),
                               static_cast<int>(dp + Band() - in + oy));
                }
                const double cx = ox + Band() + rho, cy = oy + Band() + rho;
                float a = start;
                for (int i = 0; i < k.divisions; ++i) {
                    const auto [x, y] = RimPoint(a, cx, cy, rho);
                    c->MoveTo(static_cast<int>(x), static_cast<int>(y));
                    c->LineTo(static_cast<int>(cx), static_cast<int>(cy));
                    a = static_cast<float>(a + 360.0 / k.divisions);
                    if (a > 360) a = a - 360;
                }
            }
        EXPECT_EQ(drawn, picture(c)) << k.diameter << " mm, " << k.divisions << " divisions, " << k.rings
                                     << " rings";
    }
}

TEST_F(ArcTest, RingCountBelowOneLeavesTheDivisionLinesAlone) {
    for (int rings : {0, -3}) {
        TCanvas* c = Draw(4, rings);
        EXPECT_TRUE(LineAt(c, 90)) << rings;
        EXPECT_TRUE(LineAt(c, 0)) << rings;
        // Near the top only the upward line is drawn: no ring crosses that row.
        EXPECT_EQ(rendertest::ColumnsAt(c, static_cast<int>(Band()) + 2, kSize, clWhite).size(), 1u) << rings;
    }
}

TEST_F(ArcTest, ArgumentsComeFromTheEditsWithTheirDefaults) {
    struct Case {
        const char *diameter, *rings, *divisions;
        float d;
        int n, m;
    };
    for (const Case& k : {Case{"100", "1", "0", 100.0f, 1, 0}, Case{"12.5", "3", "7", 12.5f, 3, 7},
                          Case{"abc", "0", "2.5", 100.0f, 1, 0}, Case{"", "", "", 100.0f, 1, 0},
                          Case{"0.1", "x", "-4", 0.1f, 1, -4}, Case{"7", "00", "1440", 7.0f, 0, 1440},
                          Case{"7", "-2", "3", 7.0f, -2, 3}}) {
        f->Edit24->SetText(k.diameter);
        f->Edit25->SetText(k.rings);
        f->Edit26->SetText(k.divisions);
        f->ComboBox5->SetItemIndex(3);
        f->ComboBox9->SetItemIndex(4);
        const TArcArguments a = ReadArcArguments();
        EXPECT_EQ(a.Diameter, k.d) << k.diameter;
        EXPECT_EQ(a.Rings, k.n) << k.rings;
        EXPECT_EQ(a.Divisions, k.m) << k.divisions;
        EXPECT_EQ(a.CircleStyle, 3);
        EXPECT_EQ(a.DivisionStyle, 4);
    }
}

TEST_F(ArcTest, DispatchersDrawAndCountArcs) {
    f->Edit24->SetText("40");
    f->Edit25->SetText("2");
    f->Edit26->SetText("4");
    TCanvas* c = Blank();
    DrawPreviewPattern(6);
    // A quarter of the way down: two rings on each side and the upward line between them.
    const int y = static_cast<int>(Band() + 15.0f * S());
    EXPECT_EQ(rendertest::ColumnsAt(c, y, kSize, clWhite).size(), 5u);
    EXPECT_TRUE(LineAt(c, 90));

    f->PrinterRef->SetOutputFileName(Path("count.pdf").string());
    f->PrinterRef->BeginDoc();
    EXPECT_TRUE(DrawPrintPattern(6));
    f->PrinterRef->EndDoc();
}

// ---- print ----------------------------------------------------------------------------------

class ArcPrintTest : public ArcTest {
  protected:
    void SetUp() override {
        ArcTest::SetUp();
        ASSERT_TRUE(f->PrinterRef->IsPdfPrinter());
        pdf = Path("arc.pdf").string();
        f->PrinterRef->SetOutputFileName(pdf);
    }
    void TearDown() override {
        if (f && f->PrinterRef->Printing()) f->PrinterRef->Abort();
        ArcTest::TearDown();
    }
    rendertest::Image Print(int divisions, int rings, float d) {
        f->PrinterRef->BeginDoc();
        PrintArc(d, divisions, rings, 0, 0);
        f->PrinterRef->EndDoc();
        // One image pixel per device pixel, the top-left 100 x 80 mm.
        const int w = static_cast<int>(100 * f->PxPerMmX), h = static_cast<int>(80 * f->PxPerMmX);
        return rendertest::RenderPdfPage(pdf, f->PrinterRef->Resolution(), true, {0, 0, w, h});
    }
    int Device(double mm) const { return static_cast<int>(mm * f->PxPerMmX); }

    // The tiles' corner on the printer canvas.
    float Left() const { return static_cast<float>(10.0 * f->PxPerMmX - f->PhysOffsetX); }
    float Top() const { return static_cast<float>(10.0 * f->PxPerMmY - f->PhysOffsetY); }
    // One sheet drawn by Draw, rendered at the device's resolution without smoothing, cropped to
    // the tiles of Diameter mm (either sign) around the corner.
    rendertest::Image Sheet(float diameter, const std::function<void()>& draw) {
        f->PrinterRef->BeginDoc();
        draw();
        f->PrinterRef->EndDoc();
        const int reach = Device(std::fabs(diameter) * kTiles) + 8;
        const int x = std::max(0, static_cast<int>(Left()) - reach),
                  y = std::max(0, static_cast<int>(Top()) - reach);
        return rendertest::RenderPdfPage(pdf, f->PrinterRef->Resolution(), true, {x, y, 2 * reach, 2 * reach},
                                         false);
    }
    // Every ring and every division line of the tiles, one after the other, as they are
    // described, on the printer canvas.
    void EveryMark(float d, int divisions, int rings, TPenStyle circles, TPenStyle lines) {
        TCanvas* c = f->PrinterRef->Canvas();
        c->Pen()->SetWidth(1);
        c->Pen()->SetColor(clBlack);
        c->Brush()->SetStyle(bsClear);
        const double sx = f->PxPerMmX, sy = f->PxPerMmY;
        const float left = Left(), top = Top(), rho = static_cast<float>(d * 0.5 * sx);
        const int dp = static_cast<int>(d * sx);
        const float q = static_cast<float>(d * 0.5 / rings * sx);
        const float start = static_cast<float>(StrToFloat(f->ComboBoxCardinalPoint->Text()));
        for (int col = 0; col < kTiles; ++col)
            for (int row = 0; row < kTiles; ++row) {
                const double ox = d * sx * col, oy = d * sy * row;
                c->Pen()->SetStyle(circles);
                for (int r = 0; r < rings; ++r) {
                    const double in = r * static_cast<double>(q);
                    c->Ellipse(static_cast<int>(in + left + ox), static_cast<int>(in + top + oy),
                               static_cast<int>(dp + left - in + ox), static_cast<int>(dp + top - in + oy));
                }
                c->Pen()->SetStyle(lines);
                const double cx = ox + left + rho, cy = oy + top + rho;
                float a = start;
                for (int i = 0; i < divisions; ++i) {
                    const auto [x, y] = RimPoint(a, cx, cy, rho);
                    c->MoveTo(static_cast<int>(cx), static_cast<int>(cy));
                    c->LineTo(static_cast<int>(x), static_cast<int>(y));
                    a = static_cast<float>(a + 360.0 / divisions);
                    if (a > 360) a = a - 360;
                }
            }
    }
    // Each tile as the filled disc of its circle.
    void Discs(float d) {
        TCanvas* c = f->PrinterRef->Canvas();
        c->Pen()->SetWidth(1);
        c->Pen()->SetStyle(psSolid);
        c->Pen()->SetColor(clBlack);
        c->Brush()->SetColor(clBlack);
        const double sx = f->PxPerMmX, sy = f->PxPerMmY;
        const int dp = static_cast<int>(d * sx);
        for (int col = 0; col < kTiles; ++col)
            for (int row = 0; row < kTiles; ++row) {
                const double ox = d * sx * col, oy = d * sy * row;
                c->Ellipse(static_cast<int>(Left() + ox), static_cast<int>(Top() + oy),
                           static_cast<int>(dp + Left() + ox), static_cast<int>(dp + Top() + oy));
            }
    }
    static constexpr int kTiles = 3;
    std::string pdf;
};

TEST_F(ArcPrintTest, CirclesTouchAndDivisionLinesReachTheRim) {
    f->Edit37->SetText("2");
    const rendertest::Image img = Print(4, 2, 40.0f);
    ASSERT_GT(img.width, 0) << "pdftoppm could not render " << pdf;
    // Through the centres: the rings and the lines at 0 and 180 degrees join into one run from
    // the first circle's left edge to the second circle's right edge.
    const std::vector<Span> along = rendertest::DarkColumnsAt(img, Device(30));
    ASSERT_FALSE(along.empty());
    EXPECT_NEAR(along.front().first, Device(10), 2.0);
    EXPECT_NEAR(along.back().last, Device(90), 2.0);
    // Down the first centre: the lines at 90 and 270 degrees run from rim to rim.
    const std::vector<Span> down = rendertest::DarkRowsAt(img, Device(30));
    ASSERT_EQ(down.size(), 1u);
    EXPECT_NEAR(down[0].first, Device(10), 2.0);
    EXPECT_NEAR(down[0].last, Device(50), 2.0);
    // The lines are one device pixel wide.
    EXPECT_EQ(rendertest::DarkColumnsAt(img, Device(20))[2].Width(), 1);
}

TEST_F(ArcPrintTest, TilesFilledByTheirLinesOrRingsPrintAsTheSameInk) {
    // Division lines meeting the rim less than a device pixel apart, or rings less than a pixel
    // apart, fill their circle; the sheet must carry the same ink as every ring and every line
    // drawn one by one, to within a device pixel at the edges. Dashed lines do not fill it, nor
    // do lines or rings further apart: for those a disc in place of the tile would show.
    struct Case {
        float diameter;
        int divisions, rings, circleStyle, divisionStyle, base;
        bool apart; // a disc would not look like the tile
    } cases[] = {
        {5.0f, 1440, 1, 0, 0, 1, false}, {1.0f, 1440, 1000, 0, 0, 0, false}, {3.0f, 0, 100, 0, 0, 1, false},
        {2.5f, 360, 3, 0, 0, 2, false},  {-2.5f, 400, 2, 0, 0, 3, false},    {4.0f, 720, 2, 2, 0, 1, false},
        {5.0f, 1440, 1, 0, 1, 1, true},  {8.0f, 360, 2, 0, 0, 0, true},      {3.0f, 0, 12, 0, 0, 1, true},
    };
    f->Edit37->SetText(IntToStr(kTiles));
    f->Edit38->SetText(IntToStr(kTiles));
    for (const Case& k : cases) {
        f->ComboBoxCardinalPoint->SetItemIndex(k.base);
        const std::string what = FloatToStr(k.diameter) + " mm, " + IntToStr(k.divisions) + " divisions, " +
                                 IntToStr(k.rings) + " rings, line types " + IntToStr(k.circleStyle) + "/" +
                                 IntToStr(k.divisionStyle);
        const rendertest::Image printed = Sheet(
            k.diameter, [&] { PrintArc(k.diameter, k.divisions, k.rings, k.circleStyle, k.divisionStyle); });
        const rendertest::Image every = Sheet(k.diameter, [&] {
            EveryMark(k.diameter, k.divisions, k.rings, PenStyleOf(k.circleStyle),
                      PenStyleOf(k.divisionStyle));
        });
        ASSERT_GT(printed.width, 0) << "pdftoppm could not render " << pdf;
        EXPECT_EQ(rendertest::InkDifferencesOffEdges(printed, every), 0) << what;
        if (k.apart) {
            const rendertest::Image discs = Sheet(k.diameter, [&] { Discs(k.diameter); });
            EXPECT_GT(rendertest::InkDifferencesOffEdges(discs, every), 0) << what;
        }
    }
}

TEST_F(ArcPrintTest, RowsStepByTheVerticalScale) {
    f->PxPerMmY = 2 * f->PxPerMmX;
    f->MarginTop = 5.0;
    f->Edit38->SetText("2");
    const rendertest::Image img = Print(0, 1, 20.0f);
    ASSERT_GT(img.width, 0);
    // The circles keep their size from the horizontal scale; the rows lie 20 mm of the
    // vertical scale apart.
    const std::vector<Span> down = rendertest::DarkRowsAt(img, Device(20));
    ASSERT_EQ(down.size(), 4u);
    EXPECT_NEAR(down[0].first, 5 * f->PxPerMmY, 2.0);
    EXPECT_NEAR(down[1].last, 5 * f->PxPerMmY + Device(20), 2.0);
    EXPECT_NEAR(down[2].first, 25 * f->PxPerMmY, 2.0);
}
