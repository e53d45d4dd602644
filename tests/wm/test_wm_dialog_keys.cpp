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

TEST_F(WmDialogKeys, MarkFontWindowTakesTheTypedSizeOnReturnAndCancelsOnEscape) {
    struct Case {
        const char* key;
        bool taken; // whether the typed size and the chosen colour reach the mark's font
    };
    for (const Case& c : {Case{"Return", true}, Case{"Escape", false}}) {
        SCOPED_TRACE(c.key);
        TFont* font = Form1->FontDialog3->Font();
        font->SetSize(4);
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
                Key(c.key);
                EXPECT_TRUE(WaitUntil([] { return Form7->ModalResult() != 0; })) << "the window stays open";
            });
        EXPECT_EQ(font->Size(), c.taken ? 7 : 4);
        EXPECT_EQ(font->Color(), c.taken ? clRed : clBlack);
        EXPECT_TRUE(WaitHidden(Form7));
        // The main window has the keyboard again before the next showing.
        EXPECT_TRUE(WaitShownAndActive(Form1));
    }
}

} // namespace
