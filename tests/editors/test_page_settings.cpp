// The page-settings panel: line and paper colours, the mark corner, and the frame with the bands
// it reserves inside the margins.
#include "EditorFixture.h"

class PageSettingsTest : public EditorTest {
  protected:
    void SetMargins(const char* top, const char* left, const char* right, const char* bottom) {
        f->eSpaceT->UserSetText(top);
        f->eSpaceL->UserSetText(left);
        f->eSpaceR->UserSetText(right);
        f->eSpaceB->UserSetText(bottom);
    }
    std::vector<double> Insets() const {
        return {f->FrameInsetTop, f->FrameInsetBottom, f->FrameInsetLeft, f->FrameInsetRight};
    }
    // The printable size with the current margins and the given bands.
    int ExpectedHeight(double top, double bottom) const {
        return static_cast<int>(Printer()->PageHeight() + 2.0 * f->PhysOffsetY -
                                (f->MarginTop + f->MarginBottom + top + bottom) * f->PxPerMmY);
    }
    int ExpectedWidth() const {
        return static_cast<int>(Printer()->PageWidth() + 2.0 * f->PhysOffsetX -
                                (f->MarginLeft + f->MarginRight) * f->PxPerMmX);
    }
    static void ExpectInsets(const std::vector<double>& actual, const std::vector<double>& expected,
                             const char* what) {
        ASSERT_EQ(actual.size(), expected.size());
        for (size_t i = 0; i < actual.size(); ++i)
            EXPECT_NEAR(actual[i], expected[i], 1e-9) << what << " inset " << i;
    }
};

TEST_F(PageSettingsTest, LineColourFromTheButtonAndTheMenuItem) {
    f->SetLineColor(0x00112233);
    for (bool menu : {false, true}) {
        const char* what = menu ? "menu item" : "button";
        auto choose = [&] { menu ? f->N3->Click() : f->ColorChangeButton->Click(); };
        ScriptDialogAnswer(ColourAnswer(false));
        MarkPreviewStale();
        choose();
        EXPECT_EQ(f->Panel2->Color(), 0x00112233) << what;
        EXPECT_EQ(f->ColorDialog1->Color(), 0x00112233) << what;
        EXPECT_TRUE(PreviewRebuilt()) << "Cancel still rebuilds from the " << what;

        ScriptDialogAnswer(ColourAnswer(true, 0x00AA0055));
        MarkPreviewStale();
        choose();
        EXPECT_EQ(f->Panel2->Color(), 0x00AA0055) << what;
        EXPECT_EQ(f->ColorDialog1->Color(), 0x00AA0055) << what;
        EXPECT_TRUE(PreviewRebuilt()) << what;
        f->SetLineColor(0x00112233);
    }
    EXPECT_EQ(ScriptedAnswerCount(), 0);
}

TEST_F(PageSettingsTest, LineColourActionRebuildsOnlyWhenAColourWasChosen) {
    f->SetLineColor(0x00112233);
    ScriptDialogAnswer(ColourAnswer(false));
    MarkPreviewStale();
    f->LineColorChange->Execute();
    EXPECT_FALSE(PreviewRebuilt());
    EXPECT_EQ(f->Panel2->Color(), 0x00112233);
    ScriptDialogAnswer(ColourAnswer(true, 0x000000FF));
    f->LineColorChange->Execute();
    EXPECT_TRUE(PreviewRebuilt());
    EXPECT_EQ(f->Panel2->Color(), 0x000000FF);
}

TEST_F(PageSettingsTest, PaperColourIsAssumedForThePreview) {
    f->CheckBlank->SetChecked(true); // only the paper, no pattern
    ScriptDialogAnswer(ColourAnswer(true, 0x00CCEEFF));
    f->Button3->Click();
    EXPECT_EQ(f->PaperColor, 0x00CCEEFF);
    EXPECT_EQ(f->Panel1->Color(), 0x00CCEEFF);
    TColor c;
    f->PreviewBitmap->GetColor(f->PreviewBitmap->Width() / 2, f->PreviewBitmap->Height() / 2, c);
    EXPECT_EQ(c & 0xFFFFFF, 0x00CCEEFF);

    ScriptDialogAnswer(ColourAnswer(false));
    MarkPreviewStale();
    f->Button3->Click();
    EXPECT_EQ(f->PaperColor, 0x00CCEEFF);
    EXPECT_EQ(f->Panel1->Color(), 0x00CCEEFF);
    EXPECT_TRUE(PreviewRebuilt());
}

