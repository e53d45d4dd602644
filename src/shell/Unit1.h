// The main window: it holds every setting of the program in its controls and fields.
#pragma once

#include "TextItemFonts.h"
#include "winlib/ComCtrls.h"
#include "winlib/Dialogs.h"
#include "winlib/ExtCtrls.h"
#include "winlib/Forms.h"
#include "winlib/ImgList.h"
#include "winlib/IniFiles.h"
#include "winlib/Menus.h"
#include "winlib/PrintDialogs.h"
#include "winlib/Printers.h"
#include "winlib/StdCtrls.h"
#include "winlib/SysUtils.h"

#include <array>
#include <exception>
#include <map>

struct sqlite3;
class TABitmap;
class TBackgroundPreview;
class TPrintBackground;
class YxDraw;

// Sheets of one print job per counted paper kind (0 to 6).
using TPrintCounts = std::array<int, 7>;

class TForm1 : public TForm {
  public:
    explicit TForm1(TComponent* Owner);
    ~TForm1() override;

    // --- published controls (the names every handler and renderer uses) ---
    TControlBar* ControlBar1;
    TToolBar *ToolBar1, *ToolBar2, *ToolBar3, *ToolBar4, *DebugToolBar;
    TToolButton *ToolButton1, *ToolButton2, *ToolZoomButton1, *ToolZoomButton2;
    TToolButton *ToolButton6, *ToolButton7, *ToolButton8;
    TComboBox* ComboBox1; // zoom
    TMainMenu* MainMenu1;
    TImageList* ImageList1; // menu, tool button and status bar images
    TMenuItem *MenuFile, *MenuView, *MenuSettings, *MenuHelp;
    TMenuItem *Print1, *PrinterSetup1, *N11, *N12, *Exit1;
    TMenuItem *SpaceLineView1, *MenuViewZoom, *MenuViewPrint, *MenuViewFile1;
    TMenuItem *N3, *CheckUpdate1, *CriticalFocus1, *CheckTransparentClose1, *Skin;
    TMenuItem *Skin0, *Skin1, *Skin2, *Skin3, *Skin4, *Skin5, *Skin6, *Skin7;
    TMenuItem *UpdateCheck1, *SiteJump1, *WebForum1, *MailTo1, *About1;
    TPopupMenu* PopupMenu2;
    TStatusBar* StatusBar1;
    TActionList* ActionList1;
    TAction *PrintSetup, *PrintOut, *LineColorChange;
    TColorDialog *ColorDialog1, *ColorDialog2;
    TFontDialog *FontDialog1, *FontDialog2, *FontDialog3;
    TOpenPictureDialog* OpenPictureDialog1;
    TPrintDialog* PrintDialog1;
    TPrinterSetupDialog* PrinterSetupDialog1;

