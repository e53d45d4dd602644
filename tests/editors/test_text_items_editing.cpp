// The text page's items: adding, selecting and deleting them, and editing the current item's
// text, position and font in the text-item window.
#include "TextItemWindowFixture.h"

#include "editors/Unit8.h"
#include "winlib/qt/ControlImpl.h"

#include <memory>

class TextItemsEditingTest : public TextItemWindowTest {
  protected:
    void Add() { f->ToolButton9->Click(); }
    int Count() const { return f->TntListBox1->ItemCount(); }
    void ExpectParallel(int n) {
        EXPECT_EQ(Count(), n);
        EXPECT_EQ(f->TextFonts.Count(), n);
        EXPECT_EQ(static_cast<int>(f->TextPositions.size()), n);
    }
    static DialogAnswer FontAnswer(bool ok, const AnsiString& name, int size, int style, TColor c) {
        DialogAnswer a;
        a.Kind = DialogKind::Font;
        a.Ok = ok;
        a.Text = name;
        a.Value = size;
        a.Flags = style;
        a.Color = c;
        return a;
    }
};

TEST_F(TextItemsEditingTest, AddingSelectsTheNewItemAndLoadsTheWindow) {
    f->MarginLeft = 12.7;
    f->MarginTop = 5.9;
    f->Panel2->SetColor(0x00336699);
    Add();
    ExpectParallel(1);
    EXPECT_EQ(f->TntListBox1->ItemIndex(), 0);
    EXPECT_EQ(f->TntListBox1->Item(0), "");
    EXPECT_EQ(f->TextFonts.Font(0)->Name(), "ＭＳ ゴシック");
    EXPECT_EQ(f->TextFonts.Font(0)->Size(), 10);
    EXPECT_EQ(f->TextFonts.Font(0)->Color(), TColor(0x00336699));
    EXPECT_EQ(f->TextPositions[0].x, 12);
    EXPECT_EQ(f->TextPositions[0].y, 5);
    EXPECT_EQ(MojiPanel->CurrentIndex, 0);
    EXPECT_EQ(MojiPanel->TntEdit2->Text(), "");
    EXPECT_EQ(MojiPanel->TntEdit3->Text(), "12");
    EXPECT_EQ(MojiPanel->TntEdit4->Text(), "5");
    EXPECT_EQ(MojiPanel->TntLabel1->Caption(), "ＭＳ ゴシック");
    EXPECT_EQ(MojiPanel->MojiFontDialog->Font()->Name(), "ＭＳ ゴシック");
    EXPECT_TRUE(MojiPanel->Visible());
}

TEST_F(TextItemsEditingTest, TheWindowEditsTheSelectedItem) {
    Add();
    Add();
    MarkPreviewStale();
    MojiPanel->TntEdit2->SetText("見出し");
    MojiPanel->TntEdit3->SetText("30");
    MojiPanel->TntEdit4->SetText("44");
    EXPECT_EQ(f->TntListBox1->Item(1), "見出し");
    EXPECT_EQ(f->TextPositions[1].x, 30);
    EXPECT_EQ(f->TextPositions[1].y, 44);
    EXPECT_EQ(f->TntListBox1->Item(0), "");
    EXPECT_TRUE(PreviewRebuilt());
    f->TntListBox1->UserClickItem(0);
    EXPECT_EQ(MojiPanel->CurrentIndex, 0);
    EXPECT_EQ(MojiPanel->TntEdit2->Text(), "");
    EXPECT_EQ(MojiPanel->TntEdit3->Text(), "0");
    f->TntListBox1->UserClickItem(1);
    EXPECT_EQ(MojiPanel->TntEdit2->Text(), "見出し");
    EXPECT_EQ(MojiPanel->TntEdit4->Text(), "44");
}

