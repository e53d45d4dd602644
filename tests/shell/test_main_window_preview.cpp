// The preview pipeline: size rule, paper colour, margin bands and lines, zoom, panning, count.
#include "MainWindowFixture.h"

#include <sqlite3.h>

namespace {
TColor PixelAt(TABitmap* b, int x, int y) {
    return b->Canvas()->Pixel(x, y) & 0xFFFFFF;
}

// The size rule computed from first principles: paper = printable + 2 x offset, rounded to three
// significant digits, times the screen's pixels per millimetre and the zoom.
int ExpectedWidth(TForm1* f, double zoom) {
    TPrinter* p = Printer();
    const double mm = p->GetDeviceCaps(HORZSIZE) + 2.0 * f->PhysOffsetX / f->PxPerMmX;
    const double rounded = StrToFloat(FloatToStrF(mm, ffGeneral, 3, 0));
    return static_cast<int>(ScreenPixelsPerInchX() * 0.03937007874015748L * rounded * zoom);
}
} // namespace

TEST_F(MainWindowTest, PreviewFollowsTheSizeRuleAtEveryZoom) {
    for (int i = 0; i < f->ComboBox1->ItemCount(); ++i) {
        f->ComboBox1->SetItemIndex(i);
        f->ComboBox1Change(f->ComboBox1);
        const double zoom = StrToFloat(f->ComboBox1->Item(i)) * 0.01;
        EXPECT_EQ(f->PreViewBox->Width(), ExpectedWidth(f, zoom)) << "zoom " << f->ComboBox1->Item(i);
        EXPECT_EQ(f->PreviewBitmap->Width(), f->PreViewBox->Width());
        EXPECT_EQ(f->PreviewBitmap->Height(), f->PreViewBox->Height());
        EXPECT_EQ(f->ScrollBox1->VertRange(), f->PreViewBox->Height() + 30);
    }
}

TEST_F(MainWindowTest, A4AtNinetySixDpiHasTheDocumentedSizes) {
    if (ScreenPixelsPerInchX() != 96 || ScreenPixelsPerInchY() != 96) GTEST_SKIP() << "screen is not 96 dpi";
    f->ComboBox1->SetItemIndex(5); // 40 %
    f->ComboBox1Change(f->ComboBox1);
    EXPECT_EQ(f->PreViewBox->Width(), 317);
    EXPECT_EQ(f->PreViewBox->Height(), 449);
    f->ComboBox1->SetItemIndex(0); // 100 %
    f->ComboBox1Change(f->ComboBox1);
    EXPECT_EQ(f->PreViewBox->Width(), 793);
    EXPECT_EQ(f->PreViewBox->Height(), 1122);
}

TEST(PreviewBoxLength, RoundsThePaperAndKeepsTheZoomInExtendedPrecision) {
    struct Case {
        int dpi, paperPx;
        double pxPerMm, zoom;
        int expected;
    };
    const Case cases[] = {
        {96, 2100, 10.0, 40, 317},
        {96, 2970, 10.0, 40, 449},
        {96, 2100, 10.0, 100, 793},
        {96, 2970, 10.0, 100, 1122},
        // 210.49 mm is sized as 210 and 296.97 mm as 297.
        {96, 42098, 200.0, 40, 317},
        {96, 59394, 200.0, 40, 449},
        {96, 11890, 10.0, 100, 4497}, // 1189 mm: 1190
        // Letter at 600 dpi: 5100 pixels are 215.9 mm, sized as 216.
        {96, 5100, 600 / 25.4, 100, 816},
        // A 5-inch paper at 72 dpi: the product lands on the whole pixel, not just below it.
        {72, 1270, 10.0, 100, 360},
        {72, 1270, 10.0, 50, 180},
        {72, 1270, 10.0, 25, 90},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PreviewBoxLength(c.dpi, c.paperPx, c.pxPerMm, c.zoom), c.expected)
            << c.dpi << " dpi, " << c.paperPx << " px at " << c.pxPerMm << " px/mm, " << c.zoom << " %";
}

TEST_F(MainWindowTest, ZoomButtonsStepAndStopAtTheEnds) {
    f->ComboBox1->SetItemIndex(1);
    f->ToolZoomButton1Click(nullptr);
    EXPECT_EQ(f->ComboBox1->ItemIndex(), 0);
    const int width = f->PreViewBox->Width();
    f->ToolZoomButton1Click(nullptr);
    EXPECT_EQ(f->ComboBox1->ItemIndex(), 0);
    EXPECT_EQ(f->PreViewBox->Width(), width);
    f->ComboBox1->SetItemIndex(7);
    f->ToolZoomButton2Click(nullptr);
    EXPECT_EQ(f->ComboBox1->ItemIndex(), 7);
    f->ComboBox1->SetItemIndex(6);
    f->ToolZoomButton2Click(nullptr);
    EXPECT_EQ(f->ComboBox1->ItemIndex(), 7);
}

