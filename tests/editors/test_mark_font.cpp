// The mark font window: it shows the mark font's size and writes colour and size back into the
// main window's mark font dialog.
#include "EditorFixture.h"

#include "editors/Unit7.h"

#include <algorithm>

class MarkFontTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        Form7 = new TForm7(nullptr);
        w = Form7;
    }
    void TearDown() override {
        delete Form7;
        Form7 = nullptr;
        EditorTest::TearDown();
    }
    TFont* MarkFont() const { return f->FontDialog3->Font(); }
    void SelectColour(TColor c) {
        w->ColorListBox1->SetSelected(c);
        ASSERT_EQ(w->ColorListBox1->Selected(), c);
    }
    TForm7* w = nullptr;
};

TEST_F(MarkFontTest, WindowShowsTheCurrentSize) {
    MarkFont()->SetSize(5);
    w->Edit1->SetText("9");
    w->Show(); // the window's show event
    EXPECT_EQ(w->Edit1->Text(), "5");
    w->Hide();
}

TEST_F(MarkFontTest, OkAppliesTheListColourAndTheSize) {
    struct Case {
        const char* text;
        int size;
    } cases[] = {{"7", 7}, {"12", 12}, {"abc", 3}, {"", 3}, {"2.5", 3}};
    SelectColour(clRed);
    for (const Case& c : cases) {
        MarkFont()->SetSize(5);
        MarkFont()->SetColor(clBlack);
        w->Edit1->SetText(c.text);
        w->Button1->Click();
        EXPECT_EQ(MarkFont()->Size(), c.size) << c.text;
        EXPECT_EQ(MarkFont()->Color(), clRed) << c.text;
    }
}

// Within the largest paper offered (A3 on the PDF printer), whatever the current paper: the bound
// a start holds a stored size to.
TEST_F(MarkFontTest, OkHoldsTheSizeWithinTheLargestPaper) {
    double longSide = 0;
    for (const TPrinterPaper& p : TPrinter::KnownPapers())
        longSide = std::max({longSide, p.WidthMm, p.HeightMm});
    ASSERT_GE(longSide, 420);
    struct Case {
        const char* text;
        double low, high;
    } cases[] = {{"100000", longSide - 1, longSide + 1},
                 {"2147483647", longSide - 1, longSide + 1},
                 {"0", 1, 1},
                 {"-40", 1, 1},
                 {"150", 150, 150},
                 {"400", 400, 400}}; // beyond A4, the current paper, within A3
    for (const Case& c : cases) {
        w->Edit1->SetText(c.text);
        w->Button1->Click();
        EXPECT_GE(MarkFont()->Size(), c.low) << c.text;
        EXPECT_LE(MarkFont()->Size(), c.high) << c.text;
    }
}

TEST_F(MarkFontTest, CancelLeavesColourAndSize) {
    MarkFont()->SetSize(6);
    MarkFont()->SetColor(clNavy);
    SelectColour(clRed);
    w->Edit1->SetText("11");
    w->Button2->Click();
    EXPECT_EQ(MarkFont()->Size(), 6);
    EXPECT_EQ(MarkFont()->Color(), clNavy);
}

TEST_F(MarkFontTest, ListKeepsItsSelectionAcrossUses) {
    SelectColour(clGreen);
    w->FormShow(w);
    w->Button1->Click();
    // The font's colour changes elsewhere; the list is not set from it when the window opens.
    MarkFont()->SetColor(clBlue);
    w->FormShow(w);
    EXPECT_EQ(w->ColorListBox1->Selected(), clGreen);
    w->Button1->Click();
    EXPECT_EQ(MarkFont()->Color(), clGreen);
}

// A size that fits A3 typed on A4 is the size the mark is drawn with and the size a restart
// shows, on A4 and on A3.
TEST_F(MarkFontTest, ASizeTypedOnA4ComesBackAsTyped) {
    ASSERT_EQ(Printer()->PaperName(), "A4");
    w->Edit1->SetText("400");
    w->Button1->Click();
    EXPECT_EQ(MarkFont()->Size(), 400);
    Restart();
    EXPECT_EQ(MarkFont()->Size(), 400);
    w->Show();
    EXPECT_EQ(w->Edit1->Text(), "400");
    w->Hide();
}
