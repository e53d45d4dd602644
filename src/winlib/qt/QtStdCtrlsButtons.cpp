// Push buttons, check boxes and radio buttons on Qt's buttons.
#include "winlib/StdCtrls.h"
#include "winlib/widgetset/WSStdCtrls.h"

#include "ControlImpl.h"

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
} // namespace

std::unique_ptr<TWSControl> ws::CreateButton(TButton* Button) {
    auto* b = new QPushButton;
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, b, [Button] { wsevents::ButtonClicked(Button); });
    return std::make_unique<TButtonImpl>(Button, b);
}

std::unique_ptr<TWSControl> ws::CreateCheckBox(TCheckBox* CheckBox) {
    auto* b = new QCheckBox;
    auto impl = std::make_unique<TButtonImpl>(CheckBox, b);
    QObject::connect(b, &QCheckBox::clicked, b, [CheckBox, state = impl.get()](bool on) {
        if (!state->programWrites) wsevents::CheckBoxClicked(CheckBox, on);
    });
    return impl;
}

std::unique_ptr<TWSControl> ws::CreateRadioButton(TRadioButton* RadioButton) {
    auto* b = new QRadioButton;
    // The control groups its buttons by parent: Qt's exclusive groups cannot show "none checked".
    b->setAutoExclusive(false);
    auto impl = std::make_unique<TButtonImpl>(RadioButton, b);
    QObject::connect(b, &QRadioButton::clicked, b, [RadioButton, state = impl.get()] {
        if (!state->programWrites) wsevents::RadioButtonClicked(RadioButton);
    });
    return impl;
}

void ws::ButtonShowDefault(TButton* Button, bool Default) {
    if (auto* b = qobject_cast<QPushButton*>(ButtonOf(Button))) b->setDefault(Default);
}

void ws::ButtonShowChecked(TButtonControl* Button, bool Checked) {
    Button->Impl()->WriteQuietly(ButtonOf(Button), [&] { ButtonOf(Button)->setChecked(Checked); });
}
