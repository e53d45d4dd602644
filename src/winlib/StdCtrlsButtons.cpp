// Push buttons, check boxes and radio buttons.
#include "StdCtrls.h"

#include "Forms.h"
#include "widgetset/WSStdCtrls.h"

namespace {
TForm* ParentForm(TControl* c) {
    for (; c; c = c->Parent())
        if (auto* f = dynamic_cast<TForm*>(c)) return f;
    return nullptr;
}
} // namespace

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) {
    SetImpl(ws::CreateButton(this));
    SetBounds(0, 0, 75, 25);
}

void TButton::SetDefault(bool d) {
    default_ = d;
    // Drawn as the default button; the form, not the window, acts on Return.
    ws::ButtonShowDefault(this, d);
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
    SetImpl(ws::CreateCheckBox(this));
    SetBounds(0, 0, 97, 17);
}

void TCheckBox::SetChecked(bool c) {
    if (c == checked_) return;
    checked_ = c;
    ws::ButtonShowChecked(this, c);
    Fire(OnClick, this);
}

void TCheckBox::Click() {
    RunGuarded([&] { SetChecked(!checked_); });
}

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {
    SetImpl(ws::CreateRadioButton(this));
    SetBounds(0, 0, 113, 17);
}

void TRadioButton::SetChecked(bool c) {
    if (c == checked_) return;
    checked_ = c;
    ws::ButtonShowChecked(this, c);
    if (!c) return;
    // The radio buttons of one parent form a group: one checked at most.
    if (TWinControl* p = Parent())
        for (int i = 0; i < p->ControlCount(); ++i) {
            auto* other = dynamic_cast<TRadioButton*>(p->Controls(i));
            if (other && other != this && other->checked_) {
                other->checked_ = false;
                ws::ButtonShowChecked(other, false);
            }
        }
    Fire(OnClick, this);
}

void TRadioButton::Click() {
    RunGuarded([&] { SetChecked(true); });
}

void wsevents::ButtonClicked(TButton* Button) {
    Button->Click();
}

void wsevents::CheckBoxClicked(TCheckBox* CheckBox, bool Checked) {
    RunGuarded([&] { CheckBox->SetChecked(Checked); });
}

void wsevents::RadioButtonClicked(TRadioButton* RadioButton) {
    // A click on a checked button leaves it checked.
    ws::ButtonShowChecked(RadioButton, RadioButton->Checked());
    RadioButton->Click();
}