TEST_F(MainWindowTest, PaperColourBandsAndMarginLines) {
    f->CheckBlank->SetChecked(true); // only the page furniture, no pattern
    f->ComboBox1->SetItemIndex(0);
    f->ComboBox1Change(f->ComboBox1);
    f->eSpaceT->SetText("20");
    f->eSpaceL->SetText("20");
    f->PaperColor = 0x00CCEEFF;
    f->UpdatePreview();
    TABitmap* b = f->PreviewBitmap;
    const float s = static_cast<float>(ScreenPixelsPerInchX() * 0.03937007874015748 * 1.0);
    const int T = static_cast<int>(20 * s) - 1, L = static_cast<int>(20 * s) - 1;
    EXPECT_EQ(PixelAt(b, L + 10, T + 10), 0x00CCEEFF) << "paper colour inside";
    EXPECT_EQ(PixelAt(b, L + 10, T - 3), 0x00CCEEFF) << "band in paper colour";
    // Dotted blue margin lines at the band edges.
    int blue = 0;
    for (int x = L + 1; x < L + 60; ++x)
        blue += PixelAt(b, x, T) == 0xFF0000;
    EXPECT_GT(blue, 10);
    EXPECT_LT(blue, 59) << "dotted, not solid";
    f->SpaceLineView1Click(nullptr); // off
    blue = 0;
    for (int x = L + 1; x < L + 60; ++x)
        blue += PixelAt(b, x, T) == 0xFF0000;
    EXPECT_EQ(blue, 0);
}

TEST_F(MainWindowTest, ZeroMarginsFillNoBand) {
    f->CheckBlank->SetChecked(true);
    f->eSpaceT->SetText("0");
    f->eSpaceL->SetText("0");
    f->eSpaceR->SetText("0");
    f->eSpaceB->SetText("0");
    f->SpaceLineView1->SetChecked(false);
    f->PaperColor = 0x00112233;
    f->UpdatePreview();
    TABitmap* b = f->PreviewBitmap;
    EXPECT_EQ(PixelAt(b, 0, 0), 0x00112233);
    EXPECT_EQ(PixelAt(b, b->Width() - 1, b->Height() - 1), 0x00112233);
}

TEST_F(MainWindowTest, RightButtonPansTheScrollBox) {
    f->ComboBox1->SetItemIndex(0);
    f->ComboBox1Change(f->ComboBox1);
    f->ScrollBox1->SetBounds(0, 0, 200, 200);
    f->PreViewBoxMouseDown(f->ScrollBox1, mbLeft, 0, 100, 100);
    f->PreViewBoxMouseMove(f->ScrollBox1, 0, 50, 50);
    EXPECT_EQ(f->ScrollBox1->VertPosition(), 0) << "the left button does not pan";
    f->PreViewBoxMouseDown(f->ScrollBox1, mbRight, 0, 100, 100);
    f->PreViewBoxMouseMove(f->ScrollBox1, 0, 90, 80);
    EXPECT_EQ(f->ScrollBox1->VertPosition(), 20);
    EXPECT_EQ(f->ScrollBox1->HorzPosition(), 10);
    f->PreViewBoxMouseMove(f->ScrollBox1, 0, 90, 80); // the press point stays: it scrolls again
    EXPECT_EQ(f->ScrollBox1->VertPosition(), 40);
    f->PreViewBoxMouseUp(f->ScrollBox1, mbRight, 0, 90, 80);
    f->PreViewBoxMouseMove(f->ScrollBox1, 0, 0, 0);
    EXPECT_EQ(f->ScrollBox1->VertPosition(), 40);
}

TEST_F(MainWindowTest, PaintShowsThePrintCountOfTheCurrentKind) {
    f->SqlText = "update PrintCount set count=7 where no=6";
    sqlite3_exec(f->DbHandle, f->SqlText.c_str(), nullptr, nullptr, nullptr);
    f->PageControl1->UserSelectPage(6);
    EXPECT_EQ(f->StatusBar1->Panels(1)->Text, "総印刷枚数：7");
    f->PageControl1->UserSelectPage(0);
    EXPECT_EQ(f->StatusBar1->Panels(1)->Text, "総印刷枚数：0");
}

