// The main window's life: creation in the order the program depends on, and release.
#include "Unit1.h"

#include "Abitmap.h"
#include "CaptionFit.h"
#include "Yxdraw.h"
#include "render/BackgroundPreview.h"
#include "render/BackgroundPrint.h"
#include "Yxfile.h"
#include "editors/NumberText.h"

#include <utility>

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* Owner) : TForm(Owner) {
    SetName("Form1");
    SetCaption("Ruliform");
    SetMinimumSize(800, 600);
    SetFormStyle(fsMDIForm);
    SetAlphaBlend(true);
    SetAlphaBlendValue(255);
    SetBounds(0, 0, 800, 600);
    BuildMenus();
    BuildDialogs();
    BuildToolBars();
    BuildStatusBar();
    BuildPaperPages();
    BuildSettingsPages();
    BuildPreviewArea();
    PageControl1->SetActivePageIndex(0);
    PageControl2->SetActivePageIndex(0);
    PageControl3->SetActivePageIndex(0);
    PageControl4->SetActivePageIndex(0);
    VersionText = "1.31";
    BindHandlers();
    Realign();
    FitCaptions(this);
    // The window had its first size before the resize handler was bound: the hint panel takes
    // its width from that size now, as from every later one.
    FormResize(this);
}

TForm1::~TForm1() {
    // The destroy handler writes the settings from this form's own fields: run it while they live.
    DoDestroy();
}

