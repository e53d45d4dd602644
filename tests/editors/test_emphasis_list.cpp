// The per-line emphasis list: the rows of MultiLine_individual behind ListBox1 and its editors.
#include "EditorFixture.h"

#include "winlib/Graphics.h"

#include <sqlite3.h>

#include <optional>

namespace {
struct Row {
    int no;
    TColor color;
    double size;
    int type;
};

std::vector<AnsiString> Items(TListBox* l) {
    std::vector<AnsiString> out;
    for (int i = 0; i < l->ItemCount(); ++i)
        out.push_back(l->Item(i));
    return out;
}
} // namespace

class EmphasisListTest : public EditorTest {
  protected:
    std::vector<Row> Rows() const {
        std::vector<Row> out;
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(f->DbHandle, "select no,color,size,type from MultiLine_individual order by no", -1,
                           &stmt, nullptr);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            out.push_back({sqlite3_column_int(stmt, 0), static_cast<TColor>(sqlite3_column_int(stmt, 1)),
                           sqlite3_column_double(stmt, 2), sqlite3_column_int(stmt, 3)});
        sqlite3_finalize(stmt);
        return out;
    }
    std::vector<int> Numbers() const {
        std::vector<int> out;
        for (const Row& r : Rows())
            out.push_back(r.no);
        return out;
    }
    std::optional<Row> RowOf(int no) const {
        for (const Row& r : Rows())
            if (r.no == no) return r;
        return std::nullopt;
    }
    void SetEditors(const char* no, TColor color, const char* size, int type) {
        f->Edit31->SetText(no);
        f->Panel7->SetColor(color);
        f->Edit34->SetText(size);
        f->ComboBox11->SetItemIndex(type);
    }
    void Add(const char* no, TColor color = clBlack, const char* size = "0.1", int type = 0) {
        SetEditors(no, color, size, type);
        f->Button14->Click();
    }
    void Select(std::initializer_list<const char*> texts) {
        for (const char* t : texts)
            f->ListBox1->SetSelected(f->ListBox1->IndexOfItem(t), true);
        f->ListBox1->SetItemIndex(f->ListBox1->IndexOfItem(*texts.begin()));
    }
};

TEST_F(EmphasisListTest, AddStoresTheEditorsAndANumberOnlyOnce) {
    MarkPreviewStale();
    Add("7", 0x004080FF, "0.5", 1);
    EXPECT_TRUE(PreviewRebuilt());
    Add("7", clRed, "2", 3); // the first row stays as it was
    ASSERT_EQ(Rows().size(), 1u);
    const Row r = Rows()[0];
    EXPECT_EQ(r.no, 7);
    EXPECT_EQ(r.color, 0x004080FF);
    EXPECT_DOUBLE_EQ(r.size, 0.5);
    EXPECT_EQ(r.type, 1);
    EXPECT_EQ(Items(f->ListBox1), (std::vector<AnsiString>{"7"}));
}

TEST_F(EmphasisListTest, AddListsTheNumberItStores) {
    // The item is the decimal text of the row's number, so the list shows every row it keeps
    // and the renderer, which looks lines up by that text, finds it.
    struct Case {
        const char* typed;
        int stored;
    } cases[] = {{"07", 7}, {"x", 1}, {"", 1}, {"1 or 1=1", 1}, {"0x10", 1}, {"$10", 1}, {"16", 16}};
    for (const Case& c : cases) {
        Add(c.typed);
        EXPECT_TRUE(RowOf(c.stored).has_value()) << c.typed;
        EXPECT_GE(f->ListBox1->IndexOfItem(IntToStr(c.stored)), 0) << c.typed;
    }
    EXPECT_EQ(Items(f->ListBox1), (std::vector<AnsiString>{"1", "16", "7"}));
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 7, 16}));
}

TEST_F(EmphasisListTest, ItemsSortAsText) {
    for (const char* n : {"2", "10", "5"})
        Add(n);
    EXPECT_EQ(Items(f->ListBox1), (std::vector<AnsiString>{"10", "2", "5"}));
}

TEST_F(EmphasisListTest, DeleteRemovesEverySelectedItemAndItsRow) {
    for (const char* n : {"3", "4", "5", "6", "8"})
        Add(n);
    Select({"3", "4", "6"});
    MarkPreviewStale();
    f->Button15->Click();
    EXPECT_TRUE(PreviewRebuilt());
    EXPECT_EQ(Numbers(), (std::vector<int>{5, 8}));
    EXPECT_EQ(Items(f->ListBox1), (std::vector<AnsiString>{"5", "8"}));
}

