// Focus that moves because a window is shown, activated or hidden reaches the controls as enter
// and exit, and the slide input built on it works as a person uses it.
#include "WmSupport.h"

#include "editors/Unit2.h"
#include "shell/Unit1.h"
#include "winlib/DialogScript.h"
#include "winlib/StdCtrls.h"

#include <memory>

namespace {

using namespace wm;

class WmFocus : public WmTest {};

// A window with one edit that counts its enters and exits.
struct CountingWindow {
    explicit CountingWindow(const char* caption, int left) : form(std::make_unique<TForm>(nullptr)) {
        form->SetCaption(caption);
        form->SetBounds(left, 100, 240, 120);
        edit = new TEdit(form.get());
        edit->SetParent(form.get());
        edit->SetBounds(10, 10, 100, 21);
        edit->OnEnter = [this](TObject*) { ++enters; };
        edit->OnExit = [this](TObject*) { ++exits; };
    }
    std::unique_ptr<TForm> form;
    TEdit* edit = nullptr;
    int enters = 0, exits = 0;
    bool Entered() const { return enters == exits + 1; }
    bool Left() const { return enters == exits; }
};

TEST_F(WmFocus, ShowingActivatingAndHidingWindowsEnterAndLeaveTheirFocusedControls) {
    CountingWindow a("Focus window A", 100), b("Focus window B", 400);
    a.form->Show();
    ASSERT_TRUE(WaitShownAndActive(a.form.get()));
    EXPECT_TRUE(WaitUntil([&] { return a.enters == 1; })) << "showing enters the focused edit";
    b.form->Show();
    ASSERT_TRUE(WaitShownAndActive(b.form.get()));
    EXPECT_TRUE(WaitUntil([&] { return b.enters == 1 && a.exits == 1; }))
        << "A " << a.enters << "/" << a.exits << ", B " << b.enters << "/" << b.exits;

    // The window manager activates A, as a click on its title would.
    Activate(WindowOf(a.form.get()));
    ASSERT_TRUE(WaitShownAndActive(a.form.get()));
    EXPECT_TRUE(WaitUntil([&] { return a.enters == 2 && b.exits == 1; }))
        << "A " << a.enters << "/" << a.exits << ", B " << b.enters << "/" << b.exits;

    // Hiding the active window leaves its edit; the window manager gives the focus to another one.
    a.form->Hide();
    ASSERT_TRUE(WaitHidden(a.form.get()));
    EXPECT_TRUE(WaitUntil([&] { return a.Left(); })) << "A " << a.enters << "/" << a.exits;
    // Never two enters without an exit between them.
    EXPECT_LE(a.enters - a.exits, 1);
    EXPECT_LE(b.enters - b.exits, 1);
    EXPECT_GE(a.enters - a.exits, 0);
    EXPECT_GE(b.enters - b.exits, 0);
    b.form->Hide();
    ASSERT_TRUE(WaitHidden(b.form.get()));
    EXPECT_TRUE(WaitUntil([&] { return b.Left(); })) << "B " << b.enters << "/" << b.exits;
}

class WmSlideInput : public WmTest {
  protected:
    void SetUp() override {
        WmTest::SetUp();
        if (IsSkipped()) return;
        Form1->PageControl1->SetActivePage(Form1->TabSheet1); // graph paper
    }
    // A person's double click on the edit: the slide input comes up under it with the keyboard
    // on its track bar.
    void OpenOn(TEdit* e) {
        DoubleClickControl(e);
        ASSERT_TRUE(WaitShownAndActive(Form2));
        ASSERT_EQ(Form2->TargetEdit, e);
        ASSERT_TRUE(WaitUntil([] { return Form2->TrackBar1->Focused(); }));
    }
    // A click on the main window's preview: the slide input loses the activation and hides.
    void CloseByClickingElsewhere() {
        ClickControl(Form1->ScrollBox1);
        ASSERT_TRUE(WaitHidden(Form2));
        ASSERT_TRUE(WaitShownAndActive(Form1));
    }
    static std::vector<AnsiString> ExceptionBoxes() {
        std::vector<AnsiString> out;
        for (const ShownMessage& m : ShownMessages())
            if (m.Kind == ShownMessageKind::Exception) out.push_back(m.Text);
        return out;
    }
};

TEST_F(WmSlideInput, TheFirstMoveWritesIntoTheEdit) {
    TEdit* e = Form1->eDotY;
    e->SetText("16");
    OpenOn(e);
    EXPECT_EQ(e->Text(), "16") << "opening alone writes nothing";
    Key("Right");
    EXPECT_TRUE(WaitUntil([&] { return e->Text() == "17"; })) << e->Text();
    Key("Left");
    Key("Left");
    EXPECT_TRUE(WaitUntil([&] { return e->Text() == "15"; })) << e->Text();
    CloseByClickingElsewhere();
    EXPECT_EQ(e->Text(), "15");
}

// After one use, opening on another edit whose value lies outside the last range (the track bar
// clamps) or that has more digits than the window shows must leave that edit as it is.
TEST_F(WmSlideInput, OpeningOnAnotherEditNeverRewritesIt) {
    struct Target {
        TTabSheet* TForm1::*page;
        TEdit* TForm1::*edit;
        const char* text;
    };
    const Target targets[] = {
        {&TForm1::TabSheet6, &TForm1::Edit14, "50"},   // whole numbers, beyond 11..21
        {&TForm1::TabSheet1, &TForm1::eMmY, "12.345"}, // decimals, more digits than shown
        {&TForm1::TabSheet1, &TForm1::eDotX, "3"},     // whole numbers, below the last range
    };
    for (const Target& t : targets) {
        SCOPED_TRACE(t.text);
        Form1->PageControl1->SetActivePage(Form1->TabSheet1);
        Form1->eDotY->SetText("16");
        OpenOn(Form1->eDotY);
        Key("Right");
        ASSERT_TRUE(WaitUntil([] { return Form1->eDotY->Text() == "17"; }));
        CloseByClickingElsewhere();

        Form1->PageControl1->SetActivePage(Form1->*t.page);
        TEdit* e = Form1->*t.edit;
        e->SetText(t.text);
        ASSERT_EQ(e->Text(), t.text);
        OpenOn(e);
        EXPECT_EQ(e->Text(), t.text);
        CloseByClickingElsewhere();
        EXPECT_EQ(e->Text(), t.text);
    }
}

// The person goes straight from one edit to the next: the double click on the second edit both
// takes the activation from the open window (which hides) and opens it again there.
TEST_F(WmSlideInput, DoubleClickOnTheNextEditWhileOpen) {
    Form1->eDotY->SetText("16");
    Form1->eDotX->SetText("12");
    OpenOn(Form1->eDotY);
    OpenOn(Form1->eDotX);
    EXPECT_EQ(Form1->eDotX->Text(), "12");
    EXPECT_EQ(Form1->eDotY->Text(), "16");
    Key("Right");
    EXPECT_TRUE(WaitUntil([] { return Form1->eDotX->Text() == "13"; })) << Form1->eDotX->Text();
    EXPECT_EQ(Form1->eDotY->Text(), "16");
    CloseByClickingElsewhere();
}

// A whole-number range below zero, then a decimal edit: the window gives itself the decimal
// range without a complaint.
TEST_F(WmSlideInput, DecimalEditAfterANegativeWholeRange) {
    Form1->PageControl1->SetActivePage(Form1->TabSheet4); // multi-line paper
    Form1->PageControl3->SetActivePage(Form1->TabSheet11);
    Form1->Edit31->SetText("-20");
    OpenOn(Form1->Edit31);
    CloseByClickingElsewhere();
    Form1->Edit34->SetText("2");
    OpenOn(Form1->Edit34);
    EXPECT_TRUE(ExceptionBoxes().empty()) << ExceptionBoxes().front();
    EXPECT_EQ(Form2->Edit1->Text(), "1");
    EXPECT_EQ(Form2->Edit2->Text(), "3");
    EXPECT_EQ(Form1->Edit34->Text(), "2");
    Key("Right"); // 1 + (3 - 1) * 0.6
    EXPECT_TRUE(WaitUntil([] { return Form1->Edit34->Text() == "2.2"; })) << Form1->Edit34->Text();
    CloseByClickingElsewhere();
    EXPECT_TRUE(ExceptionBoxes().empty());
}

} // namespace
