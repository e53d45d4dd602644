#include "SecondaryForms.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(TComponent* Owner) : TForm(Owner) {
    SetName("AboutBox");
    SetCaption("バージョン情報");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
TMojiPanel* MojiPanel = nullptr;
TForm7* Form7 = nullptr;
TForm6* Form6 = nullptr;
TForm2* Form2 = nullptr;

TMojiPanel::TMojiPanel(TComponent* Owner) : TForm(Owner) {
    SetName("MojiPanel");
    SetCaption("文字操作パネル");
    SetBorderStyle(bsToolWindow);
    SetFormStyle(fsStayOnTop);
    SetAlphaBlend(true);
    SetAlphaBlendValue(230);
    SetVisible(false);
}

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

TForm2::TForm2(TComponent* Owner) : TForm(Owner) {
    SetName("Form2");
    SetCaption("スライドインプット");
    SetBorderStyle(bsNone);
    SetBorderWidth(2);
    SetFormStyle(fsStayOnTop);
    SetColor(0x0000FF);
    SetVisible(false);
}
