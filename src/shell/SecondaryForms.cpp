#include "SecondaryForms.h"

TMojiPanel* MojiPanel = nullptr;
TForm2* Form2 = nullptr;
TAboutBox* AboutBox = nullptr;

TMojiPanel::TMojiPanel(TComponent* Owner) : TForm(Owner) {
    SetName("MojiPanel");
    SetCaption("文字操作パネル");
    SetBorderStyle(bsToolWindow);
    SetFormStyle(fsStayOnTop);
    SetAlphaBlend(true);
    SetAlphaBlendValue(230);
    SetVisible(false);
}

TForm2::TForm2(TComponent* Owner) : TForm(Owner) {
    SetName("Form2");
    SetCaption("スライドインプット");
    SetBorderStyle(bsNone);
    SetBorderWidth(2);
    SetFormStyle(fsStayOnTop);
    SetColor(0x0000FF);
    SetVisible(false);
}

TAboutBox::TAboutBox(TComponent* Owner) : TForm(Owner) {
    SetName("AboutBox");
    SetCaption("バージョン情報");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetVisible(false);
}
