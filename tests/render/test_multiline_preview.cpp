// The multi-line paper preview drawn on the real main window's preview bitmap.
#include "MultiLinePaperFixture.h"
#include "PreviewPaper.h"
#include "StackReference.h"

#include "winlib/SysUtils.h"

#include <string>

using rendertest::Firsts;
using rendertest::Span;

namespace {
std::vector<Span> Rows(TCanvas* c, int x) {
    return rendertest::RowsAt(c, x, MultiLinePaperTest::kSize, clWhite);
}
} // namespace

TEST_F(MultiLinePaperTest, DefaultsDrawTwoGroupsOfFiveLines) {
    TCanvas* c = DrawPreview();
    const double t = 0.1 * S();
    std::vector<int> want;
    for (double mm : {5, 10, 15, 20, 25, 50, 55, 60, 65, 70})
        want.push_back(RowOf(mm, t));
    const std::vector<Span> rows = Rows(c, MidX());
    EXPECT_EQ(Firsts(rows), want);
    for (const Span& r : rows)
        EXPECT_EQ(r.Width(), 1);
    // Each line runs from the left band to the right edge less the right band.
    f->MarginRight = 15.0;
    c = DrawPreview();
    const std::vector<Span> along = rendertest::ColumnsAt(c, want[3], kSize, clWhite);
    ASSERT_EQ(along.size(), 1u);
    EXPECT_EQ(along[0].first, static_cast<int>(10 * S()));
    // The paper's right edge lies what the preview's size rounds off beyond the bitmap's.
    const float paperRight = static_cast<float>(kSize + PreviewPaperExcess(f, true));
    EXPECT_EQ(along[0].last, static_cast<int>(paperRight - static_cast<float>(15 * S())) - 1);
}

TEST_F(MultiLinePaperTest, ThicknessIsAStackOfOnePixelLines) {
    struct Case {
        const char* text;
        double mm;
    };
    for (const Case& k : {Case{"0.1", 0.1}, Case{"0.5", 0.5}, Case{"1", 1.0}}) {
        f->EditLineSize->SetText(k.text);
        const std::vector<Span> rows = Rows(DrawPreview(), MidX());
        ASSERT_EQ(rows.size(), 10u) << k.text;
        const double t = k.mm * S();
        EXPECT_EQ(rows[6].Width(), static_cast<int>(std::ceil(t))) << k.text;
        EXPECT_EQ(rows[6].first, RowOf(55, t)) << k.text;
    }
    f->EditLineSize->SetText("0");
    EXPECT_TRUE(Rows(DrawPreview(), MidX()).empty());
}

TEST_F(MultiLinePaperTest, GroupEmphasisTakesEveryNthLineOfEachGroup) {
    struct Case {
        const char* every;
        std::vector<int> emphasised; // places k within a group
    };
    f->CheckMultiline1->SetChecked(true);
    const Case cases[] = {
        {"2", {2, 4}},  {"5", {5}}, {"7", {}}, {"1", {1, 2, 3, 4, 5}},
        {"x", {4}}, // not a whole number: every fourth
        {"0", {}},  // an interval of 0 emphasises nothing
        {"-2", {2, 4}},
    };
    for (const Case& k : cases) {
        f->Edit3->SetText(k.every);
        TCanvas* c = DrawPreview();
        const std::vector<Span> rows = Rows(c, MidX());
        ASSERT_EQ(rows.size(), 10u) << k.every;
        for (int i = 0; i < 10; ++i) {
            const int place = i % 5 + 1;
            const bool emphasised =
                std::find(k.emphasised.begin(), k.emphasised.end(), place) != k.emphasised.end();
            EXPECT_EQ(c->Pixel(MidX(), rows[i].first), emphasised ? clRed : clBlack)
                << k.every << " line " << i;
        }
    }
    // The emphasis pen has its own thickness; unchecked, the settings are ignored.
    f->Edit3->SetText("5");
    f->EditLineSizeEx->SetText("1");
    std::vector<Span> rows = Rows(DrawPreview(), MidX());
    EXPECT_EQ(rows[4].Width(), static_cast<int>(std::ceil(1.0 * S())));
    EXPECT_EQ(rows[3].Width(), 1);
    f->CheckMultiline1->SetChecked(false);
    rows = Rows(DrawPreview(), MidX());
    EXPECT_EQ(rows[4].Width(), 1);
}

