// Return and Escape on the program's dialogs, typed on the real keyboard of the display.
#include "WmSupport.h"

#include "editors/Unit7.h"
#include "shell/AboutUnit.h"
#include "shell/Unit1.h"

namespace {

using namespace wm;

class WmDialogKeys : public WmTest {};

TEST_F(WmDialogKeys, AboutBoxClosesOnReturnAndOnEscape) {
    for (const char* key : {"Return", "KP_Enter", "Escape"}) {
        SCOPED_TRACE(key);
        Form1->About1Click(Form1);
        ASSERT_TRUE(WaitShownAndActive(AboutBox));
        Key(key);
        EXPECT_TRUE(WaitHidden(AboutBox));
        // The main window has the keyboard again.
        EXPECT_TRUE(WaitShownAndActive(Form1));
    }
}

TEST_F(WmDialogKeys, MarkFontWindowTakesTheTypedSizeOnReturn) {
    TFont* font = Form1->FontDialog3->Font();
    font->SetSize(3);
    font->SetColor(clBlack);
    WhileModal(
        Form7, [&] { Form1->Button10Click(Form1->Button10); },
        [&] {
            ASSERT_TRUE(WaitShownAndActive(Form7));
            // The size edit has the keyboard.
            ASSERT_TRUE(WaitUntil([] { return Form7->Edit1->Focused(); }));
            Form7->ColorListBox1->SetSelected(clRed);
            Key("ctrl+a");
            Type("7");
            ASSERT_TRUE(WaitUntil([] { return Form7->Edit1->Text() == "7"; })) << Form7->Edit1->Text();
            Key("Return");
            EXPECT_TRUE(WaitUntil([] { return Form7->ModalResult() != 0; })) << "the window stays open";
        });
    EXPECT_EQ(font->Size(), 7);
    EXPECT_EQ(font->Color(), clRed);
    EXPECT_TRUE(WaitHidden(Form7));
}

TEST_F(WmDialogKeys, MarkFontWindowCancelsOnEscape) {
    TFont* font = Form1->FontDialog3->Font();
    font->SetSize(4);
    font->SetColor(clBlack);
    WhileModal(
        Form7, [&] { Form1->Button10Click(Form1->Button10); },
        [&] {
            ASSERT_TRUE(WaitShownAndActive(Form7));
            ASSERT_TRUE(WaitUntil([] { return Form7->Edit1->Focused(); }));
            Form7->ColorListBox1->SetSelected(clBlue);
            Key("ctrl+a");
            Type("9");
            ASSERT_TRUE(WaitUntil([] { return Form7->Edit1->Text() == "9"; })) << Form7->Edit1->Text();
            Key("Escape");
            EXPECT_TRUE(WaitUntil([] { return Form7->ModalResult() != 0; })) << "the window stays open";
        });
    EXPECT_EQ(font->Size(), 4);
    EXPECT_EQ(font->Color(), clBlack);
    EXPECT_TRUE(WaitHidden(Form7));
}

} // namespace