    // left side
    TPanel* Panel6;
    TPageControl* PageControl1;
    TCheckBox* CheckBlank;
    TTabSheet *TabSheet1, *TabSheet2, *TabSheet3, *TabSheet4, *TabSheet5, *TabSheet6, *TabSheet7;
    TTabSheet *TabSheet8, *TabSheet9, *TabSheet10, *TabSheet11, *TabSheet12;
    // graph paper
    TPageControl* PageControl2;
    TLabel *Label3, *Label4, *Label5, *Label6, *Label9, *Label10, *Label12, *Label14;
    TEdit *eDotX, *eDotY, *eMmX, *eMmY, *Edit32, *Edit1, *Edit27, *Edit33;
    TUpDown *UpDown6, *UpDown7, *UpDown1, *UpDown11;
    TGroupBox* GroupBox1;
    TComboBox *GraphPenStyle, *ComboBox8;
    TCheckBox* CheckGraphPaper1;
    TPanel *ExColorPanel1, *ExColorPanel1Y;
    TButton *Button1, *Button7;
    // log paper
    TEdit *Edit8, *Edit9, *Edit12, *Edit11, *Edit10, *Edit20;
    TComboBox* ComboBox4;
    TRadioButton *RadioButton5, *RadioButton6;
    TCheckBox *CheckBox6, *CheckBox7;
    // manuscript paper
    TEdit *Edit4, *Edit5, *Edit6, *Edit7, *Edit28;
    TUpDown *UpDown3, *UpDown4, *UpDown5;
    TLabel* Label15;
    TCheckBox* CheckBox3;
    TButton* Button8;
    // multi-line paper
    TPageControl* PageControl3;
    TEdit *EditFiveLineCount, *EditLineCount1, *EditFiveLineLSpace, *EditFiveLineSpace, *EditLineSize;
    TCSpinButton *CSpinButton8, *CSpinButton5, *CSpinButton6, *CSpinButton7;
    TComboBox *ComboBox3, *ComboBox6, *ComboBox11;
    TCheckBox *CheckMultiline1, *CheckMultiline2;
    TEdit *Edit3, *EditLineSizeEx, *Edit31, *Edit34;
    TUpDown* UpDown2;
    TPanel *ExColorPanel2, *Panel7;
    TButton *Button2, *Button13, *Button14, *Button15;
    TGroupBox* GroupBoxIndividual;
    TListBox* ListBox1;
    // slanted paper
    TEdit *Edit13, *Edit29, *Edit30;
    TUpDown *UpDown12, *UpDown13;
    TComboBox* ComboBox7;
    TCheckBox* CheckBox8;
    // grid
    TEdit *Edit14, *Edit15, *Edit16, *Edit17, *Edit18, *Edit19;
    TUpDown *UpDown9, *UpDown10;
    TCheckBox *CheckBox4, *CheckBox5;
    // arcs
    TEdit *Edit24, *Edit25, *Edit26, *Edit37, *Edit38;
    TUpDown* UpDown17;
    TLabel* Label54;
    TComboBox *ComboBox5, *ComboBox9, *ComboBoxCardinalPoint;
    // text page
    TListBox* TntListBox1;
    TToolBar* ToolBarText;
    TToolButton *ToolButton9, *ToolButton10;

    // centre
    TPanel* Panel3;
    TScrollBox* ScrollBox1;
    TPaintBox* PreViewBox;

    // right side
    TPageControl* PageControl4;
    TTabSheet *TabSheet13, *TabSheet14, *TabSheet15;
    TScrollBox* ScrollBox2;
    TPanel* Panel5;
    TLabel *Label41, *Label42, *Label43, *Label44, *Label45;
    TGroupBox *GroupBox2, *GroupBox3, *GroupBox4, *GroupBox5, *GroupBox6, *GroupBox7, *GroupBox8;
    TLabel *lSpT, *lSpL, *lSpR, *lSpB, *lSpace_mm;
    TEdit *eSpaceT, *eSpaceL, *eSpaceR, *eSpaceB;
    TCSpinButton *CSpinButton1, *CSpinButton2, *CSpinButton3, *CSpinButton4;
    TCheckBox *CheckBox1, *CheckBox9, *CheckBox10;
    TPanel *Panel2, *Panel1;
    TButton *ColorChangeButton, *Button3;
    TEdit* Edit2;
    TUpDown* UpDown8;
    TCheckBox* CheckBox2;
    TEdit* TntEdit1;
    TButton* Button10;
    TRadioButton *RadioButton7, *RadioButton8, *RadioButton9, *RadioButton10, *RadioButton11;
    // background
    TPanel* Panel4;
    TEdit *Edit23, *Edit21, *Edit22, *Edit39, *Edit40;
    TButton *Button4, *Button5, *Button6, *Button9, *Button11, *Button12;
    TCheckBox *BGImageCheckBox1, *BGImageCheckBox2;
    TTrackBar* TrackBar1;
    // frame
    TCheckBox* CheckBoxHeader;
    TRadioButton *FrameRadio1, *FrameRadio2, *FrameRadio3;
    TPageControl* PageControl5;
    TTabSheet *TabSheet16, *TabSheet17, *TabSheet18;
    TEdit *HeadText1, *HeadText2, *EditFrameScale1, *Edit35, *Edit36;
    TCheckBox *HeadCheck1, *CheckScale1, *CheckScale2, *CheckScale3, *CheckScale4, *CheckBox11;
    TRadioGroup* RadioGroup1;

