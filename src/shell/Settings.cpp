// The settings file: read into the controls at start, in an order the handlers depend on, and
// written back when the main window is destroyed.
#include "Unit1.h"

#include "Abitmap.h"
#include "SettingLimits.h"
#include "WholeNumbers.h"
#include "editors/NumberText.h"

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
const char* const kLog = "LogPaper";
const char* const kGrid = "Grid";
const char* const kSlant = "斜眼紙";
const char* const kArc = "円弧";

// An edit's text as a whole number, or Fallback when it is none.
int WholeOr(TEdit* e, int Fallback) {
    return StrToWholeDef(e->Text(), Fallback);
}

// A font of the paper, its size no larger than the paper.
void ReadFont(const TForm1* form, TIniFile* ini, const char* section, const char* prefix, TFont* font) {
    const AnsiString p(prefix);
    font->SetName(ini->ReadString(section, p + "Name", "ＭＳ ゴシック"));
    font->SetSize(FontSizeWithinPaper(form, ini->ReadInteger(section, p + "Size", 6)));
    font->SetStyle(static_cast<TFontStyles>(ini->ReadInteger(section, p + "Style", 0) & 0xFF));
    font->SetColor(ini->ReadInteger(section, p + "Color", 0));
}

void WriteFont(TIniFile* ini, const char* section, const char* prefix, TFont* font) {
    const AnsiString p(prefix);
    ini->WriteString(section, p + "Name", font->Name());
    ini->WriteInteger(section, p + "Size", font->Size());
    ini->WriteInteger(section, p + "Style", font->Style());
    ini->WriteInteger(section, p + "Color", font->Color());
}
} // namespace

