// List boxes on a QListWidget; owner-drawn items are painted through the list's canvas.
#include "winlib/StdCtrls.h"
#include "winlib/widgetset/WSStdCtrls.h"

#include "ControlCanvas.h"
#include "ControlImpl.h"

#include <QListWidget>
#include <QStyledItemDelegate>

namespace {
class TListImpl : public TControlImpl {
  public:
    TListImpl(TListBox* l, QListWidget* w) : TControlImpl(l, w), list(w) {
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

// Paints each item through the control, which has OnDrawItem paint owner-drawn ones.
class TListDelegate : public QStyledItemDelegate {
  public:
    TListDelegate(TListBox* l, TListImpl* impl) : QStyledItemDelegate(impl->list), box_(l), impl_(impl) {}

    void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& index) const override {
        TOwnerDrawState state = 0;
        if (opt.state & QStyle::State_Selected) state |= odSelected;
        if (opt.state & QStyle::State_HasFocus) state |= odFocused;
        if (!(opt.state & QStyle::State_Enabled)) state |= odDisabled;
        QRect r = opt.rect;
        TRect rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
        bool drawn;
        p->save();
        {
            TLiveCanvasImpl::Scope scope(impl_->live, p);
            drawn = wsevents::ListDrawItem(box_, index.row(), rect, state);
        }
        p->restore();
        if (!drawn) QStyledItemDelegate::paint(p, opt, index);
    }

    QSize sizeHint(const QStyleOptionViewItem& opt, const QModelIndex& index) const override {
        QSize s = QStyledItemDelegate::sizeHint(opt, index);
        s.setHeight(wsevents::ListRowHeight(box_, s.height()));
        return s;
    }

  private:
    TListBox* box_;
    TListImpl* impl_;
};
} // namespace

std::unique_ptr<TWSControl> ws::CreateListBox(TListBox* List) {
    auto* w = new QListWidget;
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    w->setUniformItemSizes(true);
    auto impl = std::make_unique<TListImpl>(List, w);
    w->setItemDelegate(new TListDelegate(List, impl.get()));
    QObject::connect(w, &QListWidget::itemSelectionChanged, w, [List, w, state = impl.get()] {
        if (state->programWrites) return;
        std::vector<bool> selected(w->count());
        for (int i = 0; i < w->count(); ++i)
            selected[i] = w->item(i)->isSelected();
        wsevents::ListSelectionChanged(List, selected, w->currentRow());
    });
    return impl;
}

void ws::ListInsertItem(TListBox* List, int Index, const AnsiString& Item) {
    TListImpl* impl = ListImpl(List);
    impl->WriteQuietly(impl->list, [&] { impl->list->insertItem(Index, ToQString(Item)); });
}

void ws::ListDeleteItem(TListBox* List, int Index) {
    TListImpl* impl = ListImpl(List);
    impl->WriteQuietly(impl->list, [&] { delete impl->list->takeItem(Index); });
}

void ws::ListClearItems(TListBox* List) {
    TListImpl* impl = ListImpl(List);
    impl->WriteQuietly(impl->list, [&] { impl->list->clear(); });
}

void ws::ListSetItemText(TListBox* List, int Index, const AnsiString& Item) {
    TListImpl* impl = ListImpl(List);
    impl->WriteQuietly(impl->list, [&] { impl->list->item(Index)->setText(ToQString(Item)); });
}

void ws::ListShowSelection(TListBox* List) {
    TListImpl* impl = ListImpl(List);
    QListWidget* w = impl->list;
    impl->WriteQuietly(impl->list, [&] {
        QSignalBlocker blockModel(w->selectionModel());
        for (int i = 0; i < w->count() && i < List->ItemCount(); ++i)
            w->item(i)->setSelected(List->Selected(i));
        if (List->ItemIndex() >= 0)
            w->selectionModel()->setCurrentIndex(w->model()->index(List->ItemIndex(), 0),
                                                 QItemSelectionModel::NoUpdate);
    });
    w->viewport()->update();
}

void ws::ListSetMultiSelect(TListBox* List, bool MultiSelect) {
    ListImpl(List)->list->setSelectionMode(MultiSelect ? QAbstractItemView::ExtendedSelection
                                                       : QAbstractItemView::SingleSelection);
}

void ws::ListRelayout(TListBox* List) {
    ListImpl(List)->list->doItemsLayout();
}

TCanvas* ws::ListCanvas(TListBox* List) {
    return &ListImpl(List)->canvas;
}