    // --- handlers ---
    void FormCreate(TObject* Sender);
    void Int(TObject* Sender);
    void FormResize(TObject* Sender);
    // settings file
    void ReadSettings();
    void ReadUpdateCheckSetting(); // the one key the start-up update check reads before the pass
    void WriteSettings();
    void ApplySkinScheme(int Scheme);
    void RestoreBackgroundPicture();
    // printer metrics and choice
    void RefreshPrinterMetrics();
    void PrinterMenuItemClick(TObject* Sender);
    void PrintSetupExecute(TObject* Sender);
    void PrinterSetup1Click(TObject* Sender);
    void PrintDialog1Show(TObject* Sender);
    void PrintDialog1Close(TObject* Sender);
    void StatusBar1Click(TObject* Sender);
    void StatusBar1DrawPanel(TStatusBar* StatusBar, TStatusPanel* Panel, const TRect& Rect);
    void N12Click(TObject* Sender);
    // print job
    void PrintOutExecute(TObject* Sender);
    // database
    void OpenDatabase();
    int ReadPrintCount(int Kind);
    void AddPrintCount(int Kind);
    // A job's sheets, added in one transaction with one commit.
    void AddPrintCounts(const TPrintCounts& Sheets);
    // False when Rc says the database cannot be used at all; the first such result is reported
    // and turns the connection read-only. Results that are only ignored give true.
    bool DatabaseResult(int Rc);
    // preview
    void UpdatePreview();
    void PreViewBoxPaint(TObject* Sender);
    void GraphPenStyleChange(TObject* Sender);
    void CheckBlankClick(TObject* Sender);
    void View(TObject* Sender);
    void ComboBox1Change(TObject* Sender);
    void ToolZoomButton1Click(TObject* Sender);
    void ToolZoomButton2Click(TObject* Sender);
    void PreViewBoxMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void PreViewBoxMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void PreViewBoxMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void SpaceLineView1Click(TObject* Sender);
    void MenuViewZoomClick(TObject* Sender);
    void MenuViewPrintClick(TObject* Sender);
    void MenuViewFile1Click(TObject* Sender);
    void Exit1Click(TObject* Sender);
    // shared edit handlers
    void OnChenge(TObject* Sender);
    void Edit1Change(TObject* Sender);
    void eDotXKeyPress(TObject* Sender, char& Key);
    void eDotYKeyPress(TObject* Sender, char& Key);
    void eMmXKeyPress(TObject* Sender, char& Key);
    void eMmYKeyPress(TObject* Sender, char& Key);
    void eSpaceTKeyPress(TObject* Sender, char& Key);
    void eSpaceLKeyPress(TObject* Sender, char& Key);
    void eSpaceRKeyPress(TObject* Sender, char& Key);
    void eSpaceBKeyPress(TObject* Sender, char& Key);
    // graph paper cells
    void eDotXChange(TObject* Sender);
    void eDotYChange(TObject* Sender);
    void eMmXChange(TObject* Sender);
    void eMmYChange(TObject* Sender);
    void Button1Click(TObject* Sender);
    void Button7Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    // paper tabs
    void TabSheet2Show(TObject* Sender);
    void Edit4Change(TObject* Sender);
    void UpDown4Click(TObject* Sender, TUDBtnType Button);
    void CheckBox3Click(TObject* Sender);
    void Edit7Change(TObject* Sender);
    void Edit28Change(TObject* Sender);
    void Button8Click(TObject* Sender);
    void Edit10Enter(TObject* Sender);
    void Edit20Enter(TObject* Sender);
    void EditLineCount1Change(TObject* Sender);
    void EditFiveLineSpaceChange(TObject* Sender);
    void eSlantLengthChange(TObject* Sender);
    void CSpinButton5UpClick(TObject* Sender);
    void CSpinButton5DownClick(TObject* Sender);
    void CSpinButton8UpClick(TObject* Sender);
    void CSpinButton8DownClick(TObject* Sender);
    void CSpinButton6UpClick(TObject* Sender);
    void CSpinButton6DownClick(TObject* Sender);
    void CSpinButton7UpClick(TObject* Sender);
    void CSpinButton7DownClick(TObject* Sender);
    void Edit26Change(TObject* Sender);
    void ComboBoxCardinalPointChange(TObject* Sender);
    // margins (the coupling boxes and spin buttons)
    void eSpaceTChange(TObject* Sender);
    void CSpinButton1UpClick(TObject* Sender);
    void CSpinButton1DownClick(TObject* Sender);
    // page settings panel
    void SetLineColor(TColor Color);
    void LineColorChangeExecute(TObject* Sender);
    void ColorChangeButtonClick(TObject* Sender);
    void N3Click(TObject* Sender);
    void Button3Click(TObject* Sender);
    void RadioButton11Click(TObject* Sender);
    void RadioButton7Click(TObject* Sender);
    void RadioButton9Click(TObject* Sender);
    void RadioButton10Click(TObject* Sender);
    void RadioButton8Click(TObject* Sender);
    void Button10Click(TObject* Sender);
    void FrameRadio1Click(TObject* Sender);
    void CheckBoxHeaderClick(TObject* Sender);
    void CheckScale1Click(TObject* Sender);
    void CheckBox7Click(TObject* Sender);
    void Edit8Change(TObject* Sender); // log tab: smallest intervals and group counts
    // per-line emphasis list (multi-line paper)
    void ListBox1DrawItem(TWinControl* Control, int Index, const TRect& Rect, TOwnerDrawState State);
    void DrawEmphasisItem(TCanvas* Canvas, int Index, const TRect& Rect, TOwnerDrawState State);
    void ListBox1Click(TObject* Sender);
    void Button14Click(TObject* Sender);
    void Button15Click(TObject* Sender);
    void Button13Click(TObject* Sender);
    void Panel7Click(TObject* Sender);
    // slide input: opens it under the double-clicked numeric edit
    void Edit16DblClick(TObject* Sender);
    // text page: add, select and delete free text items
    void ToolButton9Click(TObject* Sender);
    void TntListBox1Click(TObject* Sender);
    void ToolButton10Click(TObject* Sender);
    // colour schemes and owner-drawn chrome
    void Skin1Click(TObject* Sender);
    // The current scheme's painting and colours on the tool bars, the control bar and the panels.
    void PaintChromeInScheme();
    // The settings panel's heading labels, each over the group box it names.
    struct TSettingsHeading {
        TLabel* Label;
        TGroupBox* Group;
    };
    std::array<TSettingsHeading, 5> SettingsHeadings() const;
    // Each heading takes the caption colours of whether its group box is shown.
    void RecolourSettingsHeadings();
    void CriticalFocus1Click(TObject* Sender);
    // The focus frame: OnEnter/OnExit on the paper pages, OnEnter2/OnExit2 in the settings panel.
    void OnEnter(TObject* Sender);
    void OnExit(TObject* Sender);
    void OnEnter2(TObject* Sender);
    void OnExit2(TObject* Sender);
    void CheckTransparentClose1Click(TObject* Sender);
    void PrinterSetup1AdvancedDrawItem(TObject* Sender, TCanvas* ACanvas, const TRect& ARect, uint8_t State);
    void PrinterItemAdvancedDrawItem(TObject* Sender, TCanvas* ACanvas, const TRect& ARect, uint8_t State);
    void PageControl1DrawTab(TObject* Control, int TabIndex, const TRect& Rect, bool Active);
    void PageControl2DrawTab(TObject* Control, int TabIndex, const TRect& Rect, bool Active);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void ScrollBox2MouseWheel(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos,
                              bool& Handled);
    void About1Click(TObject* Sender);
    void ToolButton6Click(TObject* Sender);
    void ToolButton7Click(TObject* Sender);
    void ToolButton8Click(TObject* Sender);
    // background tab
    void Button6Click(TObject* Sender);
    void Button9Click(TObject* Sender);
    void TrackBar1Change(TObject* Sender);
    void Button5Click(TObject* Sender);
    void Button4Click(TObject* Sender);
    void Edit21Change(TObject* Sender);
    void Edit22Change(TObject* Sender);
    void Edit39Change(TObject* Sender);
    void Edit40Change(TObject* Sender);
    void Button11Click(TObject* Sender);
    void Button12Click(TObject* Sender);
    // update check and web links
    void CheckForUpdateAtStart();
    void UpdateCheck1Click(TObject* Sender);
    void CheckUpdate1Click(TObject* Sender);
    void SiteJump1Click(TObject* Sender);
    void WebForum1Click(TObject* Sender);
    void MailTo1Click(TObject* Sender);

