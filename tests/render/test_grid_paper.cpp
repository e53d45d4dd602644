// The dot grid drawn by the real main window's renderers, in the preview bitmap and on the
// built-in PDF printer.
#include "RenderTestUtil.h"
#include "PlainPageFixture.h"

#include "render/RenderConventions.h"
#include "render/Unit4.h"
#include "shell/PaperKinds.h"
#include "winlib/SysUtils.h"

#include <string>

using rendertest::Span;

class GridTest : public PlainPageTest {
  protected:
    void SetUp() override {
        PlainPageTest::SetUp();
        for (TEdit* e : {f->Edit14, f->Edit15, f->Edit16, f->Edit17, f->Edit18, f->Edit19})
            e->OnChange = nullptr;
        f->CheckBox4->OnClick = nullptr;
        f->CheckBox5->OnClick = nullptr;
        Defaults();
    }
    // Three by two filled 2 mm dots at a 5 mm pitch from a 10 mm corner, black, at 100 %.
    void Defaults() {
        UsePlainPage();
        f->Edit14->SetText("3");
        f->Edit15->SetText("2");
        f->Edit16->SetText("2");
        f->Edit17->SetText("2");
        f->Edit18->SetText("5");
        f->Edit19->SetText("0.1");
        f->CheckBox4->SetChecked(false);
        f->CheckBox5->SetChecked(false);
    }

    TCanvas* DrawPreview(int w = kSize, int h = kSize) {
        f->PreviewBitmap->SetSize(w, h);
        TCanvas* c = f->PreviewBitmap->Canvas();
        c->Brush()->SetColor(clWhite);
        c->FillRect(TRect(0, 0, w, h));
        PreviewGrid();
        return c;
    }

    // The preview's single-precision values: scale, left/top band (10 mm), a length in pixels.
    float S() const { return PreviewScaleSingle(f); }
    float Band() const { return static_cast<float>(10.0 * S()); }
    float Px(double mm) const { return static_cast<float>(mm * S()); }
    // Left edge of dot j of a row (2 mm dots, 5 mm pitch), with an optional half-pitch shift.
    int DotLeft(int j, bool shifted = false) const {
        const float p = Px(5), r = Px(2) * 0.5f;
        return static_cast<int>(j * static_cast<double>(p) + Band() - r + (shifted ? p * 0.5 : 0.0));
    }
    // Middle row of dot row i.
    int RowMiddle(int i) const { return static_cast<int>(i * static_cast<double>(Px(5)) + Band()); }

    std::vector<Span> DotsInRow(TCanvas* c, int i) const {
        return rendertest::ColumnsAt(c, RowMiddle(i), kSize, clWhite);
    }
    // The canvas as text, '#' for every pixel that is not white.
    static std::string Picture(TCanvas* c, int w = kSize, int h = kSize) {
        std::string p;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                p += c->Pixel(x, y) == clWhite ? '.' : '#';
        return p;
    }
    // Every dot of Across x Down dots (radii Rx, Ry and pitch P in pixels), one after the other,
    // each at its own place on the grid, with the canvas's pen and brush.
    void DrawEveryDot(TCanvas* c, int across, int down, float rx, float ry, float p, bool staggered) const {
        for (int i = 0; i < down; ++i)
            for (int j = 0; j < across; ++j) {
                const double shift = staggered && i % 2 != 0 ? p * 0.5 : 0.0;
                const double xc = j * static_cast<double>(p) + Band(),
                             yc = i * static_cast<double>(p) + Band();
                c->Ellipse(static_cast<int>(xc - rx + shift), static_cast<int>(yc - ry),
                           static_cast<int>(xc + rx + shift), static_cast<int>(yc + ry));
            }
    }
    int DarkPixels(TCanvas* c, int w = kSize, int h = kSize) const {
        int n = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                n += c->Pixel(x, y) != clWhite;
        return n;
    }

    static constexpr int kSize = 400;
};

TEST_F(GridTest, FilledDotsSitOnThePitchFromTheContentCorner) {
    TCanvas* c = DrawPreview();
    for (int i = 0; i < 2; ++i) {
        const std::vector<Span> dots = DotsInRow(c, i);
        ASSERT_EQ(dots.size(), 3u) << "row " << i;
        for (int j = 0; j < 3; ++j) {
            EXPECT_EQ(dots[j].first, DotLeft(j)) << "row " << i << " dot " << j;
            EXPECT_NEAR(dots[j].Width(), 2 * S(), 1.0);
            EXPECT_EQ(c->Pixel(static_cast<int>(dots[j].Centre()), RowMiddle(i)), clBlack);
        }
    }
    // Only two rows: nothing below the second.
    EXPECT_TRUE(DotsInRow(c, 2).empty());
    // The first dot is centred on the corner, so half of it lies in the margins.
    EXPECT_LT(DotLeft(0), static_cast<int>(Band()));
}

