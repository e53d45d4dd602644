// The settings file: one table of its keys, read into the controls at start in an order the
// handlers depend on, and written back when the main window is destroyed.
#include "Unit1.h"

#include "Abitmap.h"
#include "SettingLimits.h"
#include "WholeNumbers.h"
#include "editors/NumberText.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
const char* const kMain = "Ruliform";
const char* const kSpace = "Space";
const char* const kMark = "Mark";
const char* const kColor = "Color";
const char* const kPageNumber = "ページ番号";
const char* const kHeader = "Header";
const char* const kGraph = "GraphPaper";
const char* const kMulti = "MultiLine";
const char* const kManuscript = "原稿用紙";
const char* const kLog = "LogPaper"; // also found as "Logpaper": names compare without case
const char* const kGrid = "Grid";
const char* const kSlant = "斜眼紙";
const char* const kArc = "円弧";

// How a key's value is read: the file's text taken as a whole number, a flag, a decimal number
// or as it stands.
enum class Kind { Int, Bool, Float, Text };

// A value as read; the member of the key's kind holds it (a flag as 0 or 1 in Int).
struct Stored {
    int Int = 0;
    double Float = 0;
    AnsiString Text;
};

// What the read pass carries from one key to the next.
struct ReadPass {
    int left = 0, top = 0, width = 0, height = 0; // placed together once all four are read
    std::exception_ptr* firstError = nullptr;     // shown once the window is created

    // Runs one step on its own: an error that a change handler raises ends that step only, so
    // every stored setting is read and the exit writes back nothing that was not.
    template <class Step> void Guarded(Step&& step) {
        try {
            step();
        } catch (...) {
            if (!*firstError) *firstError = std::current_exception();
        }
    }
};

using Put = void (*)(TForm1*, ReadPass&, const Stored&);
using Then = void (*)(TForm1*, ReadPass&);
using Writer = AnsiString (*)(TForm1*);

// One key of the file. The table lists the keys in the order they are read; `written` is the
// key's place in the order they are written (which is their order in a new file).
struct Key {
    const char* section;
    const char* name;
    Kind kind;
    const char* defaultText;       // the default in the key's kind ("768", "1" for true, "100.0")
    Put put;                       // takes the value read into its control or field
    int written;                   // 1 for the first key written; 0 for a key read a second time
    Writer text;                   // the text written
    Then then = nullptr;           // what follows the key before the next is read
    bool normalWindowOnly = false; // written only while the window is neither maximised nor minimised
    Writer defaultOf = nullptr;    // a default that depends on the printer, in place of defaultText
    bool beforePass = false;       // read by the start-up update check, before the read pass
};

// The start-time range of a text value (see SettingLimits.h); lengths have their own binding.
enum class Range { None, Count };

AnsiString WithinRange(Range r, const AnsiString& text) {
    return r == Range::Count ? StoredCountText(text) : text;
}

AnsiString FlagText(bool on) {
    return on ? "1" : "0";
}

