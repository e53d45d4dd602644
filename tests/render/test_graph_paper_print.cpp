// The graph paper printed on the built-in PDF printer, measured on the rendered page.
#include "GraphPaperFixture.h"

#include "shell/PrintRenderers.h"

using rendertest::Line;

namespace {
constexpr int kDpi = 150; // rendering resolution of the checks
constexpr double kPxPerMm = kDpi / 25.4;
} // namespace

class GraphPaperPrintTest : public GraphPaperTest {
  protected:
    void SetUp() override {
        GraphPaperTest::SetUp();
        ASSERT_TRUE(f->PrinterRef->IsPdfPrinter());
        pdf = Path("grid.pdf").string();
        f->PrinterRef->SetOutputFileName(pdf);
        f->MarginTop = 20.0;
        f->MarginLeft = 15.0;
        f->Edit32->SetText("0.2");
    }
    void TearDown() override {
        if (f && f->PrinterRef->Printing()) f->PrinterRef->Abort();
        GraphPaperTest::TearDown();
    }

    // One sheet with the graph paper on it, as the print command draws it; the page rendered.
    rendertest::Image Print(bool grey = true) {
        f->PrinterRef->BeginDoc();
        f->PrinterRef->Canvas()->Pen()->SetColor(clBlack);
        PrintGraphPaper();
        f->PrinterRef->EndDoc();
        return rendertest::RenderPdfPage(pdf, kDpi, grey);
    }

    std::string pdf;
};

TEST_F(GraphPaperPrintTest, ElevenLinesEachWayFiftyMillimetresEndToEnd) {
    const rendertest::Image img = Print();
    ASSERT_GT(img.width, 0) << "pdftoppm could not render " << pdf;
    const std::vector<Line> rows = rendertest::FindLines(img, true, 40);
    const std::vector<Line> cols = rendertest::FindLines(img, false, 40);
    ASSERT_EQ(rows.size(), 11u);
    ASSERT_EQ(cols.size(), 11u);
    // The PDF printer has no unprintable border: the printable corner is the paper's corner.
    EXPECT_NEAR(rows.front().centre, 20.0 * kPxPerMm, 1.0);
    EXPECT_NEAR(cols.front().centre, 15.0 * kPxPerMm, 1.0);
    EXPECT_NEAR(rows.back().centre - rows.front().centre, 50.0 * kPxPerMm, 1.0);
    EXPECT_NEAR(cols.back().centre - cols.front().centre, 50.0 * kPxPerMm, 1.0);
    // Print does not accumulate rounding: every line within a pixel of its exact place.
    for (size_t n = 0; n < rows.size(); ++n) {
        EXPECT_NEAR(rows[n].centre, (20.0 + 5.0 * n) * kPxPerMm, 1.0) << "row " << n;
        EXPECT_NEAR(cols[n].centre, (15.0 + 5.0 * n) * kPxPerMm, 1.0) << "column " << n;
    }
}

TEST_F(GraphPaperPrintTest, PositionsCountFromThePrintableCorner) {
    // A printer whose printable area starts 5 mm inside the paper: the renderer subtracts the
    // offset, so on the printable area the grid starts 5 mm earlier.
    f->PhysOffsetX = static_cast<int>(5 * f->PxPerMmX);
    f->PhysOffsetY = static_cast<int>(5 * f->PxPerMmY);
    f->FrameInsetTop = 3.0;
    const rendertest::Image img = Print();
    const std::vector<Line> rows = rendertest::FindLines(img, true, 40);
    const std::vector<Line> cols = rendertest::FindLines(img, false, 40);
    ASSERT_EQ(rows.size(), 11u);
    ASSERT_EQ(cols.size(), 11u);
    EXPECT_NEAR(rows.front().centre, (20.0 + 3.0 - 5.0) * kPxPerMm, 1.0);
    EXPECT_NEAR(cols.front().centre, (15.0 - 5.0) * kPxPerMm, 1.0);
}

