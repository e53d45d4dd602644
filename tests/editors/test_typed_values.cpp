// Values typed into the window that no renderer could use are refused, or fall back, before a
// renderer meets them: no typed text raises an error box, now or at a later rebuild, and nothing
// is kept that the program would refuse at its next start.
#include "EditorFixture.h"

#include <limits>

namespace {
// A field of the main window, typed into while its paper kind is current.
struct Typed {
    int page;
    TEdit* TForm1::*edit;
    const char* typed;
    const char* kept; // the text the field holds afterwards
};
} // namespace

class TypedValueTest : public EditorTest {
  protected:
    // Types the text, then rebuilds the page once more, as the next edit would.
    void Type(const Typed& c) {
        f->PageControl1->SetActivePageIndex(c.page);
        TEdit* e = f->*c.edit;
        MarkPreviewStale();
        e->UserSetText(c.typed);
        EXPECT_EQ(e->Text(), c.kept) << e->Name() << " after " << c.typed;
        EXPECT_TRUE(PreviewRebuilt()) << e->Name() << " after " << c.typed;
        f->UpdatePreview();
        EXPECT_TRUE(ShownMessages().empty()) << e->Name() << " after " << c.typed << ": "
                                             << (ShownMessages().empty() ? "" : ShownMessages()[0].Text);
        ShownMessages().clear();
    }
};

TEST_F(TypedValueTest, CountsTakeDecimalWholeNumbersOnly) {
    const Typed cases[] = {
        // Hexadecimal forms that the runtime's integer conversion would take.
        {0, &TForm1::eDotX, "x5", "1"},
        {0, &TForm1::eDotY, "$10", "1"},
        {6, &TForm1::Edit26, "0x5", "0"},
        {5, &TForm1::Edit14, "x5", "1"},
        {4, &TForm1::Edit29, "$10", "1"},
        // The shared handler's counts take a whole number, not "1.0".
        {6, &TForm1::Edit37, "abc", "1"},
        {6, &TForm1::Edit38, "2.5", "1"},
        {4, &TForm1::Edit30, " 3e1", "1"},
        {5, &TForm1::Edit15, "", "1"},
        {6, &TForm1::Edit25, "$3", "1"},
        // Whole numbers of at least 1 stay as typed.
        {6, &TForm1::Edit37, "3", "3"},
        {5, &TForm1::Edit14, "-2", "1"},
    };
    for (const Typed& c : cases)
        Type(c);
}

TEST_F(TypedValueTest, LengthsBeyondThePaperAreRefusedLikeTextThatIsNoNumber) {
    const Typed cases[] = {
        {5, &TForm1::Edit16, "1e308", "1.0"}, // dot width
        {6, &TForm1::Edit24, "1e308", "1.0"}, // arc diameter
        {4, &TForm1::Edit13, "1e308", "1.0"}, // triangle side
        {3, &TForm1::EditLineSize, "1e308", "1.0"},
        {1, &TForm1::Edit20, "1e308", "1.0"}, // log constant
        {0, &TForm1::Edit32, "1e308", "1.0"}, // graph line width
        {5, &TForm1::Edit18, "9999999999999999999999999999999999999999", "1.0"},
        {0, &TForm1::Edit33, "298", "1.0"}, // just longer than A4
        // Within the paper, either sign, as typed.
        {0, &TForm1::Edit33, "297", "297"},
        {4, &TForm1::Edit13, "-2", "-2"},     // a pitch, either sign
        {1, &TForm1::Edit20, "-0.5", "-0.5"}, // the log constant
        // The pitch of a pattern of shapes is 0 or at least 1 mm.
        {5, &TForm1::Edit18, "0.5", "1.0"},
        {5, &TForm1::Edit18, "0", "0"},
        {6, &TForm1::Edit24, "-0.2", "1.0"},
        // Line thicknesses and dot sizes are 0 or more.
        {3, &TForm1::EditLineSizeEx, "-0.5", "1.0"},
        {0, &TForm1::Edit32, "0", "0"},
    };
    for (const Typed& c : cases)
        Type(c);
}

TEST_F(TypedValueTest, ManuscriptCellSizeAndArcDivisionsStayInTheirRange) {
    const Typed cases[] = {
        {2, &TForm1::Edit7, "0.5", "1"},
        {2, &TForm1::Edit7, "1e9", "1"},
        {2, &TForm1::Edit7, "7.5", "7.5"},
        // No more divisions than the spin offers: a quarter of a degree each.
        {6, &TForm1::Edit26, "100000", "1440"},
        {6, &TForm1::Edit26, "1441", "1440"},
        {6, &TForm1::Edit26, "720", "720"},
    };
    f->CheckBox3->SetChecked(true);
    for (const Typed& c : cases)
        Type(c);
    f->Edit26->UserSetText("100000");
    EXPECT_EQ(f->Label54->Caption(), "0.25°");
}

TEST_F(TypedValueTest, ATinyCellSizeIsRefusedAndTheLabelsCountTheSizeShown) {
    const AnsiString count = f->eDotX->Text();
    Type({0, &TForm1::eMmX, "1e-308", "1.0"});
    EXPECT_EQ(f->Label14->Caption(), "MaxX:206px");
    EXPECT_EQ(f->eDotX->Text(), count);
    f->eSpaceT->UserSetText("7"); // the margin handler counts the same way
    EXPECT_EQ(f->Label14->Caption(), "MaxX:206px");
    EXPECT_TRUE(ShownMessages().empty());
}

TEST_F(TypedValueTest, MarginsNeverLeaveACountBelowOneNorAnImpossibleLimit) {
    f->eDotX->UserSetText("16");
    const AnsiString left = f->eSpaceL->Text();
    // Wider than the sheet: refused like a text that is no number.
    f->eSpaceL->UserSetText("300");
    EXPECT_EQ(f->eSpaceL->Text(), left);
    EXPECT_EQ(f->eDotX->Text(), "16");
    // Two margins that together leave no room: nothing fits, and the count stops at one cell.
    f->eSpaceL->UserSetText("150");
    f->eSpaceR->UserSetText("150");
    EXPECT_EQ(f->eDotX->Text(), "1");
    EXPECT_EQ(f->Label14->Caption(), "MaxX:0px");
    EXPECT_EQ(f->Label9->Caption(), "MaxX:0mm");
    // A cell size typed now has no printable width to come down to.
    f->eMmX->UserSetText("12");
    EXPECT_EQ(f->eMmX->Text(), "12");
    EXPECT_EQ(f->eDotX->Text(), "1");
    EXPECT_TRUE(ShownMessages().empty());
    Restart();
    EXPECT_EQ(f->eDotX->Text(), "1");
}

TEST_F(TypedValueTest, MultiLineSpinsStopAtTheLargestWholeNumber) {
    for (TEdit* e : {f->EditLineCount1, f->EditFiveLineCount}) {
        e->SetText("2147483647");
        (e == f->EditLineCount1 ? f->CSpinButton5 : f->CSpinButton8)->UserClickUp();
        EXPECT_EQ(e->Text(), "2147483647") << e->Name();
    }
}
