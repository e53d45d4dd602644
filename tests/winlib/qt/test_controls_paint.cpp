// Painting: paint boxes and owner-drawn status panels do not loop, and idle means no painting.
#include "test_controls_support.h"

#include "winlib/ComCtrls.h"
#include "winlib/Dialogs.h"

namespace {

class ControlPaint : public ControlsTest {};

TEST_F(ControlPaint, PaintBoxHandlerThatDrawsAndResizesDoesNotLoop) {
    TPaintBox box(nullptr);
    box.SetParent(host);
    box.SetBounds(15, 15, 120, 80);
    int paints = 0;
    box.OnPaint = [&](TObject*) {
        ++paints;
        box.SetBounds(15, 15, 120, 80); // the preview sizes itself on every paint
        box.Canvas()->Brush()->SetColor(clRed);
        box.Canvas()->FillRect(TRect(0, 0, 120, 80));
    };
    ASSERT_TRUE(Settle()) << "painting goes on while nothing changes";
    EXPECT_GE(paints, 1);
    EXPECT_LE(paints, 3);
    QImage shot = box.Impl()->Widget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(10, 10), QColor(255, 0, 0));
}

TEST_F(ControlPaint, DrawingOutsidePaintAsksForOneRepaint) {
    TPaintBox box(nullptr);
    box.SetParent(host);
    box.SetBounds(0, 0, 50, 50);
    int paints = 0;
    box.OnPaint = [&](TObject*) { ++paints; };
    ASSERT_TRUE(Settle());
    int before = paints;
    for (int i = 0; i < 5; ++i) {
        box.Canvas()->Brush()->SetColor(clBlue);
        box.Canvas()->FillRect(TRect(0, 0, 10 + i, 10));
    }
    ASSERT_TRUE(Settle());
    EXPECT_EQ(paints, before + 1);
    QImage shot = box.Impl()->Widget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(0, 0, 255));
}

TEST_F(ControlPaint, PaintRunsOnPaintOnceAlsoWhenHidden) {
    TPaintBox box(nullptr);
    int paints = 0;
    box.OnPaint = [&](TObject*) { ++paints; };
    box.Paint();
    EXPECT_EQ(paints, 1);
    box.SetParent(host);
    ASSERT_TRUE(Settle());
    paints = 0;
    box.Paint();
    EXPECT_EQ(paints, 1);
}

TEST_F(ControlPaint, PaintHandlerErrorsAreShownNotThrown) {
    TPaintBox box(nullptr);
    box.OnPaint = [&](TObject*) { throw Exception("bad paint"); };
    EXPECT_NO_THROW(box.Paint());
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(ExceptionBoxes(), 1);
}

TEST_F(ControlPaint, BoxesAskedForInAPaintWaitForItsEndAndDoNotRepeatWithEveryPaint) {
    TPaintBox box(nullptr), other(nullptr);
    bool fail = true;
    box.OnPaint = [&](TObject*) {
        ShowMessage("a notice from a paint");
        if (fail) throw Exception("bad paint");
    };
    other.OnPaint = [&](TObject*) {};
    box.Paint();
    EXPECT_TRUE(ShownMessages().empty()) << "no box while the paint runs";
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(ShownMessages().size(), 2u);
    EXPECT_EQ(ShownMessages()[0].Text, "a notice from a paint");
    EXPECT_EQ(ShownMessages()[1].Text, "bad paint");
    // The window repaints beneath each box: the same failure is not shown again and again,
    // whatever other controls paint in between.
    for (int i = 0; i < 3; ++i) {
        box.Paint();
        other.Paint();
        QCoreApplication::sendPostedEvents();
    }
    EXPECT_EQ(ShownMessages().size(), 2u);
    // Once the control has painted cleanly, a new failure is news again.
    fail = false;
    box.OnPaint = [&](TObject*) {
        if (fail) throw Exception("bad paint");
    };
    box.Paint();
    fail = true;
    box.Paint();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(ShownMessages().size(), 3u);
    // Outside a paint a box is shown at once.
    ShowMessage("outside");
    EXPECT_EQ(ShownMessages().back().Text, "outside");
}

TEST_F(ControlPaint, StatusPanelsResizedWhileDrawingSettle) {
    TStatusBar bar(nullptr);
    bar.SetParent(host);
    for (int w : {256, 152, 50, 250}) {
        TStatusPanel* p = bar.AddPanel();
        p->Width = w;
        p->Style = psOwnerDraw;
    }
    int draws = 0;
    bool flip = false;
    bar.OnDrawPanel = [&](TStatusBar* sb, TStatusPanel* panel, const TRect& r) {
        ++draws;
        EXPECT_EQ(sb, &bar);
        EXPECT_GT(r.Height(), 0);
        // Panel 1 sizes itself to its text; panel 3 misbehaves and changes on every paint.
        if (panel == sb->Panels(1)) panel->Width = sb->Canvas()->TextWidth("12 sheets") + 8;
        if (panel == sb->Panels(3)) panel->Width = (flip = !flip) ? 120 : 130;
    };
    ASSERT_TRUE(Settle()) << "the status bar keeps repainting";
    // One paint, and at most one more to show the widths the handler changed.
    EXPECT_GE(draws, 4);
    EXPECT_LE(draws, 8);
}

TEST_F(ControlPaint, ListBoxOwnerDrawGetsSelectedState) {
    TListBox l(nullptr);
    l.SetParent(host);
    l.SetStyle(lbOwnerDrawFixed);
    l.AddItem("a");
    l.AddItem("b");
    l.SetItemIndex(1);
    std::vector<std::pair<int, TOwnerDrawState>> drawn;
    l.OnDrawItem = [&](TWinControl*, int i, const TRect& r, TOwnerDrawState s) {
        EXPECT_EQ(r.Height(), 13);
        l.Canvas()->FillRect(r);
        drawn.emplace_back(i, s & odSelected);
    };
    l.Impl()->Widget()->grab();
    ASSERT_GE(drawn.size(), 2u);
    for (auto [i, selected] : drawn)
        EXPECT_EQ(selected != 0, i == 1) << i;
}

} // namespace
