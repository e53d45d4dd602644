#include "SecondaryForms.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(TComponent* Owner) : TForm(Owner) {
    SetName("AboutBox");
    SetCaption("バージョン情報");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetVisible(false);
}
