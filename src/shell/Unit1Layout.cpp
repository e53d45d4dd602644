// The main window's controls, built in code with the captions, items and start values the user
// first sees.
#include "ChromeImages.h"
#include "FormBuilder.h"
#include "Unit1.h"
#include "editors/FieldLimits.h"

namespace {
constexpr int kLabelX = 4, kEditX = 88, kEditW = 40, kRow = 26;
}

void TForm1::BuildMenus() {
    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName("MainMenu1");
    MainMenu1->SetOwnerDraw(true);
    auto item = [this](TMenuItem* parent, const char* name, const AnsiString& caption) {
        auto* m = new TMenuItem(this);
        m->SetName(name);
        m->SetCaption(caption);
        parent->Add(m);
        return m;
    };
    TMenuItem* root = MainMenu1->Items();
    MenuFile = item(root, "MenuFile", "ファイル(&F)");
    Print1 = item(MenuFile, "Print1", "印刷(&P)");
    Print1->SetImageIndex(kImagePrint);
    PrinterSetup1 = item(MenuFile, "PrinterSetup1", "プリンター設定(&R)");
    PrinterSetup1->SetImageIndex(kImagePrinterSetup);
    N11 = item(MenuFile, "N11", "-");
    N11->SetVisible(false);
    N12 = item(MenuFile, "N12", "プリンタ情報(&I)");
    N12->SetVisible(false);
    N12->SetImageIndex(kImagePrinter);
    Exit1 = item(MenuFile, "Exit1", "終了(&X)");
    Exit1->SetImageIndex(kImageExit);

    MenuView = item(root, "MenuView", "表示(&V)");
    SpaceLineView1 = item(MenuView, "SpaceLineView1", "余白のライン(&L)");
    SpaceLineView1->SetChecked(true);
    MenuViewZoom = item(MenuView, "MenuViewZoom", "ズーム(&Z)");
    MenuViewZoom->SetChecked(true);
    MenuViewPrint = item(MenuView, "MenuViewPrint", "プリント(&P)");
    MenuViewPrint->SetChecked(true);
    MenuViewFile1 = item(MenuView, "MenuViewFile1", "ファイル(&F)");
    MenuViewFile1->SetVisible(false);

    MenuSettings = item(root, "MenuSettings", "設定(&S)");
    N3 = item(MenuSettings, "N3", "線の色(&C)");
    N3->SetHint("線の色を変更します");
    N3->SetImageIndex(kImageLineColor);
    CheckUpdate1 = item(MenuSettings, "CheckUpdate1", "起動時アップデートチェック(&U)");
    CheckUpdate1->SetChecked(true);
    CriticalFocus1 = item(MenuSettings, "CriticalFocus1", "クリティカルフォーカス(&F)");
    CriticalFocus1->SetChecked(true);
    CheckTransparentClose1 = item(MenuSettings, "CheckTransparentClose1", "透明になりながら終了(&T)");
    CheckTransparentClose1->SetChecked(true);
    Skin = item(MenuSettings, "Skin", "スキン(&K)");
    Skin->SetTag(1);
    const char* skinNames[] = {
        "標準(&0)",     "シルバー(&1)", "ブルー(&2)",           "レッド(&3)",
        "グリーン(&4)", "パープル(&5)", "ダークネスブルー(&6)", "ダークネスレッド(&7)"};
    TMenuItem** skins[] = {&Skin0, &Skin1, &Skin2, &Skin3, &Skin4, &Skin5, &Skin6, &Skin7};
    for (int i = 0; i < 8; ++i) {
        AnsiString name = "Skin" + std::to_string(i);
        *skins[i] = item(Skin, name.c_str(), skinNames[i]);
        (*skins[i])->SetTag(i);
    }
    Skin1->SetChecked(true);
    Skin6->SetVisible(false);
    Skin7->SetVisible(false);

    MenuHelp = item(root, "MenuHelp", "ヘルプ(&H)");
    UpdateCheck1 = item(MenuHelp, "UpdateCheck1", "アップデートチェック(&U)");
    UpdateCheck1->SetImageIndex(kImageUpdate);
    SiteJump1 = item(MenuHelp, "SiteJump1", "Ruliformのホームページを開く(&H)");
    SiteJump1->SetImageIndex(kImageHome);
    WebForum1 = item(MenuHelp, "WebForum1", "Ruliform掲示板を開く(&B)");
    WebForum1->SetImageIndex(kImageForum);
    MailTo1 = item(MenuHelp, "MailTo1", "作者にメールで質問(&M)");
    MailTo1->SetImageIndex(kImageMail);
    About1 = item(MenuHelp, "About1", "バージョン情報(&A)");
    About1->SetImageIndex(kImageAbout);

    PopupMenu2 = new TPopupMenu(this);
    PopupMenu2->SetName("PopupMenu2");

    ActionList1 = new TActionList(this);
    ActionList1->SetName("ActionList1");
    auto action = [this](const char* name, const AnsiString& caption, const AnsiString& hint) {
        auto* a = new TAction(this);
        a->SetName(name);
        a->SetCaption(caption);
        a->SetHint(hint);
        return a;
    };
    PrintSetup = action("PrintSetup", "プリンター設定", "プリンターを設定します");
    PrintOut = action("PrintOut", "印刷", "印刷します");
    LineColorChange = action("LineColorChange", "線の色", "線の色を変更します");
}