    // --- derived state, public because the renderers, the editors and the window's other units
    // read and write it through Form1 ---
    YxDraw* CurrentSkin = nullptr;
    int EditPrinterIndex = 0;
    AnsiString VersionText;
    sqlite3* DbHandle = nullptr;
    AnsiString SqlText;
    AnsiString DbFile;       // the database's file, rulif.db3 in the program folder
    bool DbReported = false; // the database was found unusable, said so, and is only read since
    TIniFile* IniFile = nullptr;
    AnsiString BGImage;
    int BGAlpha = 0;
    int BGRoted = 0;
    double BGWidth = 0, BGHeight = 0;
    double BGLeft = 0, BGTop = 0;
    int MarkPos = 0;
    int FrameIndex = 0;
    bool CriticalFocus = false;
    bool TransparentClose = false;
    TPrinter* PrinterRef = nullptr;
    TABitmap* PreviewBitmap = nullptr;
    TABitmap* BGBitmap = nullptr;
    std::unique_ptr<TBackgroundPreview> BGPreview;  // the preview's stretched, blended copy of it
    std::unique_ptr<TPrintBackground> BGPrintBlend; // a print job's blended copy, while it runs
    double PxPerMmX = 0, PxPerMmY = 0;
    double MarginLeft = 0, MarginTop = 0, MarginBottom = 0, MarginRight = 0;
    double FrameInsetTop = 0, FrameInsetBottom = 0, FrameInsetLeft = 0, FrameInsetRight = 0;
    TColor PaperColor = 0;
    int DrawableWidth = 0, DrawableHeight = 0;
    int PhysOffsetX = 0, PhysOffsetY = 0;
    double LogMinX = 0, LogMinY = 0;
    int LogGroupsX = 0, LogGroupsY = 0;
    std::vector<TPoint> TextPositions; // the text items' positions in whole millimetres
    TTextItemFonts TextFonts;
    // Lengths the settings file holds that this printer's paper cannot take (saved on a larger
    // one): the field shows what it takes instead, and the file keeps the stored text for as
    // long as the field still shows that, so that a start on a smaller paper loses nothing.
    struct KeptLength {
        AnsiString stored, shown;
    };
    std::map<const TEdit*, KeptLength> KeptLengths;