TEST_F(EmphasisListTest, DeleteAndReplaceNeedACurrentItem) {
    Add("3");
    f->ListBox1->SetSelected(0, true);
    f->ListBox1->SetItemIndex(-1);
    SetEditors("9", clRed, "1", 2);
    for (TButton* b : {f->Button15, f->Button13}) {
        MarkPreviewStale();
        b->Click();
        EXPECT_FALSE(PreviewRebuilt()) << b->Name();
        EXPECT_EQ(Numbers(), (std::vector<int>{3})) << b->Name();
        EXPECT_EQ(Items(f->ListBox1), (std::vector<AnsiString>{"3"})) << b->Name();
    }
}

TEST_F(EmphasisListTest, ReplaceMovesTheCurrentRowToTheEditorsNumber) {
    Add("5", clBlue, "0.3", 1);
    Add("8");
    f->ListBox1->SetItemIndex(f->ListBox1->IndexOfItem("5"));
    SetEditors("6", clLime, "1.5", 4);
    MarkPreviewStale();
    f->Button13->Click();
    EXPECT_TRUE(PreviewRebuilt());
    EXPECT_EQ(Numbers(), (std::vector<int>{6, 8}));
    EXPECT_EQ(Items(f->ListBox1), (std::vector<AnsiString>{"6", "8"}));
    const Row r = *RowOf(6);
    EXPECT_EQ(r.color, clLime);
    EXPECT_DOUBLE_EQ(r.size, 1.5);
    EXPECT_EQ(r.type, 4);

    // Replacing a row with its own number gives it the new values.
    f->ListBox1->SetItemIndex(f->ListBox1->IndexOfItem("8"));
    SetEditors("8", clRed, "2.25", 2);
    f->Button13->Click();
    EXPECT_EQ(RowOf(8)->color, clRed);
    EXPECT_DOUBLE_EQ(RowOf(8)->size, 2.25);
    EXPECT_EQ(Items(f->ListBox1), (std::vector<AnsiString>{"6", "8"}));
}

TEST_F(EmphasisListTest, AThicknessThatIsNoNumberStopsAddAndReplace) {
    Add("4");
    for (TButton* b : {f->Button14, f->Button13}) {
        ShownMessages().clear();
        f->ListBox1->SetItemIndex(0);
        SetEditors("9", clRed, "0,5mm", 0);
        MarkPreviewStale();
        b->Click();
        EXPECT_EQ(ExceptionBoxes().size(), 1u) << b->Name();
        EXPECT_FALSE(PreviewRebuilt()) << b->Name();
        EXPECT_EQ(Numbers(), (std::vector<int>{4})) << b->Name();
        EXPECT_EQ(Items(f->ListBox1), (std::vector<AnsiString>{"4"})) << b->Name();
    }
}

TEST_F(EmphasisListTest, AnItemThatIsNoNumberCannotReachOtherRows) {
    Add("3");
    Add("1");
    f->ListBox1->AddItem("1 or 1=1"); // the list and the table disagree
    Select({"1 or 1=1"});
    f->Button15->Click();
    EXPECT_EQ(Items(f->ListBox1), (std::vector<AnsiString>{"1", "3"}));
    EXPECT_EQ(Numbers(), (std::vector<int>{1, 3}));
}

TEST_F(EmphasisListTest, TheListShowsEveryRowAfterAnyEdit) {
    // Whatever was typed and whichever buttons were used, the next start lists exactly the rows
    // that are left, and deleting every item leaves no row behind.
    Add("0x10");
    Add("1 or 1=1");
    Add("05");
    Add("12");
    f->ListBox1->SetItemIndex(f->ListBox1->IndexOfItem("12"));
    SetEditors("20", clRed, "0.5", 1);
    f->Button13->Click();
    const std::vector<AnsiString> listed = Items(f->ListBox1);
    Restart();
    EXPECT_EQ(Items(f->ListBox1), listed);
    for (int i = 0; i < f->ListBox1->ItemCount(); ++i)
        f->ListBox1->SetSelected(i, true);
    f->ListBox1->SetItemIndex(0);
    f->Button15->Click();
    EXPECT_TRUE(Rows().empty());
    Restart();
    EXPECT_EQ(f->ListBox1->ItemCount(), 0);
}

TEST_F(EmphasisListTest, ReplaceOntoAnotherExistingNumberReplacesThatRow) {
    Add("5", clBlue, "0.3", 1);
    Add("6", clYellow, "0.2", 2);
    f->ListBox1->SetItemIndex(f->ListBox1->IndexOfItem("5"));
    SetEditors("6", clLime, "1.5", 4);
    f->Button13->Click();
    EXPECT_EQ(Numbers(), (std::vector<int>{6}));
    EXPECT_EQ(Items(f->ListBox1), (std::vector<AnsiString>{"6"}));
    const Row r = *RowOf(6);
    EXPECT_EQ(r.color, clLime);
    EXPECT_DOUBLE_EQ(r.size, 1.5);
    EXPECT_EQ(r.type, 4);
}

