// The focus frame round the field being edited, checked on the pixels the window shows.
#include "MainWindowFixture.h"
#include "ScreenPixels.h"

namespace {

class FocusFrame : public MainWindowTest {
  protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        f->Skin2->Click(); // blue: base colour red 127, green 192, blue 255
        ASSERT_TRUE(ShowActive(f));
    }
    // The colour at distance i outside the control's left edge, half-way down, on its parent.
    static QColor LeftRing(TControl* c, int i) {
        return GrabClient(c->Parent()).pixelColor(c->Left() - i, c->Top() + c->Height() / 2);
    }
    static QColor TopRing(TControl* c, int i) {
        return GrabClient(c->Parent()).pixelColor(c->Left() + 2, c->Top() - i);
    }
    static bool RingsAre(TControl* c, const QColor (&rings)[3]) {
        for (int i = 1; i <= 3; ++i)
            if (LeftRing(c, i) != rings[i - 1] || TopRing(c, i) != rings[i - 1]) return false;
        return true;
    }
    static bool Framed(TControl* c) { return LeftRing(c, 1) != LeftRing(c, 5); }
};

const QColor kPageRings[3] = {Rgb(127, 0, 0), Rgb(127, 0, 0), Rgb(127, 0, 0)};
const QColor kPanelRings[3] = {Rgb(127, 192, 255), Rgb(63, 96, 127), Rgb(42, 64, 85)};

TEST_F(FocusFrame, SettingsPanelRingsDarkenOutwardAndGoOnExit) {
    const QImage before = GrabClient(f->GroupBox3);
    ASSERT_TRUE(FocusOn(f->eSpaceT));
    EXPECT_TRUE(WaitUntil([&] { return RingsAre(f->eSpaceT, kPanelRings); }))
        << LeftRing(f->eSpaceT, 1).name().toStdString() << " " << LeftRing(f->eSpaceT, 2).name().toStdString()
        << " " << LeftRing(f->eSpaceT, 3).name().toStdString();
    // Nothing beyond the third ring.
    EXPECT_EQ(LeftRing(f->eSpaceT, 4), before.pixelColor(f->eSpaceT->Left() - 4, f->eSpaceT->Top() + 5));

    ASSERT_TRUE(FocusOn(f->eSpaceL));
    EXPECT_TRUE(WaitUntil([&] { return RingsAre(f->eSpaceL, kPanelRings); }));
    // The frame moved: nothing is left round the box that was left.
    EXPECT_TRUE(WaitUntil([&] { return !Framed(f->eSpaceT); }));
    EXPECT_EQ(LeftRing(f->eSpaceT, 1), before.pixelColor(f->eSpaceT->Left() - 1, f->eSpaceT->Top() + 5));
}

TEST_F(FocusFrame, PaperPageRingsAreTheRedOfTheSchemeAndLeaveNoTrail) {
    f->PageControl1->SetActivePageIndex(0);
    f->PageControl2->SetActivePageIndex(0);
    const QImage before = GrabClient(f->TabSheet8);
    ASSERT_TRUE(FocusOn(f->eDotX));
    EXPECT_TRUE(WaitUntil([&] { return RingsAre(f->eDotX, kPageRings); }));
    // Repaints and a resize of the window keep the frame where it is.
    f->TabSheet8->Invalidate();
    f->SetBounds(f->Left(), f->Top(), 900, 700);
    Application->ProcessMessages();
    EXPECT_TRUE(RingsAre(f->eDotX, kPageRings));
    f->SetBounds(f->Left(), f->Top(), 800, 600);

    ASSERT_TRUE(FocusOn(f->eMmX));
    EXPECT_TRUE(WaitUntil([&] { return RingsAre(f->eMmX, kPageRings); }));
    // The page shows again exactly what it showed before the frame: no trail of eDotX's rings.
    EXPECT_TRUE(WaitUntil([&] {
        const QImage now = GrabClient(f->TabSheet8);
        for (int i = 1; i <= 3; ++i) {
            const int x = f->eDotX->Left() - i, y = f->eDotX->Top() + f->eDotX->Height() / 2;
            if (now.pixelColor(x, y) != before.pixelColor(x, y)) return false;
        }
        return true;
    }));
}