void TForm1::BuildToolBars() {
    ControlBar1 = MakeControl<TControlBar>(this, this, "ControlBar1", 0, 0, 800, 30);
    ControlBar1->SetAlign(alTop);
    auto bar = [this](const char* name, int left, int width) {
        auto* b = MakeControl<TToolBar>(this, ControlBar1, name, left, 2, width, 26);
        b->SetShowCaptions(true);
        b->SetImages(ImageList1);
        // As wide as its captions need in the font at hand; the bands after it move right.
        b->SetAutoSize(true);
        return b;
    };
    auto button = [this](TToolBar* b, const char* name, const AnsiString& caption, const AnsiString& hint) {
        auto* t = new TToolButton(this);
        t->SetName(name);
        t->SetCaption(caption);
        t->SetHint(hint);
        t->SetShowHint(true);
        t->SetParent(b);
        return t;
    };
    ToolBar1 = bar("ToolBar1", 11, 150);
    ToolButton1 = button(ToolBar1, "ToolButton1", "プリンター設定", "プリンターを設定します");
    ToolButton1->SetImageIndex(kImagePrinterSetup);
    ToolButton2 = button(ToolBar1, "ToolButton2", "印刷", "印刷します");
    ToolButton2->SetImageIndex(kImagePrint);
    ToolBar2 = bar("ToolBar2", 167, 225);
    ToolBar2->SetMenu(MainMenu1);
    ToolBar4 = bar("ToolBar4", 600, 60);
    ToolBar4->SetVisible(false);
    ToolBar3 = bar("ToolBar3", 398, 190);
    ComboBox1 = MakeControl<TComboBox>(this, ToolBar3, "ComboBox1", 0, 0, 60, 21);
    ComboBox1->SetStyle(csDropDownList);
    ComboBox1->SetItems({"100", "80", "75", "60", "50", "40", "30", "25"});
    ComboBox1->SetItemIndex(5);
    ToolZoomButton1 = button(ToolBar3, "ToolZoomButton1", "拡大", "プレビュー拡大");
    ToolZoomButton1->SetImageIndex(kImageZoomIn);
    ToolZoomButton2 = button(ToolBar3, "ToolZoomButton2", "縮小", "プレビュー縮小");
    ToolZoomButton2->SetImageIndex(kImageZoomOut);
    DebugToolBar = bar("DebugToolBar", 600, 180);
    ToolButton6 = button(DebugToolBar, "ToolButton6", "高さ", "ページの高さ");
    ToolButton7 = button(DebugToolBar, "ToolButton7", "余白", "印刷できない余白");
    ToolButton8 = button(DebugToolBar, "ToolButton8", "マス数", "横に入るマスの数");
}

void TForm1::BuildStatusBar() {
    StatusBar1 = MakeControl<TStatusBar>(this, this, "StatusBar1", 0, 0, 800, 20);
    StatusBar1->SetAlign(alBottom);
    const int widths[] = {256, 152, 50, 250};
    for (int w : widths) {
        TStatusPanel* p = StatusBar1->AddPanel();
        p->Width = w;
        p->Style = psOwnerDraw;
    }
    StatusBar1->Panels(0)->Text = "ここに各項目のヒントが表示されます";
    StatusBar1->PanelsChanged();
}

void TForm1::BuildPaperPages() {
    Panel6 = MakeControl<TPanel>(this, this, "Panel6", 0, 0, 179, 500);
    Panel6->SetAlign(alLeft);
    Panel6->SetBevelOuter(bvNone);
    CheckBlank = MakeCheckBox(this, Panel6, "CheckBlank", "パターンなし（白紙）", 4, 0, 170);
    CheckBlank->SetHint("チェックすると用紙のパターンを描きません");
    CheckBlank->SetAlign(alBottom);
    PageControl1 = MakeControl<TPageControl>(this, Panel6, "PageControl1", 0, 0, 179, 480);
    PageControl1->SetAlign(alClient);
    PageControl1->SetTabPosition(tpRight);
    PageControl1->SetMultiLine(true);
    PageControl1->SetOwnerDraw(true);
    TabSheet1 = MakeTabSheet(this, PageControl1, "TabSheet1", "方眼紙");
    TabSheet3 = MakeTabSheet(this, PageControl1, "TabSheet3", "対数方眼");
    TabSheet2 = MakeTabSheet(this, PageControl1, "TabSheet2", "原稿用紙");
    TabSheet4 = MakeTabSheet(this, PageControl1, "TabSheet4", "マルチライン");
    TabSheet5 = MakeTabSheet(this, PageControl1, "TabSheet5", "斜眼紙");
    TabSheet6 = MakeTabSheet(this, PageControl1, "TabSheet6", "グリッド");
    TabSheet7 = MakeTabSheet(this, PageControl1, "TabSheet7", "円弧");
    TabSheet12 = MakeTabSheet(this, PageControl1, "TabSheet12", "文字");
    TabSheet12->SetTabVisible(false);
    BuildGraphPage();
    BuildLogPage();
    BuildManuscriptPage();
    BuildMultiLinePage();
    BuildSlantPage();
    BuildGridPage();
    BuildArcPage();
    BuildTextPage();
}

