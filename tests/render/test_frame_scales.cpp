// Ruler scales in the preview: a base line 5 mm inside each chosen paper edge and ticks every
// step from the content start, to 7 mm, 8.5 mm every 5th and 10 mm every 10th.
#include "DecorationFixture.h"

class RulerScaleTest : public DecorationTest {
  protected:
    void SetUp() override {
        DecorationTest::SetUp();
        f->FrameRadio2->SetChecked(true);
        f->CheckBoxHeader->SetChecked(true);
        for (TCheckBox* b : {f->CheckScale1, f->CheckScale2, f->CheckScale3, f->CheckScale4})
            b->SetChecked(false);
        f->FrameIndex = 2;
        f->EditFrameScale1->SetText("1");
    }
    // The last row of a tick running down column X from the base line at row Y0.
    static int TickEnd(const TBitmap* b, int x, int y0) {
        int y = y0;
        while (At(b, x, y + 1) == clBlue)
            ++y;
        return y;
    }
    static int ExpectedEnd(int k, int base) {
        const double mm = k % 10 == 0 ? 10.0 : k % 5 == 0 ? 8.5 : 7.0;
        return static_cast<int>(mm * S()) - 1 - base; // LineTo leaves out its end pixel
    }
};

TEST_F(RulerScaleTest, TopTicksEveryStepLongerEveryFifthAndTenth) {
    f->CheckScale1->SetChecked(true);
    SetMargins(15.0);
    const TBitmap* page = Rebuild();
    // Positions add the pitch up in floating point, with the preview's own scale.
    const double s = PreviewScaleX(f);
    const double left = 15 * s, width = PaperW() - 30 * s;
    int ticks = 0;
    double pos = 0;
    for (int k = 0; pos < width; ++k, ++ticks, pos += s) {
        const int x = static_cast<int>(left + pos);
        ASSERT_EQ(TickEnd(page, x, Px(5)), ExpectedEnd(k, 0)) << "tick " << k;
    }
    EXPECT_GT(ticks, 150);
    // Nothing below the base line beyond the last tick.
    const int after = static_cast<int>(left + pos);
    EXPECT_EQ(At(page, after, Px(5) + 2), clWhite);
}

TEST_F(RulerScaleTest, EachEdgeHasItsBaseLineAndFirstTicks) {
    SetMargins(20.0);
    struct Edge {
        TCheckBox* box;
        bool vertical;
    };
    for (Edge e : {Edge{f->CheckScale1, false}, Edge{f->CheckScale2, true}, Edge{f->CheckScale3, true},
                   Edge{f->CheckScale4, false}}) {
        for (TCheckBox* b : {f->CheckScale1, f->CheckScale2, f->CheckScale3, f->CheckScale4})
            b->SetChecked(b == e.box);
        SetMargins(20.0);
        const TBitmap* page = Rebuild();
        const TRect ink = InkBox(page);
        const int start = Px(20);
        if (!e.vertical) {
            const bool top = e.box == f->CheckScale1;
            const int base = top ? Px(5) : static_cast<int>(PaperH() - 5 * S());
            EXPECT_EQ(ink.Left, start);
            // To the content's far edge (a tick there when the content is a whole number of steps).
            EXPECT_NEAR(ink.Right, PaperW() - 20 * S(), 1.0);
            // The 0th tick reaches 10 mm from the edge, the 1st 7 mm.
            EXPECT_EQ(top ? ink.Top : ink.Bottom - 1, base);
            EXPECT_EQ(top ? ink.Bottom : ink.Top, top ? Px(10) : static_cast<int>(PaperH() - 10 * S()) + 1);
            // Every scale truncates its tick's place once.
            const int x1 = static_cast<int>(20 * S() + S());
            const int y7 = top ? Px(7) - 1 : static_cast<int>(PaperH() - 7 * S()) + 1;
            EXPECT_EQ(At(page, x1, y7), clBlue);
            EXPECT_EQ(At(page, x1, top ? y7 + 1 : y7 - 1), clWhite);
        } else {
            const bool left = e.box == f->CheckScale2;
            const int base = left ? Px(5) : static_cast<int>(PaperW() - 5 * S());
            EXPECT_EQ(ink.Top, start);
            EXPECT_NEAR(ink.Bottom, PaperH() - 20 * S(), 1.0);
            EXPECT_EQ(left ? ink.Left : ink.Right - 1, base);
            const int y1 = static_cast<int>(20 * S() + S());
            const int x7 = left ? Px(7) - 1 : static_cast<int>(PaperW() - 7 * S()) + 1;
            EXPECT_EQ(At(page, x7, y1), clBlue);
            EXPECT_EQ(At(page, left ? x7 + 1 : x7 - 1, y1), clWhite);
        }
    }
}

TEST_F(RulerScaleTest, StepBelowOneOrNotANumberIsOneMillimetre) {
    f->CheckScale1->SetChecked(true);
    f->CheckScale2->SetChecked(true);
    SetMargins(15.0);
    Rebuild();
    const auto oneMm = Snapshot();
    for (const char* text : {"0.5", "0", "-3", "abc", ""}) {
        f->EditFrameScale1->SetText(text);
        EXPECT_TRUE(Same(Rebuild(), oneMm.get())) << "step \"" << text << "\"";
    }
    f->EditFrameScale1->SetText("2");
    const TBitmap* page = Rebuild();
    const int x1 = static_cast<int>(15 * S() + 2 * S());
    EXPECT_EQ(TickEnd(page, x1, Px(5)), Px(7) - 1);
    EXPECT_EQ(At(page, static_cast<int>(15 * S() + S()), Px(5) + 2), clWhite);
}

TEST_F(RulerScaleTest, NoEdgeChosenDrawsNothing) {
    EXPECT_EQ(InkBox(Rebuild()), TRect());
}
