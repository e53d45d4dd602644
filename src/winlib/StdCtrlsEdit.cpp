// One-line edits: the text is the control's value; OnChange runs whenever it really changes.
#include "StdCtrls.h"

#include "Forms.h"
#include "widgetset/WSStdCtrls.h"

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner) {
    SetImpl(ws::CreateEdit(this));
    SetBounds(0, 0, 121, 21);
    TControl::SetColor(clWindow);
}

void TEdit::SetText(const AnsiString& t) {
    if (t == text_) return;
    text_ = t;
    ws::EditShowText(this, t);
    Fire(OnChange, this);
}

void TEdit::TextEditedByUser(const AnsiString& t) {
    if (t == text_) return;
    text_ = t;
    RunGuarded([&] { Fire(OnChange, this); });
}

void TEdit::UserSetText(const AnsiString& t) {
    ws::EditShowText(this, t);
    TextEditedByUser(t);
}

char TEdit::UserKeyPress(char Key) {
    char k = Key;
    RunGuarded([&] {
        TKeyPressEvent handler = OnKeyPress;
        if (handler) handler(this, k);
    });
    // Return and Escape belong to the form (default and cancel buttons); they type nothing.
    if (k != 0 && k != 13 && k != 27) ws::EditTypeKey(this, k);
    return k;
}

void TEdit::SelectAll() {
    ws::EditSelectAll(this);
}

void TEdit::SetSelStart(int Pos) {
    ws::EditSetCaret(this, Pos);
}

void TEdit::SetReadOnly(bool r) {
    readOnly_ = r;
    ws::EditSetReadOnly(this, r);
}

void TEdit::SetMaxLength(int m) {
    maxLength_ = m;
    ws::EditSetMaxLength(this, m);
}

void TEdit::SetColor(TColor c) {
    TControl::SetColor(c);
}

void wsevents::EditTextEdited(TEdit* Edit, const AnsiString& Text) {
    Edit->TextEditedByUser(Text);
}