TEST_F(TextItemsEditingTest, EditsChangeNothingWhileTheSelectionDiffers) {
    Add();
    Add();
    f->TntListBox1->SetItemIndex(0); // the window still edits item 1
    MojiPanel->TntEdit2->SetText("abc");
    MojiPanel->TntEdit3->SetText("70");
    MojiPanel->TntEdit4->SetText("80");
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(f->TntListBox1->Item(i), "") << i;
        EXPECT_EQ(f->TextPositions[i].x, 0) << i;
        EXPECT_EQ(f->TextPositions[i].y, 0) << i;
    }
}

TEST_F(TextItemsEditingTest, APositionThatIsNoWholeNumberKeepsTheOldOne) {
    Add();
    for (TEdit* e : {MojiPanel->TntEdit3, MojiPanel->TntEdit4}) {
        e->SetText("25");
        MarkPreviewStale();
        e->UserSetText("2.5");
        // Refused without a box: the field shows the item's position again, selected.
        EXPECT_EQ(e->Text(), "25") << e->Name();
        EXPECT_TRUE(PreviewRebuilt()) << e->Name();
        e->UserKeyPress('7');
        EXPECT_EQ(e->Text(), "7") << e->Name();
    }
    EXPECT_EQ(f->TextPositions[0].x, 7);
    EXPECT_EQ(f->TextPositions[0].y, 7);
    EXPECT_TRUE(ExceptionBoxes().empty());
}

TEST_F(TextItemsEditingTest, FontFromTheComboBox) {
    Add();
    ASSERT_GT(MojiPanel->ComboBox1->ItemCount(), 0);
    const AnsiString name = MojiPanel->ComboBox1->Item(0);
    MojiPanel->ComboBox1->SetItemIndex(0);
    MarkPreviewStale();
    MojiPanel->ComboBox1->OnChange(MojiPanel->ComboBox1);
    EXPECT_EQ(f->TextFonts.Font(0)->Name(), name);
    EXPECT_EQ(f->TextFonts.Font(0)->Size(), 10);
    EXPECT_EQ(MojiPanel->TntLabel1->Caption(), name);
    EXPECT_EQ(MojiPanel->TntLabel1->Font()->Name(), name);
    EXPECT_TRUE(PreviewRebuilt());
}

TEST_F(TextItemsEditingTest, FontFromTheDialog) {
    Add();
    Add();
    ScriptDialogAnswer(FontAnswer(true, "Serif", 7, fsBold | fsItalic, 0x000080));
    MojiPanel->TntButton1->Click();
    TFont* font = f->TextFonts.Font(1);
    EXPECT_EQ(font->Name(), "Serif");
    EXPECT_EQ(font->Size(), 7); // the text height in millimetres
    EXPECT_EQ(font->Style(), TFontStyles(fsBold | fsItalic));
    EXPECT_EQ(font->Color(), TColor(0x000080));
    EXPECT_EQ(MojiPanel->TntLabel1->Caption(), "Serif");
    // The label shows its caption in the chosen font.
    const QFont shown = MojiPanel->TntLabel1->Impl()->Widget()->font();
    EXPECT_TRUE(shown.bold());
    EXPECT_TRUE(shown.italic());
    EXPECT_EQ(shown.family(), ToQFont(*font).family());
    EXPECT_EQ(f->TextFonts.Font(0)->Name(), "ＭＳ ゴシック");

    ScriptDialogAnswer(FontAnswer(false, "Sans", 20, 0, clRed));
    MojiPanel->TntButton1->Click();
    EXPECT_EQ(font->Name(), "Serif");
    EXPECT_EQ(font->Size(), 7);
}

TEST_F(TextItemsEditingTest, ShowingSelectsTheFontInTheComboBox) {
    ASSERT_GT(MojiPanel->ComboBox1->ItemCount(), 0);
    const AnsiString name = MojiPanel->ComboBox1->Item(MojiPanel->ComboBox1->ItemCount() - 1);
    MojiPanel->MojiFontDialog->Font()->SetName(name);
    MojiPanel->Show();
    EXPECT_EQ(MojiPanel->ComboBox1->ItemIndex(), MojiPanel->ComboBox1->ItemCount() - 1);
    MojiPanel->Hide();
    MojiPanel->MojiFontDialog->Font()->SetName("no such font at all");
    MojiPanel->Show();
    EXPECT_EQ(MojiPanel->ComboBox1->ItemIndex(), -1);
}