// Bindings of a key to one kind of control or field: how the value is put in, and its text
// as written.
template <TEdit* TForm1::*E, Range R = Range::None> void PutEditText(TForm1* f, ReadPass&, const Stored& v) {
    (f->*E)->SetText(WithinRange(R, v.Text));
}
template <TEdit* TForm1::*E> AnsiString EditText(TForm1* f) {
    return (f->*E)->Text();
}
// A count whose edit may hold no whole number: written as Fallback then.
template <TEdit* TForm1::*E, int Fallback> AnsiString WholeText(TForm1* f) {
    return IntToStr(StrToWholeDef((f->*E)->Text(), Fallback));
}
// Whether a length its field refused at start was refused for the paper alone: a number longer
// than the printable area's shorter side, which a larger paper may well take.
bool TooLongForThisPaper(TForm1* f, const AnsiString& stored) {
    double v;
    const double shorter = std::min(f->DrawableWidth / f->PxPerMmX, f->DrawableHeight / f->PxPerMmY);
    return TryStrToFloat(stored, v) && std::fabs(v) > shorter;
}
// A length put into its field; one the field cannot take on this paper is kept for the file.
void PutLengthText(TForm1* f, TEdit* edit, const AnsiString& text) {
    const AnsiString stored = StoredLengthText(f, text);
    edit->SetText(stored);
    if (edit->Text() != stored && TooLongForThisPaper(f, stored))
        f->KeptLengths[edit] = {stored, edit->Text()};
}
// The text written for a length: the stored one while its field still shows what it took in
// place of it, else Shown.
AnsiString KeptOr(TForm1* f, const TEdit* edit, const AnsiString& shown) {
    const auto kept = f->KeptLengths.find(edit);
    return kept != f->KeptLengths.end() && edit->Text() == kept->second.shown ? kept->second.stored : shown;
}
template <TEdit* TForm1::*E> void PutLength(TForm1* f, ReadPass&, const Stored& v) {
    PutLengthText(f, f->*E, v.Text);
}
template <TEdit* TForm1::*E> AnsiString LengthText(TForm1* f) {
    return KeptOr(f, f->*E, (f->*E)->Text());
}
template <TCheckBox* TForm1::*C> void PutChecked(TForm1* f, ReadPass&, const Stored& v) {
    (f->*C)->SetChecked(v.Int != 0);
}
template <TCheckBox* TForm1::*C> AnsiString CheckedText(TForm1* f) {
    return FlagText((f->*C)->Checked());
}
template <TComboBox* TForm1::*C> void PutIndex(TForm1* f, ReadPass&, const Stored& v) {
    (f->*C)->SetItemIndex(v.Int);
}
template <TComboBox* TForm1::*C> AnsiString IndexText(TForm1* f) {
    return IntToStr((f->*C)->ItemIndex());
}
template <TPanel* TForm1::*P> void PutColour(TForm1* f, ReadPass&, const Stored& v) {
    (f->*P)->SetColor(v.Int);
}
template <TPanel* TForm1::*P> AnsiString ColourText(TForm1* f) {
    return IntToStr((f->*P)->Color());
}
template <TUpDown* TForm1::*U> void PutPosition(TForm1* f, ReadPass&, const Stored& v) {
    (f->*U)->SetPosition(v.Int);
}
template <TUpDown* TForm1::*U> AnsiString PositionText(TForm1* f) {
    return IntToStr((f->*U)->Position());
}
template <int TForm1::*F> void PutInt(TForm1* f, ReadPass&, const Stored& v) {
    f->*F = v.Int;
}
template <int TForm1::*F> AnsiString IntText(TForm1* f) {
    return IntToStr(f->*F);
}
// A size or place of the background picture, within its reach; Fallback for no finite number.
template <double TForm1::*F, int Fallback> void PutPictureMm(TForm1* f, ReadPass&, const Stored& v) {
    f->*F = StoredPictureMm(f, v.Float, Fallback);
}
template <double TForm1::*F> AnsiString FloatText(TForm1* f) {
    return FloatToStr(f->*F);
}
template <TToolBar* TForm1::*B> void PutBarTop(TForm1* f, ReadPass&, const Stored& v) {
    (f->*B)->SetTop(v.Int);
}
template <TToolBar* TForm1::*B> AnsiString BarTop(TForm1* f) {
    return IntToStr((f->*B)->Top());
}
template <TToolBar* TForm1::*B> void PutBarLeft(TForm1* f, ReadPass&, const Stored& v) {
    (f->*B)->SetLeft(v.Int);
}
template <TToolBar* TForm1::*B> AnsiString BarLeft(TForm1* f) {
    return IntToStr((f->*B)->Left());
}
// A bar shown or hidden, and the check mark of its menu item.
template <TToolBar* TForm1::*B, TMenuItem* TForm1::*M>
void PutBarVisible(TForm1* f, ReadPass&, const Stored& v) {
    (f->*B)->SetVisible(v.Int != 0);
    (f->*M)->SetChecked((f->*B)->Visible());
}
template <TToolBar* TForm1::*B> AnsiString BarVisible(TForm1* f) {
    return FlagText((f->*B)->Visible());
}
// The four keys of a font of the paper; its size no larger than the largest paper.
template <TFontDialog* TForm1::*D> void PutFontName(TForm1* f, ReadPass&, const Stored& v) {
    (f->*D)->Font()->SetName(v.Text);
}
template <TFontDialog* TForm1::*D> AnsiString FontName(TForm1* f) {
    return (f->*D)->Font()->Name();
}
template <TFontDialog* TForm1::*D> void PutFontSize(TForm1* f, ReadPass&, const Stored& v) {
    (f->*D)->Font()->SetSize(FontSizeWithinLargestPaper(f, v.Int));
}
template <TFontDialog* TForm1::*D> AnsiString FontSize(TForm1* f) {
    return IntToStr((f->*D)->Font()->Size());
}
template <TFontDialog* TForm1::*D> void PutFontStyle(TForm1* f, ReadPass&, const Stored& v) {
    (f->*D)->Font()->SetStyle(static_cast<TFontStyles>(v.Int & 0xFF));
}
template <TFontDialog* TForm1::*D> AnsiString FontStyle(TForm1* f) {
    return IntToStr((f->*D)->Font()->Style());
}
template <TFontDialog* TForm1::*D> void PutFontColour(TForm1* f, ReadPass&, const Stored& v) {
    (f->*D)->Font()->SetColor(v.Int);
}
template <TFontDialog* TForm1::*D> AnsiString FontColour(TForm1* f) {
    return IntToStr((f->*D)->Font()->Color());
}

