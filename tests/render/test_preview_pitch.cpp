// Ruled previews over a whole A4 sheet at 40 %: every line, dot and tile stays within a pixel of
// its place at the exact pitch, however many of them lie before it.
#include "PlainPageFixture.h"
#include "RenderTestUtil.h"

#include "render/Unit4.h"

#include <cmath>

using rendertest::Span;

namespace {

class PreviewPitchTest : public PlainPageTest {
  protected:
    void SetUp() override {
        PlainPageTest::SetUp();
        f->ComboBox1->SetItemIndex(5); // "40"
        f->MarginTop = f->MarginLeft = 10.0;
    }
    // Puts a value in front of the renderers without the editors' corrections.
    static void Put(TEdit* e, const char* text) {
        e->OnChange = nullptr;
        e->SetText(text);
    }
    // A white A4 sheet at 40 %.
    TCanvas* Sheet() { return WhitePreview(W(), H()); }
    static double Sx() { return ScreenPixelsPerInchX() / 25.4 * 0.4; }
    static double Sy() { return ScreenPixelsPerInchY() / 25.4 * 0.4; }
    static int W() { return static_cast<int>(210 * Sx()); }
    static int H() { return static_cast<int>(297 * Sy()); }

    // Each run's pixel centre lies within Tolerance of Start + i * Pitch pixels.
    static void ExpectPitch(const std::vector<Span>& runs, double start, double pitch, double tolerance) {
        for (size_t i = 0; i < runs.size(); ++i)
            EXPECT_LE(std::abs(runs[i].Centre() + 0.5 - (start + i * pitch)), tolerance) << "run " << i;
    }
};

TEST_F(PreviewPitchTest, MultiLinePaperLinesStayOnTheirPitch) {
    // 9 groups of 5 lines 5 mm apart with 5 mm between groups: a line every 5 mm down to 280 mm.
    Put(f->EditFiveLineCount, "9");
    Put(f->EditLineCount1, "5");
    Put(f->EditFiveLineLSpace, "5");
    Put(f->EditFiveLineSpace, "5");
    Put(f->EditLineSize, "0.1");
    f->CheckMultiline1->SetChecked(false);
    f->CheckMultiline2->SetChecked(false);
    TCanvas* c = Sheet();
    PreviewMultiLine();
    const std::vector<Span> rows = rendertest::RowsAt(c, static_cast<int>(100 * Sx()), H(), clWhite);
    ASSERT_EQ(rows.size(), 45u);
    // Line k of group g lies (g * 30 + k * 5) mm below the 10 mm margin, k = 1 ... 5.
    for (int g = 0; g < 9; ++g)
        for (int k = 1; k <= 5; ++k) {
            const Span& r = rows[g * 5 + k - 1];
            EXPECT_LE(std::abs(r.Centre() + 0.5 - (10 + g * 30 + k * 5) * Sy()), 1.0) << g << "/" << k;
        }
}

TEST_F(PreviewPitchTest, GridDotsStayOnTheirPitch) {
    Put(f->Edit14, "19");
    Put(f->Edit15, "28");
    Put(f->Edit16, "1");
    Put(f->Edit17, "1");
    Put(f->Edit18, "10");
    f->CheckBox4->SetChecked(false);
    f->CheckBox5->SetChecked(false);
    TCanvas* c = Sheet();
    PreviewGrid();
    // Through the centres of the first row and of the first column of dots, 10 mm in.
    const std::vector<Span> across = rendertest::ColumnsAt(c, static_cast<int>(10 * Sy()), W(), clWhite);
    const std::vector<Span> down = rendertest::RowsAt(c, static_cast<int>(10 * Sx()), H(), clWhite);
    ASSERT_EQ(across.size(), 19u);
    ASSERT_EQ(down.size(), 28u);
    ExpectPitch(across, 10 * Sx(), 10 * Sx(), 1.0);
    ExpectPitch(down, 10 * Sy(), 10 * Sy(), 1.0);
}

TEST_F(PreviewPitchTest, ManuscriptColumnsStayOnTheirPitch) {
    // 23 columns of 8 mm cells from the 10 mm margin: column lines every 8 mm to 194 mm.
    Put(f->Edit4, "23");
    Put(f->Edit5, "20");
    Put(f->Edit6, "10");
    Put(f->Edit7, "8");
    f->CheckBox3->OnClick = nullptr;
    f->CheckBox3->SetChecked(true);
    TCanvas* c = Sheet();
    PreviewManuscriptPaper();
    // Across the middle of the first row of cells, below its strip a third of a cell high.
    const int y = static_cast<int>((10 + 8 / 3.0 + 4) * Sy());
    const std::vector<Span> across = rendertest::ColumnsAt(c, y, W(), clWhite);
    ASSERT_EQ(across.size(), 24u);
    // The outer frame is 2 pixels wide; its centre lies within half a pixel more.
    ExpectPitch(across, 10 * Sx(), 8 * Sx(), 1.5);
}

TEST_F(PreviewPitchTest, ArcTilesStayOnTheirPitch) {
    // 9 x 13 circles of 20 mm at a 20 mm pitch. A circle is a whole number of pixels across
    // while the pitch is not, so neighbours touch or stand a pixel apart; either way the left
    // (top) edge of circle i lies i * 20 mm from the margin.
    Put(f->Edit37, "9");
    Put(f->Edit38, "13");
    TCanvas* c = Sheet();
    PreviewArc(20.0f, 0, 1, 0, 0);
    const int centreRow = static_cast<int>(20 * Sy()), centreColumn = static_cast<int>(20 * Sx());
    auto inkNear = [&](bool alongRow, double at) {
        int hits = 0;
        for (int d = -1; d <= 1; ++d) {
            const int p = static_cast<int>(at) + d;
            hits += (alongRow ? c->Pixel(p, centreRow) : c->Pixel(centreColumn, p)) != clWhite;
        }
        return hits > 0;
    };
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(inkNear(true, (10 + 20 * i) * Sx())) << "column " << i;
    for (int i = 0; i < 13; ++i)
        EXPECT_TRUE(inkNear(false, (10 + 20 * i) * Sy())) << "row " << i;
    EXPECT_FALSE(inkNear(true, (10 + 20 * 9 + 5) * Sx())) << "nothing beyond the last circle";
}

} // namespace
