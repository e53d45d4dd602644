// The four margin boxes: the margin fields, the printable size, coupling, the printer-minimum
// default, the graph counts that follow the printable size, and the spin buttons. The PDF test
// printer has no offsets; a printer with offsets is simulated through the offset fields, which
// are all the margin handler reads of them.
#include "EditorFixture.h"

#include <cmath>

class MarginEditorTest : public EditorTest {
  protected:
    // 100 px down and 50 px across: 4.2 mm and 2.1 mm at 600 dpi.
    void UsePrinterOffsets() {
        f->PhysOffsetY = 100;
        f->PhysOffsetX = 50;
        ASSERT_EQ(TwoDigitText(f->PhysOffsetY / f->PxPerMmY), "4.2");
        ASSERT_EQ(TwoDigitText(f->PhysOffsetX / f->PxPerMmX), "2.1");
    }
    std::vector<AnsiString> Boxes() const {
        return {f->eSpaceT->Text(), f->eSpaceL->Text(), f->eSpaceR->Text(), f->eSpaceB->Text()};
    }
    int SheetWidth() const { return Printer()->PageWidth() + 2 * f->PhysOffsetX; }
    int SheetHeight() const { return Printer()->PageHeight() + 2 * f->PhysOffsetY; }
};

TEST_F(MarginEditorTest, MarginFieldsHoldTheTwoDigitValueOfTheBox) {
    struct Case {
        TEdit* box;
        const char* typed;
        double TForm1::*field;
        double margin;
    };
    const Case cases[] = {
        {f->eSpaceL, "12.34", &TForm1::MarginLeft, 12}, {f->eSpaceL, "105", &TForm1::MarginLeft, 110},
        {f->eSpaceT, "4.233", &TForm1::MarginTop, 4.2}, {f->eSpaceR, "0.35", &TForm1::MarginRight, 0.35},
        {f->eSpaceB, "-3", &TForm1::MarginBottom, -3}, // below the minimum: accepted as typed
    };
    for (const Case& c : cases) {
        MarkPreviewStale();
        c.box->UserSetText(c.typed);
        EXPECT_EQ(c.box->Text(), c.typed);
        EXPECT_DOUBLE_EQ(f->*c.field, c.margin) << c.box->Name() << " " << c.typed;
        EXPECT_TRUE(PreviewRebuilt()) << c.box->Name() << " " << c.typed;
    }
}

TEST_F(MarginEditorTest, PrintableSizeIsTheSheetLessMarginsAndFrameBands) {
    f->eSpaceL->UserSetText("10");
    f->eSpaceR->UserSetText("15");
    f->eSpaceT->UserSetText("20");
    f->eSpaceB->UserSetText("5");
    EXPECT_EQ(f->DrawableWidth, static_cast<int>(SheetWidth() - 25 * f->PxPerMmX));
    EXPECT_EQ(f->DrawableHeight, static_cast<int>(SheetHeight() - 25 * f->PxPerMmY));
    // A top band of 20 mm takes 20 mm of height; side bands take no width.
    const int width = f->DrawableWidth, height = f->DrawableHeight;
    f->FrameInsetTop = 20;
    f->FrameInsetLeft = f->FrameInsetRight = 8;
    f->eSpaceB->UserSetText("5.0");
    EXPECT_NEAR(height - f->DrawableHeight, 20 * f->PxPerMmY, 1.0);
    EXPECT_EQ(f->DrawableWidth, width);
}

TEST_F(MarginEditorTest, BoxesThatAreNotNumbersTakeThePrinterMinimum) {
    UsePrinterOffsets();
    struct Case {
        TEdit* box;
        const char* minimum;
        double TForm1::*field;
    };
    const Case cases[] = {{f->eSpaceT, "4.2", &TForm1::MarginTop},
                          {f->eSpaceL, "2.1", &TForm1::MarginLeft},
                          {f->eSpaceR, "2.1", &TForm1::MarginRight},
                          {f->eSpaceB, "4.2", &TForm1::MarginBottom}};
    for (const Case& c : cases)
        for (const char* typed : {"x", ""}) {
            c.box->SetText("9");
            c.box->UserSetText(typed);
            EXPECT_EQ(c.box->Text(), c.minimum) << c.box->Name() << " '" << typed << "'";
            EXPECT_DOUBLE_EQ(f->*c.field, StrToFloat(c.minimum)) << c.box->Name();
            c.box->UserKeyPress('5'); // not selected: the key goes after it
            EXPECT_EQ(c.box->Text(), AnsiString(c.minimum) + "5") << c.box->Name();
        }
    EXPECT_TRUE(ExceptionBoxes().empty());
}

