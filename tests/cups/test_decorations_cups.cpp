// The frame decorations, the corner mark and the white margin strips on printed sheets, through
// the queue whose A4 sheet has a 12 pt (4.23 mm) unprintable border: positions are measured on
// the document cups-pdf writes, in millimetres x dpi / 25.4 from the paper's edges, so the border
// must be accounted for exactly once.
#include "CupsWindowFixture.h"
#include "shell/Abitmap.h"

#include <cmath>

namespace {

using printertest::FoundLine;
using printertest::LinesAcross;

constexpr int kDpi = 600;
constexpr double kPxPerMm = kDpi / 25.4;
// The queue's A4 sheet: 595 x 842 points.
constexpr double kPaperW = 595.0 * kDpi / 72, kPaperH = 842.0 * kDpi / 72;
constexpr double kBorder = 12.0 * kDpi / 72;

int Px(double mm) {
    return static_cast<int>(mm * kPxPerMm);
}

class CupsDecorations : public CupsMainWindow {
  protected:
    void SetUp() override {
        CupsMainWindow::SetUp();
        if (IsSkipped()) return;
        PickFromTheMenu(TheCups().marginsQueue);
        ASSERT_EQ(f->PhysOffsetX, static_cast<int>(kBorder));
        for (TEdit* e : {f->eSpaceT, f->eSpaceL, f->eSpaceR, f->eSpaceB})
            e->SetText("15");
        f->CheckBlank->SetChecked(true);
        f->Panel2->SetColor(clBlack);
        f->ColorDialog1->SetColor(clBlack);
    }
    // Prints one sheet with the frame of the given type on; the document's path.
    std::string PrintFrame(TRadioButton* type) {
        type->SetChecked(true);
        f->CheckBoxHeader->SetChecked(true);
        const std::string pdf = PrintOn(TheCups().marginsQueue);
        EXPECT_TRUE(ShownMessages().empty()) << ShownMessages().front().Text;
        return pdf;
    }
    std::vector<FoundLine> Down(const std::string& pdf, double xMm) {
        return LinesAcross(pdf, 1, kDpi, false, Px(xMm), static_cast<int>(std::ceil(kPaperH)));
    }
    std::vector<FoundLine> Across(const std::string& pdf, double yMm) {
        return LinesAcross(pdf, 1, kDpi, true, Px(yMm), static_cast<int>(std::ceil(kPaperW)));
    }
    static double FromBottom(double mm) { return kPaperH - mm * kPxPerMm; }
    static double FromRight(double mm) { return kPaperW - mm * kPxPerMm; }
};

TEST_F(CupsDecorations, NotebookHeaderRulesAndMarksStandWhereTheyBelongOnThePaper) {
    const std::string pdf = PrintFrame(f->FrameRadio1);
    ASSERT_FALSE(pdf.empty());
    // Down a column between marks: the rules at 19 and 29 mm from the top and 10 mm from the
    // bottom edge of the paper.
    const std::vector<FoundLine> rules = Down(pdf, 20);
    ASSERT_EQ(rules.size(), 3u);
    EXPECT_NEAR(rules[0].centre, 19 * kPxPerMm, 1.0);
    EXPECT_NEAR(rules[1].centre, 29 * kPxPerMm, 1.0);
    EXPECT_NEAR(rules[2].centre, FromBottom(10), 1.0);
    // The upper rule runs across the content width, 15 mm in from either side.
    const std::vector<FoundLine> upper = Across(pdf, 19);
    ASSERT_EQ(upper.size(), 1u);
    EXPECT_NEAR(upper[0].start, 15 * kPxPerMm, 4.0);
    EXPECT_NEAR(upper[0].end, FromRight(15), 4.0);
    // Under the 29 mm rule a mark every 10 mm from the left content edge, each at its place
    // however many came before it.
    // A tick crosses the row once; a circle (1 mm across, every fifth mark) twice, half a
    // millimetre either side of its centre.
    const std::vector<FoundLine> crossings = Across(pdf, 29.5);
    std::vector<double> marks;
    for (size_t i = 0; i < crossings.size(); ++i) {
        const bool circle =
            i + 1 < crossings.size() && crossings[i + 1].centre - crossings[i].centre < 1.2 * kPxPerMm;
        marks.push_back(circle ? (crossings[i].centre + crossings[i + 1].centre) / 2 : crossings[i].centre);
        if (circle) ++i;
    }
    ASSERT_EQ(marks.size(), 18u);
    for (size_t k = 0; k < marks.size(); ++k)
        EXPECT_NEAR(marks[k], (15 + 10 * k) * kPxPerMm, 1.5) << "mark " << k;
}

TEST_F(CupsDecorations, RulerScalesRunFiveMillimetresInsideEveryPaperEdge) {
    for (TCheckBox* scale : {f->CheckScale1, f->CheckScale2, f->CheckScale3, f->CheckScale4})
        scale->SetChecked(true);
    f->EditFrameScale1->SetText("5");
    const std::string pdf = PrintFrame(f->FrameRadio2);
    ASSERT_FALSE(pdf.empty());
    // Each scale makes the content start 10 mm inside its edge. Base lines 5 mm inside the edges:
    const std::vector<FoundLine> horizontal = Down(pdf, 12.5), vertical = Across(pdf, 12.5);
    ASSERT_EQ(horizontal.size(), 2u);
    ASSERT_EQ(vertical.size(), 2u);
    EXPECT_NEAR(horizontal[0].centre, 5 * kPxPerMm, 1.0);
    EXPECT_NEAR(horizontal[1].centre, FromBottom(5), 1.0);
    EXPECT_NEAR(vertical[0].centre, 5 * kPxPerMm, 1.0);
    EXPECT_NEAR(vertical[1].centre, FromRight(5), 1.0);
    // Ticks every 5 mm from the content edge, between the base line and 7 mm in, on all four.
    struct Edge {
        const char* name;
        std::vector<FoundLine> ticks;
        double contentMm;
    };
    const Edge edges[] = {{"top", Across(pdf, 6), kPaperW / kPxPerMm - 20},
                          {"bottom", Across(pdf, kPaperH / kPxPerMm - 6), kPaperW / kPxPerMm - 20},
                          {"left", Down(pdf, 6), kPaperH / kPxPerMm - 20},
                          {"right", Down(pdf, kPaperW / kPxPerMm - 6), kPaperH / kPxPerMm - 20}};
    for (const Edge& e : edges) {
        SCOPED_TRACE(e.name);
        ASSERT_EQ(e.ticks.size(), static_cast<size_t>(std::ceil(e.contentMm / 5)));
        for (size_t k = 0; k < e.ticks.size(); ++k)
            EXPECT_NEAR(e.ticks[k].centre, (10 + 5 * k) * kPxPerMm, 1.0) << "tick " << k;
    }
    // Tick lengths from the top edge: 7 mm, 8.5 mm every 5th, 10 mm every 10th.
    const double ends[] = {10, 7, 7, 7, 7, 8.5};
    for (int k = 0; k < 6; ++k) {
        const std::vector<FoundLine> tick = Down(pdf, 10 + 5 * k);
        ASSERT_FALSE(tick.empty()) << k;
        EXPECT_NEAR(tick[0].end, ends[k] * kPxPerMm, 2.0) << "tick " << k;
    }
}

TEST_F(CupsDecorations, NameBoxPrintsWhereThePreviewShowsIt) {
    f->RadioGroup1->SetItemIndex(1);
    const std::string pdf = PrintFrame(f->FrameRadio3);
    ASSERT_FALSE(pdf.empty());
    // From the middle of the sheet to the right content edge, and from 20 mm above the paper's
    // bottom edge to the bottom content edge, framed one pixel wide (the right and bottom sides
    // just inside those edges).
    const std::vector<FoundLine> sides = Across(pdf, kPaperH / kPxPerMm - 17.5);
    const std::vector<FoundLine> ends = Down(pdf, kPaperW / kPxPerMm - 30);
    ASSERT_EQ(sides.size(), 2u);
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_NEAR(sides[0].centre, kPaperW / 2, 1.5);
    EXPECT_NEAR(sides[1].centre, FromRight(15) - 0.5, 1.5);
    EXPECT_NEAR(ends[0].centre, FromBottom(20), 1.5);
    EXPECT_NEAR(ends[1].centre, FromBottom(15) - 0.5, 1.5);
}

TEST_F(CupsDecorations, WhiteStripsEndAtTheMarginsCountedFromThePaperEdges) {
    // A black picture over the whole sheet under 15 mm margins: the strips leave it inside the
    // margins and 0.1 mm round them, not a border further in (to within the 3 device pixels the
    // strips' truncations and their one-pixel overlap may take).
    f->BGImageCheckBox1->SetChecked(false);
    f->BGBitmap->SetSize(4, 4);
    f->BGBitmap->FillBMP(0, 0, 0);
    f->BGImage = "black.png";
    f->BGAlpha = 255;
    f->BGLeft = f->BGTop = -15; // from the content corner back to the paper's
    f->BGWidth = 210;
    f->BGHeight = 297;
    const std::string pdf = PrintOn(TheCups().marginsQueue);
    ASSERT_FALSE(pdf.empty());
    // Only the printable area counts: the queue's renderer may leave a hairline of the clipped
    // picture on the edge of the unprintable border, where no printer prints.
    auto printable = [](std::vector<FoundLine> found, double length) {
        std::erase_if(found, [&](const FoundLine& l) { return l.start >= length - kBorder - 1; });
        return found;
    };
    const std::vector<FoundLine> across = printable(Across(pdf, 150), kPaperW);
    const std::vector<FoundLine> down = printable(Down(pdf, 100), kPaperH);
    ASSERT_EQ(across.size(), 1u);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_NEAR(across[0].start, (15 - 0.1) * kPxPerMm, 3.0);
    EXPECT_NEAR(across[0].end, FromRight(15 - 0.1), 3.0);
    EXPECT_NEAR(down[0].start, (15 - 0.1) * kPxPerMm, 3.0);
    EXPECT_NEAR(down[0].end, FromBottom(15 - 0.1), 3.0);
}

TEST_F(CupsDecorations, MarkSitsWholeInEachCornerOfThePrintableArea) {
    f->TntEdit1->SetText("■");
    f->FontDialog3->Font()->SetSize(8);
    f->FontDialog3->Font()->SetColor(clBlack);
    constexpr int dpi = 150;
    constexpr double px = dpi / 25.4, border = 12.0 * dpi / 72;
    const double paperW = 595.0 * dpi / 72, paperH = 842.0 * dpi / 72;
    for (int corner = 1; corner <= 4; ++corner) {
        SCOPED_TRACE(corner);
        f->MarkPos = corner;
        const std::string pdf = PrintOn(TheCups().marginsQueue);
        ASSERT_FALSE(pdf.empty());
        const printertest::GreyImage img = printertest::RenderPage(pdf, 1, dpi);
        ASSERT_GT(img.width, 0);
        int left = img.width, top = img.height, right = -1, bottom = -1;
        for (int y = 0; y < img.height; ++y)
            for (int x = 0; x < img.width; ++x)
                if (img.At(x, y) < 128) {
                    left = std::min(left, x), right = std::max(right, x + 1);
                    top = std::min(top, y), bottom = std::max(bottom, y + 1);
                }
        ASSERT_GE(right, 0) << "no mark printed";
        // The whole mark shows: a square of most of its 8 mm cell, not cut by the border.
        EXPECT_GT(right - left, 4 * px);
        EXPECT_GT(bottom - top, 4 * px);
        // It lies in its corner of the printable area, within its cell.
        const bool atRight = corner == 2 || corner == 4, atBottom = corner >= 3;
        if (atRight) {
            EXPECT_LE(right, paperW - border + 1);
            EXPECT_GT(right, paperW - border - 8 * px);
        } else {
            EXPECT_GE(left, border - 1);
            EXPECT_LT(left, border + 8 * px);
        }
        if (atBottom) {
            EXPECT_LE(bottom, paperH - border + 1);
            EXPECT_GT(bottom, paperH - border - 8 * px);
        } else {
            EXPECT_GE(top, border - 1);
            EXPECT_LT(top, border + 8 * px);
        }
    }
}

} // namespace
