// Combo boxes: the item index and text set by the program run nothing; a user's choice or
// typing runs OnChange.
#include "StdCtrls.h"

#include "Forms.h"
#include "widgetset/WSStdCtrls.h"

TComboBox::TComboBox(TComponent* AOwner) : TWinControl(AOwner) {
    SetImpl(ws::CreateComboBox(this));
    SetBounds(0, 0, 145, 21);
}

const AnsiString& TComboBox::Item(int i) const {
    if (i < 0 || i >= ItemCount())
        throw EStringListError("List index out of bounds (" + std::to_string(i) + ")");
    return items_[i];
}

void TComboBox::AddItem(const AnsiString& s) {
    items_.push_back(s);
    ws::ComboAddItem(this, s);
    ws::ComboShowSelection(this);
}

void TComboBox::SetItems(const std::vector<AnsiString>& items) {
    items_ = items;
    itemIndex_ = -1;
    text_.clear();
    ws::ComboShowItems(this);
    ws::ComboShowSelection(this);
}

void TComboBox::ClearItems() {
    SetItems({});
}

int TComboBox::IndexOfItem(const AnsiString& s) const {
    for (int i = 0; i < ItemCount(); ++i)
        if (items_[i] == s) return i;
    return -1;
}

void TComboBox::SetItemIndex(int i) {
    itemIndex_ = i >= 0 && i < ItemCount() ? i : -1;
    if (itemIndex_ >= 0)
        text_ = items_[itemIndex_];
    else if (style_ == csDropDownList)
        text_.clear();
    ws::ComboShowSelection(this);
}

AnsiString TComboBox::Text() const {
    if (style_ == csDropDownList || style_ == csOwnerDrawFixed)
        return itemIndex_ >= 0 ? items_[itemIndex_] : AnsiString();
    return text_;
}

void TComboBox::SetText(const AnsiString& t) {
    itemIndex_ = IndexOfItem(t);
    text_ = style_ == csDropDownList || style_ == csOwnerDrawFixed ? (itemIndex_ >= 0 ? t : AnsiString()) : t;
    ws::ComboShowSelection(this);
}

void TComboBox::SetStyle(TComboBoxStyle s) {
    style_ = s;
    ws::ComboSetEditable(this, s == csDropDown || s == csSimple);
    if (s != csDropDown && s != csSimple && itemIndex_ < 0) text_.clear();
    ws::ComboShowSelection(this);
}

void TComboBox::UserSelect(int i) {
    if (i < 0 || i >= ItemCount()) return;
    itemIndex_ = i;
    text_ = items_[i];
    ws::ComboShowSelection(this);
    RunGuarded([&] { Fire(OnChange, this); });
}

void wsevents::ComboTextTyped(TComboBox* Combo, const AnsiString& Text) {
    Combo->text_ = Text;
    Combo->itemIndex_ = Combo->IndexOfItem(Text);
    RunGuarded([&] { Fire(Combo->OnChange, Combo); });
}

void wsevents::ComboItemChosen(TComboBox* Combo, int Index) {
    Combo->UserSelect(Index);
}
