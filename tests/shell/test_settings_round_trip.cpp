// Every stored setting, set to a value other than its default, comes back at the next start.
#include "MainWindowFixture.h"

#include <functional>

namespace {
struct Row {
    const char* key;
    std::function<void(TForm1*)> set;
    std::function<void(TForm1*)> check;
};

void SetFont(TFont* font, const char* name, int size, TFontStyles style, TColor color) {
    font->SetName(name);
    font->SetSize(size);
    font->SetStyle(style);
    font->SetColor(color);
}
void CheckFont(TFont* font, const char* name, int size, TFontStyles style, TColor color) {
    EXPECT_EQ(font->Name(), name);
    EXPECT_EQ(font->Size(), size);
    EXPECT_EQ(font->Style(), style);
    EXPECT_EQ(font->Color(), color);
}

// A text setting: the edit gets the text and has it again after the restart.
Row Text(const char* key, TEdit* TForm1::*edit, const char* value) {
    return {key, [=](TForm1* f) { (f->*edit)->SetText(value); },
            [=](TForm1* f) { EXPECT_EQ((f->*edit)->Text(), value); }};
}
Row Check(const char* key, TCheckBox* TForm1::*box, bool value) {
    return {key, [=](TForm1* f) { (f->*box)->SetChecked(value); },
            [=](TForm1* f) { EXPECT_EQ((f->*box)->Checked(), value); }};
}
Row Index(const char* key, TComboBox* TForm1::*combo, int value) {
    return {key, [=](TForm1* f) { (f->*combo)->SetItemIndex(value); },
            [=](TForm1* f) { EXPECT_EQ((f->*combo)->ItemIndex(), value); }};
}
Row Colour(const char* key, TPanel* TForm1::*panel, TColor value) {
    return {key, [=](TForm1* f) { (f->*panel)->SetColor(value); },
            [=](TForm1* f) { EXPECT_EQ((f->*panel)->Color(), value); }};
}
Row Position(const char* key, TUpDown* TForm1::*updown, int value) {
    return {key, [=](TForm1* f) { (f->*updown)->SetPosition(value); },
            [=](TForm1* f) { EXPECT_EQ((f->*updown)->Position(), value); }};
}

const std::vector<Row>& Rows() {
    static const std::vector<Row> rows = {
        {"Ruliform/Skin", [](TForm1* f) { f->Skin->SetTag(3); },
         [](TForm1* f) {
             EXPECT_EQ(f->Skin->Tag(), 3);
             EXPECT_TRUE(f->Skin3->Checked());
             EXPECT_FALSE(f->Skin1->Checked());
         }},
        {"Ruliform/Width,Height,Top,Left", [](TForm1* f) { f->SetBounds(30, 40, 900, 700); },
         [](TForm1* f) {
             EXPECT_EQ(f->Left(), 30);
             EXPECT_EQ(f->Top(), 40);
             EXPECT_EQ(f->Width(), 900);
             EXPECT_EQ(f->Height(), 700);
         }},
        {"Ruliform/PrintTypeIndex", [](TForm1* f) { f->PageControl1->SetActivePageIndex(3); },
         [](TForm1* f) { EXPECT_EQ(f->PageControl1->ActivePageIndex(), 3); }},
        {"Ruliform/MenuBar_Top,MenuBar_Left",
         [](TForm1* f) {
             f->ToolBar2->SetTop(4);
             f->ToolBar2->SetLeft(180);
         },
         [](TForm1* f) {
             EXPECT_EQ(f->ToolBar2->Top(), 4);
             EXPECT_EQ(f->ToolBar2->Left(), 180);
         }},
        {"Ruliform/ZoomBar_*",
         [](TForm1* f) {
             f->ToolBar3->SetTop(4);
             f->ToolBar3->SetLeft(420);
             f->ToolBar3->SetVisible(false);
         },
         [](TForm1* f) {
             EXPECT_EQ(f->ToolBar3->Top(), 4);
             EXPECT_EQ(f->ToolBar3->Left(), 420);
             EXPECT_FALSE(f->ToolBar3->Visible());
             EXPECT_FALSE(f->MenuViewZoom->Checked());
         }},
        {"Ruliform/BGImage,BGAlpha,BGWidth,BGHeight,BGLeft,BGTop,BGRoted",
         [](TForm1* f) {
             f->BGImage = "/nowhere/gone.jpg";
             f->BGAlpha = 90;
             f->BGWidth = 120.5;
             f->BGHeight = 80.25;
             f->BGLeft = 3.5;
             f->BGTop = 7;
             f->BGRoted = 2;
         },
         [](TForm1* f) {
             EXPECT_EQ(f->BGImage, "/nowhere/gone.jpg");
             EXPECT_EQ(f->Edit23->Text(), "/nowhere/gone.jpg");
             EXPECT_EQ(f->BGAlpha, 90);
             EXPECT_EQ(f->TrackBar1->Position(), 90);
             EXPECT_DOUBLE_EQ(f->BGWidth, 120.5);
             EXPECT_EQ(f->Edit21->Text(), "120.5");
             EXPECT_DOUBLE_EQ(f->BGHeight, 80.25);
             EXPECT_EQ(f->Edit22->Text(), "80.25");
             EXPECT_DOUBLE_EQ(f->BGLeft, 3.5);
             EXPECT_EQ(f->Edit39->Text(), "3.5");
             EXPECT_DOUBLE_EQ(f->BGTop, 7);
             EXPECT_EQ(f->Edit40->Text(), "7");
             EXPECT_EQ(f->BGRoted, 2);
         }},
        {"Ruliform/PrintBar_*",
         [](TForm1* f) {
             f->ToolBar1->SetTop(3);
             f->ToolBar1->SetLeft(20);
             f->ToolBar1->SetVisible(false);
         },
         [](TForm1* f) {
             EXPECT_EQ(f->ToolBar1->Top(), 3);
             EXPECT_EQ(f->ToolBar1->Left(), 20);
             EXPECT_FALSE(f->ToolBar1->Visible());
             EXPECT_FALSE(f->MenuViewPrint->Checked());
         }},
        Text("Space/Top", &TForm1::eSpaceT, "12"),
        Text("Space/Left", &TForm1::eSpaceL, "11"),
        Text("Space/Right", &TForm1::eSpaceR, "13"),
        Text("Space/Bottom", &TForm1::eSpaceB, "14"),
        Index("Ruliform/Zoom", &TForm1::ComboBox1, 1),
        {"Ruliform/CriticalFocus", [](TForm1* f) { f->CriticalFocus = false; },
         [](TForm1* f) {
             EXPECT_FALSE(f->CriticalFocus);
             EXPECT_FALSE(f->CriticalFocus1->Checked());
         }},
        {"Ruliform/TransparentClose", [](TForm1* f) { f->TransparentClose = false; },
         [](TForm1* f) {
             EXPECT_FALSE(f->TransparentClose);
             EXPECT_FALSE(f->CheckTransparentClose1->Checked());
         }},
        {"Ruliform/UpdateCheck", [](TForm1* f) { f->CheckUpdate1->SetChecked(false); },
         [](TForm1* f) { EXPECT_FALSE(f->CheckUpdate1->Checked()); }},
        Text("Mark/Char", &TForm1::TntEdit1, "◆"),
        {"Mark/Pos", [](TForm1* f) { f->RadioButton10->SetChecked(true); },
         [](TForm1* f) {
             EXPECT_EQ(f->MarkPos, 3);
             EXPECT_TRUE(f->RadioButton10->Checked());
         }},
        {"Mark/Size,Color",
         [](TForm1* f) {
             f->FontDialog3->Font()->SetSize(5);
             f->FontDialog3->Font()->SetColor(0x00FF00);
         },
         [](TForm1* f) {
             EXPECT_EQ(f->FontDialog3->Font()->Size(), 5);
             EXPECT_EQ(f->FontDialog3->Font()->Color(), 0x00FF00);
         }},
        {"Color/Pen", [](TForm1* f) { f->SetLineColor(0x0000FF); },
         [](TForm1* f) {
             EXPECT_EQ(f->ColorDialog1->Color(), 0x0000FF);
             EXPECT_EQ(f->Panel2->Color(), 0x0000FF);
         }},
        {"Color/Paper", [](TForm1* f) { f->PaperColor = 0xE0F0FF; },
         [](TForm1* f) {
             EXPECT_EQ(f->PaperColor, 0xE0F0FF);
             EXPECT_EQ(f->Panel1->Color(), 0xE0F0FF);
         }},
        Check("ページ番号/Enabled", &TForm1::CheckBox2, true),
        {"ページ番号/Font*",
         [](TForm1* f) { SetFont(f->FontDialog2->Font(), "ＭＳ 明朝", 9, fsBold | fsItalic, 0x112233); },
         [](TForm1* f) { CheckFont(f->FontDialog2->Font(), "ＭＳ 明朝", 9, fsBold | fsItalic, 0x112233); }},
        Text("Header/HeadText1", &TForm1::HeadText1, "数学"),
        Text("Header/HeadText2", &TForm1::HeadText2, "第二章"),
        Check("Header/Check1", &TForm1::HeadCheck1, true),
        Check("Header/Enabled", &TForm1::CheckBoxHeader, true),
        {"Header/FrameIndex", [](TForm1* f) { f->FrameRadio3->SetChecked(true); },
         [](TForm1* f) {
             EXPECT_EQ(f->FrameIndex, 3);
             EXPECT_TRUE(f->FrameRadio3->Checked());
             EXPECT_EQ(f->PageControl5->ActivePageIndex(), 2);
         }},
        Text("Header/FrameScalemm", &TForm1::EditFrameScale1, "2"),
        Check("Header/Scale1Used", &TForm1::CheckScale1, false),
        Check("Header/Scale2Used", &TForm1::CheckScale2, true),
        Check("Header/Scale3Used", &TForm1::CheckScale3, false),
        Check("Header/Scale4Used", &TForm1::CheckScale4, true),
        Text("GraphPaper/XPX", &TForm1::eDotX, "12"),
        Text("GraphPaper/YPX", &TForm1::eDotY, "14"),
        Text("GraphPaper/Xmm", &TForm1::eMmX, "8"),
        Text("GraphPaper/Ymm", &TForm1::eMmY, "9"),
        Index("GraphPaper/PenStyle", &TForm1::GraphPenStyle, 2),
        Check("GraphPaper/ExEnabled", &TForm1::CheckGraphPaper1, false),
        Text("GraphPaper/ExColorCount", &TForm1::Edit1, "3"),
        Text("GraphPaper/ExColorCountY", &TForm1::Edit27, "4"),
        Colour("GraphPaper/ExColor", &TForm1::ExColorPanel1, 0x00FF00),
        Colour("GraphPaper/ExColorY", &TForm1::ExColorPanel1Y, 0xFF0000),
        Index("GraphPaper/ExPenStyle", &TForm1::ComboBox8, 1),
        Text("GraphPaper/LineWidth", &TForm1::Edit32, "0.1"),
        Text("GraphPaper/LineWidthEx", &TForm1::Edit33, "0.3"),
        Text("MultiLine/interval", &TForm1::EditFiveLineSpace, "25"),
        Text("MultiLine/LineSpace", &TForm1::EditFiveLineLSpace, "6"),
        Text("MultiLine/Count", &TForm1::EditFiveLineCount, "4"),
        Index("MultiLine/PenStyle", &TForm1::ComboBox3, 1),
        Text("MultiLine/PenSize", &TForm1::EditLineSize, "0.2"),
        Text("MultiLine/LineCount", &TForm1::EditLineCount1, "6"),
        Check("MultiLine/ExEnabled", &TForm1::CheckMultiline1, true),
        Check("MultiLine/ExEnabled2", &TForm1::CheckMultiline2, true),
        Text("MultiLine/ExColorCount", &TForm1::Edit3, "3"),
        Colour("MultiLine/ExColor", &TForm1::ExColorPanel2, 0x00FFFF),
        Text("MultiLine/ExPenSize", &TForm1::EditLineSizeEx, "0.4"),
        Position("原稿用紙/横", &TForm1::UpDown3, 12),
        Position("原稿用紙/縦", &TForm1::UpDown4, 18),
        Position("原稿用紙/中央", &TForm1::UpDown5, 9),
        Check("原稿用紙/サイズ指定", &TForm1::CheckBox3, true),
        Text("原稿用紙/サイズ", &TForm1::Edit7, "12"),
        Text("原稿用紙/CenterString", &TForm1::Edit28, "中央の文字"),
        {"原稿用紙/CenterFont*",
         [](TForm1* f) { SetFont(f->FontDialog1->Font(), "ＭＳ Ｐ明朝", 8, fsUnderline, 0x0000FF); },
         [](TForm1* f) { CheckFont(f->FontDialog1->Font(), "ＭＳ Ｐ明朝", 8, fsUnderline, 0x0000FF); }},
        Index("LogPaper/Type", &TForm1::ComboBox4, 1),
        Text("LogPaper/Xsmall", &TForm1::Edit8, "2"),
        Text("LogPaper/Xcount", &TForm1::Edit12, "4"),
        Text("LogPaper/Ysmall", &TForm1::Edit9, "3"),
        Text("LogPaper/Ycount", &TForm1::Edit11, "6"),
        Text("LogPaper/倍率", &TForm1::Edit10, "1.5"),
        Text("LogPaper/定数", &TForm1::Edit20, "0.7"),
        Check("LogPaper/CheckX", &TForm1::CheckBox6, true),
        Check("LogPaper/CheckY", &TForm1::CheckBox7, true),
        {"LogPaper/Option", [](TForm1* f) { f->RadioButton6->SetChecked(true); },
         [](TForm1* f) {
             EXPECT_FALSE(f->RadioButton5->Checked());
             EXPECT_TRUE(f->RadioButton6->Checked());
         }},
        Position("Grid/CountX", &TForm1::UpDown9, 40),
        Position("Grid/CountY", &TForm1::UpDown10, 30),
        Text("Grid/SizeX", &TForm1::Edit16, "0.7"),
        Text("Grid/SizeY", &TForm1::Edit17, "0.6"),
        Text("Grid/Space", &TForm1::Edit18, "4"),
        Check("Grid/中抜き", &TForm1::CheckBox4, true),
        Check("Grid/斜交い", &TForm1::CheckBox5, true),
        Position("斜眼紙/CountX", &TForm1::UpDown12, 8),
        Position("斜眼紙/CountY", &TForm1::UpDown13, 9),
        Text("斜眼紙/Length", &TForm1::Edit13, "12"),
        Index("斜眼紙/Type", &TForm1::ComboBox7, 3),
        Check("斜眼紙/方向", &TForm1::CheckBox8, true),
        Text("円弧/直径", &TForm1::Edit24, "80"),
        Text("円弧/N重", &TForm1::Edit25, "2"),
        Text("円弧/分割数", &TForm1::Edit26, "6"),
        Index("円弧/線種1", &TForm1::ComboBox5, 2),
        Index("円弧/線種2", &TForm1::ComboBox9, 3),
    };
    return rows;
}
} // namespace

TEST_F(MainWindowTest, EverySettingOfTheTableSurvivesARestart) {
    for (const Row& r : Rows())
        r.set(f);
    Restart();
    for (const ShownMessage& m : ShownMessages())
        ADD_FAILURE() << "shown at start: " << m.Text;
    for (const Row& r : Rows()) {
        SCOPED_TRACE(r.key);
        r.check(f);
    }
}
