// Labels (window-less text, transparent by default) and group boxes.
#include "StdCtrls.h"

#include "widgetset/WSStdCtrls.h"

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetImpl(ws::CreateLabel(this));
    SetBounds(0, 0, 0, 13);
}

void TLabel::SetTransparent(bool t) {
    transparent_ = t;
    Invalidate();
}

void TLabel::SetColor(TColor c) {
    TControl::SetColor(c);
}

void wsevents::LabelTextChanged(TLabel* Label) {
    Label->Invalidate();
    if (!Label->AutoSize()) return;
    TRect r = ws::LabelTextBounds(Label);
    Label->SetBounds(Label->Left(), Label->Top(), r.Width(), r.Height());
}

TGroupBox::TGroupBox(TComponent* AOwner) : TWinControl(AOwner) {
    SetImpl(ws::CreateGroupBox(this));
    SetBounds(0, 0, 185, 105);
}
