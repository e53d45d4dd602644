// The page-number footer in the preview: always "- Page 1 / 1 -", centred at the bottom of the
// printable area, in black at the stored size counted as millimetres.
#include "DecorationFixture.h"

class PageNumberPreviewTest : public DecorationTest {
  protected:
    void SetUp() override {
        DecorationTest::SetUp();
        f->FontDialog2->Font()->SetSize(6);
        f->CheckBox2->SetChecked(true);
    }
    // The footer where it belongs, drawn on a blank bitmap.
    std::unique_ptr<TBitmap> ExpectedFooter(int borderPx) const {
        auto b = Blank();
        TCanvas* c = b->Canvas();
        c->Font()->SetName(f->FontDialog2->Font()->Name());
        c->Font()->SetColor(clBlack);
        c->Font()->SetHeight(Px(6));
        c->Brush()->SetStyle(bsClear);
        const AnsiString text = "- Page 1 / 1 -";
        // Centred on the paper and standing on its bottom edge (the far edges a little beyond
        // the bitmap's, PreviewPaper.h), lifted by the border.
        c->TextOut(static_cast<int>((PaperW() - c->TextWidth(text)) / 2),
                   static_cast<int>(PaperH()) - c->TextHeight("Wq") - borderPx, text);
        return b;
    }
};

TEST_F(PageNumberPreviewTest, ShowsPageOneOfOneCentredOnTheBottomEdge) {
    f->Edit2->SetText("3"); // the page count does not reach the preview
    const TBitmap* page = Rebuild();
    EXPECT_TRUE(Same(page, ExpectedFooter(0).get()));

    const TRect ink = InkBox(page);
    ASSERT_GT(ink.Width(), 0);
    EXPECT_NEAR((ink.Left + ink.Right) / 2.0, W() / 2.0, 2.0);
    EXPECT_LE(ink.Bottom, H());
    EXPECT_GE(ink.Top, H() - Px(6) - 2); // the 6 mm cell stands on the bottom edge
    EXPECT_GT(ink.Height(), Px(6) / 2);
    EXPECT_EQ(At(page, (ink.Left + ink.Right) / 2, ink.Top - 1), clWhite);
}

TEST_F(PageNumberPreviewTest, RisesByTheUnprintableBottomBorder) {
    const TRect flush = InkBox(Rebuild());
    const int flushHeight = H();
    SetPrinterBorder(0, 5);
    const int border = static_cast<int>(f->PhysOffsetY / f->PxPerMmY * S());
    ASSERT_GT(border, 0);
    const TBitmap* page = Rebuild();
    EXPECT_TRUE(Same(page, ExpectedFooter(border).get()));
    // The preview is the printer's whole paper, as before; the footer stands on the printable
    // bottom, the border above the paper's bottom edge.
    const TRect raised = InkBox(page);
    ASSERT_EQ(H(), flushHeight);
    EXPECT_EQ(raised.Top, flush.Top - border);
    EXPECT_EQ(raised.Bottom, flush.Bottom - border);
    EXPECT_EQ(raised.Left, flush.Left);
}

TEST_F(PageNumberPreviewTest, IgnoresMarginsAndTheFrontColourOfItsFont) {
    f->FontDialog2->Font()->SetColor(clRed);
    const auto plain = Snapshot();
    SetMargins(40.0);
    f->FontDialog2->Font()->SetColor(clGreen);
    EXPECT_TRUE(Same(Rebuild(), plain.get()));
    EXPECT_TRUE(Same(plain.get(), ExpectedFooter(0).get()));
}

TEST_F(PageNumberPreviewTest, OffDrawsNothing) {
    f->CheckBox2->SetChecked(false);
    EXPECT_EQ(InkBox(Rebuild()), TRect());
}

TEST_F(PageNumberPreviewTest, SizeCountsAsMillimetresOfCellHeight) {
    f->FontDialog2->Font()->SetSize(12);
    Rebuild();
    EXPECT_EQ(f->PreviewBitmap->Canvas()->Font()->Height(), Px(12));
    EXPECT_GE(InkBox(f->PreviewBitmap).Top, H() - Px(12) - 2);
    EXPECT_GT(InkBox(f->PreviewBitmap).Height(), Px(6));
}