// The colour scheme and its menu check; a scheme the menu does not offer gives the standard
// colours, and the tag keeps the stored number.
void PutSkin(TForm1* f, ReadPass&, const Stored& v) {
    TMenuItem* skins[] = {f->Skin0, f->Skin1, f->Skin2, f->Skin3, f->Skin4, f->Skin5};
    for (TMenuItem* m : skins)
        m->SetChecked(false);
    const bool offered = v.Int >= 0 && v.Int <= 5;
    if (offered) skins[v.Int]->SetChecked(true);
    f->ApplySkinScheme(offered ? v.Int : 0);
    f->Skin->SetTag(v.Int);
}
AnsiString SkinText(TForm1* f) {
    return IntToStr(f->Skin->Tag());
}
// The settings panel's headings, coloured by whether the group below each is shown.
void ColourHeadings(TForm1* f, ReadPass&) {
    for (const TForm1::TSettingsHeading& h : f->SettingsHeadings()) {
        h.Label->SetTransparent(false);
        h.Label->SetCaption("  " + h.Label->Caption());
    }
    f->RecolourSettingsHeadings();
}

// The window's bounds, placed once all four are read, inside the work area of the screen
// nearest the stored corner.
void PutWidth(TForm1*, ReadPass& p, const Stored& v) {
    p.width = v.Int;
}
void PutHeight(TForm1*, ReadPass& p, const Stored& v) {
    p.height = v.Int;
}
void PutTop(TForm1*, ReadPass& p, const Stored& v) {
    p.top = v.Int;
}
void PutLeft(TForm1*, ReadPass& p, const Stored& v) {
    p.left = v.Int;
}
void PlaceWindow(TForm1* f, ReadPass& p) {
    const TRect r = WindowWithinScreens(p.left, p.top, p.width, p.height);
    f->SetWidth(r.Width());
    f->SetHeight(r.Height());
    f->SetTop(r.Top);
    f->SetLeft(r.Left);
}
AnsiString WidthText(TForm1* f) {
    return IntToStr(f->Width());
}
AnsiString HeightText(TForm1* f) {
    return IntToStr(f->Height());
}
AnsiString TopText(TForm1* f) {
    return IntToStr(f->Top());
}
AnsiString LeftText(TForm1* f) {
    return IntToStr(f->Left());
}

void PutActivePage(TForm1* f, ReadPass&, const Stored& v) {
    f->PageControl1->SetActivePageIndex(v.Int);
}
AnsiString ActivePage(TForm1* f) {
    return IntToStr(f->PageControl1->ActivePageIndex());
}
// A window that starts minimised may have nothing to bring it back: it starts normal.
void PutWindowState(TForm1* f, ReadPass&, const Stored& v) {
    f->SetWindowState(v.Int == 2 ? wsMaximized : wsNormal);
}
AnsiString WindowStateText(TForm1* f) {
    return IntToStr(static_cast<int>(f->WindowState()));
}

void PutPicturePath(TForm1* f, ReadPass&, const Stored& v) {
    f->BGImage = v.Text;
    f->Edit23->SetText(f->BGImage);
}
AnsiString PicturePath(TForm1* f) {
    return f->BGImage;
}
// The picture's boxes and its opacity shown, then the picture loaded and turned; each on its
// own, as the rows are.
void ShowPicture(TForm1* f, ReadPass& p) {
    p.Guarded([&] { f->Edit21->SetText(FloatToStr(f->BGWidth)); });
    p.Guarded([&] { f->Edit22->SetText(FloatToStr(f->BGHeight)); });
    p.Guarded([&] { f->Edit39->SetText(FloatToStr(f->BGLeft)); });
    p.Guarded([&] { f->Edit40->SetText(FloatToStr(f->BGTop)); });
    p.Guarded([&] { f->TrackBar1->SetPosition(f->BGAlpha); });
    p.Guarded([&] { f->RestoreBackgroundPicture(); });
}
void HoldBarsOnControlBar(TForm1* f, ReadPass&) {
    PlaceToolBarsOnControlBar(f);
}

// The printer's smallest margins, the margins' defaults.
AnsiString LeastMarginY(TForm1* f) {
    return TwoDigitText(f->PhysOffsetY / f->PxPerMmY);
}
AnsiString LeastMarginX(TForm1* f) {
    return TwoDigitText(f->PhysOffsetX / f->PxPerMmX);
}