TEST_F(EmphasisListTest, AThicknessLargerThanThePaperIsRefused) {
    Add("4");
    for (TButton* b : {f->Button14, f->Button13}) {
        for (const char* size : {"1e9", "298", "-1e9"}) {
            ShownMessages().clear();
            f->ListBox1->SetItemIndex(0);
            SetEditors("9", clRed, size, 0);
            MarkPreviewStale();
            b->Click();
            ASSERT_EQ(ShownMessages().size(), 1u) << b->Name() << " " << size;
            EXPECT_EQ(ShownMessages()[0].Kind, ShownMessageKind::Message);
            EXPECT_EQ(ShownMessages()[0].Text, "用紙より太い線は設定できません（297mm以下）");
            EXPECT_FALSE(PreviewRebuilt()) << b->Name() << " " << size;
            EXPECT_EQ(Numbers(), (std::vector<int>{4})) << b->Name() << " " << size;
            EXPECT_EQ(Items(f->ListBox1), (std::vector<AnsiString>{"4"})) << b->Name() << " " << size;
        }
    }
    SetEditors("9", clRed, "297", 0); // as thick as A4 is long
    f->Button14->Click();
    EXPECT_EQ(Numbers(), (std::vector<int>{4, 9}));
}

TEST_F(EmphasisListTest, ANegativeThicknessIsRefusedLikeOneLargerThanThePaper) {
    Add("4");
    for (TButton* b : {f->Button14, f->Button13}) {
        for (const char* size : {"-5", "-0.01"}) {
            ShownMessages().clear();
            f->ListBox1->SetItemIndex(0);
            SetEditors("6", clRed, size, 1);
            MarkPreviewStale();
            b->Click();
            ASSERT_EQ(ShownMessages().size(), 1u) << b->Name() << " " << size;
            EXPECT_EQ(ShownMessages()[0].Kind, ShownMessageKind::Message);
            EXPECT_EQ(ShownMessages()[0].Text, "負の太さの線は設定できません（0mm以上）");
            EXPECT_FALSE(PreviewRebuilt()) << b->Name() << " " << size;
            EXPECT_EQ(Numbers(), (std::vector<int>{4})) << b->Name() << " " << size;
            EXPECT_EQ(Items(f->ListBox1), (std::vector<AnsiString>{"4"})) << b->Name() << " " << size;
        }
    }
    SetEditors("6", clRed, "0", 1); // no thickness is a thickness
    f->Button14->Click();
    EXPECT_EQ(Numbers(), (std::vector<int>{4, 6}));
}

TEST_F(EmphasisListTest, ClickLoadsTheRowIntoTheEditors) {
    Add("12", 0x00336699, "0.75", 3);
    SetEditors("1", clBlack, "0.1", 0);
    f->ListBox1->UserClickItem(f->ListBox1->IndexOfItem("12"));
    EXPECT_EQ(f->Edit31->Text(), "12");
    EXPECT_EQ(f->Edit34->Text(), "0.75");
    EXPECT_EQ(f->Panel7->Color(), 0x00336699);
    EXPECT_EQ(f->ComboBox11->ItemIndex(), 3);
}

TEST_F(EmphasisListTest, ClickOnAnItemWithoutRowLeavesTheEditors) {
    f->ListBox1->AddItem("20"); // the list and the table disagree
    SetEditors("2", clRed, "0.4", 1);
    f->ListBox1->UserClickItem(0);
    EXPECT_EQ(f->Edit31->Text(), "2");
    EXPECT_EQ(f->Edit34->Text(), "0.4");
    EXPECT_EQ(f->Panel7->Color(), clRed);
    EXPECT_EQ(f->ComboBox11->ItemIndex(), 1);
}

TEST_F(EmphasisListTest, RowsAreListedAgainAtTheNextStart) {
    Add("9", clNavy, "0.2", 2);
    Add("11");
    Restart();
    EXPECT_EQ(Items(f->ListBox1), (std::vector<AnsiString>{"11", "9"}));
    EXPECT_EQ(RowOf(9)->color, clNavy);
}

TEST_F(EmphasisListTest, SwatchTakesTheChosenColourAndTheDialogReturnsToTheLineColour) {
    f->SetLineColor(0x00102030);
    struct Case {
        bool ok;
        TColor swatch;
    } cases[] = {{true, 0x00A0B0C0}, {false, 0x00A0B0C0}};
    f->Panel7->SetColor(clBlack);
    for (const Case& c : cases) {
        ScriptDialogAnswer(ColourAnswer(c.ok, c.ok ? 0x00A0B0C0 : clYellow));
        f->Panel7->Click();
        EXPECT_EQ(f->Panel7->Color(), c.swatch) << c.ok;
        EXPECT_EQ(f->ColorDialog1->Color(), 0x00102030) << c.ok;
    }
    EXPECT_EQ(ScriptedAnswerCount(), 0);
}