TEST_F(GridTest, FilledDotsTakeTheLineColourAndLeaveAWhiteBrush) {
    f->Panel2->SetColor(clRed);
    TCanvas* c = DrawPreview();
    const std::vector<Span> dots = DotsInRow(c, 0);
    ASSERT_EQ(dots.size(), 3u);
    EXPECT_EQ(c->Pixel(static_cast<int>(dots[1].Centre()), RowMiddle(0)), clRed);
    EXPECT_EQ(c->Brush()->Color(), clWhite);
    EXPECT_EQ(c->Brush()->Style(), bsSolid);
}

TEST_F(GridTest, StaggeredGridShiftsOddRowsByHalfAPitch) {
    f->CheckBox5->SetChecked(true);
    f->Edit15->SetText("3");
    TCanvas* c = DrawPreview();
    for (int i = 0; i < 3; ++i) {
        const std::vector<Span> dots = DotsInRow(c, i);
        ASSERT_EQ(dots.size(), 3u) << "row " << i;
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(dots[j].first, DotLeft(j, i == 1)) << "row " << i << " dot " << j;
    }
    // The shifted row reaches half a pitch further right than the others.
    EXPECT_NEAR(DotsInRow(c, 1).back().last - DotsInRow(c, 0).back().last, Px(2.5), 1.0);
}

TEST_F(GridTest, StaggeredSingleRowIsNotShifted) {
    f->CheckBox5->SetChecked(true);
    f->Edit15->SetText("1");
    TCanvas* c = DrawPreview();
    const std::vector<Span> dots = DotsInRow(c, 0);
    ASSERT_EQ(dots.size(), 3u);
    EXPECT_EQ(dots[0].first, DotLeft(0));
    EXPECT_TRUE(DotsInRow(c, 1).empty());
}

TEST_F(GridTest, PreviewDotsNeverShrinkBelowTwoPixels) {
    f->Edit16->SetText("0.01");
    f->Edit17->SetText("0.01");
    TCanvas* c = DrawPreview();
    const std::vector<Span> rows = rendertest::RowsAt(c, static_cast<int>(Band()), kSize, clWhite);
    const std::vector<Span> cols = rendertest::ColumnsAt(c, RowMiddle(0), kSize, clWhite);
    ASSERT_EQ(cols.size(), 3u);
    ASSERT_EQ(rows.size(), 2u);
    // trunc(c - 1) to trunc(c + 1), the right and bottom edge left out.
    EXPECT_GE(cols[0].Width(), 1);
    EXPECT_LE(cols[0].Width(), 2);
    EXPECT_EQ(cols[0].first, static_cast<int>(Band() - 1.0f));
}

TEST_F(GridTest, HollowDotsAreRingsWithAOnePixelOutline) {
    f->CheckBox4->SetChecked(true);
    f->Edit16->SetText("4");
    f->Edit17->SetText("4");
    f->Edit18->SetText("8");
    TCanvas* c = DrawPreview();
    // Down the first column and along the first row each ring is crossed twice.
    EXPECT_EQ(rendertest::RowsAt(c, static_cast<int>(Band()), kSize, clWhite).size(), 4u);
    const std::vector<Span> across = rendertest::ColumnsAt(c, RowMiddle(0), kSize, clWhite);
    ASSERT_EQ(across.size(), 6u);
    for (const Span& s : across)
        EXPECT_EQ(s.Width(), 1);
    EXPECT_EQ(c->Pixel(static_cast<int>(Band()), static_cast<int>(Band())), clWhite); // the hole
}

TEST_F(GridTest, HollowOutlineWidthFollowsItsEdit) {
    f->CheckBox4->SetChecked(true);
    f->Edit16->SetText("8");
    f->Edit17->SetText("8");
    f->Edit18->SetText("20");
    f->Edit14->SetText("1");
    f->Edit15->SetText("1");
    f->Edit19->SetText("1"); // 3.78 pixels: a pen 3 wide
    TCanvas* c = DrawPreview();
    const std::vector<Span> across = rendertest::ColumnsAt(c, static_cast<int>(Band()), kSize, clWhite);
    ASSERT_EQ(across.size(), 2u);
    EXPECT_EQ(across[0].Width(), 3);
    EXPECT_EQ(c->Pen()->Width(), 3);
}

