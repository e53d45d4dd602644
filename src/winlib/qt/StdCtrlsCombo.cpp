// Combo boxes: the item index and text set by the program run nothing; a user's choice or
// typing runs OnChange.
#include "winlib/StdCtrls.h"

#include "ControlImpl.h"
#include "winlib/Forms.h"

#include <QComboBox>
#include <QLineEdit>

namespace {
class TComboImpl : public TControlImpl {
  public:
    using TControlImpl::TControlImpl;
    // Takes the text the user typed into the edit part.
    std::function<void(const QString&)> typed;
    void ConnectTyping(QComboBox* w) {
        w->setInsertPolicy(QComboBox::NoInsert);
        w->setCompleter(nullptr);
        QObject::connect(w->lineEdit(), &QLineEdit::textEdited, w, [this](const QString& s) {
            if (!programWrites) typed(s);
        });
    }
};

QComboBox* ComboOf(const TComboBox* c) {
    return static_cast<QComboBox*>(c->Impl()->Widget());
}
} // namespace

TComboBox::TComboBox(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new QComboBox;
    w->setEditable(true);
    auto impl = std::make_unique<TComboImpl>(this, w);
    impl->typed = [this](const QString& s) {
        text_ = FromQString(s);
        itemIndex_ = IndexOfItem(text_);
        RunGuarded([&] { Fire(OnChange, this); });
    };
    impl->ConnectTyping(w);
    SetImpl(std::move(impl));
    SetBounds(0, 0, 145, 21);
    QObject::connect(w, &QComboBox::activated, w, [this](int i) { UserSelect(i); });
}

namespace {
// Puts the control's items, index and text into the widget without any signal.
void ShowCombo(const TComboBox* c, const std::vector<AnsiString>& items, bool reload) {
    QComboBox* w = ComboOf(c);
    ++c->Impl()->programWrites;
    {
        QSignalBlocker block(w);
        if (reload) {
            w->clear();
            for (const AnsiString& s : items)
                w->addItem(ToQString(s));
        }
        w->setMaxVisibleItems(std::max(1, c->DropDownCount()));
        w->setCurrentIndex(c->ItemIndex());
        if (w->isEditable()) w->setEditText(ToQString(c->Text()));
    }
    --c->Impl()->programWrites;
}
} // namespace

const AnsiString& TComboBox::Item(int i) const {
    if (i < 0 || i >= ItemCount())
        throw EStringListError("List index out of bounds (" + std::to_string(i) + ")");
    return items_[i];
}

void TComboBox::AddItem(const AnsiString& s) {
    items_.push_back(s);
    QComboBox* w = ComboOf(this);
    ++Impl()->programWrites;
    {
        QSignalBlocker block(w);
        w->addItem(ToQString(s));
    }
    --Impl()->programWrites;
    ShowCombo(this, items_, false); // Qt selects the first item added; the control does not
}

void TComboBox::SetItems(const std::vector<AnsiString>& items) {
    items_ = items;
    itemIndex_ = -1;
    text_.clear();
    ShowCombo(this, items_, true);
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
    ShowCombo(this, items_, false);
}

AnsiString TComboBox::Text() const {
    if (style_ == csDropDownList || style_ == csOwnerDrawFixed)
        return itemIndex_ >= 0 ? items_[itemIndex_] : AnsiString();
    return text_;
}

void TComboBox::SetText(const AnsiString& t) {
    itemIndex_ = IndexOfItem(t);
    text_ = style_ == csDropDownList || style_ == csOwnerDrawFixed ? (itemIndex_ >= 0 ? t : AnsiString()) : t;
    ShowCombo(this, items_, false);
}

void TComboBox::SetStyle(TComboBoxStyle s) {
    style_ = s;
    QComboBox* w = ComboOf(this);
    bool editable = s == csDropDown || s == csSimple;
    if (w->isEditable() != editable) {
        ++Impl()->programWrites;
        {
            QSignalBlocker block(w);
            w->setEditable(editable);
        }
        --Impl()->programWrites;
        if (editable) static_cast<TComboImpl*>(Impl())->ConnectTyping(w);
    }
    if (!editable && itemIndex_ < 0) text_.clear();
    ShowCombo(this, items_, false);
}

void TComboBox::UserSelect(int i) {
    if (i < 0 || i >= ItemCount()) return;
    itemIndex_ = i;
    text_ = items_[i];
    ShowCombo(this, items_, false);
    RunGuarded([&] { Fire(OnChange, this); });
}
