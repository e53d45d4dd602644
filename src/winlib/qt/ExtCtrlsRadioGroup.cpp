// Radio groups: a framed set of choices; a user's change of choice runs OnClick.
#include "winlib/ExtCtrls.h"

#include "ControlImpl.h"
#include "winlib/Forms.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGroupBox>
#include <QRadioButton>

namespace {
class TRadioGroupImpl : public TControlImpl {
  public:
    TRadioGroupImpl(TRadioGroup* g, QGroupBox* box) : TControlImpl(g, box), group(g), box(box) {
        buttons = new QButtonGroup(box);
    }
    TRadioGroup* group;
    QGroupBox* box;
    QButtonGroup* buttons;

    void ApplyCaption(const AnsiString& c) override { box->setTitle(ToQString(c)); }
    void ApplyBounds(int l, int t, int w, int h) override {
        TControlImpl::ApplyBounds(l, t, w, h);
        Layout();
    }

    // Items in columns, top to bottom, sharing the space below the caption.
    void Layout() {
        int n = static_cast<int>(buttons->buttons().size());
        if (n == 0) return;
        int cols = std::max(1, group->Columns());
        int rows = (n + cols - 1) / cols;
        QSize s = ClientSize();
        int top = QFontMetrics(box->font()).height() + 2;
        int colWidth = std::max(0, (s.width() - 16) / cols);
        int rowHeight = std::max(1, (s.height() - top - 4) / rows);
        for (int i = 0; i < n; ++i) {
            QAbstractButton* b = buttons->button(i);
            b->setGeometry(8 + (i / rows) * colWidth, top + (i % rows) * rowHeight, colWidth, rowHeight);
        }
    }

    void ShowIndex() {
        ++programWrites;
        {
            QSignalBlocker block(buttons);
            // An exclusive group cannot show "none chosen"; it is exclusive only while one is.
            buttons->setExclusive(false);
            for (QAbstractButton* b : buttons->buttons())
                b->setChecked(buttons->id(b) == group->ItemIndex());
            buttons->setExclusive(true);
        }
        --programWrites;
    }
};

TRadioGroupImpl* GroupImpl(const TRadioGroup* g) {
    return static_cast<TRadioGroupImpl*>(g->Impl());
}
} // namespace

TRadioGroup::TRadioGroup(TComponent* AOwner) : TWinControl(AOwner) {
    auto* box = new QGroupBox;
    auto impl = std::make_unique<TRadioGroupImpl>(this, box);
    QButtonGroup* buttons = impl->buttons;
    SetImpl(std::move(impl));
    SetBounds(0, 0, 185, 105);
    QObject::connect(buttons, &QButtonGroup::idClicked, box, [this](int id) {
        if (!Impl()->programWrites) UserSelect(id);
    });
}

void TRadioGroup::SetItems(const std::vector<AnsiString>& items) {
    items_ = items;
    TRadioGroupImpl* impl = GroupImpl(this);
    for (QAbstractButton* b : impl->buttons->buttons())
        delete b;
    for (int i = 0; i < ItemCount(); ++i) {
        auto* b = new QRadioButton(ToQString(items_[i]), impl->box);
        impl->buttons->addButton(b, i);
        b->show();
    }
    if (itemIndex_ >= ItemCount()) itemIndex_ = -1;
    impl->Layout();
    impl->ShowIndex();
}

void TRadioGroup::SetItemIndex(int i) {
    itemIndex_ = i >= 0 && i < ItemCount() ? i : -1;
    GroupImpl(this)->ShowIndex();
}

void TRadioGroup::SetColumns(int c) {
    columns_ = std::max(1, c);
    GroupImpl(this)->Layout();
}

void TRadioGroup::UserSelect(int i) {
    if (i < 0 || i >= ItemCount()) return;
    bool changed = i != itemIndex_;
    itemIndex_ = i;
    GroupImpl(this)->ShowIndex();
    if (changed) RunGuarded([&] { Fire(OnClick, this); });
}