void TForm1::ReadSettings() {
    TIniFile* ini = IniFile;
    SettingsRead = true;
    // Each row runs on its own: an error that a change handler raises ends that row only, so
    // every stored setting is read and the exit writes back nothing that was not. The first
    // error is shown once the window is created.
    auto row = [this](auto&& read) {
        try {
            read();
        } catch (...) {
            if (!SettingsReadError) SettingsReadError = std::current_exception();
        }
    };
    // The colour scheme first, its menu check, and the settings panel's headings.
    row([&] {
        const int skin = ini->ReadInteger(kMain, "Skin", 1);
        TMenuItem* skins[] = {Skin0, Skin1, Skin2, Skin3, Skin4, Skin5};
        for (TMenuItem* m : skins)
            m->SetChecked(false);
        if (skin >= 0 && skin <= 5) skins[skin]->SetChecked(true);
        ApplySkinScheme(skin >= 0 && skin <= 5 ? skin : 0);
        Skin->SetTag(skin);
    });
    row([&] {
        struct Heading {
            TLabel* label;
            TGroupBox* group;
        };
        for (const Heading& h :
             {Heading{Label41, GroupBox3}, Heading{Label42, GroupBox2}, Heading{Label43, GroupBox6},
              Heading{Label44, GroupBox5}, Heading{Label45, GroupBox8}}) {
            h.label->SetTransparent(false);
            h.label->SetColor(h.group->Visible() ? clActiveCaption : clInactiveCaption);
            h.label->Font()->SetColor(h.group->Visible() ? clCaptionText : clInactiveCaptionText);
            h.label->SetCaption("  " + h.label->Caption());
        }
    });
    // The window, inside the work area of the screen nearest its stored corner.
    row([&] {
        const TRect r = WindowWithinScreens(
            ini->ReadInteger(kMain, "Left", 0), ini->ReadInteger(kMain, "Top", 0),
            ini->ReadInteger(kMain, "Width", 768), ini->ReadInteger(kMain, "Height", 576));
        SetWidth(r.Width());
        SetHeight(r.Height());
        SetTop(r.Top);
        SetLeft(r.Left);
    });
    // The paper kind, the window state and two of the bars. A window that starts minimised may
    // have nothing to bring it back: it starts normal.
    row([&] { PageControl1->SetActivePageIndex(ini->ReadInteger(kMain, "PrintTypeIndex", 0)); });
    row([&] { SetWindowState(ini->ReadInteger(kMain, "WindowState", 0) == 2 ? wsMaximized : wsNormal); });
    row([&] { ToolBar2->SetTop(ini->ReadInteger(kMain, "MenuBar_Top", 2)); });
    row([&] { ToolBar2->SetLeft(ini->ReadInteger(kMain, "MenuBar_Left", 167)); });
    row([&] { ToolBar3->SetTop(ini->ReadInteger(kMain, "ZoomBar_Top", 2)); });
    row([&] { ToolBar3->SetLeft(ini->ReadInteger(kMain, "ZoomBar_Left", 398)); });
    row([&] {
        ToolBar3->SetVisible(ini->ReadBool(kMain, "ZoomBar_Visible", true));
        MenuViewZoom->SetChecked(ToolBar3->Visible());
    });
    // The background picture, its millimetres within reach of the paper, loaded and turned.
    row([&] {
        BGImage = ini->ReadString(kMain, "BGImage", "");
        Edit23->SetText(BGImage);
    });
    row([&] { BGAlpha = ini->ReadInteger(kMain, "BGAlpha", 127); });
    row([&] { BGWidth = PictureMmWithinReach(this, ini->ReadFloat(kMain, "BGWidth", 100.0), 100.0); });
    row([&] { BGHeight = PictureMmWithinReach(this, ini->ReadFloat(kMain, "BGHeight", 100.0), 100.0); });
    row([&] { BGLeft = PictureMmWithinReach(this, ini->ReadFloat(kMain, "BGLeft", 0.0), 0.0); });
    row([&] { BGTop = PictureMmWithinReach(this, ini->ReadFloat(kMain, "BGTop", 0.0), 0.0); });
    row([&] { BGRoted = ini->ReadInteger(kMain, "BGRoted", 0); });
    row([&] { Edit21->SetText(FloatToStr(BGWidth)); });
    row([&] { Edit22->SetText(FloatToStr(BGHeight)); });
    row([&] { Edit39->SetText(FloatToStr(BGLeft)); });
    row([&] { Edit40->SetText(FloatToStr(BGTop)); });
    row([&] { TrackBar1->SetPosition(BGAlpha); });
    row([&] { RestoreBackgroundPicture(); });
    // The print bar, then the three bars held on the control bar.
    row([&] { ToolBar1->SetTop(ini->ReadInteger(kMain, "PrintBar_Top", 2)); });
    row([&] { ToolBar1->SetLeft(ini->ReadInteger(kMain, "PrintBar_Left", 11)); });
    row([&] {
        ToolBar1->SetVisible(ini->ReadBool(kMain, "PrintBar_Visible", true));
        MenuViewPrint->SetChecked(ToolBar1->Visible());
    });
    row([&] { PlaceToolBarsOnControlBar(this); });
    // The margins, through the margin boxes' handler. Here and below, numbers for
    // millimetre boxes and counts are held within what the paper can show.
    const AnsiString minY = TwoDigitText(PhysOffsetY / PxPerMmY), minX = TwoDigitText(PhysOffsetX / PxPerMmX);
    row([&] { eSpaceT->SetText(MillimetreTextWithinPaper(this, ini->ReadString(kSpace, "Top", minY))); });
    row([&] { eSpaceL->SetText(MillimetreTextWithinPaper(this, ini->ReadString(kSpace, "Left", minX))); });
    row([&] { eSpaceR->SetText(MillimetreTextWithinPaper(this, ini->ReadString(kSpace, "Right", minX))); });
    row([&] { eSpaceB->SetText(MillimetreTextWithinPaper(this, ini->ReadString(kSpace, "Bottom", minY))); });
    // Zoom and the two window options.
    // A stored zoom that names no item of the list reads as the default, 40 %.
    row([&] {
        const int zoom = ini->ReadInteger(kMain, "Zoom", 5);
        ComboBox1->SetItemIndex(zoom >= 0 && zoom < ComboBox1->ItemCount() ? zoom : 5);
    });
    row([&] {
        CriticalFocus = ini->ReadBool(kMain, "CriticalFocus", true);
        CriticalFocus1->SetChecked(CriticalFocus);
    });
    row([&] {
        TransparentClose = ini->ReadBool(kMain, "TransparentClose", true);
        CheckTransparentClose1->SetChecked(TransparentClose);
    });
    // The mark and the colours; the mark no larger than the paper.
    row([&] { TntEdit1->SetText(ini->ReadString(kMark, "Char", "▼")); });
    row([&] {
        switch (ini->ReadInteger(kMark, "Pos", 0)) {
        case 0:
            RadioButton11->SetChecked(true);
            break;
        case 1:
            RadioButton7->SetChecked(true);
            break;
        case 2:
            RadioButton9->SetChecked(true);
            break;
        case 3:
            RadioButton10->SetChecked(true);
            break;
        case 4:
            RadioButton8->SetChecked(true);
            break;
        default:
            break;
        }
    });
    row([&] { FontDialog3->Font()->SetSize(FontSizeWithinPaper(this, ini->ReadInteger(kMark, "Size", 3))); });
    row([&] { FontDialog3->Font()->SetColor(ini->ReadInteger(kMark, "Color", 0)); });
    row([&] {
        ColorDialog1->SetColor(ini->ReadInteger(kColor, "Pen", 0));
        SetLineColor(ColorDialog1->Color());
    });
    row([&] {
        PaperColor = ini->ReadInteger(kColor, "Paper", 16777215);
        Panel1->SetColor(PaperColor);
    });
    // The page number.
    row([&] { CheckBox2->SetChecked(ini->ReadBool(kPageNumber, "Enabled", false)); });
    row([&] { ReadFont(this, ini, kPageNumber, "Font", FontDialog2->Font()); });
    // The frame.
    row([&] { HeadText1->SetText(ini->ReadString(kHeader, "HeadText1", "")); });
    row([&] { HeadText2->SetText(ini->ReadString(kHeader, "HeadText2", "")); });
    row([&] { HeadCheck1->SetChecked(ini->ReadBool(kHeader, "Check1", false)); });
    row([&] { CheckBoxHeader->SetChecked(ini->ReadBool(kHeader, "Enabled", false)); });
    row([&] {
        FrameIndex = ini->ReadInteger(kHeader, "FrameIndex", 1);
        if (FrameIndex == 1) FrameRadio1->SetChecked(true);
        if (FrameIndex == 2) FrameRadio2->SetChecked(true);
        if (FrameIndex == 3) FrameRadio3->SetChecked(true);
    });
    row([&] {
        EditFrameScale1->SetText(
            MillimetreTextWithinPaper(this, ini->ReadString(kHeader, "FrameScalemm", "5")));
    });
    row([&] { CheckScale1->SetChecked(ini->ReadBool(kHeader, "Scale1Used", true)); });
    row([&] { CheckScale2->SetChecked(ini->ReadBool(kHeader, "Scale2Used", true)); });
    row([&] { CheckScale3->SetChecked(ini->ReadBool(kHeader, "Scale3Used", true)); });
    row([&] { CheckScale4->SetChecked(ini->ReadBool(kHeader, "Scale4Used", true)); });
    // Graph paper.
    row([&] { UpDown6->SetPosition(ini->ReadInteger(kGraph, "XPX", 16)); });
    row([&] { UpDown7->SetPosition(ini->ReadInteger(kGraph, "YPX", 16)); });
    row([&] { eMmX->SetText(MillimetreTextWithinPaper(this, ini->ReadString(kGraph, "Xmm", "10.0"))); });
    row([&] { eMmY->SetText(MillimetreTextWithinPaper(this, ini->ReadString(kGraph, "Ymm", "10.0"))); });
    row([&] { GraphPenStyle->SetItemIndex(ini->ReadInteger(kGraph, "PenStyle", 0)); });
    row([&] { CheckGraphPaper1->SetChecked(ini->ReadBool(kGraph, "ExEnabled", true)); });
    row([&] { Edit1->SetText(CountTextWithinPaper(this, ini->ReadString(kGraph, "ExColorCount", "5"))); });
    row([&] { Edit27->SetText(CountTextWithinPaper(this, ini->ReadString(kGraph, "ExColorCountY", "5"))); });
    row([&] { UpDown1->SetPosition(ini->ReadInteger(kGraph, "ExColorCount", 5)); });
    row([&] { UpDown11->SetPosition(ini->ReadInteger(kGraph, "ExColorCountY", 5)); });
    row([&] { ExColorPanel1->SetColor(ini->ReadInteger(kGraph, "ExColor", 255)); });
    row([&] { ExColorPanel1Y->SetColor(ini->ReadInteger(kGraph, "ExColorY", 255)); });
    row([&] { ComboBox8->SetItemIndex(ini->ReadInteger(kGraph, "ExPenStyle", 0)); });
    row([&] {
        Edit32->SetText(MillimetreTextWithinPaper(this, ini->ReadString(kGraph, "LineWidth", "0.05")));
    });
    row([&] {
        Edit33->SetText(MillimetreTextWithinPaper(this, ini->ReadString(kGraph, "LineWidthEx", "0.5")));
    });
    // Multi-line paper.
    row([&] {
        EditFiveLineSpace->SetText(
            MillimetreTextWithinPaper(this, ini->ReadString(kMulti, "interval", "20")));
    });
    row([&] {
        EditFiveLineLSpace->SetText(
            MillimetreTextWithinPaper(this, ini->ReadString(kMulti, "LineSpace", "5")));
    });
    row([&] {
        EditFiveLineCount->SetText(CountTextWithinPaper(this, ini->ReadString(kMulti, "Count", "5")));
    });
    row([&] { ComboBox3->SetItemIndex(ini->ReadInteger(kMulti, "PenStyle", 0)); });
    row([&] {
        EditLineSize->SetText(MillimetreTextWithinPaper(this, ini->ReadString(kMulti, "PenSize", "0.1")));
    });
    row([&] {
        EditLineCount1->SetText(CountTextWithinPaper(this, ini->ReadString(kMulti, "LineCount", "5")));
    });
    row([&] { CheckMultiline1->SetChecked(ini->ReadBool(kMulti, "ExEnabled", false)); });
    row([&] { CheckMultiline2->SetChecked(ini->ReadBool(kMulti, "ExEnabled2", false)); });
    row([&] { Edit3->SetText(CountTextWithinPaper(this, ini->ReadString(kMulti, "ExColorCount", "5"))); });
    row([&] { UpDown2->SetPosition(ini->ReadInteger(kMulti, "ExColorCount", 5)); });
    row([&] { ExColorPanel2->SetColor(ini->ReadInteger(kMulti, "ExColor", 255)); });
    row([&] {
        EditLineSizeEx->SetText(MillimetreTextWithinPaper(this, ini->ReadString(kMulti, "ExPenSize", "0.1")));
    });
    // Manuscript paper.
    row([&] { UpDown3->SetPosition(ini->ReadInteger(kManuscript, "横", 10)); });
    row([&] { UpDown4->SetPosition(ini->ReadInteger(kManuscript, "縦", 20)); });
    row([&] { UpDown5->SetPosition(ini->ReadInteger(kManuscript, "中央", 10)); });
    row([&] { CheckBox3->SetChecked(ini->ReadBool(kManuscript, "サイズ指定", false)); });
    row([&] {
        Edit7->SetText(
            MillimetreTextWithinPaper(this, IntToStr(ini->ReadInteger(kManuscript, "サイズ", 10))));
    });
    row([&] { Edit28->SetText(ini->ReadString(kManuscript, "CenterString", "")); });
    row([&] { ReadFont(this, ini, kManuscript, "CenterFont", FontDialog1->Font()); });
    // Log paper. One key has always been read from "Logpaper"; names compare without case.
    row([&] { ComboBox4->SetItemIndex(ini->ReadInteger(kLog, "Type", 0)); });
    row([&] { Edit8->SetText(MillimetreTextWithinPaper(this, ini->ReadString(kLog, "Xsmall", "1"))); });
    row([&] { Edit12->SetText(CountTextWithinPaper(this, ini->ReadString(kLog, "Xcount", "5"))); });
    row([&] { Edit9->SetText(MillimetreTextWithinPaper(this, ini->ReadString(kLog, "Ysmall", "1"))); });
    row([&] { Edit11->SetText(CountTextWithinPaper(this, ini->ReadString(kLog, "Ycount", "5"))); });
    row([&] { Edit10->SetText(ini->ReadString(kLog, "倍率", "1.3")); });
    row([&] { Edit20->SetText(ini->ReadString("Logpaper", "定数", "0.3")); });
    row([&] { CheckBox6->SetChecked(ini->ReadBool(kLog, "CheckX", false)); });
    row([&] { CheckBox7->SetChecked(ini->ReadBool(kLog, "CheckY", false)); });
    row([&] {
        RadioButton5->SetChecked(ini->ReadBool(kLog, "Option", true));
        RadioButton6->SetChecked(!RadioButton5->Checked());
    });
    // Grid.
    row([&] { UpDown9->SetPosition(ini->ReadInteger(kGrid, "CountX", 50)); });
    row([&] { UpDown10->SetPosition(ini->ReadInteger(kGrid, "CountY", 50)); });
    row([&] { Edit16->SetText(MillimetreTextWithinPaper(this, ini->ReadString(kGrid, "SizeX", "0.5"))); });
    row([&] { Edit17->SetText(MillimetreTextWithinPaper(this, ini->ReadString(kGrid, "SizeY", "0.5"))); });
    row([&] { Edit18->SetText(MillimetreTextWithinPaper(this, ini->ReadString(kGrid, "Space", "5.0"))); });
    row([&] { CheckBox4->SetChecked(ini->ReadBool(kGrid, "中抜き", false)); });
    row([&] { CheckBox5->SetChecked(ini->ReadBool(kGrid, "斜交い", false)); });
    // Slanted paper.
    row([&] { UpDown12->SetPosition(ini->ReadInteger(kSlant, "CountX", 10)); });
    row([&] { UpDown13->SetPosition(ini->ReadInteger(kSlant, "CountY", 10)); });
    row([&] { Edit13->SetText(MillimetreTextWithinPaper(this, ini->ReadString(kSlant, "Length", "10"))); });
    row([&] { ComboBox7->SetItemIndex(ini->ReadInteger(kSlant, "Type", 0)); });
    row([&] { CheckBox8->SetChecked(ini->ReadBool(kSlant, "方向", false)); });
    // Arcs.
    row([&] { Edit24->SetText(MillimetreTextWithinPaper(this, ini->ReadString(kArc, "直径", "100"))); });
    row([&] { Edit25->SetText(CountTextWithinPaper(this, ini->ReadString(kArc, "N重", "1"))); });
    row([&] { Edit26->SetText(CountTextWithinPaper(this, ini->ReadString(kArc, "分割数", "0"))); });
    row([&] { ComboBox5->SetItemIndex(ini->ReadInteger(kArc, "線種1", 0)); });
    row([&] { ComboBox9->SetItemIndex(ini->ReadInteger(kArc, "線種2", 0)); });
}

