// The Qt side of radio groups: a group box with a radio button per item, in columns.
#include "winlib/widgetset/WSExtCtrls.h"

#include "ControlImpl.h"

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
};

TRadioGroupImpl* GroupImpl(const TRadioGroup* g) {
    return static_cast<TRadioGroupImpl*>(g->Impl());
}
} // namespace

namespace ws {
std::unique_ptr<TWSControl> CreateRadioGroup(TRadioGroup* Group) {
    auto* box = new QGroupBox;
    auto impl = std::make_unique<TRadioGroupImpl>(Group, box);
    TRadioGroupImpl* writes = impl.get();
    QObject::connect(impl->buttons, &QButtonGroup::idClicked, box, [Group, writes](int id) {
        if (!writes->programWrites) wsevents::RadioGroupClicked(Group, id);
    });
    return impl;
}

void RadioGroupItemsChanged(TRadioGroup* Group) {
    TRadioGroupImpl* impl = GroupImpl(Group);
    for (QAbstractButton* b : impl->buttons->buttons())
        delete b;
    for (int i = 0; i < Group->ItemCount(); ++i) {
        auto* b = new QRadioButton(ToQString(Group->Item(i)), impl->box);
        impl->buttons->addButton(b, i);
        b->show();
    }
    impl->Layout();
}

void RadioGroupShowIndex(TRadioGroup* Group) {
    TRadioGroupImpl* impl = GroupImpl(Group);
    impl->WriteQuietly(impl->buttons, [&] {
        // An exclusive group cannot show "none chosen"; it is exclusive only while one is.
        impl->buttons->setExclusive(false);
        for (QAbstractButton* b : impl->buttons->buttons())
            b->setChecked(impl->buttons->id(b) == Group->ItemIndex());
        impl->buttons->setExclusive(true);
    });
}

void RadioGroupColumnsChanged(TRadioGroup* Group) {
    GroupImpl(Group)->Layout();
}
} // namespace ws
