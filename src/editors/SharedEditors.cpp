// The editing discipline shared by many controls: keep the changed text a readable number in a
// sensible range, then rebuild the preview; and the Enter/Space keys of the graph-paper and
// margin edits.
#include "FieldLimits.h"
#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"

namespace {
// Whether the edit's text is what its kind holds: a count a whole number of at least 1; a length
// a decimal number no longer than the paper, either sign; a size such a length of 0 or more; a
// pitch a length of 0 or at least 1 mm. A text
// item's position is checked against its item by the text-item window before it gets here.
bool Acceptable(TForm1* f, TEdit* e) {
    const int tag = e->Tag();
    if (tag == PositionTag) return true;
    if (tag == WholeNumberTag) {
        int n;
        return TryStrToWhole(e->Text(), n) && n >= 1;
    }
    double v;
    if (!TryStrToFloat(e->Text(), v)) return false;
    if (tag == PitchTag) return SensiblePitch(f, v);
    return WithinPaper(f, v) && !(tag == SizeTag && v < 0);
}
} // namespace

void TForm1::OnChenge(TObject* Sender) {
    // A count takes "1", selected so that the next key replaces it, and a length "1.0" in place
    // of a text it cannot use, so that no renderer meets a value it would refuse.
    if (auto* edit = dynamic_cast<TEdit*>(Sender); edit && !Acceptable(this, edit)) {
        if (edit->Tag() == WholeNumberTag) {
            edit->SetText("1");
            edit->SelectAll();
        } else {
            edit->SetText("1.0");
        }
    }
    UpdatePreview();
}

namespace {
// The emphasis intervals: every N-th line, N a whole number of at least 1.
bool IsEmphasisInterval(TForm1* f, TObject* Sender) {
    return Sender == f->Edit1 || Sender == f->Edit27 || Sender == f->Edit3;
}
} // namespace

void TForm1::Edit1Change(TObject* Sender) {
    // An interval that is no whole number of at least 1 is refused as a count is; the picture
    // path and the mark text that share this handler are free text.
    if (IsEmphasisInterval(this, Sender)) {
        auto* edit = static_cast<TEdit*>(Sender);
        int n;
        if (!TryStrToWhole(edit->Text(), n) || n < 1) {
            edit->SetText("1");
            edit->SelectAll();
        }
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
