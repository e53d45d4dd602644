// The manuscript, multi-line and arc tabs' handlers: labels, corrected texts, linked spins.
#include "shell/MainWindowFixture.h"

TEST_F(MainWindowTest, ManuscriptLabelCountsTheCharacters) {
    f->Edit4->SetText("12");
    f->Edit5->SetText("25");
    EXPECT_EQ(f->Label15->Caption(), "300字詰め");
    f->Edit4->SetText("x"); // not a whole number: refused as a count is
    EXPECT_EQ(f->Edit4->Text(), "1");
    EXPECT_EQ(f->Label15->Caption(), "25字詰め");
    f->Label15->SetCaption("");
    f->PageControl1->SetActivePageIndex(0);
    f->PageControl1->SetActivePageIndex(2); // showing the page updates the label too
    EXPECT_EQ(f->Label15->Caption(), "25字詰め");
}

TEST_F(MainWindowTest, UpDown4LinksTheFoldPositionToHalfTheCount) {
    f->UpDown4->SetPosition(20);
    f->UpDown4->UserClick(btNext);
    EXPECT_EQ(f->Edit5->Text(), "21");
    EXPECT_EQ(f->UpDown5->Max(), 21);
    EXPECT_EQ(f->Edit6->Text(), "10");
}

TEST_F(MainWindowTest, CellSizeEditFollowsItsCheckBox) {
    f->CheckBox3->SetChecked(true);
    EXPECT_TRUE(f->Edit7->Enabled());
    EXPECT_EQ(f->Edit7->Color(), clWindow);
    f->CheckBox3->SetChecked(false);
    EXPECT_FALSE(f->Edit7->Enabled());
    EXPECT_EQ(f->Edit7->Color(), 0x808080);
    f->Edit7->SetText("abc");
    EXPECT_EQ(f->Edit7->Text(), "1");
}

TEST_F(MainWindowTest, MultiLineSpinsStepWholeNumbersAndStopAtOne) {
    struct Case {
        const char* start;
        bool up;
        const char* result;
    };
    for (const Case& c : {Case{"1", false, "1"}, Case{"abc", false, "1"}, Case{"abc", true, "2"},
                          Case{"5", true, "6"}, Case{"5", false, "4"}}) {
        f->EditLineCount1->SetText(c.start);
        if (c.up)
            f->CSpinButton5->UserClickUp();
        else
            f->CSpinButton5->UserClickDown();
        EXPECT_EQ(f->EditLineCount1->Text(), c.result) << c.start << (c.up ? " up" : " down");
    }
    f->EditFiveLineCount->SetText("2");
    f->CSpinButton8->UserClickUp();
    EXPECT_EQ(f->EditFiveLineCount->Text(), "3");
}

TEST_F(MainWindowTest, ArcDivisionsShowTheInteriorAngle) {
    struct Case {
        const char* typed;
        const char* text;
        const char* angle;
    };
    for (const Case& c : {Case{"7", "7", "51.43°"}, Case{"12", "12", "30.00°"}, Case{"1440", "1440", "0.25°"},
                          Case{"2.5", "0", "---°"}, Case{"00", "00", "---°"}, Case{"0", "0", "---°"}}) {
        f->Edit26->SetText("3");
        f->Edit26->SetText(c.typed);
        EXPECT_EQ(f->Edit26->Text(), c.text) << c.typed;
        EXPECT_EQ(f->Label54->Caption(), c.angle) << c.typed;
    }
}

TEST_F(MainWindowTest, EnteringAGrowthEditChoosesItsRadioButton) {
    f->RadioButton5->SetChecked(true);
    ASSERT_TRUE(f->Edit20->OnEnter);
    f->Edit20->OnEnter(f->Edit20);
    EXPECT_TRUE(f->RadioButton6->Checked());
    EXPECT_FALSE(f->RadioButton5->Checked());
    f->Edit10->OnEnter(f->Edit10);
    EXPECT_TRUE(f->RadioButton5->Checked());
}