TEST_F(GridTest, HollowOutlineThatIsNotANumberRaisesBeforeAnyDot) {
    f->CheckBox4->SetChecked(true);
    f->Edit19->SetText("thin");
    f->PreviewBitmap->SetSize(kSize, kSize);
    TCanvas* c = f->PreviewBitmap->Canvas();
    c->Brush()->SetColor(clWhite);
    c->FillRect(TRect(0, 0, kSize, kSize));
    EXPECT_THROW(PreviewGrid(), EConvertError);
    EXPECT_EQ(DarkPixels(c), 0);
    // Filled dots never read it.
    f->CheckBox4->SetChecked(false);
    EXPECT_NO_THROW(DrawPreview());
}

TEST_F(GridTest, CountsAndSizesThatAreNotNumbersTakeTheirDefaults) {
    struct Case {
        TEdit* TForm1::*edit;
        const char* text;
        int across, down; // dots expected in row 0, rows expected in column 0
    };
    // 20 dots at 5 mm need 105 mm; the default pitch of 10 mm needs 200 mm.
    const int big = 1200;
    for (const Case& k : {Case{&TForm1::Edit14, "abc", 20, 2}, Case{&TForm1::Edit14, "1.0", 20, 2},
                          Case{&TForm1::Edit15, "", 3, 20}, Case{&TForm1::Edit14, "0", 0, 0},
                          Case{&TForm1::Edit15, "-3", 0, 0}}) {
        Defaults();
        (f->*k.edit)->SetText(k.text);
        TCanvas* c = DrawPreview(big, big);
        EXPECT_EQ(rendertest::ColumnsAt(c, RowMiddle(0), big, clWhite).size(), static_cast<size_t>(k.across))
            << k.text;
        EXPECT_EQ(rendertest::RowsAt(c, static_cast<int>(Band()), big, clWhite).size(),
                  static_cast<size_t>(k.down))
            << k.text;
    }
    Defaults();
    f->Edit18->SetText("wide");
    f->Edit16->SetText("x");
    TCanvas* c = DrawPreview();
    const std::vector<Span> dots = DotsInRow(c, 0);
    ASSERT_EQ(dots.size(), 3u);
    EXPECT_NEAR(dots[1].first - dots[0].first, 10 * S(), 1.0); // pitch 10 mm
    EXPECT_NEAR(dots[0].Width(), 0.5 * S(), 1.0);              // width 0.5 mm
}

TEST_F(GridTest, PitchZeroPutsEveryDotOnOneSpot) {
    for (bool staggered : {false, true}) {
        Defaults();
        f->Edit18->SetText("0");
        f->CheckBox5->SetChecked(staggered);
        TCanvas* c = DrawPreview();
        const std::vector<Span> across = rendertest::ColumnsAt(c, static_cast<int>(Band()), kSize, clWhite);
        const std::vector<Span> down = rendertest::RowsAt(c, static_cast<int>(Band()), kSize, clWhite);
        ASSERT_EQ(across.size(), 1u) << staggered;
        ASSERT_EQ(down.size(), 1u) << staggered;
        EXPECT_EQ(across[0].first, DotLeft(0));
    }
}

TEST_F(GridTest, HugeCountsDrawThePageAndReturnAtOnce) {
    struct Case {
        const char* pitch;
        bool staggered;
    };
    const int w = 793, h = 1122; // A4 at 100 %
    for (const Case& k : {Case{"5", false}, Case{"5", true}, Case{"0", true}}) {
        Defaults();
        f->Edit14->SetText("2000000000");
        f->Edit15->SetText("2000000000");
        f->Edit18->SetText(k.pitch);
        f->CheckBox5->SetChecked(k.staggered);
        TCanvas* c = DrawPreview(w, h);
        if (k.pitch == std::string("5")) {
            // Dots all the way to the right and bottom edges, none lost or wrapped around.
            const std::vector<Span> row = rendertest::ColumnsAt(c, RowMiddle(0), w, clWhite);
            EXPECT_EQ(row.size(), static_cast<size_t>((w - DotLeft(0)) / (5 * S())) + 1);
            const int lastRow = static_cast<int>((h - Band()) / Px(5));
            EXPECT_EQ(rendertest::ColumnsAt(c, RowMiddle(lastRow), w, clWhite).front().first,
                      DotLeft(0, k.staggered && lastRow % 2 == 1));
        }
    }
}

