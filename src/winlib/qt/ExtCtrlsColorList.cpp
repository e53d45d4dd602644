// The colour list: the sixteen standard colours and four extended ones, each with a swatch and
// its name as a person reads it.
#include "winlib/ExtCtrls.h"

#include "ControlImpl.h"
#include "winlib/Forms.h"

#include <QListWidget>
#include <QPixmap>

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

QListWidget* ListOf(const TColorListBox* l) {
    return static_cast<QListWidget*>(l->Impl()->Widget());
}
} // namespace

TColorListBox::TColorListBox(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new QListWidget;
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const NamedColor& c : kColors) {
        QPixmap swatch(20, 12);
        swatch.fill(ToQColor(c.color));
        w->addItem(new QListWidgetItem(QIcon(swatch), QString::fromLatin1(c.name)));
    }
    SetImpl(std::make_unique<TControlImpl>(this, w));
    SetBounds(0, 0, 145, 97);
    QObject::connect(w, &QListWidget::currentRowChanged, w, [this](int row) {
        if (Impl()->programWrites || row == itemIndex_) return;
        itemIndex_ = row;
        RunGuarded([&] { Fire(OnClick, this); });
    });
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
    ++Impl()->programWrites;
    {
        QSignalBlocker block(ListOf(this));
        ListOf(this)->setCurrentRow(itemIndex_);
    }
    --Impl()->programWrites;
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