TEST_F(TextItemsEditingTest, DeletingTheOnlyItemEmptiesAllThree) {
    Add();
    f->ToolButton10->Click();
    ExpectParallel(0);
    f->ToolButton10->Click(); // nothing selected: nothing to do
    ExpectParallel(0);
}

TEST_F(TextItemsEditingTest, DeletingRemovesTheSameIndexEverywhere) {
    for (int i = 0; i < 3; ++i) {
        Add();
        MojiPanel->TntEdit2->SetText(AnsiString(1, static_cast<char>('a' + i)));
        MojiPanel->TntEdit3->SetText(IntToStr(10 * (i + 1)));
    }
    TFont* last = f->TextFonts.Font(2);
    f->TntListBox1->UserClickItem(1);
    f->ToolButton10->Click();
    ExpectParallel(2);
    EXPECT_EQ(f->TntListBox1->Item(0), "a");
    EXPECT_EQ(f->TntListBox1->Item(1), "c");
    EXPECT_EQ(f->TextPositions[1].x, 30);
    EXPECT_EQ(f->TextFonts.Font(1), last);
}

// After a deletion the window keeps editing its own item, or none when that one went: a font
// chosen then never lands on another item nor past the end of the fonts.
TEST_F(TextItemsEditingTest, TheWindowFollowsItsItemThroughDeletions) {
    Add();
    Add();
    Add(); // the window edits item 2
    f->TntListBox1->SetItemIndex(0);
    f->ToolButton10->Click();
    EXPECT_EQ(MojiPanel->CurrentIndex, 1);
    ScriptDialogAnswer(FontAnswer(true, "Serif", 0, 0, clBlack));
    MojiPanel->TntButton1->Click();
    EXPECT_EQ(f->TextFonts.Font(1)->Name(), "Serif");
    EXPECT_EQ(f->TextFonts.Font(0)->Name(), "ＭＳ ゴシック");

    f->TntListBox1->SetItemIndex(1);
    f->ToolButton10->Click();
    EXPECT_EQ(MojiPanel->CurrentIndex, -1);
    ScriptDialogAnswer(FontAnswer(true, "Sans", 0, 0, clBlack));
    MojiPanel->TntButton1->Click();
    ExpectParallel(1);
    EXPECT_EQ(f->TextFonts.Font(0)->Name(), "ＭＳ ゴシック");
    EXPECT_TRUE(ExceptionBoxes().empty());
}

TEST_F(TextItemsEditingTest, DeletingWithContainersOutOfStepReadsNothingPastTheirEnd) {
    Add();
    Add();
    f->TextPositions.pop_back(); // fallen out of step by other means
    f->TntListBox1->SetItemIndex(1);
    f->ToolButton10->Click();
    ExpectParallel(1);
    EXPECT_TRUE(ExceptionBoxes().empty());
}

TEST_F(TextItemsEditingTest, TheAddCommandsFontsAreReleasedWithTheirItems) {
    Add();
    Add();
    // A font holds its change handler, and the handler these tokens: a token's count tells
    // whether its font still lives.
    auto first = std::make_shared<int>(), second = std::make_shared<int>();
    f->TextFonts.Font(0)->OnChange = [first] {};
    f->TextFonts.Font(1)->OnChange = [second] {};
    TFont* kept = f->TextFonts.Font(1);
    f->TntListBox1->SetItemIndex(0);
    f->ToolButton10->Click();
    EXPECT_EQ(first.use_count(), 1) << "the deleted item's font lives on";
    EXPECT_EQ(second.use_count(), 2);
    ASSERT_EQ(f->TextFonts.Count(), 1);
    EXPECT_EQ(f->TextFonts.Font(0), kept);
}
