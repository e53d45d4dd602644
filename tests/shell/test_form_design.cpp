// The main window as its form description leaves it, before creation reads the settings file:
// captions, start texts, Tags, hints, up-down ranges, check marks and hidden controls.
#include "shell/Unit1.h"
#include "winlib/DialogScript.h"

#include <gtest/gtest.h>

namespace {
template <class T> T* Named(const TForm1& w, const char* name) {
    auto* c = dynamic_cast<T*>(w.FindComponent(name));
    if (!c) ADD_FAILURE() << name << " is missing or of another class";
    return c;
}

// Numeric edits: Tag 0 offers whole numbers in the slide input, Tag 1 (lengths), 2 (pitches)
// and 4 (sizes) decimals.
struct EditRow {
    const char* name;
    const char* text;
    int tag;
    const char* hint;
};
const EditRow kEdits[] = {
    {"eDotX", "10", 0, "横方向のマス数を変更"},
    {"eDotY", "10", 0, "縦方向のマス数を変更"},
    {"eMmX", "10.0", 1, "横方向のマスサイズを変更"},
    {"eMmY", "10.0", 1, "縦方向のマスサイズを変更"},
    {"Edit32", nullptr, 4, nullptr},
    {"Edit33", nullptr, 4, nullptr},
    {"Edit1", "2", 0, nullptr},
    {"Edit27", "2", 0, nullptr},
    {"Edit8", "1", 1, nullptr},
    {"Edit9", "1", 1, nullptr},
    {"Edit12", "3", 0, nullptr},
    {"Edit11", "3", 0, nullptr},
    {"Edit10", "1.3", 1, nullptr},
    {"Edit20", "0.1", 1, nullptr},
    {"Edit4", "10", 0, nullptr},
    {"Edit5", "20", 0, nullptr},
    {"Edit6", "10", 0, nullptr},
    {"Edit7", "10", 1, nullptr},
    {"Edit28", "", 0, nullptr},
    {"EditFiveLineCount", "2", 0, nullptr},
    {"EditLineCount1", "5", 0, nullptr},
    {"EditFiveLineLSpace", "5", 1, nullptr},
    {"EditFiveLineSpace", "20", 1, nullptr},
    {"EditLineSize", "0.1", 4, nullptr},
    {"Edit3", "2", 0, nullptr},
    {"EditLineSizeEx", "0.1", 4, nullptr},
    {"Edit31", "1", 0, "n本目"},
    {"Edit34", "0.1", 1, "nミリメートル"},
    {"Edit13", "10", 2, nullptr}, // a pitch: decimal in the slide input
    {"Edit29", "10", 0, nullptr},
    {"Edit30", "10", 0, nullptr},
    {"Edit14", "50", 0, "横方向のグリッドの数を指定します"},
    {"Edit15", "50", 0, "縦方向のグリッドの数を指定します"},
    {"Edit16", "0.5", 4, nullptr},
    {"Edit17", "0.5", 4, nullptr},
    {"Edit18", "2", 2, nullptr},
    {"Edit19", "0.1", 4, nullptr},
    {"Edit24", "100", 2, nullptr},
    {"Edit25", "1", 0, nullptr},
    {"Edit26", "0", 0, nullptr},
    {"Edit37", "1", 0, nullptr},
    {"Edit38", "1", 0, nullptr},
    {"eSpaceT", "0", 1, nullptr},
    {"eSpaceL", "0", 1, nullptr},
    {"eSpaceR", "0", 1, nullptr},
    {"eSpaceB", "0", 1, nullptr},
    {"Edit2", "1", 0, nullptr},
    {"TntEdit1", "▼", 0, nullptr},
    {"Edit23", "", 0, nullptr},
    {"Edit21", "100.0", 1, nullptr},
    {"Edit22", "100.0", 1, nullptr},
    {"Edit39", "0.0", 1, nullptr},
    {"Edit40", "0.0", 1, nullptr},
    {"HeadText1", "", 0, "上段の表題を入力"},
    {"HeadText2", "", 0, "下段の表題を入力"},
    {"EditFrameScale1", "1", 1, "目盛りの最小単位を入力"},
    {"Edit36", "", 0, "記入したタイトルも印刷します"},
    {"Edit35", "", 0, "記入した名前も印刷します"},
};

struct UpDownRow {
    const char* name;
    const char* associate;
    int min; // -1: not fixed by the form
    int max; // -1: not fixed by the form
    int position;
};
const UpDownRow kUpDowns[] = {
    {"UpDown6", "eDotX", 0, 1000, 10},  {"UpDown7", "eDotY", 0, 1000, 10}, {"UpDown1", "Edit1", 2, -1, 2},
    {"UpDown11", "Edit27", 2, -1, 2},   {"UpDown3", "Edit4", -1, -1, 10},  {"UpDown4", "Edit5", -1, -1, 20},
    {"UpDown5", "Edit6", -1, -1, 10},   {"UpDown2", "Edit3", -1, -1, 2},   {"UpDown12", "Edit29", -1, -1, 10},
    {"UpDown13", "Edit30", -1, -1, 10}, {"UpDown9", "Edit14", -1, -1, 50}, {"UpDown10", "Edit15", -1, -1, 50},
    {"UpDown17", "Edit26", 0, 1440, 0}, {"UpDown8", "Edit2", 1, 1000, 1},
};

struct CaptionRow {
    const char* name;
    const char* caption;
};
const CaptionRow kCaptions[] = {
    {"Label3", "横マス数(px):"},
    {"Label4", "縦マス数(px):"},
    {"Label6", "マス横幅(mm):"},
    {"Label5", "マス縦幅(mm):"},
    {"GroupBox1", "ステータス"},
    {"Button1", "Col"},
    {"Button7", "Col"},
    {"Button2", "Col"},
    {"Label15", "n字詰め"},
    {"CheckBox3", "マスサイズ指定(mm)"},
    {"Button8", "Font"},
    {"RadioButton5", "倍率"},
    {"RadioButton6", "定数"},
    {"CheckBox6", "逆"},
    {"CheckBox7", "逆"},
    {"CheckMultiline2", "使用する"},
    {"GroupBoxIndividual", "個別強調の設定"},
    {"Button14", "Add"},
    {"Button15", "Del"},
    {"Button13", "Re"},
    {"CheckBox8", "印刷方向"},
    {"CheckBox4", "中抜き"},
    {"CheckBox5", "斜交い"},
    {"Label54", "0°"},
    {"Label41", "余白"},
    {"lSpT", "上"},
    {"lSpL", "左"},
    {"lSpR", "右"},
    {"lSpB", "下"},
    {"CheckBox1", "全て同一"},
    {"CheckBox9", "↑↓共通"},
    {"CheckBox10", "←→共通"},
    {"Label42", "線の色"},
    {"ColorChangeButton", "Col"},
    {"Label43", "紙の色（見立て）"},
    {"Button3", "Col"},
    {"Label44", "印刷ページ数"},
    {"CheckBox2", "ページ番号付加"},
    {"Label45", "マーク"},
    {"Button10", "..."},
    {"RadioButton11", "なし"},
    {"RadioButton7", "左上"},
    {"RadioButton9", "右上"},
    {"RadioButton10", "左下"},
    {"RadioButton8", "右下"},
    {"Button6", "..."},
    {"Button9", "消去"},
    {"BGImageCheckBox1", "余白無視"},
    {"BGImageCheckBox2", "比率固定"},
    {"Button11", "最大"},
    {"Button12", "最大"},
    {"Button5", "回転"},
    {"Button4", "←→"},
    {"CheckBoxHeader", "枠を適用する"},
    {"FrameRadio1", "大学ノート"},
    {"FrameRadio2", "目盛り"},
    {"FrameRadio3", "ネームプレート"},
    {"HeadCheck1", "日付を入力する"},
    {"CheckScale1", "上"},
    {"CheckScale2", "左"},
    {"CheckScale3", "右"},
    {"CheckScale4", "下"},
    {"RadioGroup1", "タイプ"},
    {"CheckBox11", "表記"},
    {"TabSheet1", "方眼紙"},
    {"TabSheet3", "対数方眼"},
    {"TabSheet2", "原稿用紙"},
    {"TabSheet4", "マルチライン"},
    {"TabSheet5", "斜眼紙"},
    {"TabSheet6", "グリッド"},
    {"TabSheet7", "円弧"},
    {"TabSheet12", "文字"},
    {"TabSheet8", "基本"},
    {"TabSheet9", "強調表示"},
    {"TabSheet11", "強調表示"},
    {"TabSheet13", "用紙設定"},
    {"TabSheet14", "背景"},
    {"TabSheet15", "枠"},
    {"TabSheet16", "大学ノート"},
    {"TabSheet17", "目盛り"},
    {"TabSheet18", "ネームプレート"},
};
} // namespace

