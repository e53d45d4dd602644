// The graph paper preview drawn on the real main window's preview bitmap.
#include "GraphPaperFixture.h"

#include "shell/PaperKinds.h"

using rendertest::Firsts;
using rendertest::Span;

namespace {
std::vector<int> Expected(int count, const std::function<int(int)>& at) {
    std::vector<int> v;
    for (int n = 0; n < count; ++n)
        v.push_back(at(n));
    return v;
}
} // namespace

TEST_F(GraphPaperTest, PreviewPlacesElevenLinesEachWayAtTheExactPitch) {
    TCanvas* c = DrawPreview();
    const double w = 0.05 * Sx();
    const std::vector<Span> rows = rendertest::RowsAt(c, MidCellX(), kSize, clWhite);
    const std::vector<Span> cols = rendertest::ColumnsAt(c, MidCellY(), kSize, clWhite);
    EXPECT_EQ(Firsts(rows), Expected(11, [&](int n) { return PreviewLineY(n, w); }));
    EXPECT_EQ(Firsts(cols), Expected(11, [&](int n) { return PreviewLineX(n, w); }));
    for (const Span& r : rows)
        EXPECT_EQ(r.Width(), 1);
    // At 96 pixels per inch a 5 mm cell is 18.9 pixels: ten cells are 189 pixels, not ten
    // whole-pixel steps of 18.
    if (ScreenPixelsPerInchY() == 96) {
        EXPECT_EQ(rows.front().first, 37);
        EXPECT_EQ(rows.back().first, 226);
    }
}

TEST_F(GraphPaperTest, PreviewLinesRunTheExactLengthOfTheGridAndTheGridCloses) {
    TCanvas* c = DrawPreview();
    const double w = 0.05 * Sx();
    // A horizontal line runs from trunc(L) to trunc(50 mm * s + L), the end pixel left out; the
    // last vertical line stands at that end, so the run along the line stops on it.
    const int x1 = static_cast<int>(10 * Sx()), x2 = static_cast<int>(50 * Sx() + 10 * Sx());
    const int lastColumn = PreviewLineX(10, w);
    EXPECT_LE(std::abs(lastColumn - (x2 - 1)), 1);
    const std::vector<Span> along = rendertest::ColumnsAt(c, PreviewLineY(3, w), kSize, clWhite);
    ASSERT_FALSE(along.empty());
    EXPECT_EQ(along.front().first, x1);
    EXPECT_EQ(along.back().last, std::max(x2 - 1, lastColumn));
    const int y1 = static_cast<int>(10 * Sy()), y2 = static_cast<int>(50 * Sy() + 10 * Sy());
    const int lastRow = PreviewLineY(10, w);
    EXPECT_LE(std::abs(lastRow - (y2 - 1)), 1);
    const std::vector<Span> down = rendertest::RowsAt(c, PreviewLineX(4, w), kSize, clWhite);
    ASSERT_FALSE(down.empty());
    EXPECT_EQ(down.front().first, y1);
    EXPECT_EQ(down.back().last, std::max(y2 - 1, lastRow));
}

TEST_F(GraphPaperTest, PreviewFollowsMarginsInsetsAndZoom) {
    f->MarginTop = 12.0;
    f->FrameInsetTop = 8.0;        // 20 mm in all
    f->FrameInsetLeft = 5.0;       // 15 mm in all
    f->ComboBox1->SetItemIndex(5); // "40"
    TCanvas* c = DrawPreview();
    const double s = ScreenPixelsPerInchY() / 25.4 * 0.4;
    const std::vector<Span> rows = rendertest::RowsAt(c, static_cast<int>(17.5 * s), kSize, clWhite);
    const std::vector<Span> cols = rendertest::ColumnsAt(c, static_cast<int>(22.5 * s), kSize, clWhite);
    ASSERT_EQ(rows.size(), 11u);
    ASSERT_EQ(cols.size(), 11u);
    for (int i = 0; i < 11; ++i) {
        EXPECT_EQ(rows[i].first, static_cast<int>((20 + 5 * i) * s - 0.05 * s * 0.5)) << i;
        EXPECT_EQ(cols[i].first, static_cast<int>((15 + 5 * i) * s - 0.05 * s * 0.5)) << i;
    }
}