void TForm1::BuildGraphPage() {
    PageControl2 = MakeControl<TPageControl>(this, TabSheet1, "PageControl2", 0, 0, 150, 470);
    PageControl2->SetAlign(alClient);
    PageControl2->SetOwnerDraw(true);
    TabSheet8 = MakeTabSheet(this, PageControl2, "TabSheet8", "基本");
    TabSheet9 = MakeTabSheet(this, PageControl2, "TabSheet9", "強調表示");

    TWinControl* p = TabSheet8;
    int y = 6;
    Label3 = MakeLabel(this, p, "Label3", "横マス数(px):", kLabelX, y + 3);
    eDotX = MakeEdit(this, p, "eDotX", "10", kEditX, y, kEditW, 0, "横方向のマス数を変更");
    UpDown6 = MakeUpDown(this, eDotX, "UpDown6", 0, 1000, 10);
    y += kRow;
    Label4 = MakeLabel(this, p, "Label4", "縦マス数(px):", kLabelX, y + 3);
    eDotY = MakeEdit(this, p, "eDotY", "10", kEditX, y, kEditW, 0, "縦方向のマス数を変更");
    UpDown7 = MakeUpDown(this, eDotY, "UpDown7", 0, 1000, 10);
    y += kRow;
    Label6 = MakeLabel(this, p, "Label6", "マス横幅(mm):", kLabelX, y + 3);
    eMmX = MakeEdit(this, p, "eMmX", "10.0", kEditX, y, kEditW + 14, 1, "横方向のマスサイズを変更");
    y += kRow;
    Label5 = MakeLabel(this, p, "Label5", "マス縦幅(mm):", kLabelX, y + 3);
    eMmY = MakeEdit(this, p, "eMmY", "10.0", kEditX, y, kEditW + 14, 1, "縦方向のマスサイズを変更");
    y += kRow + 4;
    GroupBox1 = MakeControl<TGroupBox>(this, p, "GroupBox1", 2, y, 140, 92);
    GroupBox1->SetCaption("ステータス");
    Label14 = MakeLabel(this, GroupBox1, "Label14", "MaxX:", 8, 18, 120);
    Label12 = MakeLabel(this, GroupBox1, "Label12", "MaxY:", 8, 36, 120);
    Label9 = MakeLabel(this, GroupBox1, "Label9", "MaxX:", 8, 54, 120);
    Label10 = MakeLabel(this, GroupBox1, "Label10", "MaxY:", 8, 72, 120);
    y += 100;
    MakeLabel(this, p, "LabelGraphPenStyle", "線種:", kLabelX, y + 3, 40);
    GraphPenStyle = MakePenStyleCombo(this, p, "GraphPenStyle", 48, y);
    y += kRow;
    MakeLabel(this, p, "LabelEdit32", "線の太さ(mm):", kLabelX, y + 3);
    Edit32 = MakeEdit(this, p, "Edit32", "0.05", kEditX, y, kEditW + 14, SizeTag, "線の太さを変更");

    p = TabSheet9;
    y = 6;
    CheckGraphPaper1 = MakeCheckBox(this, p, "CheckGraphPaper1", "強調線を使う", kLabelX, y, 130);
    CheckGraphPaper1->SetChecked(false);
    y += kRow;
    MakeLabel(this, p, "LabelEdit1", "横", kLabelX, y + 3, 20);
    Edit1 = MakeEdit(this, p, "Edit1", "2", 28, y, kEditW, 0, "何本ごとに強調するか");
    UpDown1 = MakeUpDown(this, Edit1, "UpDown1", 2, 1000, 2);
    ExColorPanel1 = MakeControl<TPanel>(this, p, "ExColorPanel1", 90, y - 2, 50, 24);
    ExColorPanel1->SetColor(clRed);
    Button1 = MakeButton(this, ExColorPanel1, "Button1", "Col", 14, 2, 32, 20);
    Button1->SetHint("色を変更します");
    y += kRow + 2;
    MakeLabel(this, p, "LabelEdit27", "縦", kLabelX, y + 3, 20);
    Edit27 = MakeEdit(this, p, "Edit27", "2", 28, y, kEditW, 0, "何本ごとに強調するか");
    UpDown11 = MakeUpDown(this, Edit27, "UpDown11", 2, 1000, 2);
    ExColorPanel1Y = MakeControl<TPanel>(this, p, "ExColorPanel1Y", 90, y - 2, 50, 24);
    ExColorPanel1Y->SetColor(clRed);
    Button7 = MakeButton(this, ExColorPanel1Y, "Button7", "Col", 14, 2, 32, 20);
    Button7->SetHint("色を変更します");
    y += kRow + 2;
    MakeLabel(this, p, "LabelComboBox8", "線種:", kLabelX, y + 3, 40);
    ComboBox8 = MakePenStyleCombo(this, p, "ComboBox8", 48, y);
    y += kRow;
    MakeLabel(this, p, "LabelEdit33", "線の太さ(mm):", kLabelX, y + 3);
    Edit33 = MakeEdit(this, p, "Edit33", "0.5", kEditX, y, kEditW + 14, SizeTag, "強調線の太さを変更");
}

void TForm1::BuildLogPage() {
    TWinControl* p = TabSheet3;
    int y = 6;
    MakeLabel(this, p, "LabelLogType", "種類:", kLabelX, y + 3, 40);
    ComboBox4 = MakeControl<TComboBox>(this, p, "ComboBox4", 48, y, 90, 21);
    ComboBox4->SetStyle(csDropDownList);
    ComboBox4->SetItems({"片対数", "両対数"});
    ComboBox4->SetItemIndex(0);
    y += kRow;
    MakeLabel(this, p, "LabelLogSize", "サイズmm", kLabelX, y + 3, 60);
    Edit8 = MakeEdit(this, p, "Edit8", "1", 64, y, 36, 1, "横方向の最小間隔");
    Edit9 = MakeEdit(this, p, "Edit9", "1", 104, y, 36, 1, "縦方向の最小間隔");
    y += kRow;
    MakeLabel(this, p, "LabelLogCount", "組数", kLabelX, y + 3, 60);
    Edit12 = MakeEdit(this, p, "Edit12", "3", 64, y, 36, 0, "横方向の組数");
    Edit11 = MakeEdit(this, p, "Edit11", "3", 104, y, 36, 0, "縦方向の組数");
    y += kRow;
    CheckBox6 = MakeCheckBox(this, p, "CheckBox6", "逆", 64, y, 36);
    CheckBox7 = MakeCheckBox(this, p, "CheckBox7", "逆", 104, y, 36);
    y += kRow;
    RadioButton5 = MakeRadio(this, p, "RadioButton5", "倍率", kLabelX, y + 2, 56);
    Edit10 = MakeEdit(this, p, "Edit10", "1.3", kEditX, y, kEditW + 8, 1, "間隔の倍率");
    y += kRow;
    RadioButton6 = MakeRadio(this, p, "RadioButton6", "定数", kLabelX, y + 2, 56);
    Edit20 = MakeEdit(this, p, "Edit20", "0.1", kEditX, y, kEditW + 8, 1, "間隔に加える定数(mm)");
    RadioButton5->SetChecked(true);
}