TEST(MainWindowDesign, EditsStartWithTheirFormTextTagAndHint) {
    TForm1 w(nullptr);
    for (const EditRow& r : kEdits) {
        SCOPED_TRACE(r.name);
        TEdit* e = Named<TEdit>(w, r.name);
        if (!e) continue;
        if (r.text) {
            EXPECT_EQ(e->Text(), r.text);
        }
        EXPECT_EQ(e->Tag(), r.tag);
        if (r.hint) {
            EXPECT_EQ(e->Hint(), r.hint);
        }
    }
    EXPECT_FALSE(w.Edit7->Enabled()) << "the cell size waits for its check box";
    EXPECT_EQ(w.Edit7->Color(), TColor(0x808080));
}

TEST(MainWindowDesign, UpDownsHoldTheirEditRangeAndPosition) {
    TForm1 w(nullptr);
    for (const UpDownRow& r : kUpDowns) {
        SCOPED_TRACE(r.name);
        TUpDown* u = Named<TUpDown>(w, r.name);
        if (!u) continue;
        EXPECT_EQ(u->Associate(), Named<TEdit>(w, r.associate));
        if (r.min >= 0) {
            EXPECT_EQ(u->Min(), r.min);
        }
        if (r.max >= 0) {
            EXPECT_EQ(u->Max(), r.max);
        }
        EXPECT_EQ(u->Position(), r.position);
    }
    // Out of range the position stops at the ends; the settings pass relies on it.
    w.UpDown17->SetPosition(5000);
    EXPECT_EQ(w.Edit26->Text(), "1440");
    w.UpDown17->SetPosition(-3);
    EXPECT_EQ(w.Edit26->Text(), "0");
}