TEST_F(GraphPaperTest, PreviewStacksOnePixelLinesForTheThickness) {
    struct Case {
        const char* text;
        double mm; // the thickness the text stands for
    };
    for (const Case& k : {Case{"1", 1.0}, Case{"0.5", 0.5}, Case{"0.2", 0.2}, Case{"abc", 0.1}}) {
        f->Edit32->SetText(k.text);
        TCanvas* c = DrawPreview();
        const std::vector<Span> rows = rendertest::RowsAt(c, MidCellX(), kSize, clWhite);
        ASSERT_EQ(rows.size(), 11u) << k.text;
        const double w = k.mm * Sx();
        EXPECT_EQ(rows[5].Width(), static_cast<int>(std::ceil(w))) << k.text;
        EXPECT_EQ(rows[5].first, PreviewLineY(5, w)) << k.text;
    }
    if (ScreenPixelsPerInchX() == 96) {
        f->Edit32->SetText("1"); // 3.78 pixels: four lines
        EXPECT_EQ(rendertest::RowsAt(DrawPreview(), MidCellX(), kSize, clWhite)[5].Width(), 4);
    }
}

TEST_F(GraphPaperTest, PreviewThicknessZeroLeavesOnlyTheOtherKind) {
    f->Edit32->SetText("0");
    TCanvas* c = DrawPreview();
    EXPECT_TRUE(rendertest::RowsAt(c, MidCellX(), kSize, clWhite).empty());
    f->CheckGraphPaper1->SetChecked(true);
    f->Edit27->SetText("5");
    c = DrawPreview();
    const std::vector<Span> rows = rendertest::RowsAt(c, MidCellX(), kSize, clWhite);
    const double w = 0.05 * Sx();
    EXPECT_EQ(Firsts(rows), (std::vector<int>{PreviewLineY(0, w), PreviewLineY(5, w), PreviewLineY(10, w)}));
}

TEST_F(GraphPaperTest, PreviewEmphasisEveryNthLineInItsColour) {
    struct Case {
        const char* rowsEvery;
        const char* columnsEvery;
        int nRows, nColumns; // the intervals the texts stand for
    };
    f->CheckGraphPaper1->SetChecked(true);
    f->ExColorPanel1Y->SetColor(clRed); // horizontal emphasis lines
    f->ExColorPanel1->SetColor(clLime); // vertical emphasis lines
    for (const Case& k :
         {Case{"2", "3", 2, 3}, Case{"1", "5", 1, 5}, Case{"", "x", 2, 2}, Case{"4", "2", 4, 2}}) {
        f->Edit27->SetText(k.rowsEvery);
        f->Edit1->SetText(k.columnsEvery);
        TCanvas* c = DrawPreview();
        const double w = 0.05 * Sx();
        for (int n = 0; n <= 10; ++n) {
            const TColor want = n % k.nRows == 0 ? clRed : clBlack;
            EXPECT_EQ(c->Pixel(MidCellX(), PreviewLineY(n, w)), want) << k.rowsEvery << " row " << n;
            const TColor wantV = n % k.nColumns == 0 ? clLime : clBlack;
            EXPECT_EQ(c->Pixel(PreviewLineX(n, w), MidCellY()), wantV) << k.columnsEvery << " column " << n;
        }
    }
}

TEST_F(GraphPaperTest, PreviewEmphasisOffIgnoresTheEmphasisSettings) {
    f->ExColorPanel1Y->SetColor(clRed);
    f->ExColorPanel1->SetColor(clLime);
    f->Edit27->SetText("0");
    f->Edit33->SetText("2");
    f->ComboBox8->SetItemIndex(1);
    TCanvas* c = DrawPreview();
    EXPECT_FALSE(MessageShown("GraphiPaperの例外"));
    for (const Span& r : rendertest::RowsAt(c, MidCellX(), kSize, clWhite)) {
        EXPECT_EQ(r.Width(), 1);
        EXPECT_EQ(c->Pixel(MidCellX(), r.first), clBlack);
    }
}

TEST_F(GraphPaperTest, PreviewEmphasisLinesUseTheirOwnThickness) {
    f->CheckGraphPaper1->SetChecked(true);
    f->Edit27->SetText("5");
    f->Edit33->SetText("1"); // about 3.8 pixels
    TCanvas* c = DrawPreview();
    const std::vector<Span> rows = rendertest::RowsAt(c, MidCellX(), kSize, clWhite);
    ASSERT_EQ(rows.size(), 11u);
    const int thick = static_cast<int>(std::ceil(1.0 * Sx()));
    for (int n = 0; n <= 10; ++n)
        EXPECT_EQ(rows[n].Width(), n % 5 == 0 ? thick : 1) << "row " << n;
}

