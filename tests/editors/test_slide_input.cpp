// The slide input: the range it offers for the double-clicked edit and the values its track bar
// writes into that edit.
#include "EditorFixture.h"

#include "editors/Unit2.h"

#include "winlib/qt/ControlImpl.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLineEdit>

class SlideInputTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        Form2 = new TForm2(nullptr);
    }
    void TearDown() override {
        delete Form2;
        Form2 = nullptr;
        EditorTest::TearDown();
    }
    void Open(TEdit* e, const AnsiString& text) {
        e->SetText(text);
        ASSERT_TRUE(e->OnDblClick) << e->Name();
        e->OnDblClick(e);
    }
    // The user drags the thumb: the track bar has the focus meanwhile.
    void Drag(int position) {
        Form2->TrackBar1->OnEnter(Form2->TrackBar1);
        Form2->TrackBar1->SetPosition(position);
    }
    TTrackBar* Track() { return Form2->TrackBar1; }
};

TEST_F(SlideInputTest, EveryListedEditOpensTheWindowWithItsOwnKind) {
    const std::vector<TEdit*> whole{f->eDotX,          f->eDotY,  f->Edit11, f->Edit12,
                                    f->Edit4,          f->Edit5,  f->Edit6,  f->EditFiveLineCount,
                                    f->EditLineCount1, f->Edit31, f->Edit29, f->Edit30,
                                    f->Edit14,         f->Edit15, f->Edit25, f->Edit26,
                                    f->Edit37,         f->Edit38};
    const std::vector<TEdit*> decimal{f->eMmX,
                                      f->eMmY,
                                      f->Edit32,
                                      f->Edit33,
                                      f->Edit8,
                                      f->Edit9,
                                      f->Edit10,
                                      f->Edit20,
                                      f->Edit7,
                                      f->EditFiveLineLSpace,
                                      f->EditFiveLineSpace,
                                      f->EditLineSize,
                                      f->EditLineSizeEx,
                                      f->Edit34,
                                      f->Edit13,
                                      f->Edit16,
                                      f->Edit17,
                                      f->Edit18,
                                      f->Edit24,
                                      f->eSpaceT,
                                      f->eSpaceL,
                                      f->eSpaceR,
                                      f->eSpaceB,
                                      f->Edit21,
                                      f->Edit22,
                                      f->Edit39,
                                      f->Edit40};
    for (const auto& [edits, kind] : {std::pair{whole, 0}, std::pair{decimal, 1}})
        for (TEdit* e : edits) {
            ASSERT_TRUE(e->OnDblClick) << e->Name();
            Form2->Hide();
            e->OnDblClick(e);
            EXPECT_EQ(Form2->TargetEdit, e) << e->Name();
            EXPECT_EQ(Form2->TargetKind, kind) << e->Name();
            EXPECT_TRUE(Form2->Visible()) << e->Name();
        }
    EXPECT_FALSE(f->Edit19->OnDblClick); // not a slide input edit
}

TEST_F(SlideInputTest, OpensRightBelowTheEdit) {
    Open(f->Edit14, "10");
    const TPoint origin = f->Edit14->ClientOrigin();
    EXPECT_EQ(Form2->Left(), origin.x);
    EXPECT_EQ(Form2->Top(), origin.y + f->Edit14->Height());
    EXPECT_EQ(Form2->Color(), TColor(0x0000FF));
    EXPECT_EQ(Form2->ClientWidth(), 150);
    EXPECT_EQ(Form2->ClientHeight(), 48);
}

struct RangeCase {
    const char* text;
    int kind;
    const char* min;
    const char* max;
};

TEST_F(SlideInputTest, RangeAroundTheEditsValue) {
    const RangeCase cases[] = {
        {"10", 0, "5", "15"},   {"3", 0, "1", "8"},     {"5", 0, "0", "10"}, {"x", 0, "1", "10"},
        {"5", 1, "2.5", "7.5"}, {"-4", 1, "0.1", "-6"}, {"x", 1, "2", "10"}, {"0.1", 1, "0.05", "0.15"},
    };
    for (const RangeCase& k : cases) {
        TEdit* e = k.kind == 0 ? f->Edit14 : f->Edit16;
        Form2->Hide();
        // The target's own change handler may correct a text that is not a number: bypass it.
        TNotifyEvent bound = e->OnChange;
        e->OnChange = nullptr;
        Open(e, k.text);
        e->OnChange = bound;
        EXPECT_EQ(Form2->Edit1->Text(), k.min) << k.text << " kind " << k.kind;
        EXPECT_EQ(Form2->Edit2->Text(), k.max) << k.text << " kind " << k.kind;
    }
}