TEST_F(MarginEditorTest, WithoutOffsetsTheDefaultIsZero) {
    f->eSpaceT->UserSetText("x");
    EXPECT_EQ(f->eSpaceT->Text(), "0");
    EXPECT_DOUBLE_EQ(f->MarginTop, 0.0);
}

TEST_F(MarginEditorTest, CouplingBoxesCopyTheEditedMargin) {
    struct Case {
        bool all, topBottom, leftRight;
        TEdit* TForm1::*sender;
        std::vector<AnsiString> boxes; // top, left, right, bottom afterwards
    };
    const Case cases[] = {
        {true, false, false, &TForm1::eSpaceR, {"7", "7", "7", "7"}},
        {true, true, true, &TForm1::eSpaceT, {"7", "7", "7", "7"}},
        {true, false, false, &TForm1::eSpaceB, {"7", "7", "7", "7"}},
        {false, true, false, &TForm1::eSpaceT, {"7", "0", "0", "7"}},
        {false, true, false, &TForm1::eSpaceB, {"7", "0", "0", "7"}},
        {false, true, false, &TForm1::eSpaceL, {"0", "7", "0", "0"}},
        {false, false, true, &TForm1::eSpaceL, {"0", "7", "7", "0"}},
        {false, false, true, &TForm1::eSpaceR, {"0", "7", "7", "0"}},
        {false, true, true, &TForm1::eSpaceR, {"0", "7", "7", "0"}},
        {false, false, false, &TForm1::eSpaceT, {"7", "0", "0", "0"}},
    };
    for (const Case& c : cases) {
        for (TCheckBox* b : {f->CheckBox1, f->CheckBox9, f->CheckBox10})
            b->SetChecked(false);
        for (TEdit* b : {f->eSpaceT, f->eSpaceL, f->eSpaceR, f->eSpaceB})
            b->SetText("0");
        f->CheckBox1->SetChecked(c.all);
        f->CheckBox9->SetChecked(c.topBottom);
        f->CheckBox10->SetChecked(c.leftRight);
        TEdit* sender = f->*c.sender;
        sender->UserSetText("7");
        EXPECT_EQ(Boxes(), c.boxes) << sender->Name() << " all " << c.all << " tb " << c.topBottom << " lr "
                                    << c.leftRight;
        EXPECT_DOUBLE_EQ(f->MarginTop, StrToFloat(c.boxes[0]));
        EXPECT_DOUBLE_EQ(f->MarginLeft, StrToFloat(c.boxes[1]));
        EXPECT_DOUBLE_EQ(f->MarginRight, StrToFloat(c.boxes[2]));
        EXPECT_DOUBLE_EQ(f->MarginBottom, StrToFloat(c.boxes[3]));
    }
}

TEST_F(MarginEditorTest, AllEqualCopiesTheDefaultToo) {
    UsePrinterOffsets();
    f->CheckBox1->SetChecked(true);
    f->eSpaceT->UserSetText("x");
    EXPECT_EQ(Boxes(), (std::vector<AnsiString>{"4.2", "4.2", "4.2", "4.2"}));
    EXPECT_DOUBLE_EQ(f->MarginLeft, 4.2);
}

TEST_F(MarginEditorTest, OtherSendersSkipParsingAndCoupling) {
    f->eSpaceT->SetText("5");
    f->eSpaceL->SetText("6");
    f->CheckBox1->SetChecked(true);
    MarkPreviewStale();
    f->eSpaceTChange(f->CheckBoxHeader);
    EXPECT_EQ(Boxes(), (std::vector<AnsiString>{"5", "6", "0", "0"}));
    EXPECT_DOUBLE_EQ(f->MarginTop, 5);
    EXPECT_DOUBLE_EQ(f->MarginLeft, 6);
    EXPECT_TRUE(PreviewRebuilt());
}

