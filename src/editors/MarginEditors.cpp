// The four margin boxes: parsing, coupling, the margin fields, the printable size, and the
// spin buttons that step a margin by one millimetre.
#include "GraphLimits.h"
#include "NumberText.h"
#include "shell/PaperSize.h"
#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
bool Vertical(TForm1* f, TEdit* box) {
    return box == f->eSpaceT || box == f->eSpaceB;
}

double MinimumFor(TForm1* f, TEdit* box) {
    return Vertical(f, box) ? f->PhysOffsetY / f->PxPerMmY : f->PhysOffsetX / f->PxPerMmX;
}

// The box of one of the four margins, or null for any other sender.
TEdit* MarginBox(TForm1* f, TObject* Sender) {
    for (TEdit* b : {f->eSpaceT, f->eSpaceL, f->eSpaceR, f->eSpaceB})
        if (Sender == b) return b;
    return nullptr;
}

// The boxes that take a margin typed into Box, in the order they are written: all three others
// with "全て同一", else the opposite box of the same direction with "↑↓共通" or "←→共通".
std::vector<TEdit*> CoupledWith(TForm1* f, TEdit* box) {
    TEdit *t = f->eSpaceT, *l = f->eSpaceL, *r = f->eSpaceR, *b = f->eSpaceB;
    if (f->CheckBox1->Checked()) {
        if (box == t) return {l, r, b};
        if (box == l) return {t, r, b};
        if (box == r) return {l, t, b};
        return {l, r, t};
    }
    if (f->CheckBox9->Checked() && (box == t || box == b)) return {box == t ? b : t};
    if (f->CheckBox10->Checked() && (box == l || box == r)) return {box == l ? r : l};
    return {};
}

// How wide a margin typed into Box may be, either sign: no wider than the sheet in the direction
// of any box that takes it, so that a value one direction refuses is refused for all of them.
double MarginLimit(TForm1* f, TEdit* box) {
    double limit = Vertical(f, box) ? PaperHeightMm(f) : PaperWidthMm(f);
    for (TEdit* other : CoupledWith(f, box))
        limit = std::min(limit, Vertical(f, other) ? PaperHeightMm(f) : PaperWidthMm(f));
    return limit;
}

bool SensibleMargin(TForm1* f, TEdit* box) {
    double v;
    return TryStrToFloat(box->Text(), v) && std::fabs(v) <= MarginLimit(f, box);
}

// The form whose margin handler is running: the boxes it writes run the handler again, and
// that nested run has nothing to add, since the running one reads all four boxes afterwards.
TForm1* marginHandlerOf = nullptr;

class MarginHandlerRun {
  public:
    explicit MarginHandlerRun(TForm1* f) : previous_(marginHandlerOf) { marginHandlerOf = f; }
    ~MarginHandlerRun() { marginHandlerOf = previous_; }
    MarginHandlerRun(const MarginHandlerRun&) = delete;
    MarginHandlerRun& operator=(const MarginHandlerRun&) = delete;

  private:
    TForm1* previous_;
};
} // namespace

void TForm1::eSpaceTChange(TObject* Sender) {
    if (marginHandlerOf == this) return; // a write of the running handler
    const MarginHandlerRun run(this);
    if (TEdit* sender = MarginBox(this, Sender)) {
        // A text that is no number, or a margin wider than the sheet in the direction of any box
        // that takes it, gives way to the minimum; the boxes coupled to it take the same text.
        if (!SensibleMargin(this, sender)) sender->SetText(TwoDigitText(MinimumFor(this, sender)));
        const AnsiString t = sender->Text();
        for (TEdit* other : CoupledWith(this, sender))
            other->SetText(t);
    }
    MarginTop = TwoDigitValue(StrToFloat(eSpaceT->Text()));
    MarginLeft = TwoDigitValue(StrToFloat(eSpaceL->Text()));
    MarginRight = TwoDigitValue(StrToFloat(eSpaceR->Text()));
    MarginBottom = TwoDigitValue(StrToFloat(eSpaceB->Text()));
    ComputeDrawableSize();
    FillLimitLabels();
    FitGraphCounts(this);
    UpdatePreview();
}

namespace {
TEdit* BoxOfSpinButton(TForm1* f, TObject* Sender) {
    auto* c = dynamic_cast<TComponent*>(Sender);
    if (!c) return nullptr;
    const AnsiString& n = c->Name();
    if (n == "CSpinButton1") return f->eSpaceT;
    if (n == "CSpinButton2") return f->eSpaceL;
    if (n == "CSpinButton3") return f->eSpaceR;
    if (n == "CSpinButton4") return f->eSpaceB;
    return nullptr;
}
} // namespace

void TForm1::CSpinButton1UpClick(TObject* Sender) {
    TEdit* box = BoxOfSpinButton(this, Sender);
    if (!box) return;
    // At the sheet's edge (in every coupled direction) the margin stops there.
    const double limit = MarginLimit(this, box), v = StrToFloat(box->Text());
    if (v < limit) box->SetText(FullText(std::min(v + 1.0, limit)));
}

void TForm1::CSpinButton1DownClick(TObject* Sender) {
    TEdit* box = BoxOfSpinButton(this, Sender);
    if (!box) return;
    box->SetText(FullText(StrToFloat(box->Text()) - 1.0));
    const double minimum = MinimumFor(this, box);
    if (TwoDigitValue(minimum) > StrToFloat(box->Text())) box->SetText(TwoDigitText(minimum));
}