TEST(MainWindowDesign, CaptionsAreTheFormsOwn) {
    TForm1 w(nullptr);
    for (const CaptionRow& r : kCaptions) {
        SCOPED_TRACE(r.name);
        if (TControl* c = Named<TControl>(w, r.name)) {
            EXPECT_EQ(c->Caption(), r.caption);
        }
    }
}

TEST(MainWindowDesign, ListsCheckMarksAndHiddenControls) {
    TForm1 w(nullptr);
    // Combo boxes: items and the selected index.
    EXPECT_EQ(w.ComboBox1->ItemCount(), 8);
    EXPECT_EQ(w.ComboBox1->Item(0), "100");
    EXPECT_EQ(w.ComboBox1->Item(7), "25");
    EXPECT_EQ(w.ComboBox1->ItemIndex(), 5);
    EXPECT_EQ(w.ComboBox4->ItemCount(), 2);
    EXPECT_EQ(w.ComboBox4->Item(0), "片対数");
    EXPECT_EQ(w.ComboBox4->Item(1), "両対数");
    EXPECT_EQ(w.ComboBoxCardinalPoint->ItemIndex(), 1);
    EXPECT_EQ(w.ComboBoxCardinalPoint->Text(), "90");
    const char* styles[] = {"実線", "破線", "点線", "一点鎖線", "二点鎖線"};
    for (TComboBox* c : {w.GraphPenStyle, w.ComboBox8, w.ComboBox3, w.ComboBox6, w.ComboBox7, w.ComboBox5,
                         w.ComboBox9, w.ComboBox11}) {
        SCOPED_TRACE(c->Name());
        ASSERT_EQ(c->ItemCount(), 5);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(c->Item(i), styles[i]);
        EXPECT_EQ(c->ItemIndex(), 0);
    }
    EXPECT_EQ(w.RadioGroup1->ItemIndex(), 0);

    // Check marks: on where the form sets them, off elsewhere (the settings pass runs handlers
    // only where a stored value differs from these).
    for (TRadioButton* r : {w.RadioButton5, w.RadioButton11})
        EXPECT_TRUE(r->Checked()) << r->Name();
    for (TRadioButton* r : {w.RadioButton6, w.RadioButton7, w.RadioButton8, w.RadioButton9, w.RadioButton10,
                            w.FrameRadio1, w.FrameRadio2, w.FrameRadio3})
        EXPECT_FALSE(r->Checked()) << r->Name();
    for (TCheckBox* c :
         {w.CheckBlank,       w.CheckBox1,       w.CheckBox2,       w.CheckBox3,      w.CheckBox4,
          w.CheckBox5,        w.CheckBox6,       w.CheckBox7,       w.CheckBox8,      w.CheckBox9,
          w.CheckBox10,       w.CheckBox11,      w.CheckScale1,     w.CheckScale2,    w.CheckScale3,
          w.CheckScale4,      w.CheckMultiline1, w.CheckMultiline2, w.CheckBoxHeader, w.HeadCheck1,
          w.BGImageCheckBox1, w.BGImageCheckBox2})
        EXPECT_FALSE(c->Checked()) << c->Name();
    for (TMenuItem* m : {w.SpaceLineView1, w.MenuViewZoom, w.MenuViewPrint, w.CheckUpdate1, w.CriticalFocus1,
                         w.CheckTransparentClose1, w.Skin1})
        EXPECT_TRUE(m->Checked()) << m->Name();
    EXPECT_EQ(w.Skin->Tag(), 1);
    for (int i = 0; i < 8; ++i) {
        auto* m = dynamic_cast<TMenuItem*>(w.FindComponent("Skin" + std::to_string(i)));
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->Tag(), i);
        EXPECT_EQ(m->Visible(), i < 6) << m->Name();
    }
    EXPECT_EQ(w.FrameRadio1->Tag(), 1);
    EXPECT_EQ(w.FrameRadio2->Tag(), 2);
    EXPECT_EQ(w.FrameRadio3->Tag(), 3);

    // Hidden in the form.
    EXPECT_FALSE(w.Edit19->Visible());
    EXPECT_FALSE(w.CheckBox11->Visible());
    EXPECT_FALSE(w.ToolBar4->Visible());
    EXPECT_FALSE(w.MenuViewFile1->Visible());
    EXPECT_FALSE(w.N12->Visible());
    EXPECT_FALSE(w.TabSheet12->TabVisible());

    // Colours and the background controls.
    EXPECT_EQ(w.Panel2->Color(), clBtnText);
    EXPECT_EQ(w.Panel1->Color(), clWhite);
    EXPECT_EQ(w.Panel7->Color(), clBlack);
    for (TPanel* p : {w.ExColorPanel1, w.ExColorPanel1Y, w.ExColorPanel2})
        EXPECT_EQ(p->Color(), clRed) << p->Name();
    EXPECT_EQ(w.TrackBar1->Min(), 0);
    EXPECT_EQ(w.TrackBar1->Max(), 255);
    EXPECT_EQ(w.TrackBar1->Position(), 127);
    EXPECT_EQ(w.OpenPictureDialog1->Filter(),
              "すべてのファイル (*.jpg;*.jpeg;*.png;*.bmp;)|*.jpg;*.jpeg;*.png;*.bmp;|JPEG イメージファイル "
              "(*.jpg)|*.jpg|JPEG イメージファイル (*.jpeg)|*.jpeg|ビットマップ (*.bmp)|*.bmp|Png Format "
              "(*.png)|*.png");
}

// A creation that fails before it opens the settings file must still let the window go.
TEST(MainWindowDesign, DestroyAfterAFailedCreationWritesNothing) {
    ShownMessages().clear();
    auto* w = new TForm1(nullptr);
    w->OnCreate = [](TObject*) { throw Exception("creation failed"); };
    w->DoCreate();
    ASSERT_EQ(w->IniFile, nullptr);
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].Text, "creation failed");
    delete w; // runs the destroy handler with no settings file
    EXPECT_EQ(ShownMessages().size(), 1u) << "the destroy handler raised nothing";
    ShownMessages().clear();
}