TEST_F(SlideInputTest, WholeNumberRangeAndPosition) {
    Open(f->Edit14, "10");
    EXPECT_EQ(Track()->Min(), 5);
    EXPECT_EQ(Track()->Max(), 15);
    EXPECT_EQ(Track()->Position(), 10);
    EXPECT_EQ(Form2->Label1->Caption(), "10");
}

TEST_F(SlideInputTest, WholeNumberRangeFarAboveThePreviousOne) {
    Open(f->Edit14, "3");
    Form2->Hide();
    Open(f->Edit15, "200");
    EXPECT_EQ(Track()->Min(), 195);
    EXPECT_EQ(Track()->Max(), 205);
    EXPECT_EQ(Track()->Position(), 200);
    EXPECT_TRUE(ExceptionBoxes().empty());
}

TEST_F(SlideInputTest, DraggingWritesWholeNumbersIntoTheEdit) {
    Open(f->Edit14, "10");
    MarkPreviewStale();
    Drag(12);
    EXPECT_EQ(f->Edit14->Text(), "12");
    EXPECT_EQ(Form2->Label1->Caption(), "12");
    EXPECT_TRUE(PreviewRebuilt());
}

TEST_F(SlideInputTest, DecimalNumbersInTenSteps) {
    Open(f->Edit16, "5");
    EXPECT_EQ(Track()->Min(), 0);
    EXPECT_EQ(Track()->Max(), 10);
    EXPECT_EQ(Track()->Position(), 5);
    EXPECT_EQ(Form2->Label1->Caption(), "5");
    const std::pair<int, const char*> steps[] = {{7, "6"}, {0, "2.5"}, {10, "7.5"}, {3, "4"}};
    for (const auto& [position, text] : steps) {
        Drag(position);
        EXPECT_EQ(f->Edit16->Text(), text) << position;
        EXPECT_EQ(Form2->Label1->Caption(), text) << position;
    }
}

TEST_F(SlideInputTest, EmptyEditStartsFromOne) {
    Form2->Edit1->SetText("7");
    std::vector<AnsiString>* mins = RecordTexts(Form2->Edit1);
    std::vector<AnsiString>* maxs = RecordTexts(Form2->Edit2);
    TNotifyEvent bound = f->Edit14->OnChange;
    f->Edit14->OnChange = nullptr;
    Open(f->Edit14, "");
    f->Edit14->OnChange = bound;
    ASSERT_FALSE(mins->empty());
    ASSERT_FALSE(maxs->empty());
    EXPECT_EQ(mins->front(), "1");
    EXPECT_EQ(maxs->front(), "1");
    EXPECT_EQ(Form2->Edit1->Text(), "1");
    EXPECT_EQ(Form2->Edit2->Text(), "10");
}

// A decimal edit whose text is no number: the range comes from the fallbacks and nothing is
// reported, although both ends first take that text.
TEST_F(SlideInputTest, DecimalEditWithoutANumber) {
    f->Edit21->OnChange = nullptr; // keep the text as it is
    Open(f->Edit21, "abc");
    EXPECT_EQ(Form2->Edit1->Text(), "2");
    EXPECT_EQ(Form2->Edit2->Text(), "10");
    EXPECT_EQ(Form2->Label1->Caption(), "6");
    Drag(10);
    EXPECT_EQ(f->Edit21->Text(), "10");
    EXPECT_TRUE(ExceptionBoxes().empty());
}

TEST_F(SlideInputTest, MovesWithoutTheFocusAreNotWritten) {
    Open(f->Edit14, "10");
    Track()->SetPosition(13);
    EXPECT_EQ(f->Edit14->Text(), "10");
    Drag(14);
    EXPECT_EQ(f->Edit14->Text(), "14");
    Track()->OnExit(Track());
    Track()->SetPosition(6);
    EXPECT_EQ(f->Edit14->Text(), "14");
}

TEST_F(SlideInputTest, TypedWholeRangeEnds) {
    Open(f->Edit14, "10");
    Form2->Edit2->SetText("30");
    EXPECT_EQ(Track()->Max(), 30);
    Form2->Edit1->SetText("abc"); // not a number: the target's value less five
    EXPECT_EQ(Form2->Edit1->Text(), "5");
    EXPECT_EQ(Track()->Min(), 5);
    Form2->Edit2->SetText("1"); // below the minimum: the track bar keeps its maximum
    EXPECT_EQ(Track()->Max(), 30);
    EXPECT_EQ(Track()->Position(), 10);
    EXPECT_TRUE(ExceptionBoxes().empty());
}

