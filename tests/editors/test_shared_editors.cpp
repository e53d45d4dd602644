// The shared change handler, the plain rebuild handlers and the Enter/Space keys of the graph-paper
// and margin edits, driven through the real main window.
#include "EditorFixture.h"

using SharedEditorTest = EditorTest;

TEST_F(SharedEditorTest, NumberEditsFallBackToOnePointZeroUnselected) {
    struct Case {
        TEdit* TForm1::*edit;
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {&TForm1::Edit32, "abc", "1.0"},     // graph line width
        {&TForm1::Edit18, "", "1.0"},        // grid: an emptied edit
        {&TForm1::Edit24, "-", "1.0"},       // arcs: a sign alone
        {&TForm1::Edit13, "2,5", "1.0"},     // slanted: no comma decimals
        {&TForm1::Edit20, "2.5", "2.5"},     // log paper: a number stays
        {&TForm1::Edit16, " 3e-1", " 3e-1"}, // blanks and an exponent are a decimal text too
    };
    for (const Case& c : cases) {
        TEdit* e = f->*c.edit;
        MarkPreviewStale();
        e->UserSetText(c.typed);
        const AnsiString expected = c.kept;
        EXPECT_EQ(e->Text(), expected) << e->Name() << " after " << c.typed;
        EXPECT_TRUE(PreviewRebuilt()) << e->Name();
        // The default is not selected: the next key goes after it.
        e->UserKeyPress('5');
        EXPECT_EQ(e->Text(), expected + "5") << e->Name();
    }
    EXPECT_TRUE(ExceptionBoxes().empty());
}

TEST_F(SharedEditorTest, DefaultLineWidthDrawsLikeOnePointZero) {
    f->PageControl1->SetActivePageIndex(0);
    f->Edit32->UserSetText("1.0");
    std::vector<TColor> typed;
    const int w = f->PreviewBitmap->Width(), h = f->PreviewBitmap->Height();
    auto snapshot = [&] {
        std::vector<TColor> px;
        for (int y = 0; y < h; y += 3)
            for (int x = 0; x < w; ++x) {
                TColor c;
                f->PreviewBitmap->GetColor(x, y, c);
                px.push_back(c);
            }
        return px;
    };
    const std::vector<TColor> oneMm = snapshot();
    f->Edit32->UserSetText("0.1");
    ASSERT_NE(snapshot(), oneMm) << "the line width shows in the preview";
    f->Edit32->UserSetText("abc");
    EXPECT_EQ(f->Edit32->Text(), "1.0");
    EXPECT_EQ(snapshot(), oneMm);
}

TEST_F(SharedEditorTest, SendersOtherThanEditsOnlyRebuild) {
    const AnsiString combo = f->ComboBox7->Text();
    f->RadioButton6->Click(); // a checked radio button raises nothing when clicked again
    MarkPreviewStale();
    f->RadioButton5->Click();
    EXPECT_TRUE(PreviewRebuilt());
    EXPECT_TRUE(f->RadioButton5->Checked());
    MarkPreviewStale();
    f->OnChenge(f); // the background-picture handlers call it with the form
    EXPECT_TRUE(PreviewRebuilt());
    MarkPreviewStale();
    f->OnChenge(f->ComboBox7);
    EXPECT_TRUE(PreviewRebuilt());
    EXPECT_EQ(f->ComboBox7->Text(), combo);
}

TEST_F(SharedEditorTest, FreeTextAndIntervalEditsAreNotValidated) {
    MarkPreviewStale();
    f->TntEdit1->UserSetText("★");
    EXPECT_EQ(f->TntEdit1->Text(), "★");
    EXPECT_TRUE(PreviewRebuilt());
    MarkPreviewStale();
    f->Edit23->UserSetText("not a number");
    EXPECT_EQ(f->Edit23->Text(), "not a number");
    EXPECT_TRUE(PreviewRebuilt());
    MarkPreviewStale();
    f->Edit1->UserSetText("3");
    EXPECT_TRUE(PreviewRebuilt());
}

TEST_F(SharedEditorTest, EnterMovesTheFocusOnAndSpaceSelectsTheText) {
    struct Case {
        TEdit* edit;
        TWinControl* next; // nullptr: the focus stays
    };
    const Case cases[] = {
        {f->eDotX, f->eDotY},        {f->eDotY, f->eMmX},      {f->eMmX, f->eMmY},
        {f->eMmY, f->GraphPenStyle}, {f->eSpaceT, f->eSpaceL}, {f->eSpaceL, f->eSpaceR},
        {f->eSpaceR, f->eSpaceB},    {f->eSpaceB, nullptr},
    };
    f->PageControl1->SetActivePageIndex(0);
    f->Show();
    Application->ProcessMessages();
    for (const Case& c : cases) {
        TEdit* e = c.edit;
        e->SetText("12");
        e->SetFocus();
        Application->ProcessMessages();
        ASSERT_TRUE(e->Focused()) << e->Name();
        MarkPreviewStale();
        EXPECT_EQ(e->UserKeyPress(13), 0) << e->Name();
        Application->ProcessMessages();
        TWinControl* expected = c.next ? c.next : e;
        EXPECT_TRUE(expected->Focused()) << e->Name() << " -> " << expected->Name();
        EXPECT_EQ(e->Text(), "12") << e->Name();
        EXPECT_FALSE(PreviewRebuilt()) << e->Name();

        EXPECT_EQ(e->UserKeyPress(' '), 0) << e->Name();
        EXPECT_EQ(e->Text(), "12") << "no blank inserted into " << e->Name();
        // The whole text is selected: the next digit replaces it.
        e->UserKeyPress('7');
        EXPECT_EQ(e->Text(), "7") << e->Name();
    }
    EXPECT_TRUE(ExceptionBoxes().empty());
}

TEST_F(SharedEditorTest, OtherKeysPassToTheEditUnchanged) {
    for (TEdit* e : {f->eDotX, f->eMmY, f->eSpaceB})
        for (char k : {'5', 'a', '-', '.', char(8)})
            EXPECT_EQ(e->UserKeyPress(k), k) << e->Name() << " key " << int(k);
}

TEST_F(SharedEditorTest, MinusTypedIntoACountIsReplacedByOne) {
    f->eDotX->UserKeyPress(' '); // select all
    f->eDotX->UserKeyPress('-');
    EXPECT_EQ(f->eDotX->Text(), "1");
    EXPECT_TRUE(ExceptionBoxes().empty());
}
