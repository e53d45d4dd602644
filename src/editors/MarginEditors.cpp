// The four margin boxes: parsing, coupling, the margin fields, the printable size, and the
// spin buttons that step a margin by one millimetre.
#include "GraphLimits.h"
#include "NumberText.h"
#include "shell/PaperSize.h"
#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"

#include <cmath>

namespace {
bool Vertical(TForm1* f, TEdit* box) {
    return box == f->eSpaceT || box == f->eSpaceB;
}

double MinimumFor(TForm1* f, TEdit* box) {
    return Vertical(f, box) ? f->PhysOffsetY / f->PxPerMmY : f->PhysOffsetX / f->PxPerMmX;
}

// A margin is a decimal number no wider than the sheet in its direction (either sign, as typed).
bool SensibleMargin(TForm1* f, TEdit* box) {
    double v;
    return TryStrToFloat(box->Text(), v) &&
           std::fabs(v) <= (Vertical(f, box) ? PaperHeightMm(f) : PaperWidthMm(f));
}
} // namespace

void TForm1::eSpaceTChange(TObject* Sender) {
    TEdit* boxes[] = {eSpaceT, eSpaceL, eSpaceR, eSpaceB};
    TEdit* sender = nullptr;
    for (TEdit* b : boxes)
        if (Sender == b) sender = b;
    if (sender) {
        // A text that is no number, or a margin wider than the sheet, gives way to the minimum.
        if (!SensibleMargin(this, sender)) sender->SetText(TwoDigitText(MinimumFor(this, sender)));
        if (CheckBox1->Checked()) {
            const AnsiString t = sender->Text();
            if (sender == eSpaceT) {
                eSpaceL->SetText(t), eSpaceR->SetText(t), eSpaceB->SetText(t);
            } else if (sender == eSpaceL) {
                eSpaceT->SetText(t), eSpaceR->SetText(t), eSpaceB->SetText(t);
            } else if (sender == eSpaceR) {
                eSpaceL->SetText(t), eSpaceT->SetText(t), eSpaceB->SetText(t);
            } else {
                eSpaceL->SetText(t), eSpaceR->SetText(t), eSpaceT->SetText(t);
            }
        } else {
            if (CheckBox9->Checked()) {
                if (sender == eSpaceT) eSpaceB->SetText(eSpaceT->Text());
                if (sender == eSpaceB) eSpaceT->SetText(eSpaceB->Text());
            }
            if (CheckBox10->Checked()) {
                if (sender == eSpaceL) eSpaceR->SetText(eSpaceL->Text());
                if (sender == eSpaceR) eSpaceL->SetText(eSpaceR->Text());
            }
        }
    }
    MarginTop = TwoDigitValue(StrToFloat(eSpaceT->Text()));
    MarginLeft = TwoDigitValue(StrToFloat(eSpaceL->Text()));
    MarginRight = TwoDigitValue(StrToFloat(eSpaceR->Text()));
    MarginBottom = TwoDigitValue(StrToFloat(eSpaceB->Text()));
    ComputeDrawableSize();
    FillLimitLabels();
    // Lower the cell counts to what fits, never below one cell; a cell size of 0 has no count,
    // so that direction waits.
    struct Axis {
        TEdit *count, *size;
        int drawable;
        double pxPerMm;
    };
    for (const Axis& a :
         {Axis{eDotX, eMmX, DrawableWidth, PxPerMmX}, Axis{eDotY, eMmY, DrawableHeight, PxPerMmY}}) {
        if (const auto fit = CellsThatFit(a.drawable, a.pxPerMm, StrToFloat(a.size->Text()))) {
            const int n = StrToWhole(a.count->Text());
            if (*fit < n) a.count->SetText(IntToStr(CountWithin(n, *fit)));
        }
    }
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
    if (TEdit* box = BoxOfSpinButton(this, Sender)) box->SetText(FullText(StrToFloat(box->Text()) + 1.0));
}

void TForm1::CSpinButton1DownClick(TObject* Sender) {
    TEdit* box = BoxOfSpinButton(this, Sender);
    if (!box) return;
    box->SetText(FullText(StrToFloat(box->Text()) - 1.0));
    const double minimum = MinimumFor(this, box);
    if (TwoDigitValue(minimum) > StrToFloat(box->Text())) box->SetText(TwoDigitText(minimum));
}