TEST_F(MarginEditorTest, LargerMarginsLowerTheCellCounts) {
    // A4 at 600 dpi: 4961 x 7016 px (210 x 297 mm), 23.622 px/mm; cells of 10 mm.
    ASSERT_EQ(Printer()->PageWidth(), 4961);
    ASSERT_EQ(Printer()->PageHeight(), 7016);
    f->eMmX->SetText("10");
    f->eMmY->SetText("10");
    f->eDotX->SetText("21"); // 236 px = 9.991 mm, two-digit 10: fits
    f->eDotY->SetText("29"); // 10.24 mm: fits
    ASSERT_EQ(f->eDotX->Text(), "21");
    ASSERT_EQ(f->eDotY->Text(), "29");
    std::vector<AnsiString>* down = RecordTexts(f->eDotY);
    f->eSpaceT->UserSetText("50");
    EXPECT_EQ(f->DrawableHeight, static_cast<int>(7016 - 50 * 600 / 25.4)); // 5834
    // 246.97 mm / 10 is 24.7, and 24 cells are what fit: 25 are 9.9 mm. The label says so,
    // and the count comes down to it in one step.
    EXPECT_EQ(f->Label12->Caption(), "MaxY:24px");
    EXPECT_EQ(*down, (std::vector<AnsiString>{"24"}));
    EXPECT_EQ(f->eDotX->Text(), "21");
    f->eSpaceL->UserSetText("50");
    EXPECT_EQ(f->DrawableWidth, static_cast<int>(4961 - 50 * 600 / 25.4)); // 3779
    EXPECT_EQ(f->Label14->Caption(), "MaxX:16px");
    EXPECT_EQ(f->eDotX->Text(), "16");
    EXPECT_EQ(f->Label9->Caption(), "MaxX:10mm");
}

TEST_F(MarginEditorTest, CellSizeOfZeroLeavesThatDirectionAlone) {
    // Its own handler refuses a size of 0; one put in past it has no count.
    const TNotifyEvent sizeChange = f->eMmY->OnChange;
    f->eMmY->OnChange = nullptr;
    f->eMmY->SetText("0");
    f->eMmY->OnChange = sizeChange;
    const AnsiString label = f->Label12->Caption(), count = f->eDotY->Text();
    MarkPreviewStale();
    f->eSpaceT->UserSetText("200");
    EXPECT_EQ(f->Label12->Caption(), label);
    EXPECT_EQ(f->eDotY->Text(), count);
    EXPECT_TRUE(PreviewRebuilt());
    EXPECT_TRUE(ExceptionBoxes().empty());
}

TEST_F(MarginEditorTest, SpinButtonsStepByOneMillimetreAboveTheMinimum) {
    UsePrinterOffsets();
    struct Case {
        TCSpinButton* TForm1::*button;
        TEdit* box;
        bool up;
        const char* from;
        std::vector<AnsiString> texts; // every text the box took
    };
    const Case cases[] = {
        {&TForm1::CSpinButton4, f->eSpaceB, true, "4.2", {"5.2"}},
        {&TForm1::CSpinButton2, f->eSpaceL, true, "150", {"151"}}, // no limit of its own
        {&TForm1::CSpinButton3, f->eSpaceR, false, "10", {"9"}},
        {&TForm1::CSpinButton1, f->eSpaceT, false, "4.2", {"3.2", "4.2"}}, // floor: two-digit Ymin
        {&TForm1::CSpinButton2, f->eSpaceL, false, "2.5", {"1.5", "2.1"}}, // floor: two-digit Xmin
        {&TForm1::CSpinButton4, f->eSpaceB, false, "4.7", {"3.7", "4.2"}},
        {&TForm1::CSpinButton3, f->eSpaceR, false, "3.1", {"2.1"}}, // exactly the minimum stays
    };
    for (const Case& c : cases) {
        c.box->SetText(c.from);
        std::vector<AnsiString>* texts = RecordTexts(c.box);
        TCSpinButton* button = f->*c.button;
        if (c.up)
            button->UserClickUp();
        else
            button->UserClickDown();
        EXPECT_EQ(*texts, c.texts) << button->Name() << (c.up ? " up from " : " down from ") << c.from;
        EXPECT_EQ(c.box->Text(), c.texts.back()) << button->Name();
    }
    EXPECT_DOUBLE_EQ(f->MarginTop, 4.2);
    EXPECT_DOUBLE_EQ(f->MarginLeft, 2.1);
    EXPECT_TRUE(ExceptionBoxes().empty());
}

