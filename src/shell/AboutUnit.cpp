#include "AboutUnit.h"

#include "ProgramIcon.h"
#include "Unit1.h"
#include "UpdateCheck.h"

#include "winlib/Shell.h"

#include <algorithm>

TAboutBox* AboutBox = nullptr;

namespace {

TLabel* MakeLabel(TAboutBox* box, TWinControl* parent, const char* name, int left, int top,
                  const AnsiString& caption) {
    auto* label = new TLabel(box);
    label->SetName(name);
    label->SetParent(parent);
    label->SetLeft(left);
    label->SetTop(top);
    label->SetCaption(caption);
    return label;
}

} // namespace

TAboutBox::TAboutBox(TComponent* Owner) : TForm(Owner) {
    SetName("AboutBox");
    SetCaption("バージョン情報");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetClientWidth(299);
    SetClientHeight(232);
    Font()->SetName("ＭＳ Ｐゴシック");
    Font()->SetHeight(-12);
    SetColor(clBtnFace);

    Panel1 = new TPanel(this);
    Panel1->SetName("Panel1");
    Panel1->SetParent(this);
    Panel1->SetBounds(8, 8, 281, 188);
    Panel1->SetBevelInner(bvRaised);
    Panel1->SetBevelOuter(bvLowered);
    Panel1->SetCaption("");

    Image1 = new TImage(this);
    Image1->SetName("Image1");
    Image1->SetParent(Panel1);
    Image1->SetAlign(alClient);
    Image1->SetStretch(true);
    Image1->SetCenter(true);

    ProgramIcon = new TImage(this);
    ProgramIcon->SetName("ProgramIcon");
    ProgramIcon->SetParent(Panel1);
    ProgramIcon->SetBounds(8, 8, 64, 64);
    auto* icon = new TBitmap;
    DrawProgramIcon(icon, 64, ColorToRGB(Panel1->Color()));
    ProgramIcon->Picture()->SetGraphic(icon);
    ProgramIcon->PictureChanged();

    ProductName = MakeLabel(this, Panel1, "ProductName", 88, 16, "Ruliform");
    Version = MakeLabel(this, Panel1, "Version", 88, 40, "Version");
    Notice = MakeLabel(this, Panel1, "Notice", 10, 80, "Copyright (C) the Ruliform developers");
    Label1 = MakeLabel(this, Panel1, "Label1", 10, 94, HomePageUrl());
    Label1->Font()->SetColor(clWindowText);
    Label4 = MakeLabel(this, Panel1, "Label4", 10, 112, "Made in Japan");
    Label5 = MakeLabel(this, Panel1, "Label5", 10, 130, "Ruliform for Linux desktops");
    Label2 = MakeLabel(this, Panel1, "Label2", 10, 151, "PNG images: Ruliform's own PNG codec");
    Label3 = MakeLabel(this, Panel1, "Label3", 10, 165, "zlib (C) Jean-loup Gailly and Mark Adler");

    Label6 = MakeLabel(this, Panel1, "Label6", 166, 54, "アップデートチェック");
    Label6->SetTransparent(false);
    Label6->SetColor(clBtnFace);
    Label6->Font()->SetColor(clBtnText);
    // The link's box is as designed unless the font at hand needs more room for the whole text;
    // then it grows, leftwards where the panel's edge would cut it.
    const int textWidth = Label6->Width(), textHeight = Label6->Height();
    Label6->SetAutoSize(false);
    const int width = std::max(102, textWidth);
    const int left = std::min(166, Panel1->ClientWidth() - 4 - width);
    Label6->SetBounds(left, 54, width, std::max(12, textHeight));

    OKButton = new TButton(this);
    OKButton->SetName("OKButton");
    OKButton->SetParent(this);
    OKButton->SetBounds(111, 202, 75, 25);
    OKButton->SetCaption("OK");
    OKButton->SetDefault(true);
    OKButton->SetModalResult(mrOk);

    OKButton->OnClick = Bind(this, &TAboutBox::OKButtonClick);
    Label1->OnMouseEnter = Bind(this, &TAboutBox::Label1MouseEnter);
    Label1->OnMouseLeave = Bind(this, &TAboutBox::Label1MouseLeave);
    Label1->OnClick = Bind(this, &TAboutBox::Label1Click);
    Label6->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) { Label6MouseMove(s, sh, x, y); };
    Label6->OnMouseLeave = Bind(this, &TAboutBox::Label6MouseLeave);
    Label6->OnClick = Bind(this, &TAboutBox::Label6Click);

    SetVisible(false);
    if (Form1) Version->SetCaption(Form1->VersionText);
}

void TAboutBox::OKButtonClick(TObject*) {
    Close();
}

void TAboutBox::Label1MouseEnter(TObject*) {
    Label1->Font()->SetColor(0xFF0000);
}

void TAboutBox::Label1MouseLeave(TObject*) {
    Label1->Font()->SetColor(clWindowText);
}

void TAboutBox::Label1Click(TObject*) {
    ShellExecuteA(this, "open", HomePageUrl(), "", "", SW_SHOW);
}

void TAboutBox::Label6MouseMove(TObject*, TShiftState, int, int) {
    Label6->SetColor(clHighlight);
    Label6->Font()->SetColor(clHighlightText);
    Label6->Font()->SetStyle(Label6->Font()->Style() | fsUnderline);
}

void TAboutBox::Label6MouseLeave(TObject*) {
    Label6->SetColor(clBtnFace);
    Label6->Font()->SetColor(clBtnText);
    Label6->Font()->SetStyle(Label6->Font()->Style() & ~fsUnderline);
}

void TAboutBox::Label6Click(TObject* Sender) {
    if (Form1) Form1->UpdateCheck1Click(Sender);
}
