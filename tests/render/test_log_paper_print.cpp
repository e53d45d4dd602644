// The log paper printed on the built-in PDF printer, the log tab's handler and the dispatch of
// paper kind 1 in preview and print.
#include "LogPaperFixture.h"

#include "shell/PaperKinds.h"

using rendertest::Span;

namespace {
constexpr int kDpi = 150; // rendering resolution of the position checks
constexpr double kPxPerMm = kDpi / 25.4;
} // namespace

class LogPaperPrintTest : public LogPaperTest {
  protected:
    void SetUp() override {
        LogPaperTest::SetUp();
        ASSERT_TRUE(f->PrinterRef->IsPdfPrinter());
        pdf = Path("log.pdf").string();
        f->PrinterRef->SetOutputFileName(pdf);
        f->MarginTop = 20.0;
        f->MarginLeft = 15.0;
    }
    void TearDown() override {
        if (f && f->PrinterRef->Printing()) f->PrinterRef->Abort();
        LogPaperTest::TearDown();
    }
    // One sheet with the log paper on it, drawn as the print command draws it.
    void PrintSheet(int type, float minX = 1, float minY = 1, float ratio = 1.3f) {
        f->PrinterRef->BeginDoc();
        f->PrinterRef->Canvas()->Pen()->SetColor(clBlack);
        PrintLogPaper(type, minX, minY, ratio);
        f->PrinterRef->EndDoc();
    }
    std::string pdf;
};

TEST_F(LogPaperPrintTest, SemiLogLinesLieAtTheirMillimetresWithHeavyGroupLines) {
    PrintSheet(0, 5.0f); // 5 mm columns, so that the rows can be measured between them
    const rendertest::Image img = rendertest::RenderPdfPage(pdf, kDpi);
    ASSERT_GT(img.width, 0) << "pdftoppm could not render " << pdf;
    const std::vector<double> want = RatioPositions(3, 1.0, 1.3);
    // Down the middle of the second column.
    const std::vector<Span> rows = rendertest::DarkRowsAt(img, static_cast<int>((15 + 7.5) * kPxPerMm));
    ASSERT_EQ(rows.size(), 28u);
    const int heavy = static_cast<int>(0.4 * f->PxPerMmY); // device pixels
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_NEAR(rows[i].Centre(), (20 + want[i]) * kPxPerMm, 1.5) << "line " << i;
        // A group line is 0.4 mm thick, about 2 pixels here; the others are hairlines.
        if (i % 9 == 0)
            EXPECT_GE(rows[i].Width(), heavy * kPxPerMm / f->PxPerMmY - 1) << "line " << i;
        else
            EXPECT_LE(rows[i].Width(), 1) << "line " << i;
    }
    // Four columns 5 mm apart, the first heavy, reaching 1 mm below the last row.
    const std::vector<Span> cols =
        rendertest::DarkColumnsAt(img, static_cast<int>((20 + want[27] - 3) * kPxPerMm));
    ASSERT_EQ(cols.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(cols[i].Centre(), (15 + 5.0 * i) * kPxPerMm, 1.5) << "column " << i;
    EXPECT_GT(cols[0].Width(), cols[1].Width());
    const std::vector<Span> down = rendertest::DarkRowsAt(img, static_cast<int>(cols[1].Centre()));
    ASSERT_FALSE(down.empty());
    EXPECT_NEAR(down.back().last, (20 + want[27] + 1) * kPxPerMm, 1.5);
}