void TForm1::BuildManuscriptPage() {
    TWinControl* p = TabSheet2;
    int y = 6;
    MakeLabel(this, p, "LabelEdit4", "縦マス数(px):", kLabelX, y + 3);
    Edit4 = MakeEdit(this, p, "Edit4", "10", kEditX, y, kEditW, 0);
    UpDown3 = MakeUpDown(this, Edit4, "UpDown3", 1, 1000, 10);
    y += kRow;
    MakeLabel(this, p, "LabelEdit5", "横マス数(px):", kLabelX, y + 3);
    Edit5 = MakeEdit(this, p, "Edit5", "20", kEditX, y, kEditW, 0);
    UpDown4 = MakeUpDown(this, Edit5, "UpDown4", 1, 1000, 20);
    y += kRow;
    MakeLabel(this, p, "LabelEdit6", "中央区切り位置：", kLabelX, y + 3);
    Edit6 = MakeEdit(this, p, "Edit6", "10", kEditX, y, kEditW, 0);
    UpDown5 = MakeUpDown(this, Edit6, "UpDown5", 0, 20, 10);
    y += kRow;
    Label15 = MakeLabel(this, p, "Label15", "n字詰め", kLabelX, y + 3, 120);
    y += kRow;
    CheckBox3 = MakeCheckBox(this, p, "CheckBox3", "マスサイズ指定(mm)", kLabelX, y, 140);
    y += kRow;
    Edit7 = MakeEdit(this, p, "Edit7", "10", kEditX, y, kEditW + 8, 1);
    Edit7->SetEnabled(false);
    Edit7->SetColor(0x808080);
    y += kRow;
    MakeLabel(this, p, "LabelEdit28", "中央文字列", kLabelX, y + 3);
    y += 18;
    Edit28 = MakeEdit(this, p, "Edit28", "", kLabelX, y, 96, 0);
    Button8 = MakeButton(this, p, "Button8", "Font", 104, y, 40, 21);
}

void TForm1::BuildMultiLinePage() {
    PageControl3 = MakeControl<TPageControl>(this, TabSheet4, "PageControl3", 0, 0, 150, 470);
    PageControl3->SetAlign(alClient);
    PageControl3->SetOwnerDraw(true);
    TabSheet10 = MakeTabSheet(this, PageControl3, "TabSheet10", "基本");
    TabSheet11 = MakeTabSheet(this, PageControl3, "TabSheet11", "強調表示");

    TWinControl* p = TabSheet10;
    int y = 6;
    auto spin = [this](TWinControl* parent, const char* name, TEdit* beside) {
        return MakeControl<TCSpinButton>(this, parent, name, beside->Left() + beside->Width(), beside->Top(),
                                         16, 21);
    };
    MakeLabel(this, p, "LabelFiveLineCount", "組数", kLabelX, y + 3);
    EditFiveLineCount = MakeEdit(this, p, "EditFiveLineCount", "2", kEditX, y, kEditW, 0);
    CSpinButton8 = spin(p, "CSpinButton8", EditFiveLineCount);
    y += kRow;
    MakeLabel(this, p, "LabelLineCount1", "線の本数(１組分)：", kLabelX, y + 3);
    EditLineCount1 = MakeEdit(this, p, "EditLineCount1", "5", kEditX, y, kEditW, 0);
    CSpinButton5 = spin(p, "CSpinButton5", EditLineCount1);
    y += kRow;
    MakeLabel(this, p, "LabelFiveLineLSpace", "線間(mm)", kLabelX, y + 3);
    EditFiveLineLSpace = MakeEdit(this, p, "EditFiveLineLSpace", "5", kEditX, y, kEditW, 1);
    y += kRow;
    MakeLabel(this, p, "LabelFiveLineSpace", "間隔(mm)：", kLabelX, y + 3);
    EditFiveLineSpace = MakeEdit(this, p, "EditFiveLineSpace", "20", kEditX, y, kEditW, 1);
    y += kRow;
    MakeLabel(this, p, "LabelLineSize", "線の太さ(mm)", kLabelX, y + 3);
    EditLineSize = MakeEdit(this, p, "EditLineSize", "0.1", kEditX, y, kEditW, SizeTag);
    y += kRow;
    MakeLabel(this, p, "LabelComboBox3", "線種:", kLabelX, y + 3, 40);
    ComboBox3 = MakePenStyleCombo(this, p, "ComboBox3", 48, y);
    // Spin buttons the form carries without a place on the page.
    CSpinButton6 = MakeControl<TCSpinButton>(this, p, "CSpinButton6", 0, 0, 16, 21);
    CSpinButton6->SetVisible(false);
    CSpinButton7 = MakeControl<TCSpinButton>(this, p, "CSpinButton7", 0, 0, 16, 21);
    CSpinButton7->SetVisible(false);

    p = TabSheet11;
    y = 6;
    CheckMultiline1 = MakeCheckBox(this, p, "CheckMultiline1", "組の強調を使う", kLabelX, y, 130);
    y += kRow;
    MakeLabel(this, p, "LabelEdit3", "組ごと", kLabelX, y + 3, 40);
    Edit3 = MakeEdit(this, p, "Edit3", "2", 48, y, kEditW - 4, 0);
    UpDown2 = MakeUpDown(this, Edit3, "UpDown2", 1, 1000, 2);
    ExColorPanel2 = MakeControl<TPanel>(this, p, "ExColorPanel2", 100, y - 2, 44, 24);
    ExColorPanel2->SetColor(clRed);
    Button2 = MakeButton(this, ExColorPanel2, "Button2", "Col", 8, 2, 32, 20);
    Button2->SetHint("色を変更します");
    y += kRow + 2;
    MakeLabel(this, p, "LabelLineSizeEx", "太さ(mm)", kLabelX, y + 3, 60);
    EditLineSizeEx = MakeEdit(this, p, "EditLineSizeEx", "0.1", kEditX, y, kEditW, SizeTag);
    y += kRow;
    MakeLabel(this, p, "LabelComboBox6", "線種:", kLabelX, y + 3, 40);
    ComboBox6 = MakePenStyleCombo(this, p, "ComboBox6", 48, y);
    y += kRow + 4;
    GroupBoxIndividual = MakeControl<TGroupBox>(this, p, "GroupBoxIndividual", 2, y, 144, 250);
    GroupBoxIndividual->SetCaption("個別強調の設定");
    TWinControl* g = GroupBoxIndividual;
    CheckMultiline2 = MakeCheckBox(this, g, "CheckMultiline2", "使用する", 6, 16, 100);
    ListBox1 = MakeControl<TListBox>(this, g, "ListBox1", 6, 36, 132, 100);
    ListBox1->SetStyle(lbOwnerDrawFixed);
    ListBox1->SetItemHeight(13);
    ListBox1->SetMultiSelect(true);
    ListBox1->SetSorted(true);
    Edit31 = MakeEdit(this, g, "Edit31", "1", 6, 140, 36, 0, "n本目");
    Panel7 = MakeControl<TPanel>(this, g, "Panel7", 46, 140, 24, 21);
    Panel7->SetColor(clBlack);
    Edit34 = MakeEdit(this, g, "Edit34", "0.1", 74, 140, 40, 1, "nミリメートル");
    ComboBox11 = MakePenStyleCombo(this, g, "ComboBox11", 6, 166, 110);
    Button14 = MakeButton(this, g, "Button14", "Add", 6, 194, 40, 22);
    Button14->SetHint("現在の設定を追加");
    Button15 = MakeButton(this, g, "Button15", "Del", 50, 194, 40, 22);
    Button15->SetHint("選択している設定を削除");
    Button13 = MakeButton(this, g, "Button13", "Re", 94, 194, 40, 22);
    Button13->SetHint("再設定");
}