TEST_F(GraphPaperTest, PreviewPenStylesShowAsGaps) {
    // A styled line leaves paper between its dashes; a solid one leaves none.
    const int y = PreviewLineY(4, 0.05 * Sx());
    const int x1 = static_cast<int>(10 * Sx()), x2 = static_cast<int>(60 * Sx());
    auto gaps = [&](TCanvas* c) {
        int n = 0;
        for (int x = x1; x < x2; ++x)
            n += c->Pixel(x, y) == clWhite;
        return n;
    };
    EXPECT_EQ(gaps(DrawPreview()), 0);
    for (int style = 1; style <= 4; ++style) {
        f->GraphPenStyle->SetItemIndex(style);
        EXPECT_GT(gaps(DrawPreview()), 0) << "style " << style;
    }
    // Emphasis lines take their own type and the ordinary type comes back after them.
    f->GraphPenStyle->SetItemIndex(0);
    f->ComboBox8->SetItemIndex(2);
    f->CheckGraphPaper1->SetChecked(true);
    f->Edit27->SetText("4");
    TCanvas* c = DrawPreview();
    int emphasisGaps = 0, ordinaryGaps = 0;
    const int yOrdinary = PreviewLineY(5, 0.05 * Sx());
    for (int x = x1; x < x2; ++x) {
        emphasisGaps += c->Pixel(x, y) == clWhite;
        ordinaryGaps += c->Pixel(x, yOrdinary) == clWhite;
    }
    EXPECT_GT(emphasisGaps, 0);
    EXPECT_EQ(ordinaryGaps, 0);
}

TEST_F(GraphPaperTest, PreviewGuardShowsItsMessageAndKeepsWhatWasDrawn) {
    f->eDotX->SetText("10.5"); // a decimal for the line length, not a whole number for the loop
    TCanvas* c = DrawPreview();
    EXPECT_TRUE(MessageShown("GraphiPaperの例外"));
    EXPECT_EQ(rendertest::RowsAt(c, MidCellX(), kSize, clWhite).size(), 11u);  // horizontal lines stay
    EXPECT_TRUE(rendertest::ColumnsAt(c, MidCellY(), kSize, clWhite).empty()); // no vertical line
}

TEST_F(GraphPaperTest, PreviewGuardCatchesEveryBadValue) {
    struct Case {
        TEdit* edit;
        const char* text;
    };
    f->CheckGraphPaper1->SetChecked(true);
    for (const Case& k : {Case{f->eMmX, "abc"}, Case{f->eMmY, ""}, Case{f->eDotY, "x"}, Case{f->Edit27, "0"},
                          Case{f->Edit1, "0"}, Case{f->eMmY, "1e300"}}) {
        const AnsiString old = k.edit->Text();
        k.edit->SetText(k.text);
        ShownMessages().clear();
        EXPECT_NO_THROW(DrawPreview()) << k.text;
        ASSERT_EQ(ShownMessages().size(), 1u) << k.edit->Name() << " = " << k.text;
        EXPECT_EQ(ShownMessages()[0].Text, "GraphiPaperの例外");
        k.edit->SetText(old);
    }
}

TEST_F(GraphPaperTest, PreviewRebuildGoesOnAfterTheGuard) {
    f->PageControl1->SetActivePageIndex(0);
    f->CheckBlank->SetChecked(false);
    f->eMmX->SetText("abc");
    ShownMessages().clear();
    f->UpdatePreview();
    EXPECT_TRUE(MessageShown("GraphiPaperの例外"));
    // The margin lines come after the pattern and are still drawn: dotted blue at T.
    TCanvas* c = f->PreviewBitmap->Canvas();
    const int T = static_cast<int>(static_cast<int>(f->MarginTop) * static_cast<float>(Sx())) - 1;
    int blue = 0;
    for (int x = 0; x < f->PreviewBitmap->Width(); ++x)
        blue += c->Pixel(x, T) == clBlue;
    EXPECT_GT(blue, 0);
}

