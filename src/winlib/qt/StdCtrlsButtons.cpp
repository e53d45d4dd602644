// Push buttons, check boxes and radio buttons.
#include "winlib/StdCtrls.h"

#include "ControlImpl.h"
#include "winlib/Forms.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace {
class TButtonImpl : public TControlImpl {
  public:
    TButtonImpl(TControl* c, QAbstractButton* b) : TControlImpl(c, b), button(b) {}
    QAbstractButton* button;
    void ApplyCaption(const AnsiString& c) override { button->setText(ToQString(c)); }
};

QAbstractButton* ButtonOf(const TControl* c) {
    return static_cast<TButtonImpl*>(c->Impl())->button;
}

// Shows a check state without letting the widget report it back.
void ShowChecked(const TControl* c, bool checked) {
    TControlImpl* impl = c->Impl();
    ++impl->programWrites;
    {
        QSignalBlocker block(ButtonOf(c));
        ButtonOf(c)->setChecked(checked);
    }
    --impl->programWrites;
}

TForm* ParentForm(TControl* c) {
    for (; c; c = c->Parent())
        if (auto* f = dynamic_cast<TForm*>(c)) return f;
    return nullptr;
}
} // namespace

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) {
    auto* b = new QPushButton;
    b->setAutoDefault(false);
    SetImpl(std::make_unique<TButtonImpl>(this, b));
    SetBounds(0, 0, 75, 25);
    QObject::connect(b, &QPushButton::clicked, b, [this] { Click(); });
}

void TButton::SetDefault(bool d) {
    default_ = d;
    // Drawn as the default button; the form, not the widget, acts on Return.
    if (auto* b = qobject_cast<QPushButton*>(ButtonOf(this))) b->setDefault(d);
}

void TButton::Click() {
    RunGuarded([&] {
        // The result is set first, so a handler can still take it back.
        if (modalResult_ != 0)
            if (TForm* f = ParentForm(this)) f->SetModalResult(modalResult_);
        Fire(OnClick, this);
    });
}

TCheckBox::TCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
    auto* b = new QCheckBox;
    SetImpl(std::make_unique<TButtonImpl>(this, b));
    SetBounds(0, 0, 97, 17);
    QObject::connect(b, &QCheckBox::clicked, b, [this](bool on) {
        if (Impl()->programWrites) return;
        RunGuarded([&] { SetChecked(on); });
    });
}

void TCheckBox::SetChecked(bool c) {
    if (c == checked_) return;
    checked_ = c;
    ShowChecked(this, c);
    Fire(OnClick, this);
}

void TCheckBox::Click() {
    RunGuarded([&] { SetChecked(!checked_); });
}

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {
    auto* b = new QRadioButton;
    // Grouping by parent is done here: Qt's exclusive groups cannot show "none checked".
    b->setAutoExclusive(false);
    SetImpl(std::make_unique<TButtonImpl>(this, b));
    SetBounds(0, 0, 113, 17);
    QObject::connect(b, &QRadioButton::clicked, b, [this] {
        if (Impl()->programWrites) return;
        ShowChecked(this, checked_); // a click on a checked button must not uncheck it
        Click();
    });
}

void TRadioButton::SetChecked(bool c) {
    if (c == checked_) return;
    checked_ = c;
    ShowChecked(this, c);
    if (!c) return;
    if (TWinControl* p = Parent())
        for (int i = 0; i < p->ControlCount(); ++i) {
            auto* other = dynamic_cast<TRadioButton*>(p->Controls(i));
            if (other && other != this && other->checked_) {
                other->checked_ = false;
                ShowChecked(other, false);
            }
        }
    Fire(OnClick, this);
}

void TRadioButton::Click() {
    RunGuarded([&] { SetChecked(true); });
}
