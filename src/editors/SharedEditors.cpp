// The editing discipline shared by many controls: keep the changed text a readable number in a
// sensible range, then rebuild the preview; and the Enter/Space keys of the graph-paper and
// margin edits.
#include "FieldLimits.h"
#include "SpinCounts.h"
#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"

#include <algorithm>

namespace {
// Whether a decimal edit's text is what its kind holds: a length a decimal number no longer than
// the paper, either sign; a size such a length of 0 or more; a pitch a length of 0 or at least
// 1 mm. A text item's position is checked against its item by the text-item window before it
// gets here.
bool Acceptable(TForm1* f, TEdit* e) {
    const int tag = e->Tag();
    if (tag == PositionTag) return true;
    double v;
    if (!TryStrToFloat(e->Text(), v)) return false;
    if (tag == PitchTag) return SensiblePitch(f, v);
    return WithinPaper(f, v) && !(tag == SizeTag && v < 0);
}
} // namespace

void TForm1::OnChenge(TObject* Sender) {
    // A count is a whole number of at least 1 (and no more than its arrows offer, when it has
    // them), else "1", selected so that the next key replaces it, or that maximum; a length takes
    // "1.0" in place of a text it cannot use, so that no renderer meets a value it would refuse.
    if (auto* edit = dynamic_cast<TEdit*>(Sender)) {
        if (edit->Tag() == WholeNumberTag)
            HoldCountWithinSpin(edit, SpinOf(this, edit), 1);
        else if (!Acceptable(this, edit))
            edit->SetText("1.0");
    }
    UpdatePreview();
}

namespace {
// The emphasis intervals: every N-th line.
bool IsEmphasisInterval(TForm1* f, TObject* Sender) {
    return Sender == f->Edit1 || Sender == f->Edit27 || Sender == f->Edit3;
}
} // namespace

void TForm1::Edit1Change(TObject* Sender) {
    // An interval is a count within its arrows' range (from every second line on graph paper,
    // every group on multi-line paper), refused as a count is; the picture path and the mark
    // text that share this handler are free text.
    if (IsEmphasisInterval(this, Sender)) {
        auto* edit = static_cast<TEdit*>(Sender);
        const TUpDown* spin = SpinOf(this, edit);
        HoldCountWithinSpin(edit, spin, spin ? std::max(spin->Min(), 1) : 1);
    }
    UpdatePreview();
}

namespace {
// Enter moves the focus on (when there is somewhere to go), Space selects the text; both consumed.
void EnterMovesSpaceSelects(char& Key, TEdit* self, TWinControl* next) {
    if (Key == 13) {
        if (next) next->SetFocus();
        Key = 0;
    } else if (Key == 32) {
        self->SelectAll();
        Key = 0;
    }
}
} // namespace

void TForm1::eDotXKeyPress(TObject*, char& Key) {
    EnterMovesSpaceSelects(Key, eDotX, eDotY);
}
void TForm1::eDotYKeyPress(TObject*, char& Key) {
    EnterMovesSpaceSelects(Key, eDotY, eMmX);
}
void TForm1::eMmXKeyPress(TObject*, char& Key) {
    EnterMovesSpaceSelects(Key, eMmX, eMmY);
}
void TForm1::eMmYKeyPress(TObject*, char& Key) {
    EnterMovesSpaceSelects(Key, eMmY, GraphPenStyle);
}
void TForm1::eSpaceTKeyPress(TObject*, char& Key) {
    EnterMovesSpaceSelects(Key, eSpaceT, eSpaceL);
}
void TForm1::eSpaceLKeyPress(TObject*, char& Key) {
    EnterMovesSpaceSelects(Key, eSpaceL, eSpaceR);
}
void TForm1::eSpaceRKeyPress(TObject*, char& Key) {
    EnterMovesSpaceSelects(Key, eSpaceR, eSpaceB);
}
void TForm1::eSpaceBKeyPress(TObject*, char& Key) {
    EnterMovesSpaceSelects(Key, eSpaceB, nullptr);
}
