// The graph paper's cell counts and sizes against the printable area, their limit labels, and the
// emphasis colour buttons. Most cases use a printable width of 2015 px at 10 px/mm (201.5 mm),
// set into the fields the handlers read.
#include "EditorFixture.h"

class GraphEditorTest : public EditorTest {
  protected:
    void UseWidth(int drawable, double pxPerMm) {
        f->DrawableWidth = drawable;
        f->PxPerMmX = pxPerMm;
    }
    void UseHeight(int drawable, double pxPerMm) {
        f->DrawableHeight = drawable;
        f->PxPerMmY = pxPerMm;
    }
};

TEST_F(GraphEditorTest, CellWidthLimitsTheCountAcross) {
    struct Case {
        const char* typed;
        const char* width;              // eMmX afterwards
        const char* fit;                // Label14
        const char* count;              // eDotX afterwards
        const char* cellMm;             // Label9
        std::vector<AnsiString> counts; // every text eDotX took on the way
    };
    const Case cases[] = {
        {"10", "10", "MaxX:20px", "20", "MaxX:10mm", {"20"}},
        // 20.99 cells, but 21 cells are 9.5 mm wide: the label shows the 20 that fit, and the
        // count comes down to them in one step.
        {"9.6", "9.6", "MaxX:20px", "20", "MaxX:10mm", {"20"}},
        // Wider than the page: lowered to the whole printable width; the count stops at 1.
        {"500", "201.5", "MaxX:1px", "1", "MaxX:2E02mm", {"1"}},
        // 201 cells of 10 px are 1.0 mm; 202 cells of 9 px are not.
        {"1", "1", "MaxX:201px", "25", "MaxX:8mm", {}},
        {"abc", "1.0", "MaxX:201px", "25", "MaxX:8mm", {}},
        // Below the smallest cell, or no size: refused like a text that is no number.
        {"0", "1.0", "MaxX:201px", "25", "MaxX:8mm", {}},
        {"0.5", "1.0", "MaxX:201px", "25", "MaxX:8mm", {}},
        {"-5", "1.0", "MaxX:201px", "25", "MaxX:8mm", {}},
        {"-1e308", "1.0", "MaxX:201px", "25", "MaxX:8mm", {}},
    };
    for (const Case& c : cases) {
        UseWidth(2015, 10);
        f->eMmX->SetText("1.5");
        f->eDotX->SetText("25");
        ASSERT_EQ(f->eDotX->Text(), "25");
        ASSERT_EQ(f->Label14->Caption(), "MaxX:134px"); // 134 cells are 15 px, 135 are 14 px
        std::vector<AnsiString>* counts = RecordTexts(f->eDotX);
        MarkPreviewStale();
        f->eMmX->UserSetText(c.typed);
        EXPECT_EQ(f->eMmX->Text(), c.width) << c.typed;
        EXPECT_EQ(f->Label14->Caption(), c.fit) << c.typed;
        EXPECT_EQ(f->eDotX->Text(), c.count) << c.typed;
        EXPECT_EQ(f->Label9->Caption(), c.cellMm) << c.typed;
        EXPECT_EQ(*counts, c.counts) << c.typed;
        EXPECT_TRUE(PreviewRebuilt()) << c.typed;
        Restart();
    }
    EXPECT_TRUE(ExceptionBoxes().empty());
}

TEST_F(GraphEditorTest, CountStepsDownToTheFirstCountWhoseCellFits) {
    UseWidth(2015, 10);
    f->eMmX->SetText("10");
    std::vector<AnsiString>* counts = RecordTexts(f->eDotX);
    MarkPreviewStale();
    f->eDotX->UserSetText("25"); // 24 to 21 cells are 8.3 to 9.5 mm wide
    ASSERT_FALSE(counts->empty());
    EXPECT_EQ(counts->front(), "25");
    EXPECT_EQ(counts->back(), "20");
    for (const AnsiString& c : *counts)
        EXPECT_GE(StrToInt(c), 20) << "never below the count that fits";
    EXPECT_EQ(f->eDotX->Text(), "20");
    EXPECT_EQ(f->Label9->Caption(), "MaxX:10mm"); // 2015 / 20 = 100 px
    EXPECT_TRUE(PreviewRebuilt());
}

TEST_F(GraphEditorTest, HugeCountsComeDownWithoutAHandlerRunPerStep) {
    // A4 at 600 dpi with 10 mm cells: 21 fit across (236 px = 9.996 mm), 29 down (10.24 mm).
    f->eMmX->SetText("10");
    f->eMmY->SetText("10");
    struct Case {
        TEdit* count;
        const char* typed;
        const char* fits;
    };
    const Case cases[] = {{f->eDotX, "1000", "21"},
                          {f->eDotX, "2000000000", "21"},
                          {f->eDotX, "22", "21"},
                          {f->eDotY, "1000000", "29"},
                          {f->eDotY, "30", "29"}};
    for (const Case& c : cases) {
        std::vector<AnsiString>* counts = RecordTexts(c.count);
        c.count->UserSetText(c.typed);
        EXPECT_EQ(c.count->Text(), c.fits) << c.count->Name() << " " << c.typed;
        EXPECT_LE(counts->size(), 3u) << c.count->Name() << " " << c.typed;
    }
    // Too wide for any count: the count stops at 1.
    UseWidth(2015, 10);
    f->eMmX->SetText("201.5");
    f->eDotX->UserSetText("100000");
    EXPECT_EQ(f->eDotX->Text(), "1");
    EXPECT_EQ(f->Label9->Caption(), "MaxX:2E02mm");
    EXPECT_TRUE(ExceptionBoxes().empty());
}