TEST_F(GraphPaperTest, PreviewDispatcherDrawsGraphPaperForKindZeroOnly) {
    auto lines = [&](int kind) {
        f->PreviewBitmap->SetSize(kSize, kSize);
        TCanvas* c = f->PreviewBitmap->Canvas();
        c->Brush()->SetColor(clWhite);
        c->FillRect(TRect(0, 0, kSize, kSize));
        DrawPreviewPattern(kind);
        return rendertest::RowsAt(c, MidCellX(), kSize, clWhite).size();
    };
    EXPECT_EQ(lines(0), 11u);
    EXPECT_EQ(lines(-1), 0u);
    EXPECT_EQ(lines(8), 0u);
}

TEST_F(GraphPaperTest, PreviewScaleFollowsTheZoomList) {
    struct Case {
        int index;
        double zoom;
    };
    // No selected item (a stored index out of range) takes the default 40 %.
    for (const Case& k : {Case{0, 1.0}, Case{2, 0.75}, Case{7, 0.25}, Case{-1, 0.4}}) {
        f->ComboBox1->SetItemIndex(k.index);
        EXPECT_NEAR(PreviewScaleX(f), Sx() * k.zoom, 1e-12) << k.index;
        EXPECT_NEAR(PreviewScaleY(f), Sy() * k.zoom, 1e-12) << k.index;
        EXPECT_EQ(PreviewScaleSingle(f), static_cast<float>(PreviewScaleX(f))) << k.index;
    }
}

TEST_F(GraphPaperTest, PreviewOfAWholeSheetKeepsThePitchAndClosesAtEveryZoom) {
    // 40 x 58 cells of 5 mm from 5 mm margins fill an A4 sheet to 205 x 295 mm. Accumulating
    // whole pixels, the grid would end 21 mm short at 40 % and would not close.
    f->MarginLeft = f->MarginTop = 5.0;
    f->eDotX->SetText("40");
    f->eDotY->SetText("58");
    f->CheckBlank->SetChecked(false);
    f->SpaceLineView1->SetChecked(false);
    f->PageControl1->SetActivePageIndex(0);
    const double zooms[] = {100, 80, 75, 60, 50, 40, 30, 25};
    for (int index = 0; index < 8; ++index) {
        SCOPED_TRACE(zooms[index]);
        f->ComboBox1->SetItemIndex(index);
        f->UpdatePreview();
        TCanvas* c = f->PreviewBitmap->Canvas();
        const int w = f->PreviewBitmap->Width(), h = f->PreviewBitmap->Height();
        const double sx = ScreenPixelsPerInchX() / 25.4 * zooms[index] / 100;
        const double sy = ScreenPixelsPerInchY() / 25.4 * zooms[index] / 100;
        ASSERT_GT(h, static_cast<int>(295 * sy)) << "the sheet holds the grid";
        // Across the middle of the first row of cells and down the middle of the first column.
        const std::vector<Span> cols = rendertest::ColumnsAt(c, static_cast<int>(7.5 * sy), w, clWhite);
        const std::vector<Span> rows = rendertest::RowsAt(c, static_cast<int>(7.5 * sx), h, clWhite);
        ASSERT_EQ(cols.size(), 41u);
        ASSERT_EQ(rows.size(), 59u);
        // Each line's pixel centre within a pixel of its exact place.
        for (int i = 0; i <= 40; ++i)
            EXPECT_LE(std::abs(cols[i].Centre() + 0.5 - (5 + 5 * i) * sx), 1.0) << "vertical line " << i;
        for (int i = 0; i <= 58; ++i)
            EXPECT_LE(std::abs(rows[i].Centre() + 0.5 - (5 + 5 * i) * sy), 1.0) << "horizontal line " << i;
        // The last horizontal line runs to the last vertical line and no further, and the last
        // vertical line down to the last horizontal one.
        const std::vector<Span> bottom = rendertest::ColumnsAt(c, rows.back().first, w, clWhite);
        const std::vector<Span> right = rendertest::RowsAt(c, cols.back().first, h, clWhite);
        ASSERT_FALSE(bottom.empty());
        ASSERT_FALSE(right.empty());
        EXPECT_LE(std::abs(bottom.back().last - cols.back().last), 1);
        EXPECT_LE(std::abs(right.back().last - rows.back().last), 1);
    }
}
