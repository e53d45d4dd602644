// The settings file across starts: defaults, a full round trip, bad values, code page 932.
#include "MainWindowFixture.h"
#include "UnprivilegedScope.h"

#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string ReadBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}
void WriteBytes(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}
// The file's text with its line ends as LF (the profile file writes CRLF).
std::string Lines(const std::filesystem::path& p) {
    std::string t = ReadBytes(p);
    std::string out;
    for (char c : t)
        if (c != '\r') out += c;
    return out;
}
int CountKeys(const std::string& text) {
    int keys = 0;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '[' && line.find('=') != std::string::npos) ++keys;
    return keys;
}
} // namespace

TEST_F(MainWindowTest, FirstStartUsesTheDefaultsAndExitWritesEveryKey) {
    EXPECT_EQ(f->ComboBox1->ItemIndex(), 5);
    EXPECT_TRUE(f->Skin1->Checked());
    EXPECT_EQ(f->Skin->Tag(), 1);
    EXPECT_EQ(f->eDotX->Text(), "16");
    EXPECT_EQ(f->Edit1->Text(), "5");
    EXPECT_EQ(f->Edit20->Text(), "0.3");
    EXPECT_EQ(f->Edit18->Text(), "5.0");
    EXPECT_EQ(f->EditFrameScale1->Text(), "5");
    EXPECT_TRUE(f->CheckScale1->Checked());
    EXPECT_EQ(f->TntEdit1->Text(), "▼");
    EXPECT_EQ(f->FrameIndex, 1);
    EXPECT_TRUE(f->FrameRadio1->Checked());
    EXPECT_EQ(f->PaperColor, 0xFFFFFF);
    EXPECT_GE(f->Width(), 800) << "the minimum size raises 768 x 576";
    EXPECT_EQ(f->Label41->Caption(), "  余白");
    EXPECT_FALSE(std::filesystem::exists(Path("Ruliform.ini")) &&
                 CountKeys(ReadBytes(Path("Ruliform.ini"))) > 0);
    Close();
    const std::string text = Lines(Path("Ruliform.ini"));
    EXPECT_EQ(CountKeys(text), 112);
    EXPECT_NE(text.find("BGWidth=100\n"), std::string::npos) << "100.0 is written as 100";
    EXPECT_NE(text.find("[" + Utf8ToCp932("原稿用紙") + "]"), std::string::npos) << "names in code page 932";
    Open();
}