TEST_F(GridTest, FilledDotsLargerThanTheirPitchGiveThePictureOfEveryDot) {
    // Dots that overlap by far are drawn as the shape they make together; the page must look
    // as if every dot had been drawn.
    struct Case {
        const char *across, *down, *width, *height, *pitch;
        bool staggered;
    } cases[] = {
        {"60", "60", "20", "20", "1", false},  {"60", "60", "20", "20", "1", true},
        {"40", "50", "30", "6", "1", false},   {"40", "50", "6", "30", "1.5", true},
        {"50", "50", "25", "25", "-1", false}, {"9", "200", "90", "90", "1", true},
        {"3", "3", "20", "20", "1", false},    {"60", "60", "2", "2", "1", false}, // apart: dot by dot
    };
    for (const Case& k : cases) {
        f->Edit14->SetText(k.across);
        f->Edit15->SetText(k.down);
        f->Edit16->SetText(k.width);
        f->Edit17->SetText(k.height);
        f->Edit18->SetText(k.pitch);
        f->CheckBox5->SetChecked(k.staggered);
        const std::string drawn = Picture(DrawPreview());
        // Every dot, one after the other, each at its own place on the grid.
        TCanvas* c = DrawPreview();
        c->Brush()->SetColor(clWhite);
        c->FillRect(TRect(0, 0, kSize, kSize));
        c->Brush()->SetColor(clBlack);
        const float rx = std::max(Px(StrToFloat(k.width)) * 0.5f, 1.0f);
        const float ry = std::max(Px(StrToFloat(k.height)) * 0.5f, 1.0f), p = Px(StrToFloat(k.pitch));
        DrawEveryDot(c, StrToInt(k.across), StrToInt(k.down), rx, ry, p, k.staggered);
        EXPECT_EQ(drawn, Picture(c)) << k.across << " x " << k.down << " dots " << k.width << " x "
                                     << k.height << " at " << k.pitch << (k.staggered ? " staggered" : "");
    }
}

TEST_F(GridTest, HollowRingsLargerThanTheirPitchGiveThePictureOfEveryRing) {
    // Rings by the thousand over one another, on the whole preview of A4 and partly off it, some
    // wide enough to cross the page: the preview must look as if every ring had been drawn. An
    // outline wider than a pixel is drawn ring by ring.
    struct Case {
        const char *across, *down, *width, *height, *pitch, *outline;
        bool staggered;
    } cases[] = {
        {"120", "120", "297", "297", "1", "0.1", false}, {"300", "300", "20", "20", "1", "0.1", true},
        {"80", "120", "30", "6", "1.5", "0.1", false},   {"60", "60", "9", "31", "-2", "0.1", true},
        {"40", "40", "12", "12", "5", "0.1", false},     {"200", "200", "2", "2", "1", "0.1", true},
        {"30", "30", "15", "15", "4", "0.6", false},     {"50", "50", "0", "0", "0", "0.1", true},
    };
    const int w = 793, h = 1122; // A4 at 100 %
    f->CheckBox4->SetChecked(true);
    for (const Case& k : cases) {
        f->Edit14->SetText(k.across);
        f->Edit15->SetText(k.down);
        f->Edit16->SetText(k.width);
        f->Edit17->SetText(k.height);
        f->Edit18->SetText(k.pitch);
        f->Edit19->SetText(k.outline);
        f->CheckBox5->SetChecked(k.staggered);
        const std::string drawn = Picture(DrawPreview(w, h), w, h);
        TCanvas* c = DrawPreview(w, h);
        c->Brush()->SetColor(clWhite);
        c->FillRect(TRect(0, 0, w, h));
        c->Brush()->SetStyle(bsClear);
        const double outline = StrToFloat(k.outline) * S();
        c->Pen()->SetWidth(outline < 1.0 ? 1 : static_cast<int>(outline));
        const float rx = std::max(Px(StrToFloat(k.width)) * 0.5f, 1.0f);
        const float ry = std::max(Px(StrToFloat(k.height)) * 0.5f, 1.0f), p = Px(StrToFloat(k.pitch));
        DrawEveryDot(c, StrToInt(k.across), StrToInt(k.down), rx, ry, p, k.staggered);
        EXPECT_EQ(drawn, Picture(c, w, h))
            << k.across << " x " << k.down << " rings " << k.width << " x " << k.height << " at " << k.pitch
            << (k.staggered ? " staggered" : "");
    }
}

