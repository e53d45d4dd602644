// The corner mark in the preview: the mark text in its own font, in a corner of the printable
// area, whatever the margins.
#include "DecorationFixture.h"

namespace {
struct CornerCase {
    int corner;
    bool right, bottom;
};
} // namespace

class MarkPreviewTest : public DecorationTest, public ::testing::WithParamInterface<CornerCase> {
  protected:
    void SetUp() override {
        DecorationTest::SetUp();
        f->FontDialog3->Font()->SetName("ＭＳ ゴシック");
        f->FontDialog3->Font()->SetSize(8);
        f->FontDialog3->Font()->SetColor(clRed);
        f->FontDialog3->Font()->SetStyle(fsBold);
        f->TntEdit1->SetText("AB▼");
    }
    // The mark where it belongs, drawn on a blank bitmap: from the paper's edges (the far ones a
    // little beyond the bitmap's, PreviewPaper.h), the borders in preview pixels.
    std::unique_ptr<TBitmap> ExpectedMark(const CornerCase& k, double ox, double oy) const {
        auto b = Blank();
        TCanvas* c = b->Canvas();
        c->Font()->Assign(f->FontDialog3->Font());
        c->Font()->SetHeight(Px(8));
        c->Brush()->SetStyle(bsClear);
        const AnsiString text = f->TntEdit1->Text();
        const int w = c->TextWidth(text), h = c->TextHeight("Wq");
        const int x = static_cast<int>(k.right ? PaperW() - ox - w : ox);
        const int y = static_cast<int>(k.bottom ? PaperH() - oy - h : oy);
        c->TextOut(x, y, text);
        return b;
    }
};

TEST_P(MarkPreviewTest, SitsInItsCornerOfThePaper) {
    const CornerCase k = GetParam();
    f->MarkPos = k.corner;
    const TBitmap* page = Rebuild();
    EXPECT_TRUE(Same(page, ExpectedMark(k, 0, 0).get()));
    const TRect ink = InkBox(page);
    ASSERT_GT(ink.Width(), 0);
    const int near = Px(2); // side bearings and the cell's leading
    if (k.right)
        EXPECT_GE(ink.Right, W() - near);
    else
        EXPECT_LE(ink.Left, near);
    if (k.bottom)
        EXPECT_GE(ink.Bottom, H() - near);
    else
        EXPECT_LE(ink.Top, near);
    EXPECT_LT(ink.Width(), W() / 4); // a short text, not across the page
}

TEST_P(MarkPreviewTest, MovesInsideTheUnprintableBorder) {
    const CornerCase k = GetParam();
    f->MarkPos = k.corner;
    SetPrinterBorder(3, 4);
    const double s = static_cast<float>(S()); // the preview's scale, held in single precision
    const double ox = f->PhysOffsetX / f->PxPerMmX * s;
    const double oy = f->PhysOffsetY / f->PxPerMmY * s;
    const TBitmap* page = Rebuild();
    EXPECT_TRUE(Same(page, ExpectedMark(k, ox, oy).get()));
}

INSTANTIATE_TEST_SUITE_P(Corners, MarkPreviewTest,
                         ::testing::Values(CornerCase{1, false, false}, CornerCase{2, true, false},
                                           CornerCase{3, false, true}, CornerCase{4, true, true}));

TEST_F(DecorationTest, MarkTakesTheColourOfItsFontAndIgnoresMargins) {
    f->FontDialog3->Font()->SetSize(10);
    f->FontDialog3->Font()->SetColor(clRed);
    f->MarkPos = 1;
    Rebuild();
    const auto atFifteen = Snapshot();
    SetMargins(50.0);
    EXPECT_TRUE(Same(Rebuild(), atFifteen.get()));
    int red = 0, other = 0;
    const TRect ink = InkBox(atFifteen.get());
    for (int y = ink.Top; y < ink.Bottom; ++y)
        for (int x = ink.Left; x < ink.Right; ++x) {
            const TColor c = At(atFifteen.get(), x, y);
            if (c == clRed) ++red;
            if (c != clWhite && GetGValue(c) != GetBValue(c)) ++other; // red with white blended
        }
    EXPECT_GT(red, 10);
    EXPECT_EQ(other, 0);
}

TEST_F(DecorationTest, NoCornerOrAnUnknownOneDrawsNoMark) {
    for (int corner : {0, 5, -1}) {
        f->MarkPos = corner;
        EXPECT_EQ(InkBox(Rebuild()), TRect()) << "corner " << corner;
    }
}