TEST_F(SlideInputTest, HidesWhenAnotherWindowBecomesActive) {
    Open(f->Edit14, "10");
    ASSERT_TRUE(Form2->Visible());
    ASSERT_TRUE(Form2->OnDeactivate);
    Form2->OnDeactivate(Form2);
    EXPECT_FALSE(Form2->Visible());
}

// A whole-number range left below zero, then a decimal edit: the window takes its decimal range
// without an error box.
TEST_F(SlideInputTest, DecimalEditAfterANegativeWholeRange) {
    Open(f->Edit31, "-20");
    Form2->Hide();
    Open(f->Edit34, "2");
    EXPECT_TRUE(ExceptionBoxes().empty()) << ExceptionBoxes().front();
    EXPECT_EQ(Track()->Min(), 0);
    EXPECT_EQ(Track()->Max(), 10);
    EXPECT_EQ(Track()->Position(), 5);
    EXPECT_EQ(Form2->Edit1->Text(), "1");
    EXPECT_EQ(Form2->Edit2->Text(), "3");
    EXPECT_EQ(f->Edit34->Text(), "2");
}

// Opened again while the track bar still has the focus (on another edit, before the window
// noticed it lost the activation): the range it sets is not written into the new target.
TEST_F(SlideInputTest, OpeningWhileTheTrackBarHasTheFocusWritesNothing) {
    const std::pair<TEdit * TForm1::*, const char*> targets[] = {
        {&TForm1::Edit15, "50"},   // beyond the last range: the position is clamped
        {&TForm1::eMmY, "12.345"}, // more digits than the window shows
        {&TForm1::Edit16, "x"},    // no number at all
    };
    for (const auto& [member, text] : targets) {
        SCOPED_TRACE(text);
        Form2->Hide();
        Open(f->Edit14, "10");
        Drag(12);
        ASSERT_EQ(f->Edit14->Text(), "12");
        TEdit* e = f->*member;
        TNotifyEvent bound = e->OnChange;
        e->OnChange = nullptr; // keep the text as typed
        Open(e, text);
        e->OnChange = bound;
        EXPECT_EQ(e->Text(), text);
        EXPECT_EQ(f->Edit14->Text(), "12");
    }
}

// Real activation: the shown window puts the focus on its track bar, so the first move is
// written; hiding it takes the focus away again, so reopening writes nothing.
TEST_F(SlideInputTest, ActivationDecidesWhetherMovesAreWritten) {
    auto waitFor = [](auto done) {
        QDeadlineTimer deadline(20000);
        while (!done() && !deadline.hasExpired())
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        return done();
    };
    Open(f->Edit14, "10");
    ASSERT_TRUE(waitFor([] { return Form2->TrackBar1->Focused(); }));
    EXPECT_EQ(Track()->Tag(), 0);
    Track()->SetPosition(11); // as the keyboard or the mouse moves it
    EXPECT_EQ(f->Edit14->Text(), "11");
    Form2->Hide();
    ASSERT_TRUE(waitFor([] { return Form2->TrackBar1->Tag() == 1; }));
    Open(f->Edit15, "50");
    EXPECT_EQ(f->Edit15->Text(), "50");
    EXPECT_EQ(f->Edit14->Text(), "11");
}

TEST_F(SlideInputTest, RangeEditsShowTheirNumbersFromTheFirstCharacter) {
    // 4.115 gives the range 2.0575 to 6.1725: longer than the narrow range edits.
    for (const char* text : {"4.115", "139.788133333333"}) {
        Form2->Hide();
        Open(f->Edit32, text);
        for (TEdit* range : {Form2->Edit1, Form2->Edit2}) {
            auto* shown = qobject_cast<QLineEdit*>(range->Impl()->Widget());
            ASSERT_NE(shown, nullptr);
            EXPECT_EQ(shown->cursorPosition(), 0) << range->Name() << " " << range->Text();
            EXPECT_FALSE(shown->hasSelectedText()) << range->Name();
        }
    }
    Form2->Hide();
    Open(f->Edit32, "4.115");
    EXPECT_EQ(Form2->Edit1->Text(), "2.0575");
    EXPECT_EQ(Form2->Edit2->Text(), "6.1725");
}
