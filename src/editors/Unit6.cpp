// The paper-setting download window, made at start and never shown: its buttons have no
// handlers; the list drops its selected items on ".".
#include "Unit6.h"

#include "shell/FormBuilder.h"

TForm6* Form6 = nullptr;

TForm6::TForm6(TComponent* Owner) : TForm(Owner) {
    SetName("Form6");
    SetCaption("用紙設定ダウンロード");
    SetClientWidth(381);
    SetClientHeight(263);
    SetVisible(false);

    ListBox1 = MakeControl<TListBox>(this, this, "ListBox1", 8, 36, 365, 188);
    ListBox1->SetMultiSelect(true);
    ComboBox1 = MakeControl<TComboBox>(this, this, "ComboBox1", 8, 8, 120, 21);
    ComboBox1->SetStyle(csDropDownList);
    for (const char* kind : {"方眼紙", "対数方眼", "原稿用紙", "マルチライン", "グリッド"})
        ComboBox1->AddItem(kind);
    ComboBox1->SetItemIndex(0);
    ComboBox2 = MakeControl<TComboBox>(this, this, "ComboBox2", 136, 8, 120, 21);
    ComboBox2->AddItem("デフォルト");
    ComboBox2->SetItemIndex(0);
    Button1 = MakeButton(this, this, "Button1", "検索", 264, 6, 109, 25);
    Button2 = MakeButton(this, this, "Button2", "ダウンロード", 184, 232, 105, 25);
    Button3 = MakeButton(this, this, "Button3", "キャンセル", 296, 232, 77, 25);
    PopupMenu1 = new TPopupMenu(this);
    PopupMenu1->SetName("PopupMenu1");

    ListBox1->OnKeyPress = [this](TObject* s, char& k) { ListBox1KeyPress(s, k); };
}

void TForm6::ListBox1KeyPress(TObject*, char& Key) {
    if (Key != '.') return;
    // From the end, so that removing one item does not move the next selected one.
    for (int i = ListBox1->ItemCount() - 1; i >= 0; --i)
        if (ListBox1->Selected(i)) ListBox1->DeleteItem(i);
}
