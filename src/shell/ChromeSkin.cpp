// The skin menu and the two appearance options of the settings menu.
#include "Unit1.h"

#include "Yxdraw.h"

namespace {
// Each heading label of the settings panel follows whether its group box is shown.
void RecolourHeadings(TForm1* f) {
    struct Heading {
        TLabel* label;
        TGroupBox* group;
    };
    for (const Heading& h : {Heading{f->Label41, f->GroupBox3}, Heading{f->Label42, f->GroupBox2},
                             Heading{f->Label43, f->GroupBox6}, Heading{f->Label44, f->GroupBox5},
                             Heading{f->Label45, f->GroupBox8}}) {
        const bool shown = h.group->Visible();
        h.label->SetColor(shown ? clActiveCaption : clInactiveCaption);
        h.label->Font()->SetColor(shown ? clCaptionText : clInactiveCaptionText);
    }
}
} // namespace

void TForm1::ApplySkinScheme(int Scheme) {
    if (CurrentSkin) CurrentSkin->SetScheme(Scheme);
}

void TForm1::Skin1Click(TObject* Sender) {
    auto* clicked = dynamic_cast<TMenuItem*>(Sender);
    if (!clicked) return;
    clicked->SetChecked(true);
    Skin->SetTag(clicked->Tag());
    CurrentSkin->SetScheme(clicked->Tag());
    for (int i = 0; i < Skin->Count(); ++i)
        if (Skin->Items(i) != clicked) Skin->Items(i)->SetChecked(false);
    MainMenu1->SetOwnerDraw(CurrentSkin->SchemeId != 0);
    // Hiding and showing the window repaints every bar and panel in the new colours.
    Hide();
    PaintChromeInScheme();
    RecolourHeadings(this);
    Sleep(1);
    Show();
}

void TForm1::PaintChromeInScheme() {
    // The tool bars' captions take the scheme's text colour here, not only at start: a scheme
    // chosen later must not leave the previous one's colour on them.
    for (TToolBar* bar : {ToolBar1, ToolBar2, ToolBar3, ToolBar4})
        CurrentSkin->ApplyToToolBar(bar);
    CurrentSkin->ApplyToControlBar(ControlBar1);
    CurrentSkin->ApplyToControl(Panel4);
    CurrentSkin->ApplyToControl(Panel5);
    ScrollBox2->SetColor(CurrentSkin->MidColor);
}

void TForm1::CriticalFocus1Click(TObject*) {
    CriticalFocus1->SetChecked(!CriticalFocus1->Checked());
    CriticalFocus = CriticalFocus1->Checked();
    Hide();
    Show();
}

void TForm1::CheckTransparentClose1Click(TObject*) {
    CheckTransparentClose1->SetChecked(!CheckTransparentClose1->Checked());
    TransparentClose = CheckTransparentClose1->Checked();
}
