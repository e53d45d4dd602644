// The manuscript paper preview, drawn through the preview dispatcher and read pixel by pixel.
#include "test_manuscript_fixture.h"

#include "PreviewPaper.h"

#include "render/RenderConventions.h"
#include "shell/PaperKinds.h"
#include "winlib/SysUtils.h"

#include <cmath>
#include <string>

using rendertest::Span;

class ManuscriptPreviewTest : public ManuscriptTest {
  protected:
    // A white portrait sheet with the manuscript paper drawn on it by the preview.
    TCanvas* DrawPreview() {
        f->PreviewBitmap->SetSize(kWidth, kHeight);
        TCanvas* c = f->PreviewBitmap->Canvas();
        c->Brush()->SetColor(clWhite);
        c->Brush()->SetStyle(bsSolid);
        c->FillRect(TRect(0, 0, kWidth, kHeight));
        DrawPreviewPattern(2);
        return c;
    }

    double S() const { return ScreenPixelsPerInchX() / 25.4; }
    double Left() const { return 10 * S(); }
    double Top() const { return 10 * S(); }
    // The bitmap stands for the paper; its far edges lie what the preview's size rounds off it
    // beyond the bitmap's (PreviewPaper.h).
    double ContentWidth() const { return kWidth + PreviewPaperExcess(f, true) - 20 * S(); }
    double ContentHeight() const { return kHeight + PreviewPaperExcess(f, false) - 20 * S(); }
    // The cell that fills the content: the width fit of the columns or the height fit of the
    // rows and the strips between them, whichever is smaller.
    double Cell(int columns, int rows, int strips) const {
        return std::min(ContentWidth() / columns, ContentHeight() / (rows + strips / 3.0));
    }

    // The horizontal lines down a column, as first pixels.
    std::vector<int> LinesDown(TCanvas* c, double x) {
        return rendertest::Firsts(rendertest::RowsAt(c, static_cast<int>(x), kHeight, clWhite));
    }
    std::vector<Span> RunsAcross(TCanvas* c, double y) {
        return rendertest::ColumnsAt(c, static_cast<int>(y), kWidth, clWhite);
    }
    bool Blank(TCanvas* c) {
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (c->Pixel(x, y) != clWhite) return false;
        return true;
    }

    static constexpr int kWidth = 400, kHeight = 560;
};

TEST_F(ManuscriptPreviewTest, DefaultSheetReadsStripsCellsBandAndFitsTheContent) {
    TCanvas* c = DrawPreview();
    const double cell = Cell(10, 21, 20);
    // Down the last column: ten rows with their strip above the cells, the band touching them,
    // then ten rows with their strip between the band and the cells.
    const std::vector<int> lines = LinesDown(c, Left() + 9.5 * cell);
    ASSERT_EQ(lines.size(), 42u);
    EXPECT_EQ(manuscript::Pattern(lines, cell, 1.5), manuscript::Rows(10) + "c" + manuscript::Rows(10));
    // The grid fills the content rectangle from its top to its bottom: the frame's bottom edge
    // lies on the content's bottom edge, not below it.
    EXPECT_NEAR(lines.front(), Top(), 1.5);
    EXPECT_NEAR(lines.back(), Top() + ContentHeight(), 1.5);
    // Across: the frame's left and right edges enclose ten cells.
    const std::vector<Span> across = RunsAcross(c, Top() + cell / 3 + cell / 2);
    ASSERT_EQ(across.size(), 11u);
    EXPECT_NEAR(across.front().first, Left(), 1.5);
    EXPECT_NEAR(across.back().first, Left() + 10 * cell, 1.5);
}

TEST_F(ManuscriptPreviewTest, WideSheetTakesTheCellFromTheColumns) {
    f->Edit5->SetText("4");
    f->Edit6->SetText("2");
    TCanvas* c = DrawPreview();
    const double cell = ContentWidth() / 10; // the height would allow larger cells
    ASSERT_LT(cell, Cell(1, 5, 4));
    const std::vector<Span> across = RunsAcross(c, Top() + cell / 3 + cell / 2);
    ASSERT_EQ(across.size(), 11u);
    EXPECT_NEAR(across.back().first, Left() + ContentWidth(), 1.5);
    const std::vector<int> lines = LinesDown(c, Left() + 9.5 * cell);
    EXPECT_EQ(manuscript::Pattern(lines, cell, 1.5), manuscript::Rows(2) + "c" + manuscript::Rows(2));
}

