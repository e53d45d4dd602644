// The handlers behind the manuscript, multi-line, slanted and arc tabs: derived labels,
// corrected texts and linked spin controls; each ends by rebuilding the preview.
#include "FieldLimits.h"
#include "NumberText.h"
#include "SpinCounts.h"
#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"

#include <algorithm>
#include <limits>

namespace {
// The manuscript's character count label from its two cell counts.
void ShowCharacterCount(TForm1* f) {
    const int across = StrToWholeDef(f->Edit4->Text(), 10), down = StrToWholeDef(f->Edit5->Text(), 20);
    f->Label15->SetCaption(IntToStr(static_cast<long long>(across) * down) + "字詰め");
}

// Steps a whole-number edit by one; below 1 it stays at "1", and at the largest whole number
// it stays there instead of wrapping round.
void StepWhole(TEdit* e, int delta) {
    const long long v = static_cast<long long>(StrToWholeDef(e->Text(), 1)) + delta;
    e->SetText(IntToStr(std::min<long long>(v, std::numeric_limits<int>::max())));
    if (v < 1) e->SetText("1");
}

// Steps a decimal edit by 1.0, up to the paper's length at most; a text that is no number, or a
// value of 0 or less after a step down, becomes "1".
void StepDecimal(TForm1* f, TEdit* e, double delta) {
    double v;
    if (!TryStrToFloat(e->Text(), v)) {
        e->SetText("1");
        return;
    }
    if (delta > 0 && v + delta > PaperSideMm(f)) {
        if (v < PaperSideMm(f)) e->SetText(FullText(PaperSideMm(f)));
        return;
    }
    e->SetText(FullText(v + delta));
    if (delta < 0 && v + delta <= 0) e->SetText("1");
}
} // namespace

void TForm1::TabSheet2Show(TObject*) {
    ShowCharacterCount(this);
}

void TForm1::Edit4Change(TObject* Sender) {
    // The cells across and down and the fold row are counts within their arrows' range (the fold
    // may be row 0).
    if (auto* edit = dynamic_cast<TEdit*>(Sender)) {
        const TUpDown* spin = SpinOf(this, edit);
        HoldCountWithinSpin(edit, spin, spin ? spin->Min() : 1);
    }
    // The fold lies within the rows: its arrows reach as far as there are rows, whether the rows
    // were typed, stepped or read at start, so that a fold the file keeps finds its range there.
    if (Sender == Edit5) UpDown5->SetMax(UpDown4->Position());
    ShowCharacterCount(this);
    UpdatePreview();
}

void TForm1::UpDown4Click(TObject*, TUDBtnType) {
    UpDown5->SetMax(UpDown4->Position());
    UpDown5->SetPosition(UpDown4->Position() / 2);
}

void TForm1::CheckBox3Click(TObject*) {
    if (CheckBox3->Checked()) {
        Edit7->SetEnabled(true);
        Edit7->SetColor(clWindow);
        try {
            Edit7->SetFocus();
        } catch (...) {
            // A window that cannot take the focus yet (hidden, starting up) keeps it where it is.
        }
        Edit7->SelectAll();
    } else {
        Edit7->SetEnabled(false);
        Edit7->SetColor(0x808080);
    }
    UpdatePreview();
}

void TForm1::Edit7Change(TObject*) {
    // A cell size finer than 1 mm or larger than the paper is refused like a text that is no number.
    double v;
    if (!TryStrToFloat(Edit7->Text(), v) || !SensiblePitch(this, v)) {
        Edit7->SetText("1");
        Edit7->SelectAll();
    }
    UpdatePreview();
}

void TForm1::Edit28Change(TObject*) {
    UpdatePreview();
}

void TForm1::Button8Click(TObject*) {
    if (FontDialog1->Execute()) UpdatePreview();
}

void TForm1::Edit10Enter(TObject* Sender) {
    RadioButton5->SetChecked(true);
    OnEnter(Sender);
}

void TForm1::Edit20Enter(TObject* Sender) {
    RadioButton6->SetChecked(true);
    OnEnter(Sender);
}

void TForm1::EditLineCount1Change(TObject*) {
    UpdatePreview();
}

void TForm1::EditFiveLineSpaceChange(TObject* Sender) {
    // The pitch and the gap between groups are lengths of 0 or more, no longer than the paper,
    // refused like the other lengths: the field shows what the page is drawn with.
    if (auto* edit = dynamic_cast<TEdit*>(Sender)) {
        double v;
        if (!TryStrToFloat(edit->Text(), v) || v < 0 || !WithinPaper(this, v)) edit->SetText("1.0");
    }
    UpdatePreview();
}

void TForm1::eSlantLengthChange(TObject*) {
    UpdatePreview();
}

void TForm1::CSpinButton5UpClick(TObject*) {
    StepWhole(EditLineCount1, +1);
}
void TForm1::CSpinButton5DownClick(TObject*) {
    StepWhole(EditLineCount1, -1);
}
void TForm1::CSpinButton8UpClick(TObject*) {
    StepWhole(EditFiveLineCount, +1);
}
void TForm1::CSpinButton8DownClick(TObject*) {
    StepWhole(EditFiveLineCount, -1);
}
void TForm1::CSpinButton6UpClick(TObject*) {
    StepDecimal(this, EditFiveLineSpace, +1.0);
}
void TForm1::CSpinButton6DownClick(TObject*) {
    StepDecimal(this, EditFiveLineSpace, -1.0);
}
void TForm1::CSpinButton7UpClick(TObject*) {
    StepDecimal(this, EditFiveLineLSpace, +1.0);
}
void TForm1::CSpinButton7DownClick(TObject*) {
    StepDecimal(this, EditFiveLineLSpace, -1.0);
}

void TForm1::Edit26Change(TObject*) {
    // No divisions, or a whole number of them up to what its arrows offer (a quarter of a degree
    // each): anything else (a negative count included) is refused as "0", selected so that the
    // next key replaces it, more as that many; the write runs this handler again.
    HoldCountWithinSpin(Edit26, UpDown17, 0);
    // "00" is the whole number 0 too: no interior angle, as for "0".
    if (Edit26->Text() != "0" && StrToFloat(Edit26->Text()) != 0)
        Label54->SetCaption(FloatToStrF(360 / StrToFloat(Edit26->Text()), ffFixed, 4, 2) + "°");
    else
        Label54->SetCaption("---°");
    UpdatePreview();
}

void TForm1::ComboBoxCardinalPointChange(TObject*) {
    UpdatePreview();
}