TEST_F(MultiLinePaperTest, APerLineRowGivesItsLineTheStoredPen) {
    AddLineRow(7, clGreen, 0.5, 0); // the second line of the second group
    f->CheckMultiline2->SetChecked(true);
    TCanvas* c = DrawPreview();
    std::vector<Span> rows = Rows(c, MidX());
    ASSERT_EQ(rows.size(), 10u);
    const double t = 0.5 * S();
    EXPECT_EQ(rows[6].first, RowOf(55, t));
    EXPECT_EQ(rows[6].Width(), static_cast<int>(std::ceil(t)));
    EXPECT_EQ(c->Pixel(MidX(), rows[6].first), clGreen);
    EXPECT_EQ(c->Pixel(MidX(), rows[1].first), clBlack); // the second line of the first group
    EXPECT_EQ(f->SqlText, "select * from MultiLine_individual where no=7");

    // The row wins over the group emphasis, which still marks the other even lines.
    f->CheckMultiline1->SetChecked(true);
    c = DrawPreview();
    rows = Rows(c, MidX());
    EXPECT_EQ(c->Pixel(MidX(), rows[6].first), clGreen);
    EXPECT_EQ(c->Pixel(MidX(), rows[8].first), clRed);
    EXPECT_EQ(c->Pixel(MidX(), rows[1].first), clRed);

    // Per-line emphasis off: the row is not used.
    f->CheckMultiline1->SetChecked(false);
    f->CheckMultiline2->SetChecked(false);
    c = DrawPreview();
    EXPECT_EQ(c->Pixel(MidX(), Rows(c, MidX())[6].first), clBlack);
}

TEST_F(MultiLinePaperTest, APerLineRowCanSetALineType) {
    AddLineRow(3, clBlue, 0.1, 2); // dotted
    f->CheckMultiline2->SetChecked(true);
    TCanvas* c = DrawPreview();
    const std::vector<Span> rows = Rows(c, static_cast<int>(12 * S()));
    ASSERT_GE(rows.size(), 3u);
    auto gaps = [&](int y) {
        int n = 0;
        for (int x = static_cast<int>(10 * S()) + 1; x < static_cast<int>(100 * S()); ++x)
            n += c->Pixel(x, y) == clWhite;
        return n;
    };
    EXPECT_GT(gaps(RowOf(15, 0.1 * S())), 0);
    EXPECT_EQ(gaps(RowOf(10, 0.1 * S())), 0);
}

TEST_F(MultiLinePaperTest, ANumberListedWithoutARowKeepsTheChosenPen) {
    f->ListBox1->AddItem("4"); // no table row for it
    f->CheckMultiline1->SetChecked(true);
    f->CheckMultiline2->SetChecked(true);
    TCanvas* c = DrawPreview();
    const std::vector<Span> rows = Rows(c, MidX());
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(c->Pixel(MidX(), rows[3].first), clRed); // the group emphasis pen
    EXPECT_EQ(rows[3].Width(), 1);
}

TEST_F(MultiLinePaperTest, ALineOfNoThicknessStillCountsInTheRunningNumber) {
    AddLineRow(2, clGreen, 0.3, 0);
    f->CheckMultiline2->SetChecked(true);
    f->EditLineSize->SetText("0"); // only the row's line shows
    TCanvas* c = DrawPreview();
    const std::vector<Span> rows = Rows(c, MidX());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].first, RowOf(10, 0.3 * S()));
    EXPECT_EQ(c->Pixel(MidX(), rows[0].first), clGreen);
}

TEST_F(MultiLinePaperTest, CountsThatAreEmptyOrBadFallBackAndZeroOrLessDrawNothing) {
    struct Case {
        const char *groups, *lines;
        size_t drawn;
    };
    const Case cases[] = {
        {"0", "5", 0},  {"-1", "5", 0}, {"2", "0", 0},
        {"2", "-3", 0}, {"1", "3", 3},  {"x", "1", 5}, // five groups when not a whole number
        {"1", "", 5},                                  // five lines likewise
    };
    for (const Case& k : cases) {
        f->EditFiveLineCount->SetText(k.groups);
        f->EditLineCount1->SetText(k.lines);
        EXPECT_EQ(Rows(DrawPreview(), MidX()).size(), k.drawn) << k.groups << " x " << k.lines;
    }
}

TEST_F(MultiLinePaperTest, LinesRunOnPastTheBottomWithoutALimit) {
    f->EditFiveLineCount->SetText("100");
    f->MarginBottom = 50.0;
    const std::vector<Span> rows = Rows(DrawPreview(), MidX());
    ASSERT_FALSE(rows.empty());
    // The renderer does not stop at the bottom band: lines are drawn inside it, and the groups
    // go on until the bitmap ends (at most one group height, 45 mm, is left empty).
    EXPECT_GT(rows.back().first, kSize - 50 * S());
    EXPECT_GE(rows.back().first, kSize - 45 * S());
}