TEST_F(ManuscriptPreviewTest, FoldRowPlacesTheBand) {
    struct Case {
        const char* rows; // Edit5
        const char* fold; // Edit6
        std::string pattern;
        int strips;      // strips inside the frame
        bool band;       // the two bars are drawn
        bool stripAbove; // the first row's strip lies above the frame
    };
    using manuscript::Rows;
    const Case cases[] = {
        {"20", "", Rows(10) + "c" + Rows(10), 20, true, false}, // (21 - 1) / 2
        {"7", "", Rows(3) + "c" + Rows(4), 7, true, false},     // 7 / 2 truncated
        {"3", "0", "c" + Rows(3), 3, true, false},              // the band first, under the frame
        {"3", "-1", Rows(4), 3, false, true},                   // every row below the fold
        {"3", "4", Rows(4), 4, false, false},                   // every row above the fold
        {"3", "9", Rows(4), 4, false, false},
        {"0", "0", "c", 0, true, false}, // one row, the band
        {"0", "3", "gc", 1, false, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string("rows ") + k.rows + ", fold '" + k.fold + "'");
        f->Edit5->SetText(k.rows);
        f->Edit6->SetText(k.fold);
        TCanvas* c = DrawPreview();
        const int rows = StrToInt(k.rows) + 1;
        const double cell = Cell(10, rows, k.strips);
        const std::vector<int> lines = LinesDown(c, Left() + 9.5 * cell);
        EXPECT_EQ(manuscript::Pattern(lines, cell, 1.5), k.pattern);
        ASSERT_FALSE(lines.empty());
        EXPECT_NEAR(lines.front(), k.stripAbove ? Top() - cell / 3 : Top(), 1.5);
        // The frame closes the last row's cells and stays inside the content.
        EXPECT_LE(lines.back(), Top() + ContentHeight() + 1);
        // The wide bar at the band's left end fills a column of the band from top to bottom.
        const std::vector<Span> bar =
            rendertest::RowsAt(c, static_cast<int>(Left() + 2.5 * S()), kHeight, clWhite);
        bool tall = false;
        for (const Span& r : bar)
            tall = tall || r.Width() >= static_cast<int>(cell) - 1;
        EXPECT_EQ(tall, k.band);
    }
}

TEST_F(ManuscriptPreviewTest, ColumnRulesOnlyInCellsAndTwoBarsInTheBand) {
    f->Panel2->SetColor(clBlue);
    TCanvas* c = DrawPreview();
    const double cell = Cell(10, 21, 20), gap = cell / 3;
    auto rowTop = [&](int i) { return i * (cell + gap) + Top(); };

    struct Probe {
        const char* where;
        double y;
        size_t runs;
    };
    for (const Probe& p : {Probe{"cells above the fold", rowTop(0) + gap + cell / 2, 11},
                           Probe{"strip above the fold", rowTop(3) + gap / 2, 2},
                           Probe{"strip below the band", rowTop(11) - gap / 2, 2},
                           Probe{"cells below the fold", rowTop(11) + cell / 2, 11},
                           Probe{"last cells", rowTop(20) + cell / 2, 11}}) {
        SCOPED_TRACE(p.where);
        const std::vector<Span> runs = RunsAcross(c, p.y);
        ASSERT_EQ(runs.size(), p.runs);
        if (p.runs == 11) {
            for (int j = 1; j <= 9; ++j)
                EXPECT_EQ(runs[j].first, ToPixel(j * cell + Left())) << "rule " << j;
        }
    }

    // The band: the frame's left edge merged with the bar from 0 to 5 mm, the bar from 7 to
    // 8 mm and the frame's right edge; right and bottom edges of the bars are left out.
    const double bandMid = rowTop(10) + cell / 2;
    const std::vector<Span> band = RunsAcross(c, bandMid);
    ASSERT_EQ(band.size(), 3u);
    EXPECT_EQ(band[0].last, ToPixel(5 * S() + Left()) - 1);
    EXPECT_EQ(band[1].first, ToPixel(7 * S() + Left()));
    EXPECT_EQ(band[1].last, ToPixel(8 * S() + Left()) - 1);
    EXPECT_EQ(c->Pixel(static_cast<int>(Left() + 2.5 * S()), static_cast<int>(bandMid)), clBlue);
    EXPECT_EQ(c->Pixel(static_cast<int>(Left() + 7.5 * S()), static_cast<int>(bandMid)), clBlue);
}

