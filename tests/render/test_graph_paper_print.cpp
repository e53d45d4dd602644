// The graph paper printed on the built-in PDF printer, measured on the rendered page.
#include "GraphPaperFixture.h"

#include "shell/PaperKinds.h"

using rendertest::Line;
using rendertest::Span;

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

    // The same sheet rendered at the printer's own resolution, one image pixel per device pixel,
    // cropped to where the grids of these tests lie.
    rendertest::Image PrintAtDeviceResolution() {
        Print();
        return rendertest::RenderPdfPage(pdf, f->PrinterRef->Resolution(), true, kGridCrop);
    }
    // Device pixels of a paper position in millimetres, inside the crop.
    int DeviceX(double mm) const { return static_cast<int>(mm * f->PxPerMmX) - kGridCrop.x; }
    int DeviceY(double mm) const { return static_cast<int>(mm * f->PxPerMmY) - kGridCrop.y; }

    static constexpr rendertest::Crop kGridCrop{200, 300, 1500, 2700};
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

TEST_F(GraphPaperPrintTest, EmphasisLinesTakeTheirThicknessAndColours) {
    f->CheckGraphPaper1->SetChecked(true);
    f->Edit27->SetText("5");
    f->Edit1->SetText("2");
    f->Edit33->SetText("0.6");
    f->ExColorPanel1Y->SetColor(clRed);
    f->ExColorPanel1->SetColor(clBlue);
    const rendertest::Image grey = PrintAtDeviceResolution();
    ASSERT_GT(grey.width, 0);
    const std::vector<Span> rows = rendertest::DarkRowsAt(grey, DeviceX(15.0 + 2.5));
    ASSERT_EQ(rows.size(), 11u);
    const int thick = static_cast<int>(std::ceil(0.6 * f->PxPerMmX)),
              thin = static_cast<int>(std::ceil(0.2 * f->PxPerMmX));
    for (int n = 0; n <= 10; ++n)
        EXPECT_EQ(rows[n].Width(), n % 5 == 0 ? thick : thin) << "row " << n;

    const rendertest::Image img =
        rendertest::RenderPdfPage(pdf, f->PrinterRef->Resolution(), false, kGridCrop);
    ASSERT_EQ(img.channels, 3);
    auto colourAt = [&](int x, int y) { return RGB(img.At(x, y, 0), img.At(x, y, 1), img.At(x, y, 2)); };
    EXPECT_EQ(colourAt(DeviceX(17.5), static_cast<int>(rows[5].Centre())), clRed);
    EXPECT_EQ(colourAt(DeviceX(17.5), static_cast<int>(rows[1].Centre())), clBlack);
    const std::vector<Span> cols = rendertest::DarkColumnsAt(grey, DeviceY(20.0 + 2.5));
    ASSERT_EQ(cols.size(), 11u);
    for (int n = 0; n <= 10; ++n)
        EXPECT_EQ(colourAt(static_cast<int>(cols[n].Centre()), DeviceY(22.5)), n % 2 == 0 ? clBlue : clBlack)
            << "column " << n;
}

TEST_F(GraphPaperPrintTest, HorizontalLinesTakeTheirThicknessFromTheHorizontalScale) {
    // A printer with twice the vertical resolution: horizontal lines are as many pixels thick
    // as vertical ones, though they lie twice as many pixels apart.
    f->PxPerMmY = 2 * f->PxPerMmX;
    f->MarginTop = 10.0;
    f->Edit32->SetText("0.3");
    const rendertest::Image img = PrintAtDeviceResolution();
    const std::vector<Span> rows = rendertest::DarkRowsAt(img, DeviceX(17.5));
    const std::vector<Span> cols =
        rendertest::DarkColumnsAt(img, static_cast<int>(12.5 * f->PxPerMmY) - kGridCrop.y);
    ASSERT_EQ(rows.size(), 11u);
    ASSERT_EQ(cols.size(), 11u);
    const int want = static_cast<int>(std::ceil(0.3 * f->PxPerMmX));
    EXPECT_EQ(rows[4].Width(), want);
    EXPECT_EQ(cols[4].Width(), want);
    EXPECT_NEAR(rows[1].first - rows[0].first, 5.0 * f->PxPerMmY, 1.0);
}

TEST_F(GraphPaperPrintTest, ThicknessThatIsNotANumberPrintsAsOneTenthMillimetre) {
    f->Edit32->SetText("thin");
    const rendertest::Image img = PrintAtDeviceResolution();
    const std::vector<Span> cols = rendertest::DarkColumnsAt(img, DeviceY(22.5));
    ASSERT_EQ(cols.size(), 11u);
    for (const Span& c : cols)
        EXPECT_EQ(c.Width(), static_cast<int>(std::ceil(0.1 * f->PxPerMmX)));
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

TEST_F(GraphPaperPrintTest, PrintDispatcherDrawsAndCountsGraphPaper) {
    f->PrinterRef->BeginDoc();
    EXPECT_TRUE(DrawPrintPattern(0));
    EXPECT_FALSE(DrawPrintPattern(-1));
    EXPECT_FALSE(DrawPrintPattern(8));
    f->PrinterRef->EndDoc();
    const rendertest::Image img = rendertest::RenderPdfPage(pdf, kDpi);
    EXPECT_EQ(rendertest::FindLines(img, true, 40).size(), 11u);
}