void TForm1::BindHandlers() {
    OnCreate = Bind(this, &TForm1::FormCreate);
    OnDestroy = Bind(this, &TForm1::Int);
    OnResize = Bind(this, &TForm1::FormResize);

    ToolButton1->SetAction(PrintSetup);
    ToolButton2->SetAction(PrintOut);
    PrintOut->OnExecute = Bind(this, &TForm1::PrintOutExecute);
    Print1->OnClick = Bind(this, &TForm1::PrintOutExecute);
    PrintSetup->OnExecute = Bind(this, &TForm1::PrintSetupExecute);
    PrinterSetup1->OnClick = Bind(this, &TForm1::PrinterSetup1Click);
    PrintDialog1->OnShow = Bind(this, &TForm1::PrintDialog1Show);
    PrintDialog1->OnClose = Bind(this, &TForm1::PrintDialog1Close);
    StatusBar1->OnClick = Bind(this, &TForm1::StatusBar1Click);
    StatusBar1->OnDrawPanel = [this](TStatusBar* b, TStatusPanel* p, const TRect& r) {
        StatusBar1DrawPanel(b, p, r);
    };
    N12->OnClick = Bind(this, &TForm1::N12Click);
    Exit1->OnClick = Bind(this, &TForm1::Exit1Click);

    PreViewBox->OnPaint = Bind(this, &TForm1::PreViewBoxPaint);
    PageControl1->OnChange = Bind(this, &TForm1::PreViewBoxPaint);
    for (TCheckBox* c : {CheckGraphPaper1, CheckMultiline1, CheckMultiline2, HeadCheck1})
        c->OnClick = Bind(this, &TForm1::PreViewBoxPaint);
    for (TComboBox* c : {GraphPenStyle, ComboBox8, ComboBox3, ComboBox6, ComboBox11})
        c->OnChange = Bind(this, &TForm1::GraphPenStyleChange);
    for (TCheckBox* c : {CheckBlank, CheckBox4, CheckBox5, CheckBox8})
        c->OnClick = Bind(this, &TForm1::CheckBlankClick);
    for (TEdit* e : {HeadText1, HeadText2, EditFrameScale1, Edit35, Edit36})
        e->OnChange = Bind(this, &TForm1::View);
    CheckBox11->OnClick = Bind(this, &TForm1::View);
    ComboBox1->OnChange = Bind(this, &TForm1::ComboBox1Change);
    ToolZoomButton1->OnClick = Bind(this, &TForm1::ToolZoomButton1Click);
    ToolZoomButton2->OnClick = Bind(this, &TForm1::ToolZoomButton2Click);
    for (TControl* c : std::initializer_list<TControl*>{PreViewBox, ScrollBox1}) {
        c->OnMouseDown = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
            PreViewBoxMouseDown(s, b, sh, x, y);
        };
        c->OnMouseMove = [this](TObject* s, TShiftState sh, int x, int y) {
            PreViewBoxMouseMove(s, sh, x, y);
        };
        c->OnMouseUp = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
            PreViewBoxMouseUp(s, b, sh, x, y);
        };
    }
    SpaceLineView1->OnClick = Bind(this, &TForm1::SpaceLineView1Click);
    MenuViewZoom->OnClick = Bind(this, &TForm1::MenuViewZoomClick);
    MenuViewPrint->OnClick = Bind(this, &TForm1::MenuViewPrintClick);
    MenuViewFile1->OnClick = Bind(this, &TForm1::MenuViewFile1Click);

    for (TEdit* e : {eSpaceT, eSpaceL, eSpaceR, eSpaceB})
        e->OnChange = Bind(this, &TForm1::eSpaceTChange);
    for (TEdit* e : {Edit32, Edit33, Edit20, EditLineSize, EditLineSizeEx, Edit13, Edit29, Edit30, Edit14,
                     Edit15, Edit16, Edit17, Edit18, Edit19, Edit24, Edit25, Edit37, Edit38})
        e->OnChange = Bind(this, &TForm1::OnChenge);
    for (TComboBox* c : {ComboBox7, ComboBox5, ComboBox9})
        c->OnChange = Bind(this, &TForm1::OnChenge);
    RadioButton5->OnClick = Bind(this, &TForm1::OnChenge);
    RadioButton6->OnClick = Bind(this, &TForm1::OnChenge);
    BGImageCheckBox1->OnClick = Bind(this, &TForm1::OnChenge);
    for (TEdit* e : {Edit1, Edit27, Edit3, Edit23, TntEdit1})
        e->OnChange = Bind(this, &TForm1::Edit1Change);
    auto keys = [](TEdit* e, TForm1* f, void (TForm1::*fn)(TObject*, char&)) {
        e->OnKeyPress = [f, fn](TObject* s, char& k) { (f->*fn)(s, k); };
    };
    keys(eDotX, this, &TForm1::eDotXKeyPress);
    keys(eDotY, this, &TForm1::eDotYKeyPress);
    keys(eMmX, this, &TForm1::eMmXKeyPress);
    keys(eMmY, this, &TForm1::eMmYKeyPress);
    keys(eSpaceT, this, &TForm1::eSpaceTKeyPress);
    keys(eSpaceL, this, &TForm1::eSpaceLKeyPress);
    keys(eSpaceR, this, &TForm1::eSpaceRKeyPress);
    keys(eSpaceB, this, &TForm1::eSpaceBKeyPress);
    eDotX->OnChange = Bind(this, &TForm1::eDotXChange);
    eDotY->OnChange = Bind(this, &TForm1::eDotYChange);
    eMmX->OnChange = Bind(this, &TForm1::eMmXChange);
    eMmY->OnChange = Bind(this, &TForm1::eMmYChange);
    Button1->OnClick = Bind(this, &TForm1::Button1Click);
    Button7->OnClick = Bind(this, &TForm1::Button7Click);
    Button2->OnClick = Bind(this, &TForm1::Button2Click);

    TabSheet2->OnShow = Bind(this, &TForm1::TabSheet2Show);
    for (TEdit* e : {Edit4, Edit5, Edit6})
        e->OnChange = Bind(this, &TForm1::Edit4Change);
    UpDown4->OnClick = [this](TObject* s, TUDBtnType b) { UpDown4Click(s, b); };
    CheckBox3->OnClick = Bind(this, &TForm1::CheckBox3Click);
    Edit7->OnChange = Bind(this, &TForm1::Edit7Change);
    Edit28->OnChange = Bind(this, &TForm1::Edit28Change);
    Button8->OnClick = Bind(this, &TForm1::Button8Click);
    Edit10->OnEnter = Bind(this, &TForm1::Edit10Enter);
    Edit20->OnEnter = Bind(this, &TForm1::Edit20Enter);
    for (TEdit* e : {EditFiveLineCount, EditLineCount1})
        e->OnChange = Bind(this, &TForm1::EditLineCount1Change);
    for (TEdit* e : {EditFiveLineLSpace, EditFiveLineSpace})
        e->OnChange = Bind(this, &TForm1::EditFiveLineSpaceChange);
    CSpinButton5->OnUpClick = Bind(this, &TForm1::CSpinButton5UpClick);
    CSpinButton5->OnDownClick = Bind(this, &TForm1::CSpinButton5DownClick);
    CSpinButton8->OnUpClick = Bind(this, &TForm1::CSpinButton8UpClick);
    CSpinButton8->OnDownClick = Bind(this, &TForm1::CSpinButton8DownClick);
    Edit26->OnChange = Bind(this, &TForm1::Edit26Change);
    ComboBoxCardinalPoint->OnChange = Bind(this, &TForm1::ComboBoxCardinalPointChange);

    LineColorChange->OnExecute = Bind(this, &TForm1::LineColorChangeExecute);
    ColorChangeButton->OnClick = Bind(this, &TForm1::ColorChangeButtonClick);
    N3->OnClick = Bind(this, &TForm1::N3Click);
    Button3->OnClick = Bind(this, &TForm1::Button3Click);
    RadioButton11->OnClick = Bind(this, &TForm1::RadioButton11Click);
    RadioButton7->OnClick = Bind(this, &TForm1::RadioButton7Click);
    RadioButton9->OnClick = Bind(this, &TForm1::RadioButton9Click);
    RadioButton10->OnClick = Bind(this, &TForm1::RadioButton10Click);
    RadioButton8->OnClick = Bind(this, &TForm1::RadioButton8Click);
    Button10->OnClick = Bind(this, &TForm1::Button10Click);
    CheckBoxHeader->OnClick = Bind(this, &TForm1::CheckBoxHeaderClick);
    RadioGroup1->OnClick = Bind(this, &TForm1::CheckBoxHeaderClick);
    for (TRadioButton* r : {FrameRadio1, FrameRadio2, FrameRadio3})
        r->OnClick = Bind(this, &TForm1::FrameRadio1Click);
    for (TCheckBox* c : {CheckScale1, CheckScale2, CheckScale3, CheckScale4})
        c->OnClick = Bind(this, &TForm1::CheckScale1Click);
    for (TCheckBox* c : {CheckBox2, CheckBox6, CheckBox7})
        c->OnClick = Bind(this, &TForm1::CheckBox7Click);
    for (TEdit* e : {Edit8, Edit9, Edit10, Edit11, Edit12})
        e->OnChange = Bind(this, &TForm1::Edit8Change);
    for (TEdit* e : {Edit8, Edit9, Edit11, Edit12})
        e->OnEnter = Bind(this, &TForm1::Edit8Change);
    ComboBox4->OnChange = Bind(this, &TForm1::Edit8Change);
    TabSheet3->OnShow = Bind(this, &TForm1::Edit8Change);
    for (TCSpinButton* s : {CSpinButton1, CSpinButton2, CSpinButton3, CSpinButton4}) {
        s->OnUpClick = Bind(this, &TForm1::CSpinButton1UpClick);
        s->OnDownClick = Bind(this, &TForm1::CSpinButton1DownClick);
    }

    ListBox1->OnDrawItem = [this](TWinControl* c, int i, const TRect& r, TOwnerDrawState s) {
        ListBox1DrawItem(c, i, r, s);
    };
    ListBox1->OnClick = Bind(this, &TForm1::ListBox1Click);
    Button14->OnClick = Bind(this, &TForm1::Button14Click);
    Button15->OnClick = Bind(this, &TForm1::Button15Click);
    Button13->OnClick = Bind(this, &TForm1::Button13Click);
    Panel7->OnClick = Bind(this, &TForm1::Panel7Click);
    // The numeric edits the slide input serves: whole numbers (Tag 0), then decimal numbers (Tag 1).
    for (TEdit* e : {eDotX, eDotY, Edit11, Edit12, Edit4, Edit5, Edit6, EditFiveLineCount, EditLineCount1,
                     Edit31, Edit29, Edit30, Edit14, Edit15, Edit25, Edit26, Edit37, Edit38})
        e->OnDblClick = Bind(this, &TForm1::Edit16DblClick);
    for (TEdit* e : {eMmX, eMmY, Edit32, Edit33, Edit8, Edit9, Edit10, Edit20, Edit7, EditFiveLineLSpace,
                     EditFiveLineSpace, EditLineSize, EditLineSizeEx, Edit34})
        e->OnDblClick = Bind(this, &TForm1::Edit16DblClick);
    for (TEdit* e : {Edit13, Edit16, Edit17, Edit18, Edit24, eSpaceT, eSpaceL, eSpaceR, eSpaceB, Edit21,
                     Edit22, Edit39, Edit40})
        e->OnDblClick = Bind(this, &TForm1::Edit16DblClick);
    ToolButton9->OnClick = Bind(this, &TForm1::ToolButton9Click);
    TntListBox1->OnClick = Bind(this, &TForm1::TntListBox1Click);
    ToolButton10->OnClick = Bind(this, &TForm1::ToolButton10Click);
    // Colour schemes and owner-drawn chrome.
    for (int i = 0; i < Skin->Count(); ++i)
        Skin->Items(i)->OnClick = Bind(this, &TForm1::Skin1Click);
    CriticalFocus1->OnClick = Bind(this, &TForm1::CriticalFocus1Click);
    CheckTransparentClose1->OnClick = Bind(this, &TForm1::CheckTransparentClose1Click);
    auto drawItem = [this](TObject* s, TCanvas* c, const TRect& r, uint8_t st) {
        PrinterSetup1AdvancedDrawItem(s, c, r, st);
    };
    std::function<void(TMenuItem*)> ownerDrawn = [&](TMenuItem* m) {
        for (int i = 0; i < m->Count(); ++i) {
            m->Items(i)->OnAdvancedDrawItem = drawItem;
            ownerDrawn(m->Items(i));
        }
    };
    for (int i = 0; i < MainMenu1->Items()->Count(); ++i)
        ownerDrawn(MainMenu1->Items()->Items(i)); // the top-level items stay the library's
    PopupMenu2->SetOwnerDraw(true);
    PageControl1->OnDrawTab = [this](TObject* c, int i, const TRect& r, bool a) {
        PageControl1DrawTab(c, i, r, a);
    };
    for (TPageControl* pc : {PageControl2, PageControl3, PageControl4})
        pc->OnDrawTab = [this](TObject* c, int i, const TRect& r, bool a) {
            PageControl2DrawTab(c, i, r, a);
        };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    ScrollBox2->OnMouseWheel = [this](TObject* s, TShiftState sh, int d, TPoint p, bool& h) {
        ScrollBox2MouseWheel(s, sh, d, p, h);
    };
    About1->OnClick = Bind(this, &TForm1::About1Click);
    ToolButton6->OnClick = Bind(this, &TForm1::ToolButton6Click);
    ToolButton7->OnClick = Bind(this, &TForm1::ToolButton7Click);
    ToolButton8->OnClick = Bind(this, &TForm1::ToolButton8Click);
    Button6->OnClick = Bind(this, &TForm1::Button6Click);
    Button9->OnClick = Bind(this, &TForm1::Button9Click);
    TrackBar1->OnChange = Bind(this, &TForm1::TrackBar1Change);
    Button5->OnClick = Bind(this, &TForm1::Button5Click);
    Button4->OnClick = Bind(this, &TForm1::Button4Click);
    Edit21->OnChange = Bind(this, &TForm1::Edit21Change);
    Edit22->OnChange = Bind(this, &TForm1::Edit22Change);
    Edit39->OnChange = Bind(this, &TForm1::Edit39Change);
    Edit40->OnChange = Bind(this, &TForm1::Edit40Change);
    Button11->OnClick = Bind(this, &TForm1::Button11Click);
    Button12->OnClick = Bind(this, &TForm1::Button12Click);
    UpdateCheck1->OnClick = Bind(this, &TForm1::UpdateCheck1Click);
    CheckUpdate1->OnClick = Bind(this, &TForm1::CheckUpdate1Click);
    SiteJump1->OnClick = Bind(this, &TForm1::SiteJump1Click);
    WebForum1->OnClick = Bind(this, &TForm1::WebForum1Click);
    MailTo1->OnClick = Bind(this, &TForm1::MailTo1Click);
    BindFocusFrames();
}