TEST_F(ManuscriptPreviewTest, BandTextIsCentredInItsOwnFontAndColour) {
    f->Panel2->SetColor(clBlue);
    f->Edit28->SetText("Fold");
    TCanvas* c = DrawPreview();
    const double cell = Cell(10, 21, 20);
    const double bandTop = 10 * (cell + cell / 3) + Top();
    int minX = kWidth, minY = kHeight, maxY = -1;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const TColor p = c->Pixel(x, y);
            const int r = p & 0xFF, g = (p >> 8) & 0xFF, b = (p >> 16) & 0xFF;
            if (r > g + 60 && r > b + 60) {
                minX = std::min(minX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
        }
    ASSERT_GE(maxY, 0) << "no text in the font's colour";
    // Written 10 mm from the grid's left edge, inside the band, its ink within a 3 mm font.
    EXPECT_GE(minX, ToPixel(10 * S() + Left()) - 1);
    EXPECT_GE(minY, static_cast<int>(bandTop));
    EXPECT_LT(maxY, static_cast<int>(bandTop + cell));
    EXPECT_LE(maxY - minY + 1, FontHeightPx(3, S()));
    EXPECT_NEAR((minY + maxY) / 2.0, bandTop + cell / 2, 3.0);
}

TEST_F(ManuscriptPreviewTest, ExplicitCellSizeIsMillimetresWhateverThePage) {
    f->CheckBox3->SetChecked(true);
    f->Edit7->SetText("10");
    TCanvas* c = DrawPreview();
    const double cell = 10 * S();
    // Larger than the content allows: the grid runs on past it and the sheet clips it.
    const std::vector<Span> across = RunsAcross(c, Top() + cell / 3 + cell / 2);
    ASSERT_GE(across.size(), 10u);
    for (int j = 1; j <= 9; ++j)
        EXPECT_EQ(across[j].first, ToPixel(j * cell + Left())) << "rule " << j;
    const std::vector<int> lines = LinesDown(c, Left() + 0.5 * cell);
    EXPECT_EQ(manuscript::Pattern(lines, cell, 1.5).substr(0, 10), manuscript::Rows(5));
}

TEST_F(ManuscriptPreviewTest, ExplicitCellSizeThatIsNotANumberRaisesBeforeDrawing) {
    f->Edit7->SetText("ten");
    f->CheckBox3->SetChecked(true);
    EXPECT_THROW(DrawPreview(), EConvertError);
    EXPECT_TRUE(Blank(f->PreviewBitmap->Canvas()));
    // Unchecked, the edit is not read.
    f->CheckBox3->SetChecked(false);
    EXPECT_FALSE(Blank(DrawPreview()));
}

TEST_F(ManuscriptPreviewTest, CountsThatAreNotWholeNumbersTakeTheirDefaults) {
    f->Edit4->SetText("many");
    f->Edit5->SetText("2.5");
    f->Edit6->SetText("x");
    TCanvas* c = DrawPreview();
    const double cell = Cell(10, 21, 20);
    EXPECT_EQ(RunsAcross(c, Top() + cell / 3 + cell / 2).size(), 11u);
    EXPECT_EQ(manuscript::Pattern(LinesDown(c, Left() + 9.5 * cell), cell, 1.5),
              manuscript::Rows(10) + "c" + manuscript::Rows(10));
}

TEST_F(ManuscriptPreviewTest, NoColumnOrNoRowDrawsNothing) {
    struct Case {
        const char* columns;
        const char* rows;
    };
    for (const Case& k : {Case{"0", "20"}, Case{"-3", "20"}, Case{"10", "-1"}, Case{"10", "-7"}}) {
        SCOPED_TRACE(std::string(k.columns) + " columns, " + k.rows + " rows");
        f->Edit4->SetText(k.columns);
        f->Edit5->SetText(k.rows);
        f->Edit6->SetText("0");
        TCanvas* c = nullptr;
        ASSERT_NO_THROW(c = DrawPreview());
        EXPECT_TRUE(Blank(c));
    }
}

TEST_F(ManuscriptPreviewTest, CellsAreNeverFinerThanAMillimetreAndHugeCountsRunOffThePage) {
    auto picture = [&](const char* columns, const char* rows, const char* cell) {
        f->Edit4->SetText(columns);
        f->Edit5->SetText(rows);
        f->CheckBox3->SetChecked(cell != nullptr);
        if (cell) f->Edit7->SetText(cell);
        TCanvas* c = DrawPreview();
        std::string s;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                s += c->Pixel(x, y) == clWhite ? '.' : '#';
        return s;
    };
    // Fitted cells of 1 mm or finer are 1 mm: the grid runs off the page the same way whatever
    // the count beyond that.
    struct Case {
        const char *columns, *rows, *cell, *columnsOff, *rowsOff;
    } cases[] = {
        {"2000000000", "20", nullptr, "1000", "20"},
        {"10000000", "20", nullptr, "1000", "20"},
        {"10", "2000000000", nullptr, "10", "1000"},
        {"2000000000", "2000000000", nullptr, "1000", "1000"},
        {"2000000000", "2000000000", "10", "100", "100"},
    };
    for (const Case& k : cases)
        EXPECT_EQ(picture(k.columns, k.rows, k.cell), picture(k.columnsOff, k.rowsOff, k.cell))
            << k.columns << " x " << k.rows << (k.cell ? " explicit" : " fitted");
    // 1000 columns fitted to the content would be 0.2 mm wide; they are 1 mm.
    picture("1000", "20", nullptr);
    const std::vector<Span> cols =
        rendertest::ColumnsAt(f->PreviewBitmap->Canvas(), static_cast<int>(Top() + 2 * S()), kWidth, clWhite);
    ASSERT_GT(cols.size(), 10u);
    EXPECT_NEAR(cols[5].first - cols[4].first, S(), 1.0);
}