TEST_F(PageSettingsTest, MarkCornerRadios) {
    struct Case {
        TRadioButton* radio;
        int pos;
    };
    const Case cases[] = {{f->RadioButton8, 4},
                          {f->RadioButton7, 1},
                          {f->RadioButton9, 2},
                          {f->RadioButton10, 3},
                          {f->RadioButton11, 0}};
    for (const Case& c : cases) {
        MarkPreviewStale();
        c.radio->Click();
        EXPECT_EQ(f->MarkPos, c.pos) << c.radio->Caption();
        EXPECT_TRUE(PreviewRebuilt()) << c.radio->Caption();
    }
}

TEST_F(PageSettingsTest, FrameTypesReserveTheirBands) {
    struct Case {
        const char* what;
        const char* margins[4]; // top, left, right, bottom
        TRadioButton* TForm1::*type;
        bool scales[4];             // CheckScale1 (top) to CheckScale4 (bottom)
        int plate;                  // RadioGroup1 item
        std::vector<double> insets; // top, bottom, left, right
    };
    const Case cases[] = {
        {"notebook", {"5", "5", "5", "5"}, &TForm1::FrameRadio1, {}, 0, {25, 5, 0, 0}},
        {"notebook, wide top", {"35", "0", "0", "5"}, &TForm1::FrameRadio1, {}, 0, {-5, 5, 0, 0}},
        {"scales left only",
         {"0", "4.2", "0", "0"},
         &TForm1::FrameRadio2,
         {false, true, false, false},
         0,
         {0, 0, 5.8, 0}},
        {"scales all round",
         {"5", "6", "7", "8"},
         &TForm1::FrameRadio2,
         {true, true, true, true},
         0,
         {5, 2, 4, 3}},
        {"name plate 1", {"10", "0", "0", "0"}, &TForm1::FrameRadio3, {}, 0, {30, 0, 0, 0}},
        {"name plate 2", {"10", "0", "0", "0"}, &TForm1::FrameRadio3, {}, 1, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        // Unchecking a radio button raises nothing: the type's click below is a real change.
        for (TRadioButton* r : {f->FrameRadio1, f->FrameRadio2, f->FrameRadio3})
            r->SetChecked(false);
        SetMargins(c.margins[0], c.margins[1], c.margins[2], c.margins[3]);
        TCheckBox* scales[] = {f->CheckScale1, f->CheckScale2, f->CheckScale3, f->CheckScale4};
        for (int i = 0; i < 4; ++i)
            scales[i]->SetChecked(c.scales[i]);
        f->RadioGroup1->SetItemIndex(c.plate);
        const int width = f->DrawableWidth;
        f->CheckBoxHeader->SetChecked(true);
        EXPECT_TRUE(f->PageControl5->Visible()) << c.what;
        TRadioButton* type = f->*c.type;
        MarkPreviewStale();
        type->Click();
        EXPECT_EQ(f->FrameIndex, type->Tag()) << c.what;
        EXPECT_EQ(f->PageControl5->ActivePageIndex(), type->Tag() - 1) << c.what;
        ExpectInsets(Insets(), c.insets, c.what);
        EXPECT_EQ(f->DrawableHeight, ExpectedHeight(c.insets[0], c.insets[1])) << c.what;
        EXPECT_EQ(f->DrawableWidth, width) << "side bands take no width: " << c.what;
        EXPECT_TRUE(PreviewRebuilt()) << c.what;

        // Switching the frame off clears every band and gives the height back.
        f->CheckBoxHeader->SetChecked(false);
        ExpectInsets(Insets(), {0, 0, 0, 0}, c.what);
        EXPECT_FALSE(f->PageControl5->Visible()) << c.what;
        EXPECT_EQ(f->DrawableHeight, ExpectedHeight(0, 0)) << c.what;
        for (TCheckBox* s : scales)
            s->SetChecked(false);
    }
}

TEST_F(PageSettingsTest, NotebookFrameFixesTheContentToTheSheetEdges) {
    SetMargins("5", "5", "5", "5");
    const int height = f->DrawableHeight;
    f->CheckBoxHeader->SetChecked(true);
    f->FrameRadio1->Click();
    // 30 mm from the top edge and 10 mm from the bottom edge: 30 mm more than the 5 + 5 margins.
    EXPECT_NEAR(height - f->DrawableHeight, 30 * f->PxPerMmY, 1.0);
    // The band was computed from the margins of that moment: a later margin does not move it.
    f->eSpaceT->UserSetText("10");
    EXPECT_DOUBLE_EQ(f->FrameInsetTop, 25);
}

TEST_F(PageSettingsTest, PlateTypeChoiceRecomputesTheBand) {
    f->CheckBoxHeader->SetChecked(true);
    f->FrameRadio3->Click();
    EXPECT_DOUBLE_EQ(f->FrameInsetTop, 30);
    f->RadioGroup1->UserSelect(1);
    EXPECT_DOUBLE_EQ(f->FrameInsetTop, 0);
    EXPECT_EQ(f->DrawableHeight, ExpectedHeight(0, 0));
    f->RadioGroup1->UserSelect(0);
    EXPECT_DOUBLE_EQ(f->FrameInsetTop, 30);
    EXPECT_EQ(f->DrawableHeight, ExpectedHeight(30, 0));
}

TEST_F(PageSettingsTest, FrameTypeWhileTheFrameIsOffReservesNothing) {
    ASSERT_FALSE(f->CheckBoxHeader->Checked());
    f->FrameRadio2->Click();
    f->CheckScale1->SetChecked(false);
    f->CheckScale1->SetChecked(true);
    EXPECT_EQ(f->FrameIndex, 2);
    ExpectInsets(Insets(), {0, 0, 0, 0}, "frame off");
    EXPECT_FALSE(f->PageControl5->Visible());
}

TEST_F(PageSettingsTest, ScaleBoxesSetTheBandsButNotThePrintableSize) {
    for (TCheckBox* s : {f->CheckScale1, f->CheckScale2, f->CheckScale3, f->CheckScale4})
        s->SetChecked(false);
    SetMargins("4", "0", "0", "0");
    f->CheckBoxHeader->SetChecked(true);
    f->FrameRadio2->Click();
    const int height = f->DrawableHeight, width = f->DrawableWidth;
    const AnsiString label = f->Label12->Caption();
    MarkPreviewStale();
    f->CheckScale1->Click();
    EXPECT_DOUBLE_EQ(f->FrameInsetTop, 6);
    EXPECT_TRUE(PreviewRebuilt());
    EXPECT_EQ(f->DrawableHeight, height); // until the margins are recomputed
    EXPECT_EQ(f->Label12->Caption(), label);
    f->CheckScale3->Click();
    EXPECT_DOUBLE_EQ(f->FrameInsetRight, 10);
    EXPECT_EQ(f->DrawableWidth, width);
    // The next margin edit takes the band into the printable height.
    f->eSpaceB->UserSetText("0.0");
    EXPECT_EQ(f->DrawableHeight, ExpectedHeight(6, 0));
    // Unchecking clears the band of that edge.
    f->CheckScale1->Click();
    EXPECT_DOUBLE_EQ(f->FrameInsetTop, 0);
    EXPECT_DOUBLE_EQ(f->FrameInsetRight, 10);
}

TEST_F(PageSettingsTest, ScaleBoxesOfAnotherFrameTypeChangeNoBand) {
    f->CheckBoxHeader->SetChecked(true);
    f->FrameRadio1->Click();
    const std::vector<double> notebook = Insets();
    MarkPreviewStale();
    f->CheckScale1->Click();
    ExpectInsets(Insets(), notebook, "notebook");
    EXPECT_TRUE(PreviewRebuilt());
}