// A stored zoom that names no item of the list reads as the default, 40 %.
void PutZoom(TForm1* f, ReadPass&, const Stored& v) {
    f->ComboBox1->SetItemIndex(v.Int >= 0 && v.Int < f->ComboBox1->ItemCount() ? v.Int : 5);
}
void PutCriticalFocus(TForm1* f, ReadPass&, const Stored& v) {
    f->CriticalFocus = v.Int != 0;
    f->CriticalFocus1->SetChecked(f->CriticalFocus);
}
AnsiString CriticalFocusText(TForm1* f) {
    return FlagText(f->CriticalFocus);
}
void PutTransparentClose(TForm1* f, ReadPass&, const Stored& v) {
    f->TransparentClose = v.Int != 0;
    f->CheckTransparentClose1->SetChecked(f->TransparentClose);
}
AnsiString TransparentCloseText(TForm1* f) {
    return FlagText(f->TransparentClose);
}
void PutUpdateCheck(TForm1* f, ReadPass&, const Stored& v) {
    f->CheckUpdate1->SetChecked(v.Int != 0);
}
AnsiString UpdateCheckText(TForm1* f) {
    return FlagText(f->CheckUpdate1->Checked());
}

// The mark's corner through its radio button, whose click sets MarkPos; any other number
// selects none.
void PutMarkCorner(TForm1* f, ReadPass&, const Stored& v) {
    TRadioButton* corners[] = {f->RadioButton11, f->RadioButton7, f->RadioButton9, f->RadioButton10,
                               f->RadioButton8};
    if (v.Int >= 0 && v.Int <= 4) corners[v.Int]->SetChecked(true);
}
void PutLineColour(TForm1* f, ReadPass&, const Stored& v) {
    f->ColorDialog1->SetColor(v.Int);
    f->SetLineColor(f->ColorDialog1->Color());
}
AnsiString LineColour(TForm1* f) {
    return IntToStr(f->ColorDialog1->Color());
}
void PutPaperColour(TForm1* f, ReadPass&, const Stored& v) {
    f->PaperColor = v.Int;
    f->Panel1->SetColor(f->PaperColor);
}
AnsiString PaperColour(TForm1* f) {
    return IntToStr(f->PaperColor);
}
// The frame's type through its radio button; any other number stays in FrameIndex alone.
void PutFrameIndex(TForm1* f, ReadPass&, const Stored& v) {
    f->FrameIndex = v.Int;
    if (v.Int == 1) f->FrameRadio1->SetChecked(true);
    if (v.Int == 2) f->FrameRadio2->SetChecked(true);
    if (v.Int == 3) f->FrameRadio3->SetChecked(true);
}
// The manuscript cell size, stored as a whole number, shown as its text.
void PutCellSize(TForm1* f, ReadPass&, const Stored& v) {
    PutLengthText(f, f->Edit7, IntToStr(v.Int));
}
AnsiString CellSizeText(TForm1* f) {
    return KeptOr(f, f->Edit7, WholeText<&TForm1::Edit7, 10>(f));
}
void PutLogOption(TForm1* f, ReadPass&, const Stored& v) {
    f->RadioButton5->SetChecked(v.Int != 0);
    f->RadioButton6->SetChecked(!f->RadioButton5->Checked());
}
AnsiString LogOption(TForm1* f) {
    return FlagText(f->RadioButton5->Checked());
}

using F = TForm1;
constexpr Range C = Range::Count;