TEST_F(MultiLinePaperTest, GroupsFarPastThePageAreLeftOutInsteadOfOverflowing) {
    // A thousand groups of 3000 lines 5 mm apart, a kilometre between groups: the later groups
    // lie beyond any pixel coordinate.
    f->EditFiveLineCount->SetText("1000");
    f->EditLineCount1->SetText("3000");
    f->EditFiveLineSpace->SetText("1000000");
    std::vector<Span> rows;
    ASSERT_NO_THROW(rows = Rows(DrawPreview(), MidX()));
    const double t = 0.1 * S();
    std::vector<int> want;
    for (int mm = 5; RowOf(mm, t) < kSize; mm += 5)
        want.push_back(RowOf(mm, t));
    EXPECT_EQ(Firsts(rows), want);
}

TEST_F(MultiLinePaperTest, APitchOrGapOutOfRangeDrawsWithTheEditsFirstValues) {
    // The tab leaves these texts as typed: an emptied edit, a comma, a negative pitch or one
    // longer than the paper draws as the edits' first values, 5 mm and 20 mm, and raises nothing.
    const std::vector<Span> design = Rows(DrawPreview(), MidX());
    ASSERT_EQ(design.size(), 10u);
    for (TEdit* e : {f->EditFiveLineLSpace, f->EditFiveLineSpace}) {
        const AnsiString old = e->Text();
        for (const char* typed : {"", "wide", "2,5", "-3", "1e308", "298"}) {
            e->SetText(typed);
            EXPECT_EQ(rendertest::Firsts(Rows(DrawPreview(), MidX())), rendertest::Firsts(design))
                << e->Name() << " " << typed;
        }
        e->SetText(old);
    }
}

TEST_F(MultiLinePaperTest, AThicknessThatIsNotANumberRaisesBeforeDrawing) {
    for (TEdit* e : {f->EditLineSize, f->EditLineSizeEx}) {
        const AnsiString old = e->Text();
        e->SetText("wide");
        TCanvas* c = nullptr;
        EXPECT_THROW(c = DrawPreview(), EConvertError) << e->Name();
        EXPECT_TRUE(Rows(f->PreviewBitmap->Canvas(), MidX()).empty()) << e->Name();
        e->SetText(old);
        (void)c;
    }
}

TEST_F(MultiLinePaperTest, TheRebuildDrawsMultiLinePaperOnItsPage) {
    f->SpaceLineView1->SetChecked(false);
    f->PageControl1->SetActivePageIndex(3);
    f->UpdatePreview();
    const std::vector<Span> rows =
        rendertest::RowsAt(f->PreviewBitmap->Canvas(), MidX(), f->PreviewBitmap->Height(), f->PaperColor);
    EXPECT_EQ(rows.size(), 10u);
}

namespace {
// Every line of the page drawn one after the other from the page's fields: the picture the
// renderer must give, however it gets there.
void DrawEveryLine(TForm1* f, TCanvas* c) {
    const float s = PreviewScaleSingle(f);
    const int groups = StrToInt(f->EditFiveLineCount->Text()), lines = StrToInt(f->EditLineCount1->Text());
    const double p = StrToFloat(f->EditFiveLineLSpace->Text()) * s,
                 q = StrToFloat(f->EditFiveLineSpace->Text()) * s;
    const int every = StrToInt(f->Edit3->Text());
    const float top = static_cast<float>((f->MarginTop + f->FrameInsetTop) * s);
    const int x1 = ToPixel(static_cast<float>((f->MarginLeft + f->FrameInsetLeft) * s));
    const int x2 =
        ToPixel(MultiLinePaperTest::kSize - static_cast<float>((f->MarginRight + f->FrameInsetRight) * s));
    int number = 1;
    for (int g = 0; g < groups; ++g)
        for (int k = 1; k <= lines; ++k, ++number) {
            const bool emphasised = f->CheckMultiline1->Checked() && k % every == 0;
            TColor colour = emphasised ? f->ExColorPanel2->Color() : clBlack;
            int type = (emphasised ? f->ComboBox6 : f->ComboBox3)->ItemIndex();
            double mm = StrToFloat((emphasised ? f->EditLineSizeEx : f->EditLineSize)->Text());
            if (f->CheckMultiline2->Checked() && f->ListBox1->IndexOfItem(IntToStr(number)) >= 0) {
                sqlite3_stmt* stmt = nullptr;
                const std::string sql =
                    "select color,size,type from MultiLine_individual where no=" + std::to_string(number);
                sqlite3_prepare_v2(f->DbHandle, sql.c_str(), -1, &stmt, nullptr);
                if (sqlite3_step(stmt) == SQLITE_ROW) {
                    colour = static_cast<TColor>(sqlite3_column_int(stmt, 0));
                    mm = sqlite3_column_double(stmt, 1);
                    type = sqlite3_column_int(stmt, 2);
                }
                sqlite3_finalize(stmt);
            }
            c->Pen()->SetColor(colour);
            SetLinePen(c, type);
            rendertest::EveryStackLineAcross(c, x1, x2, (lines * p + q) * g + k * p + top, mm * s);
        }
}

std::string Picture(TCanvas* c) {
    std::string s;
    for (int y = 0; y < MultiLinePaperTest::kSize; ++y)
        for (int x = 0; x < MultiLinePaperTest::kSize; ++x)
            s += static_cast<char>('a' + (c->Pixel(x, y) & 0x1F));
    return s;
}
} // namespace

