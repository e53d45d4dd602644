// Radio groups: a framed set of choices; a user's change of choice runs OnClick.
#include "ExtCtrls.h"

#include "Forms.h"
#include "widgetset/WSExtCtrls.h"

#include <algorithm>

TRadioGroup::TRadioGroup(TComponent* AOwner) : TWinControl(AOwner) {
    SetImpl(ws::CreateRadioGroup(this));
    SetBounds(0, 0, 185, 105);
}

void TRadioGroup::SetItems(const std::vector<AnsiString>& items) {
    items_ = items;
    if (itemIndex_ >= ItemCount()) itemIndex_ = -1;
    ws::RadioGroupItemsChanged(this);
    ws::RadioGroupShowIndex(this);
}

void TRadioGroup::SetItemIndex(int i) {
    itemIndex_ = i >= 0 && i < ItemCount() ? i : -1;
    ws::RadioGroupShowIndex(this);
}

void TRadioGroup::SetColumns(int c) {
    columns_ = std::max(1, c);
    ws::RadioGroupColumnsChanged(this);
}

void TRadioGroup::UserSelect(int i) {
    if (i < 0 || i >= ItemCount()) return;
    bool changed = i != itemIndex_;
    itemIndex_ = i;
    ws::RadioGroupShowIndex(this);
    if (changed) RunGuarded([&] { Fire(OnClick, this); });
}

namespace wsevents {
void RadioGroupClicked(TRadioGroup* Group, int Index) {
    Group->UserSelect(Index);
}
} // namespace wsevents
