// The slanted paper printed on the built-in PDF printer (A4, 600 dpi, no unprintable border),
// rendered at the printer's own resolution, one image pixel per device pixel.
#include "test_slant_fixture.h"

#include "shell/PaperKinds.h"

#include <cmath>

using rendertest::Span;

class SlantPrintTest : public SlantTest {
  protected:
    void SetUp() override {
        SlantTest::SetUp();
        ASSERT_TRUE(f->PrinterRef->IsPdfPrinter());
        pdf = Path("slant.pdf").string();
        f->PrinterRef->SetOutputFileName(pdf);
    }
    void TearDown() override {
        if (f && f->PrinterRef->Printing()) f->PrinterRef->Abort();
        SlantTest::TearDown();
    }

    // One sheet as the print command draws it, through the dispatcher; the pattern's corner of
    // the page rendered.
    rendertest::Image Print() {
        f->PrinterRef->BeginDoc();
        f->PrinterRef->Canvas()->Pen()->SetColor(clBlack);
        EXPECT_TRUE(DrawPrintPattern(4)) << "the sheet is not counted";
        f->PrinterRef->EndDoc();
        return rendertest::RenderPdfPage(pdf, f->PrinterRef->Resolution(), true, kCrop);
    }
    std::vector<int> HorizontalEdges(const rendertest::Image& img) {
        return slant::StraightEdges(img.height, img.width, 1500,
                                    [&](int y, int x) { return img.At(x, y) < 128; });
    }
    // Device pixels of a paper position in millimetres, inside the crop.
    double DeviceX(double mm) const { return mm * f->PxPerMmX - kCrop.x; }
    double DeviceY(double mm) const { return mm * f->PxPerMmY - kCrop.y; }

    static constexpr rendertest::Crop kCrop{150, 150, 2500, 2500};
    static constexpr double kBandMm = 8.660254; // the band height of a 10 mm side
    std::string pdf;
};

TEST_F(SlantPrintTest, StartValuesPrintTenBandsOfTenCells) {
    const rendertest::Image img = Print();
    ASSERT_GT(img.width, 0) << "pdftoppm could not render " << pdf;
    // The band height is scaled across, like the side, whatever the vertical resolution.
    const std::vector<int> edges = HorizontalEdges(img);
    ASSERT_EQ(edges.size(), 11u);
    for (int r = 0; r <= 10; ++r)
        EXPECT_NEAR(edges[r], DeviceY(10) + r * kBandMm * f->PxPerMmX, 1.5) << "edge " << r;
    // Every straight edge runs from the left margin for 95 mm, one pixel wide.
    for (int r : {0, 10}) {
        const std::vector<Span> runs = rendertest::DarkColumnsAt(img, edges[r]);
        ASSERT_FALSE(runs.empty());
        EXPECT_NEAR(runs.front().first, DeviceX(10), 1.5);
        EXPECT_NEAR(runs.back().last + 1, DeviceX(10 + 95), 1.5);
        EXPECT_EQ(rendertest::DarkRowsAt(img, static_cast<int>(DeviceX(10 + 4.5)))[r].Width(), 1);
    }
}

TEST_F(SlantPrintTest, SideAndBandHeightBothFollowTheHorizontalResolution) {
    // A printer with twice the vertical resolution: the margin doubles in pixels, the triangles
    // keep their size in pixels, so on this sheet (really of equal resolutions) the edges start
    // 20 mm down and still lie a band height of the horizontal scale apart.
    f->PxPerMmY = 2 * f->PxPerMmX;
    const rendertest::Image img = Print();
    ASSERT_GT(img.width, 0);
    const std::vector<int> edges = HorizontalEdges(img);
    ASSERT_EQ(edges.size(), 11u);
    for (int r = 0; r <= 10; ++r)
        EXPECT_NEAR(edges[r], 20 * f->PxPerMmX + r * kBandMm * f->PxPerMmX - kCrop.y, 1.5) << "edge " << r;
}
