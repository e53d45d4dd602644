// The manuscript paper printed on the built-in PDF printer (A4, 600 dpi, no unprintable border),
// measured on the rendered page.
#include "test_manuscript_fixture.h"

#include "shell/PaperKinds.h"

#include <cmath>

using rendertest::Line;
using rendertest::Span;

namespace {
constexpr int kDpi = 150; // rendering resolution of the checks
constexpr double kPxPerMm = kDpi / 25.4;

std::vector<int> CentresMm(const std::vector<Line>& lines) {
    std::vector<int> v; // in hundredths of a millimetre, for the gap pattern
    for (const Line& l : lines)
        v.push_back(static_cast<int>(l.centre / kPxPerMm * 100));
    return v;
}
} // namespace

class ManuscriptPrintTest : public ManuscriptTest {
  protected:
    void SetUp() override {
        ManuscriptTest::SetUp();
        ASSERT_TRUE(f->PrinterRef->IsPdfPrinter());
        pdf = Path("manuscript.pdf").string();
        f->PrinterRef->SetOutputFileName(pdf);
    }
    void TearDown() override {
        if (f && f->PrinterRef->Printing()) f->PrinterRef->Abort();
        ManuscriptTest::TearDown();
    }

    // One sheet as the print command draws it, through the dispatcher; the page rendered.
    rendertest::Image Print(int dpi = kDpi, rendertest::Crop crop = {}) {
        f->PrinterRef->BeginDoc();
        f->PrinterRef->Canvas()->Pen()->SetColor(clBlack);
        EXPECT_TRUE(DrawPrintPattern(2)) << "the sheet is not counted";
        f->PrinterRef->EndDoc();
        return rendertest::RenderPdfPage(pdf, dpi, true, crop);
    }

    std::string pdf;
};

TEST_F(ManuscriptPrintTest, GridStaysWithinTheMargins) {
    const rendertest::Image img = Print();
    ASSERT_GT(img.width, 0) << "pdftoppm could not render " << pdf;
    // 277 mm of content for 21 rows and 20 strips: cells of 277 / (21 + 20/3) mm.
    const double cell = 277.0 / (21 + 20 / 3.0);
    const std::vector<Line> rows = rendertest::FindLines(img, true, 200);
    ASSERT_EQ(rows.size(), 42u);
    EXPECT_EQ(manuscript::Pattern(CentresMm(rows), cell * 100, 40),
              manuscript::Rows(10) + "c" + manuscript::Rows(10));
    EXPECT_NEAR(rows.front().centre / kPxPerMm, 10.0, 0.4);
    EXPECT_NEAR(rows.back().centre / kPxPerMm, 287.0, 0.4); // the bottom margin starts there
    const std::vector<Line> cols = rendertest::FindLines(img, false, 200);
    ASSERT_EQ(cols.size(), 11u);
    EXPECT_NEAR(cols.front().centre / kPxPerMm, 10.0, 0.4);
    EXPECT_NEAR(cols.back().centre / kPxPerMm, 10.0 + 10 * cell, 0.4);
}

TEST_F(ManuscriptPrintTest, FrameIsHalfAMillimetreAndRulesATenth) {
    // At the printer's own resolution, down a column inside the first cell: the frame's top
    // edge, then the strip's lower rule.
    const rendertest::Crop crop{200, 150, 400, 300};
    const rendertest::Image img = Print(f->PrinterRef->Resolution(), crop);
    ASSERT_GT(img.width, 0);
    const std::vector<Span> runs = rendertest::DarkRowsAt(img, static_cast<int>(15 * f->PxPerMmX) - crop.x);
    ASSERT_GE(runs.size(), 2u);
    EXPECT_EQ(runs[0].Width(), static_cast<int>(0.5 * f->PxPerMmY));
    EXPECT_EQ(runs[1].Width(), static_cast<int>(0.1 * f->PxPerMmX));
}

TEST_F(ManuscriptPrintTest, ExplicitCellsTakeEachAxisFromItsOwnResolution) {
    // A printer with twice the vertical resolution: 10 mm cells are 10 mm across and as many
    // pixels again down, so on this sheet (really of equal resolutions) they come out 20 mm.
    f->PxPerMmY = 2 * f->PxPerMmX;
    f->MarginTop = 5.0;
    f->CheckBox3->SetChecked(true);
    f->Edit7->SetText("10");
    const rendertest::Image img = Print();
    ASSERT_GT(img.width, 0);
    const std::vector<Line> cols = rendertest::FindLines(img, false, 200);
    ASSERT_EQ(cols.size(), 11u);
    for (size_t j = 0; j < cols.size(); ++j)
        EXPECT_NEAR(cols[j].centre / kPxPerMm, 10.0 + 10.0 * j, 0.4) << "column " << j;
    const std::vector<Line> rows = rendertest::FindLines(img, true, 200);
    ASSERT_GE(rows.size(), 6u);
    EXPECT_EQ(manuscript::Pattern(CentresMm(rows), 2000, 40).substr(0, 5), "gcgcg");
    EXPECT_NEAR(rows.front().centre / kPxPerMm, 10.0, 0.4); // the 5 mm margin, doubled too
}