TEST_F(FocusFrame, EveryKindOfFieldIsFramed) {
    struct Case {
        int paperPage;
        TWinControl* field;
        const QColor (&rings)[3];
    };
    f->PageControl2->SetActivePageIndex(0);
    const Case cases[] = {
        {0, f->GraphPenStyle, kPageRings}, // combo box
        {2, f->CheckBox3, kPageRings},     // check box
        {2, f->Button8, kPageRings},       // button
        {1, f->RadioButton5, kPageRings},  // radio button
        {0, f->Edit2, kPanelRings},        // page count in the settings panel
        {0, f->Button10, kPanelRings},     // mark text button
        {0, f->RadioButton7, kPanelRings}, // mark corner
    };
    for (const Case& c : cases) {
        f->PageControl1->SetActivePageIndex(c.paperPage);
        ASSERT_TRUE(FocusOn(c.field)) << c.field->Name();
        EXPECT_TRUE(WaitUntil([&] { return RingsAre(c.field, c.rings); })) << c.field->Name();
    }
}

TEST_F(FocusFrame, OptionOffDrawsNoFrame) {
    f->CriticalFocus1->Click();
    ASSERT_FALSE(f->CriticalFocus);
    ASSERT_TRUE(ShowActive(f));
    ASSERT_TRUE(FocusOn(f->eSpaceT));
    ASSERT_TRUE(FocusOn(f->eSpaceB));
    Application->ProcessMessages();
    EXPECT_FALSE(f->eSpaceT->HasParentOverlay());
    EXPECT_FALSE(f->eSpaceB->HasParentOverlay());
    EXPECT_FALSE(Framed(f->eSpaceB));
}

TEST_F(FocusFrame, TurningTheOptionOffTakesTheFrameAway) {
    ASSERT_TRUE(FocusOn(f->eSpaceT));
    ASSERT_TRUE(WaitUntil([&] { return Framed(f->eSpaceT); }));
    f->CriticalFocus1->Click(); // hides and shows the window
    ASSERT_TRUE(ShowActive(f));
    EXPECT_TRUE(WaitUntil([&] { return !Framed(f->eSpaceT); }));
    ASSERT_TRUE(FocusOn(f->eSpaceL));
    EXPECT_FALSE(f->eSpaceL->HasParentOverlay());
}

TEST_F(FocusFrame, LogPageEditsFrameThemselvesOnEntry) {
    f->PageControl1->UserSelectPage(1);
    // Showing the page and values put in while another field is edited frame nothing.
    EXPECT_FALSE(f->TabSheet3->HasParentOverlay());
    f->Edit9->SetText("2");
    EXPECT_FALSE(f->Edit9->HasParentOverlay());

    ASSERT_TRUE(FocusOn(f->Edit8));
    EXPECT_TRUE(WaitUntil([&] { return RingsAre(f->Edit8, kPageRings); }));
    f->RadioButton6->SetChecked(true);
    ASSERT_TRUE(FocusOn(f->Edit10)); // checks its radio button, then frames itself
    EXPECT_TRUE(f->RadioButton5->Checked());
    EXPECT_TRUE(WaitUntil([&] { return RingsAre(f->Edit10, kPageRings) && !Framed(f->Edit8); }));
    ASSERT_TRUE(FocusOn(f->Edit20));
    EXPECT_TRUE(f->RadioButton6->Checked());
    EXPECT_TRUE(WaitUntil([&] { return RingsAre(f->Edit20, kPageRings) && !Framed(f->Edit10); }));
    // Typing into the framed edit keeps its frame.
    f->Edit20->UserSetText("0.2");
    EXPECT_TRUE(RingsAre(f->Edit20, kPageRings));
}

} // namespace