// Every key of the file, in the order of reading.
const Key kKeys[] = {
    {kMain, "Skin", Kind::Int, "1", PutSkin, 27, SkinText, ColourHeadings},
    {kMain, "Width", Kind::Int, "768", PutWidth, 1, WidthText, nullptr, true},
    {kMain, "Height", Kind::Int, "576", PutHeight, 2, HeightText, nullptr, true},
    {kMain, "Top", Kind::Int, "0", PutTop, 3, TopText, nullptr, true},
    {kMain, "Left", Kind::Int, "0", PutLeft, 4, LeftText, PlaceWindow, true},
    {kMain, "PrintTypeIndex", Kind::Int, "0", PutActivePage, 6, ActivePage},
    {kMain, "WindowState", Kind::Int, "0", PutWindowState, 5, WindowStateText},
    {kMain, "MenuBar_Top", Kind::Int, "2", PutBarTop<&F::ToolBar2>, 7, BarTop<&F::ToolBar2>},
    {kMain, "MenuBar_Left", Kind::Int, "167", PutBarLeft<&F::ToolBar2>, 8, BarLeft<&F::ToolBar2>},
    {kMain, "ZoomBar_Top", Kind::Int, "2", PutBarTop<&F::ToolBar3>, 9, BarTop<&F::ToolBar3>},
    {kMain, "ZoomBar_Left", Kind::Int, "398", PutBarLeft<&F::ToolBar3>, 10, BarLeft<&F::ToolBar3>},
    {kMain, "ZoomBar_Visible", Kind::Bool, "1", PutBarVisible<&F::ToolBar3, &F::MenuViewZoom>, 11,
     BarVisible<&F::ToolBar3>},
    {kMain, "BGImage", Kind::Text, "", PutPicturePath, 15, PicturePath},
    {kMain, "BGAlpha", Kind::Int, "127", PutInt<&F::BGAlpha>, 16, IntText<&F::BGAlpha>},
    {kMain, "BGWidth", Kind::Float, "100.0", PutPictureMm<&F::BGWidth, 100>, 17, FloatText<&F::BGWidth>},
    {kMain, "BGHeight", Kind::Float, "100.0", PutPictureMm<&F::BGHeight, 100>, 18, FloatText<&F::BGHeight>},
    {kMain, "BGLeft", Kind::Float, "0.0", PutPictureMm<&F::BGLeft, 0>, 20, FloatText<&F::BGLeft>},
    {kMain, "BGTop", Kind::Float, "0.0", PutPictureMm<&F::BGTop, 0>, 21, FloatText<&F::BGTop>},
    {kMain, "BGRoted", Kind::Int, "0", PutInt<&F::BGRoted>, 19, IntText<&F::BGRoted>, ShowPicture},
    {kMain, "PrintBar_Top", Kind::Int, "2", PutBarTop<&F::ToolBar1>, 12, BarTop<&F::ToolBar1>},
    {kMain, "PrintBar_Left", Kind::Int, "11", PutBarLeft<&F::ToolBar1>, 13, BarLeft<&F::ToolBar1>},
    {kMain, "PrintBar_Visible", Kind::Bool, "1", PutBarVisible<&F::ToolBar1, &F::MenuViewPrint>, 14,
     BarVisible<&F::ToolBar1>, HoldBarsOnControlBar},
    {kSpace, "Top", Kind::Text, "", PutLength<&F::eSpaceT>, 22, LengthText<&F::eSpaceT>, nullptr, false,
     LeastMarginY},
    {kSpace, "Left", Kind::Text, "", PutLength<&F::eSpaceL>, 23, LengthText<&F::eSpaceL>, nullptr, false,
     LeastMarginX},
    {kSpace, "Right", Kind::Text, "", PutLength<&F::eSpaceR>, 24, LengthText<&F::eSpaceR>, nullptr, false,
     LeastMarginX},
    {kSpace, "Bottom", Kind::Text, "", PutLength<&F::eSpaceB>, 25, LengthText<&F::eSpaceB>, nullptr, false,
     LeastMarginY},
    {kMain, "Zoom", Kind::Int, "5", PutZoom, 26, IndexText<&F::ComboBox1>},
    {kMain, "CriticalFocus", Kind::Bool, "1", PutCriticalFocus, 28, CriticalFocusText},
    {kMain, "TransparentClose", Kind::Bool, "1", PutTransparentClose, 29, TransparentCloseText},
    // Read by the start-up update check, before this pass.
    {kMain, "UpdateCheck", Kind::Bool, "1", PutUpdateCheck, 30, UpdateCheckText, nullptr, false, nullptr,
     true},
    {kMark, "Char", Kind::Text, "▼", PutEditText<&F::TntEdit1>, 31, EditText<&F::TntEdit1>},
    {kMark, "Pos", Kind::Int, "0", PutMarkCorner, 32, IntText<&F::MarkPos>},
    {kMark, "Size", Kind::Int, "3", PutFontSize<&F::FontDialog3>, 33, FontSize<&F::FontDialog3>},
    {kMark, "Color", Kind::Int, "0", PutFontColour<&F::FontDialog3>, 34, FontColour<&F::FontDialog3>},
    {kColor, "Pen", Kind::Int, "0", PutLineColour, 50, LineColour},
    {kColor, "Paper", Kind::Int, "16777215", PutPaperColour, 51, PaperColour},
    {kPageNumber, "Enabled", Kind::Bool, "0", PutChecked<&F::CheckBox2>, 35, CheckedText<&F::CheckBox2>},
    {kPageNumber, "FontName", Kind::Text, "ＭＳ ゴシック", PutFontName<&F::FontDialog2>, 36,
     FontName<&F::FontDialog2>},
    {kPageNumber, "FontSize", Kind::Int, "6", PutFontSize<&F::FontDialog2>, 37, FontSize<&F::FontDialog2>},
    {kPageNumber, "FontStyle", Kind::Int, "0", PutFontStyle<&F::FontDialog2>, 38, FontStyle<&F::FontDialog2>},
    {kPageNumber, "FontColor", Kind::Int, "0", PutFontColour<&F::FontDialog2>, 39,
     FontColour<&F::FontDialog2>},
    {kHeader, "HeadText1", Kind::Text, "", PutEditText<&F::HeadText1>, 40, EditText<&F::HeadText1>},
    {kHeader, "HeadText2", Kind::Text, "", PutEditText<&F::HeadText2>, 41, EditText<&F::HeadText2>},
    {kHeader, "Check1", Kind::Bool, "0", PutChecked<&F::HeadCheck1>, 43, CheckedText<&F::HeadCheck1>},
    {kHeader, "Enabled", Kind::Bool, "0", PutChecked<&F::CheckBoxHeader>, 42,
     CheckedText<&F::CheckBoxHeader>},
    {kHeader, "FrameIndex", Kind::Int, "1", PutFrameIndex, 44, IntText<&F::FrameIndex>},
    {kHeader, "FrameScalemm", Kind::Text, "5", PutLength<&F::EditFrameScale1>, 45,
     LengthText<&F::EditFrameScale1>},
    {kHeader, "Scale1Used", Kind::Bool, "1", PutChecked<&F::CheckScale1>, 46, CheckedText<&F::CheckScale1>},
    {kHeader, "Scale2Used", Kind::Bool, "1", PutChecked<&F::CheckScale2>, 47, CheckedText<&F::CheckScale2>},
    {kHeader, "Scale3Used", Kind::Bool, "1", PutChecked<&F::CheckScale3>, 48, CheckedText<&F::CheckScale3>},
    {kHeader, "Scale4Used", Kind::Bool, "1", PutChecked<&F::CheckScale4>, 49, CheckedText<&F::CheckScale4>},
    // The cell counts go through their spins, which hold them within the spins' range.
    {kGraph, "XPX", Kind::Int, "16", PutPosition<&F::UpDown6>, 52, EditText<&F::eDotX>},
    {kGraph, "YPX", Kind::Int, "16", PutPosition<&F::UpDown7>, 53, EditText<&F::eDotY>},
    {kGraph, "Xmm", Kind::Text, "10.0", PutLength<&F::eMmX>, 54, LengthText<&F::eMmX>},
    {kGraph, "Ymm", Kind::Text, "10.0", PutLength<&F::eMmY>, 55, LengthText<&F::eMmY>},
    // The cell counts again, now that the cell sizes are in: a count read before them was held to
    // what fits cells of the default size, and would come back smaller than it was saved.
    {kGraph, "XPX", Kind::Int, "16", PutPosition<&F::UpDown6>, 0, nullptr},
    {kGraph, "YPX", Kind::Int, "16", PutPosition<&F::UpDown7>, 0, nullptr},
    {kGraph, "PenStyle", Kind::Int, "0", PutIndex<&F::GraphPenStyle>, 56, IndexText<&F::GraphPenStyle>},
    {kGraph, "ExEnabled", Kind::Bool, "1", PutChecked<&F::CheckGraphPaper1>, 57,
     CheckedText<&F::CheckGraphPaper1>},
    // The emphasis intervals are read twice: as text into the edit, then as a number into its spin.
    {kGraph, "ExColorCount", Kind::Text, "5", PutEditText<&F::Edit1, C>, 0, nullptr},
    {kGraph, "ExColorCountY", Kind::Text, "5", PutEditText<&F::Edit27, C>, 0, nullptr},
    {kGraph, "ExColorCount", Kind::Int, "5", PutPosition<&F::UpDown1>, 60, WholeText<&F::Edit1, 2>},
    {kGraph, "ExColorCountY", Kind::Int, "5", PutPosition<&F::UpDown11>, 61, WholeText<&F::Edit27, 2>},
    {kGraph, "ExColor", Kind::Int, "255", PutColour<&F::ExColorPanel1>, 58, ColourText<&F::ExColorPanel1>},
    {kGraph, "ExColorY", Kind::Int, "255", PutColour<&F::ExColorPanel1Y>, 59, ColourText<&F::ExColorPanel1Y>},
    {kGraph, "ExPenStyle", Kind::Int, "0", PutIndex<&F::ComboBox8>, 62, IndexText<&F::ComboBox8>},
    {kGraph, "LineWidth", Kind::Text, "0.05", PutLength<&F::Edit32>, 63, LengthText<&F::Edit32>},
    {kGraph, "LineWidthEx", Kind::Text, "0.5", PutLength<&F::Edit33>, 64, LengthText<&F::Edit33>},
    {kMulti, "interval", Kind::Text, "20", PutLength<&F::EditFiveLineSpace>, 65,
     LengthText<&F::EditFiveLineSpace>},
    {kMulti, "LineSpace", Kind::Text, "5", PutLength<&F::EditFiveLineLSpace>, 66,
     LengthText<&F::EditFiveLineLSpace>},
    {kMulti, "Count", Kind::Text, "5", PutEditText<&F::EditFiveLineCount, C>, 67,
     EditText<&F::EditFiveLineCount>},
    {kMulti, "PenStyle", Kind::Int, "0", PutIndex<&F::ComboBox3>, 68, IndexText<&F::ComboBox3>},
    {kMulti, "PenSize", Kind::Text, "0.1", PutLength<&F::EditLineSize>, 69, LengthText<&F::EditLineSize>},
    {kMulti, "LineCount", Kind::Text, "5", PutEditText<&F::EditLineCount1, C>, 70,
     EditText<&F::EditLineCount1>},
    {kMulti, "ExEnabled", Kind::Bool, "0", PutChecked<&F::CheckMultiline1>, 71,
     CheckedText<&F::CheckMultiline1>},
    {kMulti, "ExEnabled2", Kind::Bool, "0", PutChecked<&F::CheckMultiline2>, 72,
     CheckedText<&F::CheckMultiline2>},
    {kMulti, "ExColorCount", Kind::Text, "5", PutEditText<&F::Edit3, C>, 0, nullptr},
    {kMulti, "ExColorCount", Kind::Int, "5", PutPosition<&F::UpDown2>, 74, WholeText<&F::Edit3, 2>},
    {kMulti, "ExColor", Kind::Int, "255", PutColour<&F::ExColorPanel2>, 73, ColourText<&F::ExColorPanel2>},
    {kMulti, "ExPenSize", Kind::Text, "0.1", PutLength<&F::EditLineSizeEx>, 75,
     LengthText<&F::EditLineSizeEx>},
    {kManuscript, "横", Kind::Int, "10", PutPosition<&F::UpDown3>, 76, PositionText<&F::UpDown3>},
    {kManuscript, "縦", Kind::Int, "20", PutPosition<&F::UpDown4>, 77, PositionText<&F::UpDown4>},
    {kManuscript, "中央", Kind::Int, "10", PutPosition<&F::UpDown5>, 78, PositionText<&F::UpDown5>},
    {kManuscript, "サイズ指定", Kind::Bool, "0", PutChecked<&F::CheckBox3>, 79, CheckedText<&F::CheckBox3>},
    {kManuscript, "サイズ", Kind::Int, "10", PutCellSize, 80, CellSizeText},
    {kManuscript, "CenterString", Kind::Text, "", PutEditText<&F::Edit28>, 81, EditText<&F::Edit28>},
    {kManuscript, "CenterFontName", Kind::Text, "ＭＳ ゴシック", PutFontName<&F::FontDialog1>, 82,
     FontName<&F::FontDialog1>},
    {kManuscript, "CenterFontSize", Kind::Int, "6", PutFontSize<&F::FontDialog1>, 83,
     FontSize<&F::FontDialog1>},
    {kManuscript, "CenterFontStyle", Kind::Int, "0", PutFontStyle<&F::FontDialog1>, 84,
     FontStyle<&F::FontDialog1>},
    {kManuscript, "CenterFontColor", Kind::Int, "0", PutFontColour<&F::FontDialog1>, 85,
     FontColour<&F::FontDialog1>},
    {kLog, "Type", Kind::Int, "0", PutIndex<&F::ComboBox4>, 86, IndexText<&F::ComboBox4>},
    {kLog, "Xsmall", Kind::Text, "1", PutLength<&F::Edit8>, 87, LengthText<&F::Edit8>},
    {kLog, "Xcount", Kind::Text, "5", PutEditText<&F::Edit12, C>, 88, EditText<&F::Edit12>},
    {kLog, "Ysmall", Kind::Text, "1", PutLength<&F::Edit9>, 89, LengthText<&F::Edit9>},
    {kLog, "Ycount", Kind::Text, "5", PutEditText<&F::Edit11, C>, 90, EditText<&F::Edit11>},
    {kLog, "倍率", Kind::Text, "1.3", PutEditText<&F::Edit10>, 91, EditText<&F::Edit10>},
    {kLog, "定数", Kind::Text, "0.3", PutEditText<&F::Edit20>, 92, EditText<&F::Edit20>},
    {kLog, "CheckX", Kind::Bool, "0", PutChecked<&F::CheckBox6>, 93, CheckedText<&F::CheckBox6>},
    {kLog, "CheckY", Kind::Bool, "0", PutChecked<&F::CheckBox7>, 94, CheckedText<&F::CheckBox7>},
    {kLog, "Option", Kind::Bool, "1", PutLogOption, 95, LogOption},
    {kGrid, "CountX", Kind::Int, "50", PutPosition<&F::UpDown9>, 96, PositionText<&F::UpDown9>},
    {kGrid, "CountY", Kind::Int, "50", PutPosition<&F::UpDown10>, 97, PositionText<&F::UpDown10>},
    {kGrid, "SizeX", Kind::Text, "0.5", PutLength<&F::Edit16>, 98, LengthText<&F::Edit16>},
    {kGrid, "SizeY", Kind::Text, "0.5", PutLength<&F::Edit17>, 99, LengthText<&F::Edit17>},
    {kGrid, "Space", Kind::Text, "5.0", PutLength<&F::Edit18>, 100, LengthText<&F::Edit18>},
    {kGrid, "中抜き", Kind::Bool, "0", PutChecked<&F::CheckBox4>, 101, CheckedText<&F::CheckBox4>},
    {kGrid, "斜交い", Kind::Bool, "0", PutChecked<&F::CheckBox5>, 102, CheckedText<&F::CheckBox5>},
    {kSlant, "CountX", Kind::Int, "10", PutPosition<&F::UpDown12>, 103, PositionText<&F::UpDown12>},
    {kSlant, "CountY", Kind::Int, "10", PutPosition<&F::UpDown13>, 104, PositionText<&F::UpDown13>},
    {kSlant, "Length", Kind::Text, "10", PutLength<&F::Edit13>, 105, LengthText<&F::Edit13>},
    {kSlant, "Type", Kind::Int, "0", PutIndex<&F::ComboBox7>, 106, IndexText<&F::ComboBox7>},
    {kSlant, "方向", Kind::Bool, "0", PutChecked<&F::CheckBox8>, 107, CheckedText<&F::CheckBox8>},
    {kArc, "直径", Kind::Text, "100", PutLength<&F::Edit24>, 108, LengthText<&F::Edit24>},
    {kArc, "N重", Kind::Text, "1", PutEditText<&F::Edit25, C>, 109, EditText<&F::Edit25>},
    {kArc, "分割数", Kind::Text, "0", PutEditText<&F::Edit26, C>, 110, EditText<&F::Edit26>},
    {kArc, "線種1", Kind::Int, "0", PutIndex<&F::ComboBox5>, 111, IndexText<&F::ComboBox5>},
    {kArc, "線種2", Kind::Int, "0", PutIndex<&F::ComboBox9>, 112, IndexText<&F::ComboBox9>},
};

