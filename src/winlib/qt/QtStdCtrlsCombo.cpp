// Combo boxes on a QComboBox.
#include "winlib/StdCtrls.h"
#include "winlib/widgetset/WSStdCtrls.h"

#include "ControlImpl.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

namespace {
class TComboImpl : public TControlImpl {
  public:
    TComboImpl(TComboBox* c, QComboBox* w) : TControlImpl(c, w), combo(c), box(w) {
        QObject::connect(w, &QComboBox::activated, w, [c](int i) { wsevents::ComboItemChosen(c, i); });
    }
    TComboBox* combo;
    QComboBox* box;

    // The edit part reports what the user types; it neither completes nor adds items.
    void ConnectTyping() {
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
        QObject::connect(box->lineEdit(), &QLineEdit::textEdited, box, [this](const QString& s) {
            if (!programWrites) wsevents::ComboTextTyped(combo, FromQString(s));
        });
    }
};

TComboImpl* ComboImpl(const TComboBox* c) {
    return static_cast<TComboImpl*>(c->Impl());
}
} // namespace

std::unique_ptr<TWSControl> ws::CreateComboBox(TComboBox* Combo) {
    auto* w = new QComboBox;
    w->setEditable(true);
    auto impl = std::make_unique<TComboImpl>(Combo, w);
    impl->ConnectTyping();
    return impl;
}

void ws::ComboAddItem(TComboBox* Combo, const AnsiString& Item) {
    TComboImpl* impl = ComboImpl(Combo);
    impl->WriteQuietly(impl->box, [&] { impl->box->addItem(ToQString(Item)); });
}

void ws::ComboShowItems(TComboBox* Combo) {
    TComboImpl* impl = ComboImpl(Combo);
    impl->WriteQuietly(impl->box, [&] {
        impl->box->clear();
        for (int i = 0; i < Combo->ItemCount(); ++i)
            impl->box->addItem(ToQString(Combo->Item(i)));
    });
}

void ws::ComboShowSelection(TComboBox* Combo) {
    TComboImpl* impl = ComboImpl(Combo);
    impl->WriteQuietly(impl->box, [&] {
        QComboBox* w = impl->box;
        w->setMaxVisibleItems(std::max(1, Combo->DropDownCount()));
        // Also undoes the selection of the first item, which Qt makes when one is added.
        w->setCurrentIndex(Combo->ItemIndex());
        if (w->isEditable()) w->setEditText(ToQString(Combo->Text()));
    });
}

void ws::ComboSetEditable(TComboBox* Combo, bool Editable) {
    TComboImpl* impl = ComboImpl(Combo);
    if (impl->box->isEditable() == Editable) return;
    impl->WriteQuietly(impl->box, [&] { impl->box->setEditable(Editable); });
    if (Editable) impl->ConnectTyping();
}