  private:
    bool PanDragging = false;             // the right button drags the preview
    int PanStartX = 0, PanStartY = 0;     // where the drag began, in preview pixels
    bool SettingsRead = false;            // the read pass has run: the exit may write the file
    std::exception_ptr SettingsReadError; // the first error of the read pass, shown after creation
    AnsiString SettingsFileFailure;       // why the settings file could not be read; it is then kept
    void BuildMenus();
    void BuildToolBars();
    void BuildStatusBar();
    void BuildPaperPages();
    void BuildGraphPage();
    void BuildLogPage();
    void BuildManuscriptPage();
    void BuildMultiLinePage();
    void BuildSlantPage();
    void BuildGridPage();
    void BuildArcPage();
    void BuildTextPage();
    void BuildPreviewArea();
    void BuildSettingsPages();
    void BuildPageSettingsTab();
    void BuildBackgroundTab();
    void BuildFrameTab();
    void BuildDialogs();
    void BindHandlers();
    void BindFocusFrames();  // the focus-frame handlers of every control of the pages and the panel
    void ApplyPreviewSize(); // the size rule of the preview box and the scroll ranges that follow it
    void ReadPrinterScale(); // PxPerMmX/PxPerMmY: the printer's resolution in pixels per millimetre
    void FillLimitLabels();
    void ComputeDrawableSize(); // DrawableWidth/DrawableHeight from the printer, margins and frame bands
    void SetScaleInsets();      // the ruler-scale bands from the four scale boxes
};

extern TForm1* Form1;

// One side of the preview box in screen pixels: the paper length (its length in printer pixels
// over the printer's pixels per millimetre) rounded to three significant digits, at the screen's
// resolution and the zoom in per cent.
int PreviewBoxLength(int PixelsPerInch, int PaperPx, double PxPerMm, double ZoomPercent);
