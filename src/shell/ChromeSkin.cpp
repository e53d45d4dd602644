// The skin menu and the two appearance options of the settings menu.
#include "Unit1.h"

#include "Yxdraw.h"

std::array<TForm1::TSettingsHeading, 5> TForm1::SettingsHeadings() const {
    return {TSettingsHeading{Label41, GroupBox3}, TSettingsHeading{Label42, GroupBox2},
            TSettingsHeading{Label43, GroupBox6}, TSettingsHeading{Label44, GroupBox5},
            TSettingsHeading{Label45, GroupBox8}};
}

void TForm1::RecolourSettingsHeadings() {
    for (const TSettingsHeading& h : SettingsHeadings()) {
        const bool shown = h.Group->Visible();
        h.Label->SetColor(shown ? clActiveCaption : clInactiveCaption);
        h.Label->Font()->SetColor(shown ? clCaptionText : clInactiveCaptionText);
    }
}

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
    RecolourSettingsHeadings();
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