void TForm1::FormCreate(TObject*) {
    // The debug tool bar only for "/debug" as the first argument, in this case exactly.
    DebugToolBar->SetVisible(Application->ParamStr(1) == "/debug");
    // Double buffering is the layer's default; the frame-type pages lose their tabs.
    SetDoubleBuffered(true);
    CriticalFocus = true;
    for (int i = 0; i < PageControl5->PageCount(); ++i)
        PageControl5->Pages(i)->SetTabVisible(false);
    // The printer and the colour scheme.
    PrinterRef = Printer();
    CurrentSkin = new YxDraw();
    // The printer pop-up menu, built once.
    const TStringList& printers = PrinterRef->Printers();
    for (int i = 0; i < printers.Count(); ++i) {
        auto* item = new TMenuItem(PopupMenu2);
        item->SetCaption("    " + printers[i]);
        item->SetHint(printers[i]);
        item->OnClick = Bind(this, &TForm1::PrinterMenuItemClick);
        item->OnAdvancedDrawItem = [this](TObject* s, TCanvas* c, const TRect& r, uint8_t st) {
            PrinterItemAdvancedDrawItem(s, c, r, st);
        };
        PopupMenu2->Items()->Add(item);
    }
    // The first line type, the job title, and the printer the settings are made for.
    ComboBox3->SetItemIndex(0);
    PrinterRef->SetTitle("RuliformDocument");
    EditPrinterIndex = PrinterRef->PrinterIndex();
    // The preview and background bitmaps.
    PreviewBitmap = new TABitmap();
    BGBitmap = new TABitmap();
    PreviewBitmap->Canvas()->Font()->SetHeight(12);
    // The printer scale, then a first preview size.
    ReadPrinterScale();
    PreViewBox->SetWidth(PrinterRef->PageWidth() / 8);
    PreViewBox->SetHeight(PrinterRef->PageHeight() / 8);
    PreviewBitmap->SetSize(PreViewBox->Width(), PreViewBox->Height());
    PreViewBox->SetLeft(15);
    PreViewBox->SetTop(15);
    // Line colour panel, first paper page, margins at 0 mm, white paper.
    Panel2->SetColor(ColorDialog1->Color());
    PageControl1->SetActivePageIndex(0);
    MarginTop = MarginLeft = MarginRight = MarginBottom = 0.0;
    PaperColor = 0xFFFFFF;
    // The unprintable offsets, the printable size, the frame insets at 0 mm.
    PhysOffsetX = PrinterRef->GetDeviceCaps(PHYSICALOFFSETX);
    PhysOffsetY = PrinterRef->GetDeviceCaps(PHYSICALOFFSETY);
    ComputeDrawableSize(); // the frame insets are still 0 here
    FrameInsetLeft = FrameInsetRight = FrameInsetTop = FrameInsetBottom = 0.0;
    // The line colour as the dialog holds it.
    SetLineColor(Panel2->Color());
    // The printer's minimum margins, each through the margin handler.
    eSpaceT->SetText(TwoDigitText(PhysOffsetY / PxPerMmY));
    eSpaceL->SetText(TwoDigitText(PhysOffsetX / PxPerMmX));
    eSpaceR->SetText(TwoDigitText(PhysOffsetX / PxPerMmX));
    eSpaceB->SetText(TwoDigitText(PhysOffsetY / PxPerMmY));
    // The minimum-margin label, the graph pen style and the limit labels.
    lSpace_mm->SetCaption("最低" + TwoDigitText(PhysOffsetX / PxPerMmX) + "mm");
    GraphPenStyle->SetItemIndex(0);
    FillLimitLabels();
    // The database and the settings file.
    OpenDatabase();
    IniFile = new TIniFile(ProgramDataFolder() + "/Ruliform.ini");
    // The start-up update check (its option shown on the menu first).
    CheckForUpdateAtStart();
    // The settings pass; each row guards itself.
    ReadSettings();
    // The scheme's painting of the bars and panels, under a guard of its own.
    try {
        UpDown5->SetMax(UpDown4->Position());
        PaintChromeInScheme();
    } catch (...) {
    }
    // The preview size.
    ApplyPreviewSize();
    // The first error of the settings pass, shown once the window stands (the layer shows it).
    if (SettingsReadError) std::rethrow_exception(std::exchange(SettingsReadError, nullptr));
}

void TForm1::Int(TObject*) {
    // A refused write ends here with its message; the objects then live until the process ends.
    // A creation that failed before the settings were read has nothing to write: the file
    // keeps what it holds. The keys reach the file together, in one replacement.
    if (IniFile && SettingsRead) {
        IniFile->BeginUpdate();
        try {
            WriteSettings();
        } catch (...) {
            IniFile->EndUpdate();
            throw;
        }
        IniFile->EndUpdate();
    }
    delete PreviewBitmap;
    PreviewBitmap = nullptr;
    delete BGBitmap;
    BGBitmap = nullptr;
    delete IniFile;
    IniFile = nullptr;
    delete CurrentSkin;
    CurrentSkin = nullptr;
}

void TForm1::Exit1Click(TObject*) {
    Close();
}
