// The editing discipline shared by many controls: keep the changed text a readable number in a
// sensible range, then rebuild the preview; and the Enter/Space keys of the graph-paper and
// margin edits.
#include "FieldLimits.h"
#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"

namespace {
// What an edit bound to the shared handler holds, and so what it accepts.
enum class FieldKind { Count, Pitch, Length };

FieldKind KindOf(TForm1* f, TEdit* e) {
    for (TEdit* count : {f->Edit14, f->Edit15, f->Edit25, f->Edit29, f->Edit30, f->Edit37, f->Edit38})
        if (e == count) return FieldKind::Count;
    for (TEdit* pitch : {f->Edit13, f->Edit18, f->Edit24})
        if (e == pitch) return FieldKind::Pitch;
    return FieldKind::Length;
}

// A count is a whole number; a length a decimal number no longer than the paper; a pitch a
// length of 0 or at least 1 mm.
bool Acceptable(TForm1* f, TEdit* e) {
    const FieldKind kind = KindOf(f, e);
    if (kind == FieldKind::Count) {
        int n;
        return TryStrToWhole(e->Text(), n);
    }
    double v;
    if (!TryStrToFloat(e->Text(), v)) return false;
    return kind == FieldKind::Pitch ? SensiblePitch(f, v) : WithinPaper(f, v);
}
} // namespace

void TForm1::OnChenge(TObject* Sender) {
    // A count takes "1" and a length "1.0" in place of a text it cannot use, so that no renderer
    // meets a value it would refuse.
    if (auto* edit = dynamic_cast<TEdit*>(Sender); edit && !Acceptable(this, edit))
        edit->SetText(KindOf(this, edit) == FieldKind::Count ? "1" : "1.0");
    UpdatePreview();
}

void TForm1::Edit1Change(TObject*) {
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
