#include "SecondaryForms.h"

TForm7* Form7 = nullptr;
TForm6* Form6 = nullptr;
TAboutBox* AboutBox = nullptr;

TForm7::TForm7(TComponent* Owner) : TForm(Owner) {
    SetName("Form7");
    SetCaption("マークフォント設定");
    SetBorderStyle(bsDialog);
    SetFormStyle(fsStayOnTop);
    SetPosition(poMainFormCenter);
    SetVisible(false);
}

TForm6::TForm6(TComponent* Owner) : TForm(Owner) {
    SetName("Form6");
    SetCaption("用紙設定ダウンロード");
    SetVisible(false);
}

TAboutBox::TAboutBox(TComponent* Owner) : TForm(Owner) {
    SetName("AboutBox");
    SetCaption("バージョン情報");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetVisible(false);
}
