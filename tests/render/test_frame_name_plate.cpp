// The name plate in the preview: a title on a line at 25 mm across the middle half of the page
// with a name below it (item "1"), or an empty white box at the bottom right (item "2").
#include "DecorationFixture.h"

class NamePlateTest : public DecorationTest {
  protected:
    void SetUp() override {
        DecorationTest::SetUp();
        f->FrameRadio3->SetChecked(true);
        f->CheckBoxHeader->SetChecked(true);
        f->FrameIndex = 3;
        f->RadioGroup1->SetItemIndex(0);
        f->Edit36->SetText("");
        f->Edit35->SetText("");
        SetMargins(15.0);
    }
};

TEST_F(NamePlateTest, EmptyTextsLeaveOnlyTheLine) {
    const TBitmap* page = Rebuild();
    EXPECT_EQ(InkBox(page), TRect(W() / 4, Px(25), W() - W() / 4, Px(25) + 1));
    EXPECT_EQ(At(page, W() / 2, Px(25)), clBlue);
}

TEST_F(NamePlateTest, TitleCentredOnTheLineAndNameAtTheRightContentEdge) {
    Rebuild();
    const auto line = Snapshot();
    f->Edit36->SetText("NOTES");
    Rebuild();
    const TRect title = DiffBox(line.get(), f->PreviewBitmap);
    ASSERT_GT(title.Width(), 0);
    EXPECT_NEAR((title.Left + title.Right) / 2.0, W() / 2.0, 3.0);
    EXPECT_LE(title.Bottom, Px(25));
    EXPECT_GE(title.Top, Px(25) - Px(15));
    EXPECT_GT(title.Height(), Px(15) / 2);

    f->Edit36->SetText("");
    f->Edit35->SetText("NAME");
    Rebuild();
    const TRect name = DiffBox(line.get(), f->PreviewBitmap);
    ASSERT_GT(name.Width(), 0);
    const int right = static_cast<int>(PaperW() - 15 * S());
    EXPECT_LE(name.Right, right);
    EXPECT_GT(name.Right, right - Px(2));
    EXPECT_LE(name.Bottom, Px(30));
    EXPECT_GE(name.Top, Px(30) - Px(5));
}

TEST_F(NamePlateTest, BoxIsWhiteOnAnyPaperAndFramedInTheLineColour) {
    f->RadioGroup1->SetItemIndex(1);
    f->PaperColor = clCream;
    f->CheckBoxHeader->SetChecked(false);
    Rebuild();
    const auto bare = Snapshot();
    f->CheckBoxHeader->SetChecked(true);
    SetMargins(5.0);
    const TBitmap* page = Rebuild();
    const TRect box(W() - W() / 2, static_cast<int>(H() - 20 * S()), static_cast<int>(W() - 5 * S()),
                    static_cast<int>(H() - 5 * S()));
    ASSERT_EQ(InkBox(bare.get(), clCream), TRect());
    for (int x = box.Left; x < box.Right; ++x) {
        ASSERT_EQ(At(page, x, box.Top), clBlue) << x;
        ASSERT_EQ(At(page, x, box.Bottom - 1), clBlue) << x;
    }
    for (int y = box.Top; y < box.Bottom; ++y) {
        ASSERT_EQ(At(page, box.Left, y), clBlue) << y;
        ASSERT_EQ(At(page, box.Right - 1, y), clBlue) << y;
    }
    for (int y = box.Top + 1; y < box.Bottom - 1; ++y)
        for (int x = box.Left + 1; x < box.Right - 1; ++x)
            ASSERT_EQ(At(page, x, y), clWhite) << x << "," << y;
    EXPECT_EQ(DiffBox(bare.get(), page), box); // nothing else changes
}