TEST_F(MainWindowTest, EveryStoredValueComesBackAtTheNextStart) {
    f->eSpaceT->SetText("12");
    f->eSpaceL->SetText("11");
    f->eSpaceR->SetText("13");
    f->eSpaceB->SetText("14");
    f->ComboBox1->SetItemIndex(2);
    f->PageControl1->SetActivePageIndex(5);
    f->eDotX->SetText("7");
    f->eDotY->SetText("9");
    f->eMmX->SetText("6.5");
    f->eMmY->SetText("7.5");
    f->GraphPenStyle->SetItemIndex(3);
    f->CheckGraphPaper1->SetChecked(false);
    f->Edit1->SetText("4");
    f->ExColorPanel1->SetColor(0x00FF00);
    f->ComboBox8->SetItemIndex(2);
    f->Edit32->SetText("0.2");
    f->TntEdit1->SetText("★");
    f->RadioButton8->SetChecked(true);
    f->SetLineColor(0x123456);
    f->PaperColor = 0xABCDEF;
    f->CheckBox2->SetChecked(true);
    f->HeadText1->SetText("数学ノート");
    f->CheckBoxHeader->SetChecked(true);
    f->FrameRadio2->SetChecked(true);
    f->CheckScale3->SetChecked(false);
    f->EditFiveLineSpace->SetText("25");
    f->Edit7->SetText("12");
    f->CheckBox3->SetChecked(true);
    f->Edit28->SetText("中央");
    f->FontDialog1->Font()->SetName("ＭＳ 明朝");
    f->ComboBox4->SetItemIndex(1);
    f->Edit20->SetText("0.7");
    f->RadioButton6->SetChecked(true);
    f->Edit16->SetText("0.8");
    f->CheckBox5->SetChecked(true);
    f->Edit13->SetText("12");
    f->ComboBox7->SetItemIndex(4);
    f->Edit24->SetText("80");
    f->ComboBox9->SetItemIndex(1);
    // Fields of the window itself, written by the destroy handler while they still live.
    f->BGImage = "/pictures/a background picture with a long name.png";
    f->BGWidth = 123.5;
    Restart();
    EXPECT_EQ(f->BGImage, "/pictures/a background picture with a long name.png");
    EXPECT_DOUBLE_EQ(f->BGWidth, 123.5);
    EXPECT_EQ(f->Edit21->Text(), "123.5");
    EXPECT_EQ(f->eSpaceT->Text(), "12");
    EXPECT_EQ(f->eSpaceL->Text(), "11");
    EXPECT_EQ(f->eSpaceR->Text(), "13");
    EXPECT_EQ(f->eSpaceB->Text(), "14");
    EXPECT_DOUBLE_EQ(f->MarginTop, 12.0);
    EXPECT_EQ(f->ComboBox1->ItemIndex(), 2);
    EXPECT_EQ(f->PageControl1->ActivePageIndex(), 5);
    EXPECT_EQ(f->eDotX->Text(), "7");
    EXPECT_EQ(f->eDotY->Text(), "9");
    EXPECT_EQ(f->eMmX->Text(), "6.5");
    EXPECT_EQ(f->eMmY->Text(), "7.5");
    EXPECT_EQ(f->GraphPenStyle->ItemIndex(), 3);
    EXPECT_FALSE(f->CheckGraphPaper1->Checked());
    EXPECT_EQ(f->Edit1->Text(), "4");
    EXPECT_EQ(f->ExColorPanel1->Color(), 0x00FF00);
    EXPECT_EQ(f->ComboBox8->ItemIndex(), 2);
    EXPECT_EQ(f->Edit32->Text(), "0.2");
    EXPECT_EQ(f->TntEdit1->Text(), "★");
    EXPECT_EQ(f->MarkPos, 4);
    EXPECT_TRUE(f->RadioButton8->Checked());
    EXPECT_EQ(f->Panel2->Color(), 0x123456);
    EXPECT_EQ(f->ColorDialog1->Color(), 0x123456);
    EXPECT_EQ(f->PaperColor, 0xABCDEF);
    EXPECT_EQ(f->Panel1->Color(), 0xABCDEF);
    EXPECT_TRUE(f->CheckBox2->Checked());
    EXPECT_EQ(f->HeadText1->Text(), "数学ノート");
    EXPECT_TRUE(f->CheckBoxHeader->Checked());
    EXPECT_EQ(f->FrameIndex, 2);
    EXPECT_TRUE(f->FrameRadio2->Checked());
    EXPECT_FALSE(f->CheckScale3->Checked());
    EXPECT_TRUE(f->PageControl5->Visible());
    EXPECT_EQ(f->EditFiveLineSpace->Text(), "25");
    EXPECT_EQ(f->Edit7->Text(), "12");
    EXPECT_TRUE(f->CheckBox3->Checked());
    EXPECT_EQ(f->Edit28->Text(), "中央");
    EXPECT_EQ(f->FontDialog1->Font()->Name(), "ＭＳ 明朝");
    EXPECT_EQ(f->ComboBox4->ItemIndex(), 1);
    EXPECT_EQ(f->Edit20->Text(), "0.7");
    EXPECT_TRUE(f->RadioButton6->Checked());
    EXPECT_FALSE(f->RadioButton5->Checked());
    EXPECT_EQ(f->Edit16->Text(), "0.8");
    EXPECT_TRUE(f->CheckBox5->Checked());
    EXPECT_EQ(f->Edit13->Text(), "12");
    EXPECT_EQ(f->ComboBox7->ItemIndex(), 4);
    EXPECT_EQ(f->Edit24->Text(), "80");
    EXPECT_EQ(f->ComboBox9->ItemIndex(), 1);
}

