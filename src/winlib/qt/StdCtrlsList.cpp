// List boxes: items and selection are the control's data; the widget follows them. A user's
// change of selection runs OnClick; the program's changes run nothing.
#include "winlib/StdCtrls.h"
#include "winlib/MessageBoxImpl.h"

#include "ControlCanvas.h"
#include "ControlImpl.h"
#include "winlib/Forms.h"

#include <QListWidget>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {
class TListImpl : public TControlImpl {
  public:
    TListImpl(TControl* c, QListWidget* w) : TControlImpl(c, w), list(w) {
        auto surface = std::make_unique<TLiveCanvasImpl>(w->viewport());
        live = surface.get();
        canvas.SetImpl(std::move(surface));
        Watch(w->viewport());
    }
    QListWidget* list;
    TCanvas canvas;
    TLiveCanvasImpl* live;

    void ApplyColor(TColor c) override {
        QColor q = ToQColor(c);
        if (!q.isValid()) return;
        QPalette pal = list->palette();
        pal.setColor(QPalette::Base, q);
        list->setPalette(pal);
    }
};

TListImpl* ListImpl(const TListBox* l) {
    return static_cast<TListImpl*>(l->Impl());
}

// Owner-drawn items are painted by OnDrawItem with the list's canvas.
class TListDelegate : public QStyledItemDelegate {
  public:
    explicit TListDelegate(TListBox* l) : QStyledItemDelegate(ListImpl(l)->list), box_(l) {}

    void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& index) const override {
        if (box_->Style() == lbStandard || !box_->OnDrawItem) {
            QStyledItemDelegate::paint(p, opt, index);
            return;
        }
        TListImpl* impl = ListImpl(box_);
        TOwnerDrawState state = 0;
        if (opt.state & QStyle::State_Selected) state |= odSelected;
        if (opt.state & QStyle::State_HasFocus) state |= odFocused;
        if (!(opt.state & QStyle::State_Enabled)) state |= odDisabled;
        TCanvas* c = &impl->canvas;
        c->Font()->Assign(box_->Font());
        // The canvas comes prepared: selected items on the highlight colour.
        c->Brush()->SetColor((state & odSelected) ? clHighlight : box_->Color());
        if (state & odSelected) c->Font()->SetColor(clHighlightText);
        QRect r = opt.rect;
        TRect rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
        p->save();
        TLiveCanvasImpl::Scope scope(impl->live, p);
        TDrawItemEvent handler = box_->OnDrawItem;
        RunPaintGuarded(box_, [&] { handler(box_, index.row(), rect, state); });
        p->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& opt, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(opt, index);
        if (box_->Style() != lbStandard) s.setHeight(box_->ItemHeight());
        return s;
    }

  private:
    TListBox* box_;
};

// Puts the selection into the widget without any signal.
void ShowSelection(const TListBox* l, const std::vector<bool>& selected) {
    TListImpl* impl = ListImpl(l);
    ++impl->programWrites;
    {
        QSignalBlocker block(impl->list);
        QSignalBlocker blockModel(impl->list->selectionModel());
        for (int i = 0; i < impl->list->count(); ++i)
            impl->list->item(i)->setSelected(selected[i]);
        if (l->ItemIndex() >= 0)
            impl->list->selectionModel()->setCurrentIndex(impl->list->model()->index(l->ItemIndex(), 0),
                                                          QItemSelectionModel::NoUpdate);
    }
    --impl->programWrites;
    impl->list->viewport()->update();
}

EStringListError OutOfBounds(int i) {
    return EStringListError("List index out of bounds (" + std::to_string(i) + ")");
}
} // namespace

TListBox::TListBox(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new QListWidget;
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    w->setUniformItemSizes(true);
    SetImpl(std::make_unique<TListImpl>(this, w));
    w->setItemDelegate(new TListDelegate(this));
    SetBounds(0, 0, 121, 97);
    TControl::SetColor(clWindow);
    QObject::connect(w, &QListWidget::itemSelectionChanged, w, [this] {
        if (Impl()->programWrites) return;
        QListWidget* lw = ListImpl(this)->list;
        for (int i = 0; i < ItemCount(); ++i)
            selected_[i] = lw->item(i)->isSelected();
        int cur = lw->currentRow();
        if (!multiSelect_) cur = lw->selectedItems().isEmpty() ? -1 : lw->row(lw->selectedItems().first());
        itemIndex_ = cur;
        RunGuarded([&] { Fire(OnClick, this); });
    });
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
    TListImpl* impl = ListImpl(this);
    ++impl->programWrites;
    {
        QSignalBlocker block(impl->list);
        impl->list->insertItem(at, ToQString(s));
    }
    --impl->programWrites;
    ShowSelection(this, selected_);
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
    TListImpl* impl = ListImpl(this);
    ++impl->programWrites;
    {
        QSignalBlocker block(impl->list);
        delete impl->list->takeItem(i);
    }
    --impl->programWrites;
    ShowSelection(this, selected_);
}

void TListBox::ClearItems() {
    items_.clear();
    selected_.clear();
    itemIndex_ = -1;
    TListImpl* impl = ListImpl(this);
    ++impl->programWrites;
    {
        QSignalBlocker block(impl->list);
        impl->list->clear();
    }
    --impl->programWrites;
}

int TListBox::IndexOfItem(const AnsiString& s) const {
    auto it = std::find(items_.begin(), items_.end(), s);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TListBox::SetItem(int i, const AnsiString& s) {
    if (i < 0 || i >= ItemCount()) throw OutOfBounds(i);
    items_[i] = s;
    ListImpl(this)->list->item(i)->setText(ToQString(s));
}

void TListBox::SetItemIndex(int i) {
    if (i < -1 || i >= ItemCount()) i = -1;
    itemIndex_ = i;
    // A multi-selection list moves only its caret; a single one selects the item.
    if (!multiSelect_) std::fill(selected_.begin(), selected_.end(), false);
    if (!multiSelect_ && i >= 0) selected_[i] = true;
    ShowSelection(this, selected_);
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
    ShowSelection(this, selected_);
}

int TListBox::SelCount() const {
    if (!multiSelect_) return -1; // a single-selection list has no count of selected items
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

void TListBox::SetMultiSelect(bool m) {
    multiSelect_ = m;
    ListImpl(this)->list->setSelectionMode(m ? QAbstractItemView::ExtendedSelection
                                             : QAbstractItemView::SingleSelection);
    if (!m) {
        std::fill(selected_.begin(), selected_.end(), false);
        if (itemIndex_ >= 0) selected_[itemIndex_] = true;
    }
    ShowSelection(this, selected_);
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
    TListImpl* impl = ListImpl(this);
    ++impl->programWrites;
    {
        QSignalBlocker block(impl->list);
        for (int i = 0; i < ItemCount(); ++i)
            impl->list->item(i)->setText(ToQString(items_[i]));
    }
    --impl->programWrites;
    ShowSelection(this, selected_);
}

void TListBox::SetStyle(TListBoxStyle s) {
    style_ = s;
    ListImpl(this)->list->doItemsLayout();
}

void TListBox::SetItemHeight(int h) {
    itemHeight_ = h;
    ListImpl(this)->list->doItemsLayout();
}

TCanvas* TListBox::Canvas() {
    return &ListImpl(this)->canvas;
}

void TListBox::UserClickItem(int i) {
    if (i < 0 || i >= ItemCount()) return;
    std::fill(selected_.begin(), selected_.end(), false);
    selected_[i] = true;
    itemIndex_ = i;
    ShowSelection(this, selected_);
    RunGuarded([&] { Fire(OnClick, this); });
}
