// The mark font window writes straight into the main window's mark font dialog, whose font the
// mark renderers use. The colour list keeps its own selection between uses.
#include "Unit7.h"

#include "shell/FormBuilder.h"
#include "shell/SettingLimits.h"
#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"

TForm7* Form7 = nullptr;

TForm7::TForm7(TComponent* Owner) : TForm(Owner) {
    SetName("Form7");
    SetCaption("マークフォント設定");
    SetBorderStyle(bsDialog);
    SetFormStyle(fsStayOnTop);
    SetPosition(poMainFormCenter);
    SetClientWidth(252);
    SetClientHeight(166);
    SetVisible(false);

    ColorListBox1 = MakeControl<TColorListBox>(this, this, "ColorListBox1", 8, 8, 145, 150);
    ColorListBox1->SetItemHeight(16);
    Label1 = MakeLabel(this, this, "Label1", "サイズ(mm)", 164, 8);
    Edit1 = MakeEdit(this, this, "Edit1", "3", 164, 28, 80, 0);
    Button1 = MakeButton(this, this, "Button1", "OK", 164, 104, 80, 25);
    Button2 = MakeButton(this, this, "Button2", "キャンセル", 164, 134, 80, 25);
    // A dialog's keys: Return takes the choice, Escape leaves it.
    Button1->SetDefault(true);
    Button2->SetCancel(true);
    SetActiveControl(Edit1);

    OnShow = Bind(this, &TForm7::FormShow);
    Button1->OnClick = Bind(this, &TForm7::Button1Click);
    Button2->OnClick = Bind(this, &TForm7::Button2Click);
}

void TForm7::FormShow(TObject*) {
    Edit1->SetText(IntToStr(Form1->FontDialog3->Font()->Size()));
}

void TForm7::Button1Click(TObject*) {
    TFont* font = Form1->FontDialog3->Font();
    font->SetColor(ColorListBox1->Selected());
    // A mark no larger than the largest paper, as the next start holds it.
    font->SetSize(FontSizeWithinLargestPaper(Form1, StrToWholeDef(Edit1->Text(), 3)));
    Close();
}

void TForm7::Button2Click(TObject*) {
    Close();
}