TEST_F(LogPaperPrintTest, PreviewAndPrintAgreeOnEveryLineOfLogLog) {
    f->LogGroupsX = f->LogGroupsY = 2;
    f->CheckBox6->SetChecked(true);
    PrintSheet(1);
    const rendertest::Image img = rendertest::RenderPdfPage(pdf, kDpi);
    ASSERT_GT(img.width, 0);
    const std::vector<double> want = RatioPositions(2, 1.0, 1.3);
    const double total = want.back();
    // Reversed Y: index i at total - want[i]; X from the right end: index i at total - want[i].
    const std::vector<Span> rows =
        rendertest::DarkRowsAt(img, static_cast<int>((15 + total - want[18] + 0.5 * 1.3) * kPxPerMm));
    const std::vector<Span> cols =
        rendertest::DarkColumnsAt(img, static_cast<int>((20 + total - want[18] + 0.5 * 1.3) * kPxPerMm));
    ASSERT_EQ(rows.size(), 19u);
    ASSERT_EQ(cols.size(), 19u);
    f->MarginTop = 20.0;
    f->MarginLeft = 15.0;
    const std::vector<Span> previewRows = rendertest::RowsAt(
        DrawPreview(1), static_cast<int>((15 + total - want[18] + 0.5 * 1.3) * S()), kSize, clWhite);
    ASSERT_EQ(previewRows.size(), 19u);
    for (int i = 0; i <= 18; ++i) {
        const double mm = total - want[18 - i];
        EXPECT_NEAR(rows[i].Centre() / kPxPerMm, 20 + mm, 0.3) << "row " << i;
        EXPECT_NEAR(cols[i].Centre() / kPxPerMm, 15 + mm, 0.3) << "column " << i;
        EXPECT_NEAR(previewRows[i].Centre() / S(), 20 + mm, 0.5) << "preview row " << i;
    }
}

TEST_F(LogPaperPrintTest, APrinterBorderIsSubtracted) {
    f->PhysOffsetX = static_cast<int>(5 * f->PxPerMmX);
    f->PhysOffsetY = static_cast<int>(5 * f->PxPerMmY);
    PrintSheet(0, 5.0f);
    const rendertest::Image img = rendertest::RenderPdfPage(pdf, kDpi);
    const std::vector<Span> rows = rendertest::DarkRowsAt(img, static_cast<int>((10 + 7.5) * kPxPerMm));
    ASSERT_EQ(rows.size(), 28u);
    EXPECT_NEAR(rows[1].Centre(), (15 + 1.3) * kPxPerMm, 1.5);
}

TEST_F(LogPaperPrintTest, DispatchersPassTheFieldsAndTheRatioText) {
    f->LogMinX = 5.0;
    f->LogMinY = 1.0;
    f->ComboBox4->SetItemIndex(0);
    f->Edit10->SetText("1.3");
    f->PrinterRef->BeginDoc();
    f->PrinterRef->Canvas()->Pen()->SetColor(clBlack);
    EXPECT_TRUE(DrawPrintPattern(1)); // counted
    f->PrinterRef->EndDoc();
    const rendertest::Image img = rendertest::RenderPdfPage(pdf, kDpi);
    EXPECT_EQ(rendertest::DarkRowsAt(img, static_cast<int>((15 + 7.5) * kPxPerMm)).size(), 28u);

    f->PreviewBitmap->SetSize(kSize, kSize);
    f->PreviewBitmap->Canvas()->Brush()->SetColor(clWhite);
    f->PreviewBitmap->Canvas()->FillRect(TRect(0, 0, kSize, kSize));
    DrawPreviewPattern(1);
    EXPECT_EQ(
        rendertest::RowsAt(f->PreviewBitmap->Canvas(), static_cast<int>((15 + 7.5) * S()), kSize, clWhite)
            .size(),
        28u);
}