TEST_F(GraphPaperPrintTest, EmphasisLinesAreThickerAndInTheirColours) {
    f->CheckGraphPaper1->SetChecked(true);
    f->Edit27->SetText("5");
    f->Edit1->SetText("2");
    f->Edit33->SetText("0.6");
    f->ExColorPanel1Y->SetColor(clRed);
    f->ExColorPanel1->SetColor(clBlue);
    const rendertest::Image grey = Print();
    const std::vector<Line> rows = rendertest::FindLines(grey, true, 20);
    ASSERT_EQ(rows.size(), 11u);
    // Emphasised rows 0, 5, 10 carry three times the ink of the ordinary ones.
    for (int n : {0, 5, 10})
        EXPECT_GT(rows[n].ink, 2.0 * rows[1].ink) << "row " << n;

    const rendertest::Image img = rendertest::RenderPdfPage(pdf, kDpi, false);
    ASSERT_EQ(img.channels, 3);
    auto colourAt = [&](double x, double y) {
        const int px = static_cast<int>(x), py = static_cast<int>(y);
        return RGB(img.At(px, py, 0), img.At(px, py, 1), img.At(px, py, 2));
    };
    const double midCellX = (15.0 + 2.5) * kPxPerMm, midCellY = (20.0 + 2.5) * kPxPerMm;
    EXPECT_EQ(colourAt(midCellX, rows[5].centre), clRed);
    EXPECT_EQ(colourAt((15.0 + 4 * 5.0) * kPxPerMm, midCellY), clBlue); // column 4
    const TColor ordinary = colourAt(midCellX, (20.0 + 5.0) * kPxPerMm);
    EXPECT_EQ(GetRValue(ordinary), GetGValue(ordinary)); // row 1: grey or black, not red
}

TEST_F(GraphPaperPrintTest, HorizontalLinesTakeTheirThicknessFromTheHorizontalScale) {
    // A printer with twice the vertical resolution: horizontal lines lie 10 mm apart on the
    // paper, yet are as thick as the vertical lines.
    f->PxPerMmY = 2 * f->PxPerMmX;
    f->MarginTop = 10.0;
    f->Edit32->SetText("0.3");
    const rendertest::Image img = Print();
    const std::vector<Line> rows = rendertest::FindLines(img, true, 40);
    const std::vector<Line> cols = rendertest::FindLines(img, false, 40);
    ASSERT_EQ(rows.size(), 11u);
    ASSERT_EQ(cols.size(), 11u);
    EXPECT_NEAR(rows[1].centre - rows[0].centre, 10.0 * kPxPerMm, 1.0);
    // Ink per unit of length: horizontal lines are 50 mm long, vertical ones 100 mm.
    const double across = rows[3].ink / (50.0 * kPxPerMm), down = cols[3].ink / (100.0 * kPxPerMm);
    EXPECT_NEAR(across / down, 1.0, 0.25);
    EXPECT_NEAR(down, 0.3 * kPxPerMm, 0.5);
}

TEST_F(GraphPaperPrintTest, BadValuesReachTheCallerWithoutAGuardMessage) {
    struct Case {
        TEdit* edit;
        const char* text;
        bool divByZero;
    };
    f->CheckGraphPaper1->SetChecked(true);
    for (const Case& k : {Case{f->eMmX, "abc", false}, Case{f->eDotY, "2.5", false},
                          Case{f->Edit27, "0", true}, Case{f->Edit1, "0", true}}) {
        const AnsiString old = k.edit->Text();
        k.edit->SetText(k.text);
        f->PrinterRef->BeginDoc();
        if (k.divByZero)
            EXPECT_THROW(PrintGraphPaper(), EDivByZero) << k.edit->Name();
        else
            EXPECT_THROW(PrintGraphPaper(), EConvertError) << k.edit->Name();
        f->PrinterRef->Abort();
        k.edit->SetText(old);
    }
    EXPECT_TRUE(ShownMessages().empty());
}

TEST_F(GraphPaperPrintTest, ThicknessThatIsNotANumberPrintsAsOneTenthMillimetre) {
    f->Edit32->SetText("thin");
    const rendertest::Image img = Print();
    const std::vector<Line> cols = rendertest::FindLines(img, false, 40);
    ASSERT_EQ(cols.size(), 11u);
    EXPECT_NEAR(cols[2].ink / (50.0 * kPxPerMm), 0.1 * kPxPerMm, 0.3);
}

TEST_F(GraphPaperPrintTest, PrintDispatcherDrawsAndCountsGraphPaper) {
    f->PrinterRef->BeginDoc();
    EXPECT_TRUE(DrawPrintPattern(f, 0));
    EXPECT_FALSE(DrawPrintPattern(f, -1));
    EXPECT_FALSE(DrawPrintPattern(f, 8));
    f->PrinterRef->EndDoc();
    const rendertest::Image img = rendertest::RenderPdfPage(pdf, kDpi);
    EXPECT_EQ(rendertest::FindLines(img, true, 40).size(), 11u);
}
