// The log tab's editors: the smallest intervals and the group counts go into the main window's
// fields, which the log paper renderers read. The texts are left as typed.
#include "shell/PaperSize.h"
#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"

namespace {
// A smallest interval: a decimal number no longer than the paper, else 1 mm.
double IntervalOr(TForm1* f, const AnsiString& text, double fallback) {
    double v;
    return TryStrToFloat(text, v) && WithinPaper(f, v) ? v : fallback;
}

// An empty count is one group; any other text that is not a whole number is ten.
int GroupCount(const AnsiString& text) {
    return text.empty() ? 1 : StrToWholeDef(text, 10);
}
} // namespace

void TForm1::Edit8Change(TObject* Sender) {
    LogMinX = IntervalOr(this, Edit8->Text(), 1.0);
    LogMinY = IntervalOr(this, Edit9->Text(), 1.0);
    LogGroupsX = GroupCount(Edit12->Text());
    LogGroupsY = GroupCount(Edit11->Text());
    // This is also the enter handler of four edits, so it frames its sender as entering does;
    // only a sender holding the focus, since only its exit takes the frame away again (the log
    // page itself and values put in from elsewhere get none).
    auto* field = dynamic_cast<TWinControl*>(Sender);
    if (field && field->Focused()) OnEnter(Sender);
    UpdatePreview();
}