TEST_F(MarginEditorTest, SpinFloorWithoutOffsetsIsZero) {
    f->eSpaceT->SetText("0.5");
    f->CSpinButton1->UserClickDown();
    EXPECT_EQ(f->eSpaceT->Text(), "0");
    EXPECT_DOUBLE_EQ(f->MarginTop, 0);
}

TEST_F(MarginEditorTest, SpinWithAllEqualMovesAllFourMargins) {
    f->CheckBox1->SetChecked(true);
    f->eSpaceT->UserSetText("5");
    f->CSpinButton3->UserClickUp();
    EXPECT_EQ(Boxes(), (std::vector<AnsiString>{"6", "6", "6", "6"}));
    EXPECT_DOUBLE_EQ(f->MarginBottom, 6);
}

TEST_F(MarginEditorTest, SpinHandlersIgnoreOtherSenders) {
    f->eSpaceT->SetText("5");
    const std::vector<AnsiString> before = Boxes();
    MarkPreviewStale();
    f->CSpinButton1UpClick(f->CSpinButton5); // a multi-line spin button
    f->CSpinButton1DownClick(f->CSpinButton5);
    f->CSpinButton1UpClick(nullptr);
    EXPECT_EQ(Boxes(), before);
    EXPECT_FALSE(PreviewRebuilt());
}

TEST_F(MarginEditorTest, TheUpArrowStopsAtTheSheetsEdge) {
    // A4 upright: 210 mm across, 297 mm down; with "全て同一" a margin is held to both.
    struct Case {
        TCSpinButton* TForm1::*button;
        TEdit* TForm1::*box;
        bool allEqual;
        const char* from;
        const char* after;
        bool atEdge; // a second click changes nothing
    };
    const Case cases[] = {
        {&TForm1::CSpinButton2, &TForm1::eSpaceL, false, "210", "210", true},
        {&TForm1::CSpinButton3, &TForm1::eSpaceR, false, "209.5", "210", true},
        {&TForm1::CSpinButton3, &TForm1::eSpaceR, false, "209", "210", true},
        {&TForm1::CSpinButton2, &TForm1::eSpaceL, false, "208.5", "209.5", false},
        {&TForm1::CSpinButton1, &TForm1::eSpaceT, false, "210", "211", false},
        {&TForm1::CSpinButton4, &TForm1::eSpaceB, false, "297", "297", true},
        {&TForm1::CSpinButton1, &TForm1::eSpaceT, false, "296.25", "297", true},
        {&TForm1::CSpinButton1, &TForm1::eSpaceT, true, "210", "210", true},
        {&TForm1::CSpinButton4, &TForm1::eSpaceB, true, "209.5", "210", true},
    };
    for (const Case& c : cases) {
        f->CheckBox1->SetChecked(false);
        for (TEdit* b : {f->eSpaceT, f->eSpaceL, f->eSpaceR, f->eSpaceB})
            b->SetText("0");
        f->CheckBox1->SetChecked(c.allEqual);
        TEdit* box = f->*c.box;
        box->UserSetText(c.from);
        ASSERT_EQ(box->Text(), c.from);
        const std::string what =
            std::string(box->Name().c_str()) + " up from " + c.from + (c.allEqual ? " all equal" : "");
        (f->*c.button)->UserClickUp();
        EXPECT_EQ(box->Text(), c.after) << what;
        if (c.allEqual) {
            EXPECT_EQ(Boxes(), std::vector<AnsiString>(4, c.after)) << what;
        }
        (f->*c.button)->UserClickUp();
        if (c.atEdge) {
            EXPECT_EQ(box->Text(), c.after) << what << ", second click";
        }
    }
    EXPECT_TRUE(ExceptionBoxes().empty());
}
