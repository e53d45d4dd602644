// List boxes: items and selection are the control's data; the window follows them. A user's
// change of selection runs OnClick; the program's changes run nothing.
#include "StdCtrls.h"

#include "Forms.h"
#include "MessageBoxImpl.h"
#include "widgetset/WSStdCtrls.h"

#include <algorithm>

namespace {
EStringListError OutOfBounds(int i) {
    return EStringListError("List index out of bounds (" + std::to_string(i) + ")");
}
} // namespace

TListBox::TListBox(TComponent* AOwner) : TWinControl(AOwner) {
    SetImpl(ws::CreateListBox(this));
    SetBounds(0, 0, 121, 97);
    TControl::SetColor(clWindow);
}

const AnsiString& TListBox::Item(int i) const {
    if (i < 0 || i >= ItemCount()) throw OutOfBounds(i);
    return items_[i];
}

int TListBox::AddItem(const AnsiString& s) {
    int at = sorted_ ? static_cast<int>(std::upper_bound(items_.begin(), items_.end(), s) - items_.begin())
                     : ItemCount();
    items_.insert(items_.begin() + at, s);
    selected_.insert(selected_.begin() + at, false);
    if (itemIndex_ >= at) ++itemIndex_;
    ws::ListInsertItem(this, at, s);
    ws::ListShowSelection(this);
    return at;
}

void TListBox::DeleteItem(int i) {
    if (i < 0 || i >= ItemCount()) throw OutOfBounds(i);
    items_.erase(items_.begin() + i);
    selected_.erase(selected_.begin() + i);
    if (itemIndex_ == i)
        itemIndex_ = multiSelect_ && i < ItemCount() ? i : -1;
    else if (itemIndex_ > i)
        --itemIndex_;
    ws::ListDeleteItem(this, i);
    ws::ListShowSelection(this);
}

void TListBox::ClearItems() {
    items_.clear();
    selected_.clear();
    itemIndex_ = -1;
    ws::ListClearItems(this);
}

int TListBox::IndexOfItem(const AnsiString& s) const {
    auto it = std::find(items_.begin(), items_.end(), s);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TListBox::SetItem(int i, const AnsiString& s) {
    if (i < 0 || i >= ItemCount()) throw OutOfBounds(i);
    items_[i] = s;
    ws::ListSetItemText(this, i, s);
}

void TListBox::SetItemIndex(int i) {
    if (i < -1 || i >= ItemCount()) i = -1;
    itemIndex_ = i;
    // A multi-selection list moves only its caret; a single one selects the item.
    if (!multiSelect_) std::fill(selected_.begin(), selected_.end(), false);
    if (!multiSelect_ && i >= 0) selected_[i] = true;
    ws::ListShowSelection(this);
}

bool TListBox::Selected(int i) const {
    if (i < 0 || i >= ItemCount()) throw OutOfBounds(i);
    return selected_[i];
}

void TListBox::SetSelected(int i, bool s) {
    if (i < 0 || i >= ItemCount()) throw OutOfBounds(i);
    if (!multiSelect_) {
        std::fill(selected_.begin(), selected_.end(), false);
        itemIndex_ = s ? i : (itemIndex_ == i ? -1 : itemIndex_);
    }
    selected_[i] = s;
    ws::ListShowSelection(this);
}

int TListBox::SelCount() const {
    if (!multiSelect_) return -1; // a single-selection list has no count of selected items
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

void TListBox::SetMultiSelect(bool m) {
    multiSelect_ = m;
    ws::ListSetMultiSelect(this, m);
    if (!m) {
        std::fill(selected_.begin(), selected_.end(), false);
        if (itemIndex_ >= 0) selected_[itemIndex_] = true;
    }
    ws::ListShowSelection(this);
}

void TListBox::SetSorted(bool s) {
    if (s == sorted_) return;
    sorted_ = s;
    if (!s) return;
    std::vector<int> order(items_.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return items_[a] < items_[b]; });
    std::vector<AnsiString> items;
    std::vector<bool> selected;
    int index = -1;
    for (size_t k = 0; k < order.size(); ++k) {
        items.push_back(items_[order[k]]);
        selected.push_back(selected_[order[k]]);
        if (order[k] == itemIndex_) index = static_cast<int>(k);
    }
    items_ = std::move(items);
    selected_ = std::move(selected);
    itemIndex_ = index;
    for (int i = 0; i < ItemCount(); ++i)
        ws::ListSetItemText(this, i, items_[i]);
    ws::ListShowSelection(this);
}

void TListBox::SetStyle(TListBoxStyle s) {
    style_ = s;
    ws::ListRelayout(this);
}

void TListBox::SetItemHeight(int h) {
    itemHeight_ = h;
    ws::ListRelayout(this);
}

TCanvas* TListBox::Canvas() {
    return ws::ListCanvas(this);
}

void TListBox::UserClickItem(int i) {
    if (i < 0 || i >= ItemCount()) return;
    std::fill(selected_.begin(), selected_.end(), false);
    selected_[i] = true;
    itemIndex_ = i;
    ws::ListShowSelection(this);
    RunGuarded([&] { Fire(OnClick, this); });
}

void wsevents::ListSelectionChanged(TListBox* List, const std::vector<bool>& Selected, int Caret) {
    List->selected_ = Selected;
    List->selected_.resize(List->items_.size(), false);
    // A multi-selection list's index is its caret; a single one's is its selected item.
    if (List->multiSelect_) {
        List->itemIndex_ = Caret;
    } else {
        auto first = std::find(List->selected_.begin(), List->selected_.end(), true);
        List->itemIndex_ =
            first == List->selected_.end() ? -1 : static_cast<int>(first - List->selected_.begin());
    }
    RunGuarded([&] { Fire(List->OnClick, List); });
}

bool wsevents::ListDrawItem(TListBox* List, int Index, const TRect& Rect, TOwnerDrawState State) {
    if (List->Style() == lbStandard || !List->OnDrawItem) return false;
    TCanvas* c = List->Canvas();
    c->Font()->Assign(List->Font());
    // The canvas comes prepared: selected items on the highlight colour.
    c->Brush()->SetColor((State & odSelected) ? clHighlight : List->Color());
    if (State & odSelected) c->Font()->SetColor(clHighlightText);
    TDrawItemEvent handler = List->OnDrawItem;
    RunPaintGuarded(List, [&] { handler(List, Index, Rect, State); });
    return true;
}

int wsevents::ListRowHeight(const TListBox* List, int StandardHeight) {
    return List->Style() == lbStandard ? StandardHeight : List->ItemHeight();
}