void TForm1::WriteSettings() {
    TIniFile* ini = IniFile;
    if (WindowState() == wsNormal) {
        ini->WriteInteger(kMain, "Width", Width());
        ini->WriteInteger(kMain, "Height", Height());
        ini->WriteInteger(kMain, "Top", Top());
        ini->WriteInteger(kMain, "Left", Left());
    }
    ini->WriteInteger(kMain, "WindowState", static_cast<int>(WindowState()));
    ini->WriteInteger(kMain, "PrintTypeIndex", PageControl1->ActivePageIndex());
    ini->WriteInteger(kMain, "MenuBar_Top", ToolBar2->Top());
    ini->WriteInteger(kMain, "MenuBar_Left", ToolBar2->Left());
    ini->WriteInteger(kMain, "ZoomBar_Top", ToolBar3->Top());
    ini->WriteInteger(kMain, "ZoomBar_Left", ToolBar3->Left());
    ini->WriteBool(kMain, "ZoomBar_Visible", ToolBar3->Visible());
    ini->WriteInteger(kMain, "PrintBar_Top", ToolBar1->Top());
    ini->WriteInteger(kMain, "PrintBar_Left", ToolBar1->Left());
    ini->WriteBool(kMain, "PrintBar_Visible", ToolBar1->Visible());
    ini->WriteString(kMain, "BGImage", BGImage);
    ini->WriteInteger(kMain, "BGAlpha", BGAlpha);
    ini->WriteFloat(kMain, "BGWidth", BGWidth);
    ini->WriteFloat(kMain, "BGHeight", BGHeight);
    ini->WriteInteger(kMain, "BGRoted", BGRoted);
    ini->WriteFloat(kMain, "BGLeft", BGLeft);
    ini->WriteFloat(kMain, "BGTop", BGTop);

    ini->WriteString(kSpace, "Top", eSpaceT->Text());
    ini->WriteString(kSpace, "Left", eSpaceL->Text());
    ini->WriteString(kSpace, "Right", eSpaceR->Text());
    ini->WriteString(kSpace, "Bottom", eSpaceB->Text());

    ini->WriteInteger(kMain, "Zoom", ComboBox1->ItemIndex());
    ini->WriteInteger(kMain, "Skin", Skin->Tag());
    ini->WriteBool(kMain, "CriticalFocus", CriticalFocus);
    ini->WriteBool(kMain, "TransparentClose", TransparentClose);
    ini->WriteBool(kMain, "UpdateCheck", CheckUpdate1->Checked());

    ini->WriteString(kMark, "Char", TntEdit1->Text());
    ini->WriteInteger(kMark, "Pos", MarkPos);
    ini->WriteInteger(kMark, "Size", FontDialog3->Font()->Size());
    ini->WriteInteger(kMark, "Color", FontDialog3->Font()->Color());

    ini->WriteBool(kPageNumber, "Enabled", CheckBox2->Checked());
    WriteFont(ini, kPageNumber, "Font", FontDialog2->Font());

    ini->WriteString(kHeader, "HeadText1", HeadText1->Text());
    ini->WriteString(kHeader, "HeadText2", HeadText2->Text());
    ini->WriteBool(kHeader, "Enabled", CheckBoxHeader->Checked());
    ini->WriteBool(kHeader, "Check1", HeadCheck1->Checked());
    ini->WriteInteger(kHeader, "FrameIndex", FrameIndex);
    ini->WriteString(kHeader, "FrameScalemm", EditFrameScale1->Text());
    ini->WriteBool(kHeader, "Scale1Used", CheckScale1->Checked());
    ini->WriteBool(kHeader, "Scale2Used", CheckScale2->Checked());
    ini->WriteBool(kHeader, "Scale3Used", CheckScale3->Checked());
    ini->WriteBool(kHeader, "Scale4Used", CheckScale4->Checked());

    ini->WriteInteger(kColor, "Pen", ColorDialog1->Color());
    ini->WriteInteger(kColor, "Paper", PaperColor);

    ini->WriteString(kGraph, "XPX", eDotX->Text());
    ini->WriteString(kGraph, "YPX", eDotY->Text());
    ini->WriteString(kGraph, "Xmm", eMmX->Text());
    ini->WriteString(kGraph, "Ymm", eMmY->Text());
    ini->WriteInteger(kGraph, "PenStyle", GraphPenStyle->ItemIndex());
    ini->WriteInteger(kGraph, "ExEnabled", CheckGraphPaper1->Checked() ? 1 : 0);
    ini->WriteInteger(kGraph, "ExColor", ExColorPanel1->Color());
    ini->WriteInteger(kGraph, "ExColorY", ExColorPanel1Y->Color());
    ini->WriteInteger(kGraph, "ExColorCount", WholeOr(Edit1, 2));
    ini->WriteInteger(kGraph, "ExColorCountY", WholeOr(Edit27, 2));
    ini->WriteInteger(kGraph, "ExPenStyle", ComboBox8->ItemIndex());
    ini->WriteString(kGraph, "LineWidth", Edit32->Text());
    ini->WriteString(kGraph, "LineWidthEx", Edit33->Text());

    ini->WriteString(kMulti, "interval", EditFiveLineSpace->Text());
    ini->WriteString(kMulti, "LineSpace", EditFiveLineLSpace->Text());
    ini->WriteString(kMulti, "Count", EditFiveLineCount->Text());
    ini->WriteInteger(kMulti, "PenStyle", ComboBox3->ItemIndex());
    ini->WriteString(kMulti, "PenSize", EditLineSize->Text());
    ini->WriteString(kMulti, "LineCount", EditLineCount1->Text());
    ini->WriteBool(kMulti, "ExEnabled", CheckMultiline1->Checked());
    ini->WriteBool(kMulti, "ExEnabled2", CheckMultiline2->Checked());
    ini->WriteInteger(kMulti, "ExColor", ExColorPanel2->Color());
    ini->WriteInteger(kMulti, "ExColorCount", WholeOr(Edit3, 2));
    ini->WriteString(kMulti, "ExPenSize", EditLineSizeEx->Text());

    ini->WriteInteger(kManuscript, "横", UpDown3->Position());
    ini->WriteInteger(kManuscript, "縦", UpDown4->Position());
    ini->WriteInteger(kManuscript, "中央", UpDown5->Position());
    ini->WriteInteger(kManuscript, "サイズ指定", CheckBox3->Checked() ? 1 : 0);
    ini->WriteInteger(kManuscript, "サイズ", WholeOr(Edit7, 10));
    ini->WriteString(kManuscript, "CenterString", Edit28->Text());
    WriteFont(ini, kManuscript, "CenterFont", FontDialog1->Font());

    ini->WriteInteger(kLog, "Type", ComboBox4->ItemIndex());
    ini->WriteString(kLog, "Xsmall", Edit8->Text());
    ini->WriteString(kLog, "Xcount", Edit12->Text());
    ini->WriteString(kLog, "Ysmall", Edit9->Text());
    ini->WriteString(kLog, "Ycount", Edit11->Text());
    ini->WriteString(kLog, "倍率", Edit10->Text());
    ini->WriteString(kLog, "定数", Edit20->Text());
    ini->WriteBool(kLog, "CheckX", CheckBox6->Checked());
    ini->WriteBool(kLog, "CheckY", CheckBox7->Checked());
    ini->WriteBool(kLog, "Option", RadioButton5->Checked());

    ini->WriteInteger(kGrid, "CountX", UpDown9->Position());
    ini->WriteInteger(kGrid, "CountY", UpDown10->Position());
    ini->WriteString(kGrid, "SizeX", Edit16->Text());
    ini->WriteString(kGrid, "SizeY", Edit17->Text());
    ini->WriteString(kGrid, "Space", Edit18->Text());
    ini->WriteBool(kGrid, "中抜き", CheckBox4->Checked());
    ini->WriteBool(kGrid, "斜交い", CheckBox5->Checked());

    ini->WriteInteger(kSlant, "CountX", UpDown12->Position());
    ini->WriteInteger(kSlant, "CountY", UpDown13->Position());
    ini->WriteString(kSlant, "Length", Edit13->Text());
    ini->WriteInteger(kSlant, "Type", ComboBox7->ItemIndex());
    ini->WriteBool(kSlant, "方向", CheckBox8->Checked());

    ini->WriteString(kArc, "直径", Edit24->Text());
    ini->WriteString(kArc, "N重", Edit25->Text());
    ini->WriteString(kArc, "分割数", Edit26->Text());
    ini->WriteInteger(kArc, "線種1", ComboBox5->ItemIndex());
    ini->WriteInteger(kArc, "線種2", ComboBox9->ItemIndex());
}
