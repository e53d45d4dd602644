// Dashed lines are as long in millimetres on the preview as on the sheet: the sheet draws the
// pen's patterns in printer pixels (a dash pattern repeats every 24 of them, 1.016 mm at
// 600 dpi), and the preview draws the same millimetres at its own scale.
#include "DecorationFixture.h"

#include "winlib/CanvasLines.h"

#include <numeric>

namespace {
// The mean distance from one dash's start to the next along a run of on/off states.
double MeanPeriod(const std::vector<bool>& on) {
    std::vector<int> starts;
    for (size_t i = 1; i < on.size(); ++i)
        if (on[i] && !on[i - 1]) starts.push_back(static_cast<int>(i));
    if (starts.size() < 2) return 0;
    return double(starts.back() - starts.front()) / double(starts.size() - 1);
}
} // namespace

TEST(DashMask, AScaledMaskKeepsThePatternsLengthAndShareOfInk) {
    struct Case {
        TPenStyle style;
        int period; // of the plain mask, pixels
        double ink; // its share of on pixels
        int dashes; // in one pattern
    };
    for (const Case& k : {Case{psDash, 24, 0.75, 1}, Case{psDot, 6, 0.5, 1}, Case{psDashDot, 24, 0.5, 2},
                          Case{psDashDotDot, 24, 0.625, 3}}) {
        for (double scale : {0.16, 0.064, 0.5, 2.0}) {
            SCOPED_TRACE(std::to_string(k.style) + " at " + std::to_string(scale));
            const cnv::DashMask m = cnv::MaskFor(k.style, scale);
            ASSERT_NE(m.on, nullptr);
            // A whole number of patterns, stretched by less than half a pixel.
            const double patterns = m.period / (k.period * scale);
            EXPECT_NEAR(patterns * k.period * scale, std::round(patterns) * k.period * scale, 0.5);
            const int on = static_cast<int>(std::count(m.on, m.on + m.period, true));
            // Each dash's ends at the nearest pixel: up to half a pixel more or less of each.
            EXPECT_NEAR(double(on) / m.period, k.ink, k.dashes * 0.5 / (k.period * scale) + 0.02);
        }
    }
    // Scale 1, or no scale at all, is the plain mask; a solid pen has none.
    EXPECT_EQ(cnv::MaskFor(psDash, 1.0).on, cnv::MaskFor(psDash).on);
    EXPECT_EQ(cnv::MaskFor(psDash, 0.0).on, cnv::MaskFor(psDash).on);
    EXPECT_EQ(cnv::MaskFor(psSolid, 0.16).on, nullptr);
}

TEST_F(DecorationPrintTest, DashesAreAsLongOnThePreviewAsOnTheSheet) {
    // Multi-line paper: horizontal lines only, the first at the content's top, 15 mm down.
    f->PageControl1->SetActivePageIndex(3);
    f->CheckBlank->SetChecked(false);
    f->ComboBox3->SetItemIndex(1); // 破線
    f->CheckMultiline1->SetChecked(false);
    f->CheckMultiline2->SetChecked(false);
    const TBitmap* page = Rebuild();
    const int x0 = Px(20), x1 = Px(180);
    // The first line below the top margin: the first row inked over half its length.
    int bestRow = -1;
    for (int y = Px(15); y <= Px(40) && bestRow < 0; ++y) {
        int ink = 0;
        for (int x = x0; x < x1; ++x)
            ink += At(page, x, y) != clWhite;
        if (ink > (x1 - x0) / 2) bestRow = y;
    }
    ASSERT_GT(bestRow, 0);
    std::vector<bool> shown;
    for (int x = x0; x < x1; ++x)
        shown.push_back(At(page, x, bestRow) != clWhite);
    const double shownMm = MeanPeriod(shown) / S();

    // The sheet at 600 dpi, around the same row.
    constexpr int dpi = 600;
    const double px = dpi / 25.4;
    const int y0 = static_cast<int>(15 * px);
    const rendertest::Image img = rendertest::RenderPdfPage(
        PrintSheets("dashes.pdf"), dpi, true, {0, y0, static_cast<int>(200 * px), static_cast<int>(25 * px)});
    ASSERT_GT(img.width, 0);
    int row = -1;
    for (int y = 0; y < img.height && row < 0; ++y) {
        int ink = 0;
        for (int x = static_cast<int>(20 * px); x < static_cast<int>(180 * px); ++x)
            ink += img.At(x, y) < 128;
        if (ink > 160 * px / 2) row = y;
    }
    ASSERT_GE(row, 0);
    // The same line as on the preview.
    EXPECT_NEAR((y0 + row) / px, bestRow / S(), 0.5);
    std::vector<bool> printed;
    for (int x = static_cast<int>(20 * px); x < static_cast<int>(180 * px); ++x)
        printed.push_back(img.At(x, row) < 128);
    const double printedMm = MeanPeriod(printed) / px;

    // The sheet as it always printed: a pattern every 24 printer pixels; the preview the same.
    EXPECT_NEAR(printedMm, 24 / px, 0.02);
    EXPECT_NEAR(shownMm, printedMm, 0.05);
}
