// Small helpers for building a window's controls in code.
#pragma once

#include "render/RenderConventions.h"
#include "winlib/ComCtrls.h"
#include "winlib/ExtCtrls.h"
#include "winlib/StdCtrls.h"

#include <iterator>

// Creates a control owned by Owner, placed on Parent at the given bounds.
template <class T>
T* MakeControl(TComponent* Owner, TWinControl* Parent, const char* Name, int Left, int Top, int Width,
               int Height) {
    T* c = new T(Owner);
    c->SetName(Name);
    c->SetParent(Parent);
    c->SetBounds(Left, Top, Width, Height);
    return c;
}

inline TLabel* MakeLabel(TComponent* Owner, TWinControl* Parent, const char* Name, const AnsiString& Caption,
                         int Left, int Top, int Width = 80) {
    auto* l = MakeControl<TLabel>(Owner, Parent, Name, Left, Top, Width, 16);
    l->SetCaption(Caption);
    return l;
}

// An edit whose Tag says what it holds (see FieldTag in editors/FieldLimits.h): the slide input
// offers whole numbers for 0, decimal numbers for any other.
inline TEdit* MakeEdit(TComponent* Owner, TWinControl* Parent, const char* Name, const AnsiString& Text,
                       int Left, int Top, int Width, int Tag, const AnsiString& Hint = "") {
    auto* e = MakeControl<TEdit>(Owner, Parent, Name, Left, Top, Width, 21);
    e->SetText(Text);
    e->SetTag(Tag);
    if (!Hint.empty()) {
        e->SetHint(Hint);
        e->SetShowHint(true);
    }
    return e;
}

inline TUpDown* MakeUpDown(TComponent* Owner, TEdit* Buddy, const char* Name, int Min, int Max,
                           int Position) {
    auto* u = new TUpDown(Owner);
    u->SetName(Name);
    u->SetParent(Buddy->Parent());
    u->SetMin(Min);
    u->SetMax(Max);
    u->SetAssociate(Buddy);
    u->SetPosition(Position);
    return u;
}

inline TCheckBox* MakeCheckBox(TComponent* Owner, TWinControl* Parent, const char* Name,
                               const AnsiString& Caption, int Left, int Top, int Width = 120) {
    auto* c = MakeControl<TCheckBox>(Owner, Parent, Name, Left, Top, Width, 18);
    c->SetCaption(Caption);
    return c;
}

inline TRadioButton* MakeRadio(TComponent* Owner, TWinControl* Parent, const char* Name,
                               const AnsiString& Caption, int Left, int Top, int Width = 70) {
    auto* r = MakeControl<TRadioButton>(Owner, Parent, Name, Left, Top, Width, 18);
    r->SetCaption(Caption);
    return r;
}

inline TButton* MakeButton(TComponent* Owner, TWinControl* Parent, const char* Name,
                           const AnsiString& Caption, int Left, int Top, int Width = 40, int Height = 22) {
    auto* b = MakeControl<TButton>(Owner, Parent, Name, Left, Top, Width, Height);
    b->SetCaption(Caption);
    return b;
}

inline TComboBox* MakePenStyleCombo(TComponent* Owner, TWinControl* Parent, const char* Name, int Left,
                                    int Top, int Width = 90) {
    auto* c = MakeControl<TComboBox>(Owner, Parent, Name, Left, Top, Width, 21);
    c->SetStyle(csDropDownList);
    c->SetItems(std::vector<AnsiString>(std::begin(LineTypeItems), std::end(LineTypeItems)));
    c->SetItemIndex(0);
    return c;
}

inline TTabSheet* MakeTabSheet(TComponent* Owner, TPageControl* Control, const char* Name,
                               const AnsiString& Caption) {
    auto* s = new TTabSheet(Owner);
    s->SetName(Name);
    s->SetPageControl(Control);
    s->SetCaption(Caption);
    return s;
}
