// The editing discipline shared by many controls: keep the changed text a readable number,
// then rebuild the preview; and the Enter/Space keys of the graph-paper and margin edits.
#include "shell/Unit1.h"

void TForm1::OnChenge(TObject* Sender) {
    if (auto* edit = dynamic_cast<TEdit*>(Sender)) {
        double v;
        if (!TryStrToFloat(edit->Text(), v)) edit->SetText("1.0");
    }
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