TEST_F(MainWindowTest, BadStoredValuesFallBackRowByRow) {
    Close();
    const std::string ini = "[ruliform]\nZoom=12\nSkin=7\nPrintTypeIndex=9\nBGAlpha=300\nBGRoted=5\n"
                            "UnknownKey=keep me\n[Mark]\nPos=9\n[Header]\nFrameIndex=4\nEnabled=2\n"
                            "Check1=yes\n[LOGPAPER]\n定数=0.9\n[Other]\nx=1\n"
                            "garbage line without equals\n\x01\x02\xff\n[原稿用紙]\nCenterString=" +
                            std::string(5000, 'x') + "\n[GraphPaper]\nXmm=12"; // cut off: no line end
    WriteBytes(Path("Ruliform.ini"), Utf8ToCp932(ini));
    Open();
    for (const ShownMessage& m : ShownMessages())
        ADD_FAILURE() << "shown at start: " << m.Text;
    EXPECT_EQ(f->ComboBox1->ItemIndex(), 5) << "a zoom outside the list reads as the default, 40 %";
    EXPECT_EQ(f->Skin->Tag(), 7);
    for (TMenuItem* m : {f->Skin0, f->Skin1, f->Skin2, f->Skin3, f->Skin4, f->Skin5})
        EXPECT_FALSE(m->Checked());
    EXPECT_EQ(f->PageControl1->ActivePageIndex(), -1);
    EXPECT_EQ(f->TrackBar1->Position(), 255);
    EXPECT_EQ(f->MarkPos, 0);
    EXPECT_TRUE(f->RadioButton11->Checked());
    EXPECT_EQ(f->FrameIndex, 4);
    EXPECT_TRUE(f->CheckBoxHeader->Checked()) << "2 reads as true";
    EXPECT_FALSE(f->HeadCheck1->Checked()) << "yes reads as the default";
    EXPECT_EQ(f->Edit20->Text(), "0.9") << "section names compare without case";
    EXPECT_EQ(f->eDotX->Text(), "16") << "the rows after the bad ones still read";
    EXPECT_EQ(f->Edit28->Text(), std::string(2047, 'x'))
        << "an over-long value is cut to the platform's buffer";
    EXPECT_EQ(f->eMmX->Text(), "12") << "a last line without its line end still reads";
    Close();
    const std::string text = Cp932ToUtf8(Lines(Path("Ruliform.ini")));
    EXPECT_NE(text.find("Zoom=5"), std::string::npos);
    EXPECT_NE(text.find("PrintTypeIndex=-1"), std::string::npos);
    EXPECT_NE(text.find("Skin=7"), std::string::npos);
    EXPECT_NE(text.find("Pos=0"), std::string::npos);
    EXPECT_NE(text.find("FrameIndex=4"), std::string::npos);
    EXPECT_NE(text.find("BGRoted=5"), std::string::npos);
    EXPECT_NE(text.find("UnknownKey=keep me"), std::string::npos);
    EXPECT_NE(text.find("[Other]\nx=1"), std::string::npos);
    Open();
}

TEST_F(MainWindowTest, ReadsAFileWrittenInCodePage932) {
    Close();
    // "[Mark]\nChar=★\n[原稿用紙]\nCenterString=日本語\n" written byte by byte in code page 932.
    const std::string bytes = "[Mark]\r\nChar=\x81\x9A\r\n[\x8C\xB4\x8D\x65\x97\x70\x8E\x86]\r\n"
                              "CenterString=\x93\xFA\x96\x7B\x8C\xEA\r\n";
    WriteBytes(Path("Ruliform.ini"), bytes);
    Open();
    EXPECT_EQ(f->TntEdit1->Text(), "★");
    EXPECT_EQ(f->Edit28->Text(), "日本語");
}

TEST_F(MainWindowTest, MaximisedExitKeepsTheNormalBounds) {
    Close();
    WriteBytes(Path("Ruliform.ini"), "[Ruliform]\nWidth=900\nHeight=700\nTop=10\nLeft=20\n");
    Open();
    f->SetWindowState(wsMaximized);
    Close();
    const std::string text = Lines(Path("Ruliform.ini"));
    EXPECT_NE(text.find("Width=900"), std::string::npos);
    EXPECT_NE(text.find("Left=20"), std::string::npos);
    EXPECT_NE(text.find("WindowState=2"), std::string::npos);
    Open();
}

TEST_F(MainWindowTest, AnUnwritableFileIsReportedAndLeftWhole) {
    Close();
    WriteBytes(Path("Ruliform.ini"), "[Ruliform]\nZoom=3\n");
    Open();
    {
        UnprivilegedScope user(Path(""));
        ::chmod(Path("").c_str(), 0555); // a folder its owner may not write to
        Close();
        ::chmod(Path("").c_str(), 0755);
    }
    EXPECT_EQ(ReadBytes(Path("Ruliform.ini")), "[Ruliform]\nZoom=3\n") << "the old file is left whole";
    ASSERT_FALSE(ShownMessages().empty());
    EXPECT_NE(ShownMessages().back().Text.find("に書き込めません"), std::string::npos);
    Open();
}

TEST_F(MainWindowTest, AStoredZoomOutsideTheListReadsAsFortyPerCent) {
    struct Case {
        const char* stored;
        int index;
    };
    for (const Case& c :
         {Case{"-1", 5}, Case{"8", 5}, Case{"12", 5}, Case{"x", 5}, Case{"0", 0}, Case{"7", 7}}) {
        SCOPED_TRACE(c.stored);
        Close();
        WriteBytes(Path("Ruliform.ini"), std::string("[Ruliform]\nZoom=") + c.stored + "\n");
        Open();
        EXPECT_EQ(f->ComboBox1->ItemIndex(), c.index);
        EXPECT_FALSE(f->ComboBox1->Text().empty()) << "the zoom box shows its zoom";
    }
    // From the default, zooming out goes one step down to 30 %, not to the top of the list.
    Close();
    WriteBytes(Path("Ruliform.ini"), "[Ruliform]\nZoom=12\n");
    Open();
    f->ToolZoomButton2Click(f->ToolZoomButton2);
    EXPECT_EQ(f->ComboBox1->Text(), "30");
}