void TForm1::BuildSlantPage() {
    TWinControl* p = TabSheet5;
    int y = 6;
    MakeLabel(this, p, "LabelEdit13", "1辺の長さ(mm)", kLabelX, y + 3);
    Edit13 = MakeEdit(this, p, "Edit13", "10", kEditX, y, kEditW, PitchTag);
    y += kRow;
    MakeLabel(this, p, "LabelEdit29", "横マス数(px)", kLabelX, y + 3);
    Edit29 = MakeEdit(this, p, "Edit29", "10", kEditX, y, kEditW, 0);
    UpDown12 = MakeUpDown(this, Edit29, "UpDown12", 1, 1000, 10);
    y += kRow;
    MakeLabel(this, p, "LabelEdit30", "縦マス数(px)", kLabelX, y + 3);
    Edit30 = MakeEdit(this, p, "Edit30", "10", kEditX, y, kEditW, 0);
    UpDown13 = MakeUpDown(this, Edit30, "UpDown13", 1, 1000, 10);
    y += kRow;
    MakeLabel(this, p, "LabelComboBox7", "線種:", kLabelX, y + 3, 40);
    ComboBox7 = MakePenStyleCombo(this, p, "ComboBox7", 48, y);
    y += kRow;
    CheckBox8 = MakeCheckBox(this, p, "CheckBox8", "印刷方向", kLabelX, y, 120);
}

void TForm1::BuildGridPage() {
    TWinControl* p = TabSheet6;
    int y = 6;
    MakeLabel(this, p, "LabelEdit14", "横の数", kLabelX, y + 3);
    Edit14 = MakeEdit(this, p, "Edit14", "50", kEditX, y, kEditW, 0, "横方向のグリッドの数を指定します");
    UpDown9 = MakeUpDown(this, Edit14, "UpDown9", 1, 1000, 50);
    y += kRow;
    MakeLabel(this, p, "LabelEdit15", "縦の数", kLabelX, y + 3);
    Edit15 = MakeEdit(this, p, "Edit15", "50", kEditX, y, kEditW, 0, "縦方向のグリッドの数を指定します");
    UpDown10 = MakeUpDown(this, Edit15, "UpDown10", 1, 1000, 50);
    y += kRow;
    MakeLabel(this, p, "LabelEdit16", "点の幅(mm)", kLabelX, y + 3);
    Edit16 = MakeEdit(this, p, "Edit16", "0.5", kEditX, y, kEditW, SizeTag);
    y += kRow;
    MakeLabel(this, p, "LabelEdit17", "点の高さ(mm)", kLabelX, y + 3);
    Edit17 = MakeEdit(this, p, "Edit17", "0.5", kEditX, y, kEditW, SizeTag);
    y += kRow;
    MakeLabel(this, p, "LabelEdit18", "間隔(mm)", kLabelX, y + 3);
    Edit18 = MakeEdit(this, p, "Edit18", "2", kEditX, y, kEditW, PitchTag);
    y += kRow;
    CheckBox4 = MakeCheckBox(this, p, "CheckBox4", "中抜き", kLabelX, y, 70);
    CheckBox5 = MakeCheckBox(this, p, "CheckBox5", "斜交い", 76, y, 70);
    Edit19 = MakeEdit(this, p, "Edit19", "0.1", kEditX, y + kRow, kEditW, SizeTag);
    Edit19->SetVisible(false);
}

