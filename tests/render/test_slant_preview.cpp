// The slanted paper preview, drawn through the preview dispatcher and read pixel by pixel.
#include "test_slant_fixture.h"

#include "render/RenderConventions.h"
#include "shell/PaperKinds.h"
#include "winlib/SysUtils.h"

#include <cmath>
#include <string>

using rendertest::Span;

class SlantPreviewTest : public SlantTest {
  protected:
    TCanvas* DrawPreview() {
        f->PreviewBitmap->SetSize(kSize, kSize);
        TCanvas* c = f->PreviewBitmap->Canvas();
        c->Brush()->SetColor(clWhite);
        c->Brush()->SetStyle(bsSolid);
        c->FillRect(TRect(0, 0, kSize, kSize));
        DrawPreviewPattern(4);
        return c;
    }

    double S() const { return ScreenPixelsPerInchX() / 25.4; }
    double Origin() const { return 10 * S(); } // left and top alike
    static double Height(double side) { return std::sqrt(3.0) * side * 0.5; }

    // Rows holding a straight edge of at least MinLength pixels.
    std::vector<int> HorizontalEdges(TCanvas* c, double minLength) {
        return slant::StraightEdges(kSize, kSize, static_cast<int>(minLength),
                                    [&](int y, int x) { return c->Pixel(x, y) != clWhite; });
    }
    std::vector<int> VerticalEdges(TCanvas* c, double minLength) {
        return slant::StraightEdges(kSize, kSize, static_cast<int>(minLength),
                                    [&](int x, int y) { return c->Pixel(x, y) != clWhite; });
    }
    std::vector<Span> RunsAcross(TCanvas* c, double y) {
        return rendertest::ColumnsAt(c, static_cast<int>(y), kSize, clWhite);
    }
    bool Blank(TCanvas* c) {
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                if (c->Pixel(x, y) != clWhite) return false;
        return true;
    }

    static constexpr int kSize = 500;
};

TEST_F(SlantPreviewTest, CountsAndSideShapeTheLattice) {
    struct Case {
        const char* side; // Edit13
        const char* x;    // Edit29, cells along X
        const char* y;    // Edit30, bands along Y
        double sideMm;
        int cells, bands;
    };
    const Case cases[] = {
        {"10", "10", "10", 10, 10, 10}, // the start values: 95 mm wide, 86.60254 mm tall
        {"10", "1", "3", 10, 1, 3},     // a zig-zag strip half a side wide
        {"10", "4", "1", 10, 4, 1},     // one band, its bottom edge ending half a side short
        {"7.5", "6", "5", 7.5, 6, 5},   {"wide", "many", "2.5", 10, 10, 10}, // not numbers: the defaults
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string("side ") + k.side + ", " + k.x + " x " + k.y);
        f->Edit13->SetText(k.side);
        f->Edit29->SetText(k.x);
        f->Edit30->SetText(k.y);
        TCanvas* c = DrawPreview();
        const double a = k.sideMm * S(), h = Height(k.sideMm) * S();
        const double length = (k.cells - 0.5) * a;

        // One straight edge on top of every band and one under the last, all of one length.
        const std::vector<int> edges = HorizontalEdges(c, 0.6 * length);
        ASSERT_EQ(edges.size(), static_cast<size_t>(k.bands + 1));
        for (int r = 0; r <= k.bands; ++r) {
            EXPECT_NEAR(edges[r], Origin() + r * h, 1.0) << "edge " << r;
            const std::vector<Span> runs = RunsAcross(c, edges[r]);
            ASSERT_FALSE(runs.empty());
            EXPECT_NEAR(runs.front().first, Origin(), 1.0) << "edge " << r;
            EXPECT_NEAR(runs.back().last + 1, Origin() + length, 1.0) << "edge " << r;
        }
        // Halfway down every band the slanted sides cross at a quarter side and every half
        // side after it: 2C - 1 of them.
        for (int r = 0; r < k.bands; ++r) {
            const std::vector<Span> runs = RunsAcross(c, Origin() + (r + 0.5) * h);
            ASSERT_EQ(runs.size(), static_cast<size_t>(2 * k.cells - 1)) << "band " << r;
            for (size_t n = 0; n < runs.size(); ++n)
                EXPECT_NEAR(runs[n].Centre(), Origin() + (0.25 + 0.5 * n) * a, 1.5) << "band " << r;
        }
    }
}

TEST_F(SlantPreviewTest, OddBandsAreShiftedHalfASide) {
    TCanvas* c = DrawPreview();
    const double a = 10 * S(), h = Height(10) * S();
    // A quarter down a band the sides lie an eighth of a side from the band's top corners: at
    // whole sides in even bands, at half sides in odd ones.
    for (int r = 0; r < 10; ++r) {
        const double shift = r % 2 == 0 ? 0.0 : 0.5;
        for (const Span& run : RunsAcross(c, Origin() + (r + 0.25) * h)) {
            const double sides = (run.Centre() - Origin()) / a - shift;
            EXPECT_NEAR(std::abs(sides - std::round(sides)) * a, a / 8, 1.5)
                << "band " << r << ", x " << run.Centre();
        }
    }
}

