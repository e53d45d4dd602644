// Multi-line edits: the lines are the value; OnChange runs whenever the text really changes.
#include "StdCtrls.h"

#include "Forms.h"
#include "widgetset/WSStdCtrls.h"

namespace {
// The window shows the lines without the end of the last one.
void ShowLines(TMemo* m) {
    AnsiString shown = m->Lines()->Text();
    if (!shown.empty() && shown.back() == '\n') shown.pop_back();
    ws::MemoShowText(m, shown);
}
} // namespace

TMemo::TMemo(TComponent* AOwner) : TWinControl(AOwner) {
    SetImpl(ws::CreateMemo(this));
    SetBounds(0, 0, 185, 89);
}

AnsiString TMemo::Text() const {
    return lines_.Text();
}

void TMemo::SetText(const AnsiString& t) {
    AnsiString before = lines_.Text();
    lines_.SetText(t);
    ShowLines(this);
    if (lines_.Text() != before) Fire(OnChange, this);
}

void TMemo::LinesChanged() {
    ShowLines(this);
}

void wsevents::MemoTextEdited(TMemo* Memo, const AnsiString& Text) {
    AnsiString before = Memo->Text();
    Memo->Lines()->SetText(Text);
    if (Memo->Text() != before) RunGuarded([&] { Fire(Memo->OnChange, Memo); });
}