void TForm1::BuildArcPage() {
    TWinControl* p = TabSheet7;
    int y = 6;
    MakeLabel(this, p, "LabelEdit24", "直径：", kLabelX, y + 3);
    Edit24 = MakeEdit(this, p, "Edit24", "100", kEditX, y, kEditW, PitchTag);
    y += kRow;
    MakeLabel(this, p, "LabelEdit25", "N重：", kLabelX, y + 3);
    Edit25 = MakeEdit(this, p, "Edit25", "1", kEditX, y, kEditW, 0);
    y += kRow;
    MakeLabel(this, p, "LabelEdit26", "分割数：", kLabelX, y + 3);
    Edit26 = MakeEdit(this, p, "Edit26", "0", kEditX, y, kEditW, 0);
    UpDown17 = MakeUpDown(this, Edit26, "UpDown17", 0, 1440, 0);
    y += kRow;
    MakeLabel(this, p, "LabelInnerAngle", "内角：", kLabelX, y + 3, 40);
    Label54 = MakeLabel(this, p, "Label54", "0°", kEditX, y + 3, 60);
    y += kRow;
    MakeLabel(this, p, "LabelComboBox5", "円の線種", kLabelX, y + 3);
    ComboBox5 = MakePenStyleCombo(this, p, "ComboBox5", 60, y, 84);
    y += kRow;
    MakeLabel(this, p, "LabelComboBox9", "分割線の線種", kLabelX, y + 3);
    ComboBox9 = MakePenStyleCombo(this, p, "ComboBox9", 60, y + 18, 84);
    y += kRow + 18;
    MakeLabel(this, p, "LabelCardinalPoint", "分割線の基点：", kLabelX, y + 3);
    ComboBoxCardinalPoint = MakeControl<TComboBox>(this, p, "ComboBoxCardinalPoint", kEditX, y, 56, 21);
    ComboBoxCardinalPoint->SetStyle(csDropDownList);
    ComboBoxCardinalPoint->SetItems({"0", "90", "180", "270"});
    ComboBoxCardinalPoint->SetItemIndex(1);
    y += kRow;
    MakeLabel(this, p, "LabelEdit37", "横数：", kLabelX, y + 3);
    Edit37 = MakeEdit(this, p, "Edit37", "1", kEditX, y, kEditW, 0);
    y += kRow;
    MakeLabel(this, p, "LabelEdit38", "縦数：", kLabelX, y + 3);
    Edit38 = MakeEdit(this, p, "Edit38", "1", kEditX, y, kEditW, 0);
}

void TForm1::BuildTextPage() {
    TWinControl* p = TabSheet12;
    ToolBarText = MakeControl<TToolBar>(this, p, "ToolBarText", 0, 0, 150, 26);
    ToolBarText->SetShowCaptions(true);
    ToolBarText->SetImages(ImageList1);
    ToolButton9 = new TToolButton(this);
    ToolButton9->SetName("ToolButton9");
    ToolButton9->SetCaption("追加");
    ToolButton9->SetImageIndex(kImageTextAdd);
    ToolButton9->SetParent(ToolBarText);
    ToolButton10 = new TToolButton(this);
    ToolButton10->SetName("ToolButton10");
    ToolButton10->SetCaption("削除");
    ToolButton10->SetImageIndex(kImageTextDelete);
    ToolButton10->SetParent(ToolBarText);
    TntListBox1 = MakeControl<TListBox>(this, p, "TntListBox1", 2, 30, 144, 300);
}

void TForm1::BuildPreviewArea() {
    Panel3 = MakeControl<TPanel>(this, this, "Panel3", 0, 0, 400, 400);
    Panel3->SetAlign(alClient);
    Panel3->SetBevelOuter(bvNone);
    ScrollBox1 = MakeControl<TScrollBox>(this, Panel3, "ScrollBox1", 0, 0, 400, 400);
    ScrollBox1->SetAlign(alClient);
    ScrollBox1->SetAutoScroll(false);
    ScrollBox1->SetColor(clAppWorkSpace);
    PreViewBox = MakeControl<TPaintBox>(this, ScrollBox1, "PreViewBox", 15, 15, 100, 100);
}

void TForm1::BuildSettingsPages() {
    PageControl4 = MakeControl<TPageControl>(this, this, "PageControl4", 0, 0, 176, 500);
    PageControl4->SetAlign(alRight);
    PageControl4->SetOwnerDraw(true);
    TabSheet13 = MakeTabSheet(this, PageControl4, "TabSheet13", "用紙設定");
    TabSheet14 = MakeTabSheet(this, PageControl4, "TabSheet14", "背景");
    TabSheet15 = MakeTabSheet(this, PageControl4, "TabSheet15", "枠");
    BuildPageSettingsTab();
    BuildBackgroundTab();
    BuildFrameTab();
}

