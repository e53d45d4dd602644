#include "SpinCounts.h"

#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"

TUpDown* SpinOf(TForm1* Form, TEdit* Edit) {
    for (int i = 0; i < Form->ComponentCount(); ++i)
        if (auto* spin = dynamic_cast<TUpDown*>(Form->Components(i)); spin && spin->Associate() == Edit)
            return spin;
    return nullptr;
}

bool HoldCountWithinSpin(TEdit* Edit, const TUpDown* Spin, int Lowest) {
    int n;
    const bool whole = TryStrToWhole(Edit->Text(), n) && n >= Lowest;
    if (whole && (!Spin || n <= Spin->Max())) return false;
    if (whole) {
        Edit->SetText(IntToStr(Spin->Max()));
        return true;
    }
    Edit->SetText(IntToStr(Lowest));
    Edit->SelectAll();
    return true;
}
