// The page-settings panel: line and paper colours, the mark corner, and the frame with the bands
// (frame insets) it reserves inside the margins.
#include "shell/SecondaryForms.h"
#include "shell/Unit1.h"

// The line colour lives in the swatch and in the line-colour dialog, which prints with it.
void TForm1::SetLineColor(TColor Color) {
    Panel2->SetColor(Color);
    ColorDialog1->SetColor(Color);
}

void TForm1::LineColorChangeExecute(TObject*) {
    if (ColorDialog1->Execute()) {
        SetLineColor(ColorDialog1->Color());
        UpdatePreview();
    } else {
        ColorDialog1->SetColor(Panel2->Color());
    }
}

void TForm1::ColorChangeButtonClick(TObject*) {
    LineColorChange->Execute();
    UpdatePreview();
}

void TForm1::N3Click(TObject* Sender) {
    ColorChangeButtonClick(Sender);
}

void TForm1::Button3Click(TObject*) {
    if (ColorDialog2->Execute()) {
        PaperColor = ColorDialog2->Color();
        Panel1->SetColor(PaperColor);
    }
    UpdatePreview();
}

void TForm1::RadioButton11Click(TObject*) {
    MarkPos = 0;
    UpdatePreview();
}
void TForm1::RadioButton7Click(TObject*) {
    MarkPos = 1;
    UpdatePreview();
}
void TForm1::RadioButton9Click(TObject*) {
    MarkPos = 2;
    UpdatePreview();
}
void TForm1::RadioButton10Click(TObject*) {
    MarkPos = 3;
    UpdatePreview();
}
void TForm1::RadioButton8Click(TObject*) {
    MarkPos = 4;
    UpdatePreview();
}

void TForm1::Button10Click(TObject*) {
    Form7->ShowModal();
    UpdatePreview();
}

void TForm1::SetScaleInsets() {
    FrameInsetTop = CheckScale1->Checked() ? 10.0 - MarginTop : 0.0;
    FrameInsetBottom = CheckScale4->Checked() ? 10.0 - MarginBottom : 0.0;
    FrameInsetLeft = CheckScale2->Checked() ? 10.0 - MarginLeft : 0.0;
    FrameInsetRight = CheckScale3->Checked() ? 10.0 - MarginRight : 0.0;
}

void TForm1::FrameRadio1Click(TObject* Sender) {
    auto* c = dynamic_cast<TComponent*>(Sender);
    if (!c) return;
    FrameIndex = c->Tag();
    PageControl5->SetActivePageIndex(FrameIndex - 1);
    CheckBoxHeaderClick(Sender);
}

void TForm1::CheckBoxHeaderClick(TObject* Sender) {
    if (CheckBoxHeader->Checked()) {
        PageControl5->SetVisible(true);
        if (FrameRadio1->Checked()) {
            FrameInsetTop = 30.0 - MarginTop;
            FrameInsetBottom = 10.0 - MarginBottom;
            FrameInsetLeft = FrameInsetRight = 0.0;
        }
        if (FrameRadio2->Checked()) SetScaleInsets();
        if (FrameRadio3->Checked()) {
            FrameInsetTop = RadioGroup1->ItemIndex() == 0 ? 30.0 : 0.0;
            FrameInsetBottom = FrameInsetLeft = FrameInsetRight = 0.0;
        }
    } else {
        FrameInsetTop = FrameInsetBottom = FrameInsetLeft = FrameInsetRight = 0.0;
        PageControl5->SetVisible(false);
    }
    eSpaceTChange(Sender);
    UpdatePreview();
}

void TForm1::CheckScale1Click(TObject*) {
    if (CheckBoxHeader->Checked() && FrameRadio2->Checked()) SetScaleInsets();
    UpdatePreview();
}

void TForm1::CheckBox7Click(TObject*) {
    UpdatePreview();
}