void TForm1::BuildPageSettingsTab() {
    ScrollBox2 = MakeControl<TScrollBox>(this, TabSheet13, "ScrollBox2", 0, 0, 170, 470);
    ScrollBox2->SetAlign(alClient);
    Panel5 = MakeControl<TPanel>(this, ScrollBox2, "Panel5", 0, 0, 150, 640);
    Panel5->SetBevelOuter(bvNone);
    TWinControl* p = Panel5;
    int y = 2;
    Label41 = MakeLabel(this, p, "Label41", "余白", 2, y, 140);
    y += 18;
    GroupBox3 = MakeControl<TGroupBox>(this, p, "GroupBox3", 2, y, 144, 186);
    auto marginRow = [this](const char* label, const char* labelName, const char* editName,
                            const char* spinName, int row, TLabel*& l, TEdit*& e, TCSpinButton*& s) {
        int yy = 14 + row * 24;
        l = MakeLabel(this, GroupBox3, labelName, label, 6, yy + 3, 20);
        e = MakeEdit(this, GroupBox3, editName, "0", 28, yy, 48, 1);
        s = MakeControl<TCSpinButton>(this, GroupBox3, spinName, 76, yy, 16, 21);
    };
    marginRow("上", "lSpT", "eSpaceT", "CSpinButton1", 0, lSpT, eSpaceT, CSpinButton1);
    marginRow("左", "lSpL", "eSpaceL", "CSpinButton2", 1, lSpL, eSpaceL, CSpinButton2);
    marginRow("右", "lSpR", "eSpaceR", "CSpinButton3", 2, lSpR, eSpaceR, CSpinButton3);
    marginRow("下", "lSpB", "eSpaceB", "CSpinButton4", 3, lSpB, eSpaceB, CSpinButton4);
    CheckBox1 = MakeCheckBox(this, GroupBox3, "CheckBox1", "全て同一", 6, 110, 130);
    CheckBox9 = MakeCheckBox(this, GroupBox3, "CheckBox9", "↑↓共通", 6, 128, 130);
    CheckBox10 = MakeCheckBox(this, GroupBox3, "CheckBox10", "←→共通", 6, 146, 130);
    lSpace_mm = MakeLabel(this, GroupBox3, "lSpace_mm", "最低0mm", 6, 166, 130);
    y += 192;

    Label42 = MakeLabel(this, p, "Label42", "線の色", 2, y, 140);
    y += 18;
    GroupBox2 = MakeControl<TGroupBox>(this, p, "GroupBox2", 2, y, 144, 40);
    GroupBox2->SetHint(
        "印刷時、白は色として認識しません。白以外の紙に印刷したとき白の部分は印刷されません。");
    Panel2 = MakeControl<TPanel>(this, GroupBox2, "Panel2", 8, 10, 128, 24);
    Panel2->SetColor(clBtnText);
    ColorChangeButton = MakeButton(this, Panel2, "ColorChangeButton", "Col", 92, 2, 32, 20);
    y += 46;

    Label43 = MakeLabel(this, p, "Label43", "紙の色（見立て）", 2, y, 140);
    y += 18;
    GroupBox6 = MakeControl<TGroupBox>(this, p, "GroupBox6", 2, y, 144, 40);
    GroupBox6->SetHint("この色の紙がセットされていると仮定しているだけです。");
    Panel1 = MakeControl<TPanel>(this, GroupBox6, "Panel1", 8, 10, 128, 24);
    Panel1->SetColor(clWhite);
    Button3 = MakeButton(this, Panel1, "Button3", "Col", 92, 2, 32, 20);
    y += 46;

    Label44 = MakeLabel(this, p, "Label44", "印刷ページ数", 2, y, 140);
    y += 18;
    GroupBox5 = MakeControl<TGroupBox>(this, p, "GroupBox5", 2, y, 144, 60);
    Edit2 = MakeEdit(this, GroupBox5, "Edit2", "1", 8, 10, 48, 0);
    UpDown8 = MakeUpDown(this, Edit2, "UpDown8", 1, 1000, 1);
    CheckBox2 = MakeCheckBox(this, GroupBox5, "CheckBox2", "ページ番号付加", 8, 36, 130);
    y += 66;

    Label45 = MakeLabel(this, p, "Label45", "マーク", 2, y, 140);
    y += 18;
    GroupBox8 = MakeControl<TGroupBox>(this, p, "GroupBox8", 2, y, 144, 110);
    TntEdit1 = MakeEdit(this, GroupBox8, "TntEdit1", "▼", 8, 10, 48, 0);
    Button10 = MakeButton(this, GroupBox8, "Button10", "...", 60, 10, 30, 21);
    RadioButton11 = MakeRadio(this, GroupBox8, "RadioButton11", "なし", 8, 36, 60);
    RadioButton7 = MakeRadio(this, GroupBox8, "RadioButton7", "左上", 8, 58, 60);
    RadioButton9 = MakeRadio(this, GroupBox8, "RadioButton9", "右上", 72, 58, 60);
    RadioButton10 = MakeRadio(this, GroupBox8, "RadioButton10", "左下", 8, 80, 60);
    RadioButton8 = MakeRadio(this, GroupBox8, "RadioButton8", "右下", 72, 80, 60);
    RadioButton11->SetChecked(true);
    y += 116;

    // Group boxes the form carries without a known role.
    GroupBox4 = MakeControl<TGroupBox>(this, p, "GroupBox4", 2, y, 0, 0);
    GroupBox4->SetVisible(false);
    GroupBox7 = MakeControl<TGroupBox>(this, p, "GroupBox7", 2, y, 0, 0);
    GroupBox7->SetVisible(false);
    Panel5->SetHeight(y + 4);
    ScrollBox2->SetVertRange(y + 4);
}

void TForm1::BuildBackgroundTab() {
    Panel4 = MakeControl<TPanel>(this, TabSheet14, "Panel4", 0, 0, 170, 470);
    Panel4->SetAlign(alClient);
    Panel4->SetBevelOuter(bvNone);
    TWinControl* p = Panel4;
    int y = 6;
    MakeLabel(this, p, "LabelEdit23", "画像ファイル", 4, y, 120);
    y += 18;
    Edit23 = MakeEdit(this, p, "Edit23", "", 4, y, 126, 0);
    Button6 = MakeButton(this, p, "Button6", "...", 132, y, 30, 21);
    y += kRow;
    Button9 = MakeButton(this, p, "Button9", "消去", 4, y, 50, 22);
    y += kRow;
    BGImageCheckBox1 = MakeCheckBox(this, p, "BGImageCheckBox1", "余白無視", 4, y, 76);
    BGImageCheckBox2 = MakeCheckBox(this, p, "BGImageCheckBox2", "比率固定", 84, y, 76);
    y += kRow;
    MakeLabel(this, p, "LabelEdit21", "横幅(mm)", 4, y + 3, 64);
    Edit21 = MakeEdit(this, p, "Edit21", "100.0", 70, y, 50, 1);
    Button11 = MakeButton(this, p, "Button11", "最大", 122, y, 40, 21);
    y += kRow;
    MakeLabel(this, p, "LabelEdit22", "縦幅(mm)", 4, y + 3, 64);
    Edit22 = MakeEdit(this, p, "Edit22", "100.0", 70, y, 50, 1);
    Button12 = MakeButton(this, p, "Button12", "最大", 122, y, 40, 21);
    y += kRow;
    MakeLabel(this, p, "LabelEdit39", "開始位置X(mm)", 4, y + 3, 90);
    Edit39 = MakeEdit(this, p, "Edit39", "0.0", 100, y, 50, 1);
    y += kRow;
    MakeLabel(this, p, "LabelEdit40", "開始位置Y(mm)", 4, y + 3, 90);
    Edit40 = MakeEdit(this, p, "Edit40", "0.0", 100, y, 50, 1);
    y += kRow;
    MakeLabel(this, p, "LabelTrackBar1", "色の濃さ : ", 4, y, 120);
    y += 18;
    TrackBar1 = MakeControl<TTrackBar>(this, p, "TrackBar1", 4, y, 160, 36);
    TrackBar1->SetMax(255);
    TrackBar1->SetMin(0);
    TrackBar1->SetLineSize(5);
    TrackBar1->SetPageSize(5);
    TrackBar1->SetFrequency(32);
    TrackBar1->SetTickMarks(tmBoth);
    TrackBar1->SetPositionToolTip(ptTop);
    TrackBar1->SetPosition(127);
    y += 42;
    Button5 = MakeButton(this, p, "Button5", "回転", 4, y, 50, 22);
    Button4 = MakeButton(this, p, "Button4", "←→", 60, y, 50, 22);
}