TEST_F(GraphEditorTest, CellSizesBelowOneMillimetreAreRefused) {
    for (auto [count, size, label] :
         {std::tuple{f->eDotX, f->eMmX, f->Label14}, std::tuple{f->eDotY, f->eMmY, f->Label12}}) {
        count->SetText("5");
        size->SetText("10");
        for (const char* typed : {"0.00000001", "0.999", "0", "-0", "-10"}) {
            size->UserSetText(typed);
            EXPECT_EQ(size->Text(), "1.0") << size->Name() << " " << typed;
            // The label counts cells of the size the field shows.
            EXPECT_EQ(label->Caption(), size == f->eMmX ? "MaxX:206px" : "MaxY:298px")
                << size->Name() << " " << typed;
            EXPECT_EQ(count->Text(), "5") << size->Name();
            size->UserKeyPress('7'); // selected: the next key replaces it
            EXPECT_EQ(size->Text(), "7") << size->Name();
        }
        // The smallest cell itself is a size, as typed.
        for (const char* typed : {"1", "1.00", "1e0"}) {
            size->UserSetText(typed);
            EXPECT_EQ(size->Text(), typed) << size->Name();
        }
    }
    EXPECT_TRUE(ExceptionBoxes().empty());
}

TEST_F(GraphEditorTest, CountDownDividesInFloatingPoint) {
    // Across, 2015 / 21 drops to 95 px = 9.5 mm; down, 201.5 / 21 = 9.595 mm rounds to 9.6.
    UseHeight(2015, 10);
    f->eMmY->SetText("1.5");
    f->eDotY->SetText("25");
    std::vector<AnsiString>* counts = RecordTexts(f->eDotY);
    MarkPreviewStale();
    f->eMmY->UserSetText("9.6");
    EXPECT_EQ(f->Label12->Caption(), "MaxY:21px");
    EXPECT_EQ(f->eDotY->Text(), "21");
    EXPECT_EQ(*counts, std::vector<AnsiString>{"21"});
    EXPECT_EQ(f->Label10->Caption(), "MaxY:9.6mm");
    EXPECT_TRUE(PreviewRebuilt());
    // A cell height beyond the page is lowered to the printable height.
    f->eMmY->UserSetText("300");
    EXPECT_EQ(f->eMmY->Text(), "201.5");
    EXPECT_EQ(f->eDotY->Text(), "1");
}

TEST_F(GraphEditorTest, LimitLabelsInTwoDigitMillimetres) {
    UseWidth(2000, 10);
    f->eMmX->SetText("1");
    f->eDotX->UserSetText("1");
    EXPECT_EQ(f->Label9->Caption(), "MaxX:2E02mm");
    UseWidth(1000, 10);
    UseHeight(1000, 10);
    f->eMmY->SetText("1");
    f->eDotX->UserSetText("3"); // 333 px = 33.3 mm
    f->eDotY->UserSetText("3"); // 33.33 mm
    EXPECT_EQ(f->Label9->Caption(), "MaxX:33mm");
    EXPECT_EQ(f->Label10->Caption(), "MaxY:33mm");
}

TEST_F(GraphEditorTest, CountsThatAreNotWholeNumbersBecomeOne) {
    struct Case {
        const char* typed;
        bool selected; // the 1 is selected, so the next key replaces it
    };
    const Case cases[] = {{"abc", true}, {"2.5", true}, {"", true}, {"-", true}, {"-3", true}, {"0", false}};
    for (TEdit* count : {f->eDotX, f->eDotY})
        for (const Case& c : cases) {
            count->SetText("4");
            MarkPreviewStale();
            count->UserSetText(c.typed);
            EXPECT_EQ(count->Text(), "1") << count->Name() << " " << c.typed;
            EXPECT_TRUE(PreviewRebuilt()) << count->Name() << " " << c.typed;
            count->UserKeyPress('5');
            EXPECT_EQ(count->Text(), c.selected ? "5" : "15") << count->Name() << " " << c.typed;
        }
    EXPECT_TRUE(ExceptionBoxes().empty());
}

TEST_F(GraphEditorTest, SizesThatAreNotNumbersBecomeOnePointZeroSelected) {
    for (TEdit* size : {f->eMmX, f->eMmY}) {
        size->UserSetText("x");
        EXPECT_EQ(size->Text(), "1.0") << size->Name();
        size->UserKeyPress('7');
        EXPECT_EQ(size->Text(), "7") << size->Name();
    }
}