TEST_F(SlantPreviewTest, BandsDownThePageExchangeTheAxesButNotTheCounts) {
    // Four cells along X and six along Y: across, six bands of four cells; down, four bands
    // (along X) of six cells (along Y).
    f->Edit29->SetText("4");
    f->Edit30->SetText("6");
    const double a = 10 * S(), h = Height(10) * S();
    f->CheckBox8->SetChecked(true);
    TCanvas* c = DrawPreview();
    const std::vector<int> columns = VerticalEdges(c, 0.6 * 5.5 * a);
    ASSERT_EQ(columns.size(), 5u);
    for (int r = 0; r <= 4; ++r)
        EXPECT_NEAR(columns[r], Origin() + r * h, 1.0) << "edge " << r;
    EXPECT_TRUE(HorizontalEdges(c, 0.6 * 3.5 * a).empty());

    // The same figure as four bands of six cells across, mirrored on the diagonal.
    std::vector<TColor> down(kSize * kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            down[y * kSize + x] = c->Pixel(x, y);
    f->CheckBox8->SetChecked(false);
    f->Edit29->SetText("6");
    f->Edit30->SetText("4");
    c = DrawPreview();
    int differ = 0, ink = 0;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            ink += down[y * kSize + x] != clWhite;
            differ += down[y * kSize + x] != c->Pixel(y, x);
        }
    ASSERT_GT(ink, 1000);
    EXPECT_LE(differ, ink / 50) << "pixels that differ from the mirrored figure";
}

TEST_F(SlantPreviewTest, NoBandOrNoCellDrawsNothing) {
    struct Case {
        const char* x;
        const char* y;
        bool down;
    };
    for (const Case& k : {Case{"0", "10", false}, Case{"10", "0", false}, Case{"-2", "10", false},
                          Case{"10", "-1", false}, Case{"0", "10", true}, Case{"10", "-3", true}}) {
        SCOPED_TRACE(std::string(k.x) + " x " + k.y + (k.down ? ", down" : ", across"));
        f->Edit29->SetText(k.x);
        f->Edit30->SetText(k.y);
        f->CheckBox8->SetChecked(k.down);
        TCanvas* c = nullptr;
        ASSERT_NO_THROW(c = DrawPreview());
        EXPECT_TRUE(Blank(c));
    }
}

TEST_F(SlantPreviewTest, LinesTakeTheLineTypeAndColour) {
    f->Panel2->SetColor(clRed);
    const int top = static_cast<int>(Origin()), from = static_cast<int>(Origin()) + 2,
              to = static_cast<int>(Origin() + 9 * 10 * S());
    auto gapsOnTopEdge = [&](TCanvas* c) {
        int gaps = 0;
        for (int x = from; x < to; ++x)
            gaps += c->Pixel(x, top) == clWhite;
        return gaps;
    };
    struct Case {
        int index;
        bool dashed;
    };
    // No selection draws solid lines, so the pattern stays visible.
    for (const Case& k : {Case{0, false}, Case{1, true}, Case{2, true}, Case{-1, false}}) {
        SCOPED_TRACE("line type " + std::to_string(k.index));
        f->ComboBox7->SetItemIndex(k.index);
        TCanvas* c = DrawPreview();
        EXPECT_EQ(gapsOnTopEdge(c) > 0, k.dashed);
        EXPECT_EQ(c->Pixel(from, top), clRed);
    }
}

TEST_F(SlantPreviewTest, BillionsOfCellsDrawWhatReachesTheCanvas) {
    // Counts far beyond the page give the picture of counts that just run off it: both end the
    // lattice beyond the canvas, so nothing of their last band or cell shows.
    auto picture = [&](const char* across, const char* down, const char* side, bool bandsDown) {
        f->Edit29->SetText(across);
        f->Edit30->SetText(down);
        f->Edit13->SetText(side);
        f->CheckBox8->SetChecked(bandsDown);
        TCanvas* c = DrawPreview();
        std::string s;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                s += c->Pixel(x, y) == clWhite ? '.' : '#';
        return s;
    };
    struct Case {
        const char *across, *down, *side, *acrossOff, *downOff;
    } cases[] = {
        {"2000000000", "2000000000", "10", "30", "30"},
        {"100000", "100000", "10", "30", "30"},
        {"2000000000", "4", "5", "60", "4"},
        {"3", "2000000000", "-7", "3", "40"}, // a negative side draws up and to the left
    };
    for (const Case& c : cases)
        for (bool bandsDown : {false, true})
            EXPECT_EQ(picture(c.across, c.down, c.side, bandsDown),
                      picture(c.acrossOff, c.downOff, c.side, bandsDown))
                << c.across << " x " << c.down << " of " << c.side << " mm"
                << (bandsDown ? ", bands down" : "");
    // A side of 0: every line has no length.
    EXPECT_EQ(picture("2000000000", "2000000000", "0", false), std::string(kSize * kSize, '.'));
}
