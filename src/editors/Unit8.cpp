// The text-item window's controls and the handlers that edit the current item.
#include "Unit8.h"

#include "FieldLimits.h"
#include "TextItems.h"
#include "shell/FormBuilder.h"
#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"
#include "winlib/SysUtils.h"

#include <algorithm>

TMojiPanel* MojiPanel = nullptr;

TMojiPanel::TMojiPanel(TComponent* Owner) : TForm(Owner) {
    SetName("MojiPanel");
    SetCaption("文字操作パネル");
    SetBorderStyle(bsToolWindow);
    SetFormStyle(fsStayOnTop);
    SetAlphaBlend(true);
    SetAlphaBlendValue(230);
    SetClientWidth(241);
    SetClientHeight(197);
    SetVisible(false);

    MakeLabel(this, this, "TntLabel2", "文字列", 8, 6);
    TntEdit2 = MakeEdit(this, this, "TntEdit2", "", 8, 22, 225, 0);
    MakeLabel(this, this, "Label1", "ポジション", 8, 50);
    MakeLabel(this, this, "Label2", "X", 8, 70, 14);
    TntEdit3 = MakeEdit(this, this, "TntEdit3", "", 24, 66, 60, PositionTag);
    MakeLabel(this, this, "Label3", "Y", 100, 70, 14);
    TntEdit4 = MakeEdit(this, this, "TntEdit4", "", 116, 66, 60, PositionTag);
    MakeLabel(this, this, "Label4", "フォント", 8, 96);
    TntLabel1 = MakeLabel(this, this, "TntLabel1", "", 8, 114, 225);
    ComboBox1 = MakeControl<TComboBox>(this, this, "ComboBox1", 8, 140, 225, 21);
    ComboBox1->SetStyle(csDropDownList);
    const TStringList& fonts = Screen->Fonts();
    for (int i = 0; i < fonts.Count(); ++i)
        ComboBox1->AddItem(fonts[i]);
    TntButton1 = MakeButton(this, this, "TntButton1", "フォント変更", 8, 168, 100, 24);
    MojiFontDialog = new TFontDialog(this);
    MojiFontDialog->SetName("MojiFontDialog");

    OnShow = Bind(this, &TMojiPanel::FormShow);
    TntEdit2->OnChange = Bind(this, &TMojiPanel::TntEdit2Change);
    TntEdit3->OnChange = Bind(this, &TMojiPanel::TntEdit3Change);
    TntEdit4->OnChange = Bind(this, &TMojiPanel::TntEdit4Change);
    ComboBox1->OnChange = Bind(this, &TMojiPanel::ComboBox1Change);
    TntButton1->OnClick = Bind(this, &TMojiPanel::TntButton1Click);
}

void TMojiPanel::LoadItem(int I) {
    CurrentIndex = I;
    TntEdit2->SetText(Form1->TntListBox1->Item(I));
    TFont* font = Form1->TextFonts.Font(I);
    MojiFontDialog->Font()->Assign(font);
    TntLabel1->Font()->Assign(font);
    TntLabel1->SetCaption(font->Name());
    const TPoint at = TextItemPosition(Form1, I);
    TntEdit3->SetText(IntToStr(at.x));
    TntEdit4->SetText(IntToStr(at.y));
    if (!Visible()) PlaceBesideTextPage();
    Show();
    BringToFront();
}

void TMojiPanel::PlaceBesideTextPage() {
    // Right of the panel that holds the paper pages, level with the page's tool bar; where the
    // screen ends there, pushed back onto it.
    constexpr int kGap = 8;
    TControl* pages = Form1->Panel6;
    const TPoint corner = pages->ClientToScreen(TPoint(pages->Width(), 0));
    const int top = Form1->ToolBarText->ClientToScreen(TPoint(0, 0)).y;
    const TRect area = Screen->WorkAreaNear(corner);
    const int left = std::max(area.Left, std::min(corner.x + kGap, area.Right - Width()));
    const int y = std::max(area.Top, std::min(top, area.Bottom - Height()));
    SetBounds(left, y, Width(), Height());
}

void TMojiPanel::ItemRemoved(int I) {
    if (I == CurrentIndex)
        CurrentIndex = -1;
    else if (I < CurrentIndex)
        --CurrentIndex;
}

void TMojiPanel::FormShow(TObject*) {
    ComboBox1->SetItemIndex(ComboBox1->IndexOfItem(MojiFontDialog->Font()->Name()));
}

// Loading another item fills the edits while the list may still select the old one: the edits
// write only into the item that is both selected and current.
bool TMojiPanel::EditsCurrentSelection() const {
    return Form1 && CurrentIndex >= 0 && Form1->TntListBox1->ItemIndex() == CurrentIndex;
}

void TMojiPanel::TntEdit2Change(TObject*) {
    if (!EditsCurrentSelection()) return;
    Form1->TntListBox1->SetItem(CurrentIndex, TntEdit2->Text());
    Form1->UpdatePreview();
}

void TMojiPanel::TntEdit3Change(TObject*) {
    PositionChanged(TntEdit3, &TPoint::x);
}

void TMojiPanel::TntEdit4Change(TObject*) {
    PositionChanged(TntEdit4, &TPoint::y);
}

// A position is a whole number of millimetres within the text items' reach. Any other text is
// refused: the edit shows the item's position again, selected so that the next key replaces it,
// and the item keeps it, so the field and the item always agree.
void TMojiPanel::PositionChanged(TEdit* Edit, int TPoint::*Axis) {
    if (!EditsCurrentSelection()) return;
    TPoint& at = TextItemPosition(Form1, CurrentIndex);
    int mm;
    if (!TryStrToWhole(Edit->Text(), mm) || !WithinTextItemReach(Form1, mm)) {
        Edit->SetText(IntToStr(at.*Axis));
        Edit->SelectAll();
        return;
    }
    at.*Axis = mm;
    Form1->OnChenge(Edit);
}

void TMojiPanel::StoreDialogFont() {
    TFont* edited = MojiFontDialog->Font();
    // With no current item (its item was deleted) the window only shows the choice.
    if (Form1 && CurrentIndex >= 0 && CurrentIndex < Form1->TntListBox1->ItemCount())
        Form1->TextFonts.Font(CurrentIndex)->Assign(edited);
    TntLabel1->SetCaption(edited->Name());
    TntLabel1->Font()->Assign(edited);
}

void TMojiPanel::ComboBox1Change(TObject*) {
    if (ComboBox1->ItemIndex() < 0) return;
    MojiFontDialog->Font()->SetName(ComboBox1->Item(ComboBox1->ItemIndex()));
    StoreDialogFont();
    if (Form1) Form1->OnChenge(ComboBox1);
}

void TMojiPanel::TntButton1Click(TObject*) {
    if (!MojiFontDialog->Execute()) return;
    StoreDialogFont();
    if (Form1) Form1->OnChenge(TntButton1);
}
