// The paper-setting download window: its start contents and the list's "." key.
#include "EditorFixture.h"

#include "editors/Unit6.h"

class DownloadWindowTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        w = new TForm6(nullptr);
    }
    void TearDown() override {
        delete w;
        EditorTest::TearDown();
    }
    std::vector<AnsiString> ListItems() const {
        std::vector<AnsiString> out;
        for (int i = 0; i < w->ListBox1->ItemCount(); ++i)
            out.push_back(w->ListBox1->Item(i));
        return out;
    }
    TForm6* w = nullptr;
};

TEST_F(DownloadWindowTest, StartsHiddenWithThePaperKindsOffered) {
    EXPECT_FALSE(w->Visible());
    EXPECT_EQ(w->Caption(), "用紙設定ダウンロード");
    EXPECT_EQ(w->ListBox1->ItemCount(), 0);
    EXPECT_TRUE(w->ListBox1->MultiSelect());
    const std::vector<AnsiString> kinds{"方眼紙", "対数方眼", "原稿用紙", "マルチライン", "グリッド"};
    ASSERT_EQ(w->ComboBox1->ItemCount(), static_cast<int>(kinds.size()));
    for (size_t i = 0; i < kinds.size(); ++i)
        EXPECT_EQ(w->ComboBox1->Item(static_cast<int>(i)), kinds[i]);
    EXPECT_EQ(w->ComboBox1->ItemIndex(), 0);
    ASSERT_EQ(w->ComboBox2->ItemCount(), 1);
    EXPECT_EQ(w->ComboBox2->Item(0), "デフォルト");
    EXPECT_EQ(w->ComboBox2->ItemIndex(), 0);
}

TEST_F(DownloadWindowTest, DotDeletesEverySelectedItemOtherKeysNothing) {
    for (const char* s : {"a", "b", "c", "d", "e"})
        w->ListBox1->AddItem(s);
    for (int i : {1, 2, 4})
        w->ListBox1->SetSelected(i, true);
    for (char key : {'x', ',', '\r'}) {
        w->ListBox1->OnKeyPress(w->ListBox1, key);
        EXPECT_EQ(ListItems().size(), 5u) << key;
    }
    char dot = '.';
    w->ListBox1->OnKeyPress(w->ListBox1, dot);
    EXPECT_EQ(ListItems(), (std::vector<AnsiString>{"a", "d"}));
}