TEST_F(GraphEditorTest, NegativeCountsAreRefusedAndTheLabelsFollow) {
    UseWidth(2015, 10);
    UseHeight(2015, 10);
    for (auto [count, size, label] :
         {std::tuple{f->eDotX, f->eMmX, f->Label9}, std::tuple{f->eDotY, f->eMmY, f->Label10}}) {
        size->SetText("5");
        for (const char* typed : {"-5", "-1", "-2147483648", "00"}) {
            count->SetText("4");
            count->UserSetText(typed);
            EXPECT_EQ(count->Text(), "1") << count->Name() << " " << typed;
            EXPECT_EQ(label->Caption(), count == f->eDotX ? "MaxX:2E02mm" : "MaxY:2E02mm")
                << count->Name() << " " << typed;
            count->UserKeyPress('5'); // selected
            EXPECT_EQ(count->Text(), "5") << count->Name() << " " << typed;
        }
    }
    EXPECT_TRUE(ExceptionBoxes().empty());
}

TEST_F(GraphEditorTest, ACountChangeKeepsACellSizeOfOneAsTyped) {
    for (auto [count, size] : {std::pair{f->eDotX, f->eMmX}, std::pair{f->eDotY, f->eMmY}}) {
        size->UserSetText("1.0");
        count->UserSetText("3");
        EXPECT_EQ(size->Text(), "1.0") << size->Name();
        size->UserSetText("1.5");
        count->UserSetText("4");
        EXPECT_EQ(size->Text(), "1.5") << size->Name();
    }
}

TEST_F(GraphEditorTest, EmphasisColourButtonsKeepTheDialogOnTheLineColour) {
    struct Case {
        TButton* button;
        TPanel* panel;
    };
    const Case cases[] = {
        {f->Button1, f->ExColorPanel1}, {f->Button7, f->ExColorPanel1Y}, {f->Button2, f->ExColorPanel2}};
    f->SetLineColor(0x00336699);
    for (const Case& c : cases) {
        ScriptDialogAnswer(ColourAnswer(true, 0x0000CC00));
        MarkPreviewStale();
        c.button->Click();
        EXPECT_EQ(c.panel->Color(), 0x0000CC00) << c.button->Name();
        EXPECT_EQ(f->ColorDialog1->Color(), 0x00336699) << c.button->Name();
        EXPECT_TRUE(PreviewRebuilt()) << c.button->Name();

        ScriptDialogAnswer(ColourAnswer(false));
        f->ColorDialog1->SetColor(clWhite);
        MarkPreviewStale();
        c.button->Click();
        EXPECT_EQ(c.panel->Color(), 0x0000CC00) << "Cancel keeps the colour of " << c.panel->Name();
        EXPECT_EQ(f->ColorDialog1->Color(), 0x00336699) << c.button->Name();
        EXPECT_TRUE(PreviewRebuilt()) << c.button->Name();
    }
    EXPECT_EQ(ScriptedAnswerCount(), 0);
    EXPECT_EQ(f->Panel2->Color(), 0x00336699);
}

TEST_F(GraphEditorTest, TheCountLabelShowsACountTheCountKeeps) {
    // On A3 with 283.5 mm across, 5.4 mm cells: 52.5 of them, yet 53 cells are only 126 px
    // (5.3 mm) wide. The label says 52, the count that stays.
    ASSERT_TRUE(Printer()->SetPaperName("A3"));
    f->RefreshPrinterMetrics();
    f->eSpaceL->UserSetText("6.7");
    f->eSpaceR->UserSetText("6.8");
    f->eMmX->UserSetText("5.4");
    EXPECT_EQ(f->Label14->Caption(), "MaxX:52px");
    f->eDotX->UserSetText("53");
    EXPECT_EQ(f->eDotX->Text(), "52");
    // Whatever the size and the margins, the count a label names is kept when typed, and one
    // more comes down to it.
    for (const char* margin : {"0", "6.7", "13.3"})
        for (const char* size : {"1", "1.3", "2.7", "5.4", "9.6", "10", "33"})
            for (auto [count, mm, label, side] : {std::tuple{f->eDotX, f->eMmX, f->Label14, f->eSpaceL},
                                                  std::tuple{f->eDotY, f->eMmY, f->Label12, f->eSpaceT}}) {
                side->UserSetText(margin);
                mm->UserSetText(size);
                const AnsiString caption = label->Caption();
                const AnsiString n = caption.substr(5, caption.size() - 7); // "MaxX:" n "px"
                count->UserSetText(n);
                EXPECT_EQ(count->Text(), n) << caption << " with " << size << " mm cells, margin " << margin;
                count->UserSetText(IntToStr(StrToInt(n) + 1));
                EXPECT_EQ(count->Text(), n) << caption << " with " << size << " mm cells, margin " << margin;
            }
    EXPECT_TRUE(ExceptionBoxes().empty());
}
