// The colour list: the sixteen standard colours and four extended ones, each with a swatch and
// its name as a person reads it.
#include "ExtCtrls.h"

#include "Forms.h"
#include "widgetset/WSExtCtrls.h"

#include <array>

namespace {
struct NamedColor {
    TColor color;
    const char* name;
};

constexpr std::array<NamedColor, 20> kColors{{
    {clBlack, "Black"},
    {clMaroon, "Maroon"},
    {clGreen, "Green"},
    {clOlive, "Olive"},
    {clNavy, "Navy"},
    {clPurple, "Purple"},
    {clTeal, "Teal"},
    {clGray, "Gray"},
    {clSilver, "Silver"},
    {clRed, "Red"},
    {clLime, "Lime"},
    {clYellow, "Yellow"},
    {clBlue, "Blue"},
    {clFuchsia, "Fuchsia"},
    {clAqua, "Aqua"},
    {clWhite, "White"},
    {clMoneyGreen, "Money Green"},
    {clSkyBlue, "Sky Blue"},
    {clCream, "Cream"},
    {clMedGray, "Medium Gray"},
}};
} // namespace

TColorListBox::TColorListBox(TComponent* AOwner) : TWinControl(AOwner) {
    SetImpl(ws::CreateColorListBox(this));
    SetBounds(0, 0, 145, 97);
}

int TColorListBox::ItemCount() const {
    return static_cast<int>(kColors.size());
}

TColor TColorListBox::Colors(int i) const {
    if (i < 0 || i >= ItemCount())
        throw EStringListError("List index out of bounds (" + std::to_string(i) + ")");
    return kColors[i].color;
}

AnsiString TColorListBox::ColorNames(int i) const {
    if (i < 0 || i >= ItemCount())
        throw EStringListError("List index out of bounds (" + std::to_string(i) + ")");
    return kColors[i].name;
}

void TColorListBox::SetItemIndex(int i) {
    itemIndex_ = i >= 0 && i < ItemCount() ? i : -1;
    ws::ColorListShowIndex(this);
}

TColor TColorListBox::Selected() const {
    return itemIndex_ >= 0 ? kColors[itemIndex_].color : clBlack;
}

void TColorListBox::SetSelected(TColor c) {
    for (int i = 0; i < ItemCount(); ++i)
        if (kColors[i].color == c) {
            SetItemIndex(i);
            return;
        }
}

namespace wsevents {
void ColorListChosen(TColorListBox* List, int Row) {
    if (Row == List->ItemIndex()) return;
    List->SetItemIndex(Row);
    RunGuarded([&] { Fire(List->OnClick, List); });
}
} // namespace wsevents