Stored ReadKey(TForm1* f, TIniFile* ini, const Key& k) {
    const AnsiString def = k.defaultOf ? k.defaultOf(f) : AnsiString(k.defaultText);
    Stored v;
    switch (k.kind) {
    case Kind::Int:
        v.Int = ini->ReadInteger(k.section, k.name, StrToInt(def));
        break;
    case Kind::Bool:
        v.Int = ini->ReadBool(k.section, k.name, def == "1") ? 1 : 0;
        break;
    case Kind::Float:
        v.Float = ini->ReadFloat(k.section, k.name, StrToFloat(def));
        break;
    case Kind::Text:
        v.Text = ini->ReadString(k.section, k.name, def);
        break;
    }
    return v;
}
} // namespace

void TForm1::ReadSettings() {
    SettingsRead = true;
    // A file that is there but cannot be read is said once, at start. This run's settings did
    // not come from it, so the exit leaves it alone and says nothing more.
    SettingsFileFailure = IniFile->ReadFailure();
    if (!SettingsFileFailure.empty() && !SettingsReadError)
        SettingsReadError = std::make_exception_ptr(EIniFileException(SettingsFileFailure));
    ReadPass pass;
    pass.firstError = &SettingsReadError;
    for (const Key& k : kKeys) {
        if (k.put && !k.beforePass) pass.Guarded([&] { k.put(this, pass, ReadKey(this, IniFile, k)); });
        if (k.then) pass.Guarded([&] { k.then(this, pass); });
    }
}

void TForm1::ReadUpdateCheckSetting() {
    ReadPass pass;
    pass.firstError = &SettingsReadError;
    for (const Key& k : kKeys)
        if (k.beforePass) pass.Guarded([&] { k.put(this, pass, ReadKey(this, IniFile, k)); });
}

void TForm1::WriteSettings() {
    if (!SettingsFileFailure.empty()) return;
    std::vector<const Key*> order;
    for (const Key& k : kKeys)
        if (k.written > 0 && (!k.normalWindowOnly || WindowState() == wsNormal)) order.push_back(&k);
    std::sort(order.begin(), order.end(), [](const Key* a, const Key* b) { return a->written < b->written; });
    for (const Key* k : order)
        IniFile->WriteString(k->section, k->name, k->text(this));
}