TEST_F(MainWindowTest, ViewTogglesInvertCheckAndToolBarSeparately) {
    ASSERT_TRUE(f->MenuViewZoom->Checked());
    f->MenuViewZoomClick(nullptr);
    EXPECT_FALSE(f->MenuViewZoom->Checked());
    EXPECT_FALSE(f->ToolBar3->Visible());
    f->ToolBar3->SetVisible(true); // out of step: each is inverted on its own
    f->MenuViewZoomClick(nullptr);
    EXPECT_TRUE(f->MenuViewZoom->Checked());
    EXPECT_FALSE(f->ToolBar3->Visible());
}

namespace {
// The rows of the bitmap that carry any dotted blue pixel along the given column range.
std::vector<int> BlueRows(TABitmap* b, int x1, int x2) {
    std::vector<int> rows;
    for (int y = 0; y < b->Height(); ++y) {
        int blue = 0;
        for (int x = x1; x < x2; ++x)
            blue += PixelAt(b, x, y) == 0xFF0000;
        if (blue > (x2 - x1) / 4) rows.push_back(y);
    }
    return rows;
}
} // namespace

TEST_F(MainWindowTest, MarginLinesSitAtTheTruncatedBandEdges) {
    f->CheckBlank->SetChecked(true);
    f->ComboBox1->SetItemIndex(0);
    f->ComboBox1Change(f->ComboBox1);
    const float s = static_cast<float>(ScreenPixelsPerInchX() * 0.03937007874015748L); // 100 %
    struct Case {
        double top, insetTop, bottom, insetBottom;
    };
    // Millimetres are truncated to whole ones before scaling: 10.9 mm is a 10 mm band, and a
    // frame inset adds before the truncation.
    for (const Case& c : {Case{10.9, 0, 20.0, 0}, Case{10.0, 0, 5.5, 4.6}, Case{7.4, 5.7, 12.0, 0.99}}) {
        f->MarginTop = c.top;
        f->FrameInsetTop = c.insetTop;
        f->MarginBottom = c.bottom;
        f->FrameInsetBottom = c.insetBottom;
        f->MarginLeft = f->MarginRight = 30.0;
        f->UpdatePreview();
        TABitmap* b = f->PreviewBitmap;
        const int T = static_cast<int>(static_cast<int>(c.top + c.insetTop) * s) - 1;
        const int B = static_cast<int>(static_cast<int>(c.bottom + c.insetBottom) * s);
        const int x1 = static_cast<int>(40 * s), x2 = b->Width() - x1; // clear of the side lines
        EXPECT_EQ(BlueRows(b, x1, x2), (std::vector<int>{T, b->Height() - B}))
            << c.top << " + " << c.insetTop << " / " << c.bottom << " + " << c.insetBottom;
    }
    f->FrameInsetTop = f->FrameInsetBottom = 0;
}

TEST_F(MainWindowTest, ScrollRangesFollowEveryChangeOfThePreviewSize) {
    auto expectInReach = [&](const char* what) {
        EXPECT_EQ(f->ScrollBox1->HorzRange(), f->PreViewBox->Width() + 30) << what;
        EXPECT_EQ(f->ScrollBox1->VertRange(), f->PreViewBox->Height() + 30) << what;
    };
    const int a4Height = f->PreViewBox->Height();
    // A3 from the printer set-up dialog: the box grows, and so does what can be scrolled to.
    DialogAnswer setup;
    setup.Kind = DialogKind::PrinterSetup;
    setup.PrinterName = PdfPrinterName;
    setup.PaperName = "A3";
    ScriptDialogAnswer(setup);
    f->PrintSetupExecute(f->PrintSetup);
    ASSERT_GT(f->PreViewBox->Height(), a4Height);
    expectInReach("paper");
    setup.Orientation = poLandscape;
    ScriptDialogAnswer(setup);
    f->PrintSetupExecute(f->PrintSetup);
    ASSERT_GT(f->PreViewBox->Width(), f->PreViewBox->Height());
    expectInReach("orientation");
    // Picking the printer again starts from its defaults: A4 portrait.
    for (int i = 0; i < f->PopupMenu2->Items()->Count(); ++i)
        if (f->PopupMenu2->Items()->Items(i)->Hint() == PdfPrinterName)
            f->PopupMenu2->Items()->Items(i)->Click();
    ASSERT_EQ(f->PreViewBox->Height(), a4Height);
    expectInReach("printer");
    f->ToolZoomButton1Click(f->ToolZoomButton1);
    expectInReach("zoom");
}
