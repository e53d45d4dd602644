// The multi-line paper printed on the built-in PDF printer, measured on the rendered page.
#include "MultiLinePaperFixture.h"

#include "shell/PaperKinds.h"

using rendertest::Span;

namespace {
constexpr int kDpi = 150; // rendering resolution of the position checks
constexpr double kPxPerMm = kDpi / 25.4;
} // namespace

class MultiLinePrintTest : public MultiLinePaperTest {
  protected:
    void SetUp() override {
        MultiLinePaperTest::SetUp();
        ASSERT_TRUE(f->PrinterRef->IsPdfPrinter());
        pdf = Path("lines.pdf").string();
        f->PrinterRef->SetOutputFileName(pdf);
        f->MarginTop = 20.0;
        f->MarginLeft = 15.0;
        f->EditLineSize->SetText("0.3");
    }
    void TearDown() override {
        if (f && f->PrinterRef->Printing()) f->PrinterRef->Abort();
        MultiLinePaperTest::TearDown();
    }
    // One sheet with the paper on it, drawn as the print command draws it.
    void PrintSheet() {
        f->PrinterRef->BeginDoc();
        f->PrinterRef->Canvas()->Pen()->SetColor(clBlack);
        PrintMultiLine();
        f->PrinterRef->EndDoc();
    }
    // The page at the printer's own resolution, cropped to the first 100 mm below the top.
    rendertest::Image DevicePage(bool grey) const {
        const rendertest::Crop crop{0, 0, static_cast<int>(120 * f->PxPerMmX),
                                    static_cast<int>(110 * f->PxPerMmY)};
        return rendertest::RenderPdfPage(pdf, f->PrinterRef->Resolution(), grey, crop);
    }
    std::string pdf;
};

TEST_F(MultiLinePrintTest, LinesLieAtTheirMillimetresAcrossThePrintableWidth) {
    f->MarginRight = 25.0;
    PrintSheet();
    const rendertest::Image img = rendertest::RenderPdfPage(pdf, kDpi);
    ASSERT_GT(img.width, 0) << "pdftoppm could not render " << pdf;
    const std::vector<Span> rows = rendertest::DarkRowsAt(img, static_cast<int>(100 * kPxPerMm));
    ASSERT_EQ(rows.size(), 10u);
    const double want[] = {5, 10, 15, 20, 25, 50, 55, 60, 65, 70};
    for (int i = 0; i < 10; ++i)
        EXPECT_NEAR(rows[i].Centre(), (20 + want[i]) * kPxPerMm, 1.0) << "line " << i;
    const std::vector<Span> along = rendertest::DarkColumnsAt(img, static_cast<int>(rows[0].Centre()));
    ASSERT_EQ(along.size(), 1u);
    EXPECT_NEAR(along[0].first, 15 * kPxPerMm, 1.0);
    EXPECT_NEAR(along[0].last + 1, img.width - 25 * kPxPerMm, 1.0); // the end pixel is left out
}

TEST_F(MultiLinePrintTest, PitchAndThicknessesUseTheVerticalScale) {
    // A printer with twice the vertical resolution: the strokes are counted in vertical pixels.
    f->PxPerMmY = 2 * f->PxPerMmX;
    f->MarginTop = 10.0;
    PrintSheet();
    const rendertest::Image img = DevicePage(true);
    ASSERT_GT(img.width, 0);
    const std::vector<Span> rows = rendertest::DarkRowsAt(img, static_cast<int>(60 * f->PxPerMmX));
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0].Width(), static_cast<int>(std::ceil(0.3 * f->PxPerMmY)));
    EXPECT_NEAR(rows[1].first - rows[0].first, 5 * f->PxPerMmY, 1.0);
}

TEST_F(MultiLinePrintTest, APerLineRowIsPrintedInItsColourAndThickness) {
    AddLineRow(7, clBlue, 0.8, 0);
    f->CheckMultiline1->SetChecked(true); // the row wins over the group emphasis on line 7
    f->CheckMultiline2->SetChecked(true);
    PrintSheet();
    const rendertest::Image grey = DevicePage(true);
    const std::vector<Span> rows = rendertest::DarkRowsAt(grey, static_cast<int>(60 * f->PxPerMmX));
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[6].Width(), static_cast<int>(std::ceil(0.8 * f->PxPerMmY)));
    EXPECT_EQ(rows[1].Width(), static_cast<int>(std::ceil(0.1 * f->PxPerMmY))); // group emphasis
    EXPECT_EQ(rows[0].Width(), static_cast<int>(std::ceil(0.3 * f->PxPerMmY)));
    const rendertest::Image img = DevicePage(false);
    ASSERT_EQ(img.channels, 3);
    const int x = static_cast<int>(60 * f->PxPerMmX);
    auto colourAt = [&](const Span& r) {
        const int y = static_cast<int>(r.Centre());
        return RGB(img.At(x, y, 0), img.At(x, y, 1), img.At(x, y, 2));
    };
    EXPECT_EQ(colourAt(rows[6]), clBlue);
    EXPECT_EQ(colourAt(rows[8]), clRed);
    EXPECT_EQ(colourAt(rows[0]), clBlack);
}

TEST_F(MultiLinePrintTest, ThePrintDispatcherDrawsAndCountsKindThree) {
    f->PrinterRef->BeginDoc();
    EXPECT_TRUE(DrawPrintPattern(3));
    f->PrinterRef->EndDoc();
    const rendertest::Image img = rendertest::RenderPdfPage(pdf, kDpi);
    EXPECT_EQ(rendertest::DarkRowsAt(img, static_cast<int>(100 * kPxPerMm)).size(), 10u);
}

TEST_F(MultiLinePrintTest, APitchThatIsNotANumberPrintsWithTheFirstPitch) {
    f->EditFiveLineLSpace->SetText(""); // an emptied edit while a new pitch is typed
    PrintSheet();
    const rendertest::Image img = rendertest::RenderPdfPage(pdf, kDpi);
    const std::vector<Span> rows = rendertest::DarkRowsAt(img, static_cast<int>(100 * kPxPerMm));
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_NEAR(rows[1].Centre(), (20 + 10) * kPxPerMm, 1.0); // 5 mm pitch
}