TEST_F(MultiLinePaperTest, DenseAndThickLinesGiveThePictureOfDrawingEveryLine) {
    // Lines much closer than a pixel, lines thicker than their pitch, dashed pens taking turns,
    // rows of their own in between: the renderer draws only the lines that show, and the page
    // must look as if every line had been drawn.
    AddLineRow(7, clBlue, 0.8, 1);
    AddLineRow(40, clLime, 6, 0);
    AddLineRow(41, 0x808080, 0.05, 2);
    struct Case {
        const char *groups, *lines, *pitch, *gap, *size, *sizeEx, *every;
        bool emphasis, own;
        int type, typeEx;
    };
    const Case cases[] = {
        {"3", "40", "0.05", "2", "0.3", "0.1", "2", true, true, 1, 2},
        {"2", "300", "0.01", "0", "2.5", "4", "3", true, true, 0, 3},
        {"5", "12", "1", "0.5", "6", "9", "2", true, false, 2, 1},
        {"4", "60", "0", "7", "1", "0.5", "5", true, true, 0, 0},
        {"1", "500", "0.2", "0", "30", "1", "7", false, true, 4, 0},
        {"6", "1", "3", "1", "0.2", "2", "1", true, false, 0, 1},
    };
    for (const Case& k : cases) {
        f->EditFiveLineCount->SetText(k.groups);
        f->EditLineCount1->SetText(k.lines);
        f->EditFiveLineLSpace->SetText(k.pitch);
        f->EditFiveLineSpace->SetText(k.gap);
        f->EditLineSize->SetText(k.size);
        f->EditLineSizeEx->SetText(k.sizeEx);
        f->Edit3->SetText(k.every);
        f->CheckMultiline1->SetChecked(k.emphasis);
        f->CheckMultiline2->SetChecked(k.own);
        f->ComboBox3->SetItemIndex(k.type);
        f->ComboBox6->SetItemIndex(k.typeEx);
        const std::string drawn = Picture(DrawPreview());
        DrawEveryLine(f, WhitePreview(kSize, kSize));
        EXPECT_EQ(drawn, Picture(f->PreviewBitmap->Canvas()))
            << k.groups << " x " << k.lines << " at " << k.pitch << " mm";
    }
}

TEST_F(MultiLinePaperTest, BillionsOfLinesDrawWhatReachesThePage) {
    // Two billion groups, or two billion lines a group: the lines on the page are those of the
    // design values' first groups; the rest lie below the page.
    const std::vector<Span> design = Rows(DrawPreview(), MidX());
    for (TEdit* e : {f->EditFiveLineCount, f->EditLineCount1}) {
        e->SetText("2000000000");
        const std::vector<int> rows = Firsts(Rows(DrawPreview(), MidX()));
        const std::vector<int> want = Firsts(design);
        ASSERT_GE(rows.size(), want.size()) << e->Name();
        EXPECT_EQ(std::vector<int>(rows.begin(), rows.begin() + 5),
                  std::vector<int>(want.begin(), want.begin() + 5))
            << e->Name();
        e->SetText(e == f->EditFiveLineCount ? "2" : "5");
    }
    // All of them in one place: a pitch and gap of 0.
    f->EditFiveLineCount->SetText("2000000000");
    f->EditLineCount1->SetText("2000000000");
    f->EditFiveLineLSpace->SetText("0");
    f->EditFiveLineSpace->SetText("0");
    EXPECT_EQ(Rows(DrawPreview(), MidX()).size(), 1u);
}