TEST_F(GridTest, DispatchersDrawAndCountTheGrid) {
    f->PreviewBitmap->SetSize(kSize, kSize);
    TCanvas* c = f->PreviewBitmap->Canvas();
    c->Brush()->SetColor(clWhite);
    c->FillRect(TRect(0, 0, kSize, kSize));
    DrawPreviewPattern(5);
    EXPECT_EQ(DotsInRow(c, 0).size(), 3u);

    f->PrinterRef->SetOutputFileName(Path("count.pdf").string());
    f->PrinterRef->BeginDoc();
    EXPECT_TRUE(DrawPrintPattern(5));
    f->PrinterRef->EndDoc();
}

// ---- print ----------------------------------------------------------------------------------

class GridPrintTest : public GridTest {
  protected:
    void SetUp() override {
        GridTest::SetUp();
        ASSERT_TRUE(f->PrinterRef->IsPdfPrinter());
        pdf = Path("grid.pdf").string();
        f->PrinterRef->SetOutputFileName(pdf);
    }
    void TearDown() override {
        if (f && f->PrinterRef->Printing()) f->PrinterRef->Abort();
        GridTest::TearDown();
    }
    // One sheet as the print loop draws it, rendered at the printer's resolution, cropped to
    // the top-left 60 x 60 mm.
    rendertest::Image Print() {
        f->PrinterRef->BeginDoc();
        f->PrinterRef->Canvas()->Pen()->SetColor(clBlack);
        PrintGrid();
        f->PrinterRef->EndDoc();
        const int side = static_cast<int>(60 * f->PxPerMmX);
        return rendertest::RenderPdfPage(pdf, f->PrinterRef->Resolution(), true, {0, 0, side, side});
    }
    std::string pdf;
};

TEST_F(GridPrintTest, DotsHaveTheirTrueSizeAndPitch) {
    f->Edit16->SetText("0.1"); // 2.36 pixels, below the preview's least size only on screen
    f->Edit17->SetText("1");
    const rendertest::Image img = Print();
    ASSERT_GT(img.width, 0) << "pdftoppm could not render " << pdf;
    const int y = static_cast<int>(10 * f->PxPerMmY);
    const std::vector<Span> dots = rendertest::DarkColumnsAt(img, y);
    ASSERT_EQ(dots.size(), 3u);
    for (int j = 0; j < 3; ++j)
        EXPECT_NEAR(dots[j].Centre(), (10 + 5 * j) * f->PxPerMmX, 2.0) << j;
    EXPECT_LE(dots[0].Width(), 4);
    const std::vector<Span> down = rendertest::DarkRowsAt(img, static_cast<int>(dots[0].Centre()));
    ASSERT_EQ(down.size(), 2u);
    EXPECT_NEAR(down[0].Width(), 1 * f->PxPerMmY, 3.0);
    EXPECT_NEAR(down[1].Centre() - down[0].Centre(), 5 * f->PxPerMmX, 2.0);
}

TEST_F(GridPrintTest, RowsUseTheHorizontalPitch) {
    // A printer with twice the vertical resolution: rows lie as many pixels apart as columns.
    f->PxPerMmY = 2 * f->PxPerMmX;
    f->MarginTop = 5.0;
    const rendertest::Image img = Print();
    ASSERT_GT(img.width, 0);
    const std::vector<Span> down = rendertest::DarkRowsAt(img, static_cast<int>(10 * f->PxPerMmX));
    ASSERT_EQ(down.size(), 2u);
    EXPECT_NEAR(down[0].Centre(), 5 * f->PxPerMmY, 2.0);
    EXPECT_NEAR(down[1].Centre() - down[0].Centre(), 5 * f->PxPerMmX, 2.0);
}

TEST_F(GridPrintTest, HollowDotsPrintWithTheOutlineWidth) {
    f->CheckBox4->SetChecked(true);
    f->Edit16->SetText("4");
    f->Edit17->SetText("4");
    f->Edit19->SetText("0.5");
    const rendertest::Image img = Print();
    ASSERT_GT(img.width, 0);
    const std::vector<Span> across = rendertest::DarkColumnsAt(img, static_cast<int>(10 * f->PxPerMmY));
    ASSERT_EQ(across.size(), 6u);
    const int pen = static_cast<int>(0.5 * f->PxPerMmX);
    EXPECT_NEAR(across[0].Width(), pen, 2.0);
    EXPECT_NEAR(across[1].first - across[0].first, 4 * f->PxPerMmX, 3.0);
}