void TForm1::BuildFrameTab() {
    TWinControl* p = TabSheet15;
    int y = 6;
    CheckBoxHeader = MakeCheckBox(this, p, "CheckBoxHeader", "枠を適用する", 4, y, 140);
    y += kRow;
    FrameRadio1 = MakeRadio(this, p, "FrameRadio1", "大学ノート", 4, y, 140);
    FrameRadio1->SetTag(1);
    FrameRadio1->SetHint("大学ノートの枠を付けます");
    y += 22;
    FrameRadio2 = MakeRadio(this, p, "FrameRadio2", "目盛り", 4, y, 140);
    FrameRadio2->SetTag(2);
    FrameRadio2->SetHint("上下左右に指定幅の目盛りを付けます");
    y += 22;
    FrameRadio3 = MakeRadio(this, p, "FrameRadio3", "ネームプレート", 4, y, 140);
    FrameRadio3->SetTag(3);
    y += kRow;
    PageControl5 = MakeControl<TPageControl>(this, p, "PageControl5", 0, y, 168, 220);
    PageControl5->SetVisible(false);
    TabSheet16 = MakeTabSheet(this, PageControl5, "TabSheet16", "大学ノート");
    TabSheet17 = MakeTabSheet(this, PageControl5, "TabSheet17", "目盛り");
    TabSheet18 = MakeTabSheet(this, PageControl5, "TabSheet18", "ネームプレート");

    TWinControl* s = TabSheet16;
    MakeLabel(this, s, "LabelHeadText1", "上段の表題", 4, 4, 120);
    HeadText1 = MakeEdit(this, s, "HeadText1", "", 4, 22, 150, 0, "上段の表題を入力");
    MakeLabel(this, s, "LabelHeadText2", "下段の表題", 4, 48, 120);
    HeadText2 = MakeEdit(this, s, "HeadText2", "", 4, 66, 150, 0, "下段の表題を入力");
    HeadCheck1 = MakeCheckBox(this, s, "HeadCheck1", "日付を入力する", 4, 94, 150);
    HeadCheck1->SetHint("チェックを入れると今日の日付が入ります");

    s = TabSheet17;
    MakeLabel(this, s, "LabelFrameScale1", "刻み幅(mm)", 4, 7, 80);
    EditFrameScale1 = MakeEdit(this, s, "EditFrameScale1", "1", 86, 4, 50, 1, "目盛りの最小単位を入力");
    CheckScale1 = MakeCheckBox(this, s, "CheckScale1", "上", 4, 34, 60);
    CheckScale2 = MakeCheckBox(this, s, "CheckScale2", "左", 4, 56, 60);
    CheckScale3 = MakeCheckBox(this, s, "CheckScale3", "右", 70, 56, 60);
    CheckScale4 = MakeCheckBox(this, s, "CheckScale4", "下", 4, 78, 60);

    s = TabSheet18;
    RadioGroup1 = MakeControl<TRadioGroup>(this, s, "RadioGroup1", 4, 4, 150, 44);
    RadioGroup1->SetCaption("タイプ");
    RadioGroup1->SetItems({"1", "2"});
    RadioGroup1->SetColumns(2);
    RadioGroup1->SetItemIndex(0);
    MakeLabel(this, s, "LabelEdit36", "タイトル", 4, 54, 80);
    Edit36 = MakeEdit(this, s, "Edit36", "", 4, 72, 150, 0, "記入したタイトルも印刷します");
    MakeLabel(this, s, "LabelEdit35", "名前", 4, 98, 80);
    Edit35 = MakeEdit(this, s, "Edit35", "", 4, 116, 150, 0, "記入した名前も印刷します");
    CheckBox11 = MakeCheckBox(this, s, "CheckBox11", "表記", 4, 142, 80);
    CheckBox11->SetVisible(false);
}

void TForm1::BuildDialogs() {
    ImageList1 = new TImageList(this);
    ImageList1->SetName("ImageList1");
    FillImageList1(ImageList1);
    MainMenu1->SetImages(ImageList1);
    ColorDialog1 = new TColorDialog(this);
    ColorDialog1->SetName("ColorDialog1");
    ColorDialog2 = new TColorDialog(this);
    ColorDialog2->SetName("ColorDialog2");
    FontDialog1 = new TFontDialog(this);
    FontDialog1->SetName("FontDialog1");
    FontDialog1->Font()->SetName("ＭＳ ゴシック");
    FontDialog1->Font()->SetSize(6);
    FontDialog2 = new TFontDialog(this);
    FontDialog2->SetName("FontDialog2");
    FontDialog3 = new TFontDialog(this);
    FontDialog3->SetName("FontDialog3");
    FontDialog3->Font()->SetSize(3);
    FontDialog3->Font()->SetColor(clBlack);
    OpenPictureDialog1 = new TOpenPictureDialog(this);
    OpenPictureDialog1->SetName("OpenPictureDialog1");
    OpenPictureDialog1->SetFilter("すべてのファイル (*.jpg;*.jpeg;*.png;*.bmp;)|*.jpg;*.jpeg;*.png;*.bmp;|"
                                  "JPEG イメージファイル (*.jpg)|*.jpg|JPEG イメージファイル (*.jpeg)|*.jpeg|"
                                  "ビットマップ (*.bmp)|*.bmp|Png Format (*.png)|*.png");
    PrintDialog1 = new TPrintDialog(this);
    PrintDialog1->SetName("PrintDialog1");
    PrinterSetupDialog1 = new TPrinterSetupDialog(this);
    PrinterSetupDialog1->SetName("PrinterSetupDialog1");
}