TEST_F(LogPaperPrintTest, ARatioThatIsNotANumberDrawsAsOneInPreviewAndPrint) {
    // The log tab leaves the ratio as typed: an emptied edit, a comma, text, or a number beyond
    // single precision must not stop every rebuild and print.
    f->PageControl1->SetActivePageIndex(1);
    auto rows = [&](const char* ratio) {
        f->Edit10->SetText(ratio);
        WhitePreview(kSize, kSize);
        DrawPreviewPattern(1);
        return rendertest::Firsts(rendertest::RowsAt(
            f->PreviewBitmap->Canvas(), static_cast<int>((f->MarginLeft + 0.5) * S()), kSize, clWhite));
    };
    const std::vector<int> one = rows("1.0");
    ASSERT_FALSE(one.empty());
    for (const char* ratio : {"", "x1.3", "1,3", "1e39"}) {
        EXPECT_EQ(rows(ratio), one) << "ratio " << ratio;
        f->PrinterRef->BeginDoc();
        EXPECT_NO_THROW(DrawPrintPattern(1)) << "ratio " << ratio;
        f->PrinterRef->Abort();
    }
    ASSERT_NE(rows("1.3"), one) << "the ratio shows in the preview";
}

// The log tab's handler, bound as the main window binds it.
TEST_F(MainWindowTest, LogTabHandlerFillsTheFieldsWithItsFallbacks) {
    struct Case {
        const char *minX, *minY, *groupsX, *groupsY;
        double wantMinX, wantMinY;
        int wantGroupsX, wantGroupsY;
    };
    const Case cases[] = {
        {"2.5", "0.5", "4", "2", 2.5, 0.5, 4, 2},
        {"abc", "", "", "x", 1.0, 1.0, 1, 10}, // an empty count is one group, other text ten
        {"1e-1", "-3", "-1", "0", 0.1, -3.0, -1, 0},
    };
    for (const Case& k : cases) {
        f->Edit8->SetText(k.minX);
        f->Edit9->SetText(k.minY);
        f->Edit12->SetText(k.groupsX);
        f->Edit11->SetText(k.groupsY);
        EXPECT_DOUBLE_EQ(f->LogMinX, k.wantMinX) << k.minX;
        EXPECT_DOUBLE_EQ(f->LogMinY, k.wantMinY) << k.minY;
        EXPECT_EQ(f->LogGroupsX, k.wantGroupsX) << k.groupsX;
        EXPECT_EQ(f->LogGroupsY, k.wantGroupsY) << k.groupsY;
        EXPECT_EQ(f->Edit8->Text(), k.minX); // the texts stay as typed
    }
}

TEST_F(MainWindowTest, TheLogPageShowsTheStoredLogPaperAndFollowsItsEdits) {
    // The settings read puts the stored texts (by default 1 mm and 5 groups each way) through
    // the log tab's handler, so the fields are filled from the start.
    EXPECT_DOUBLE_EQ(f->LogMinX, 1.0);
    EXPECT_DOUBLE_EQ(f->LogMinY, 1.0);
    EXPECT_EQ(f->LogGroupsX, 5);
    EXPECT_EQ(f->LogGroupsY, 5);
    f->SpaceLineView1->SetChecked(false); // no margin line over the first row
    f->ComboBox1->SetItemIndex(0);
    f->MarginLeft = f->MarginTop = 10.0;
    f->PageControl1->SetActivePageIndex(1);
    const double s = ScreenPixelsPerInchX() / 25.4;
    const int x = static_cast<int>(11.5 * s);
    TCanvas* c = f->PreviewBitmap->Canvas();
    auto rows = [&] { return rendertest::RowsAt(c, x, f->PreviewBitmap->Height(), f->PaperColor); };
    const std::vector<Span> lines = rows();
    ASSERT_EQ(lines.size(), 46u);
    for (const Span& r : lines)
        EXPECT_EQ(c->Pixel(x, r.first), f->Panel2->Color());
    // A typed count rebuilds the preview with it.
    f->Edit11->SetText("1");
    EXPECT_EQ(f->LogGroupsY, 1);
    EXPECT_EQ(rows().size(), 10u);
    f->ComboBox4->SetItemIndex(1);
    f->ComboBox4->OnChange(f->ComboBox4); // a user's choice runs the handler
    EXPECT_EQ(rows().size(), 10u);        // log-log: the same Y axis
}
