// The settings file as a file: the names it holds, counts across starts on other papers, line
// ends and byte-order marks, files that cannot be read, and symbolic links.
#include "Cp932FileText.h"
#include "MainWindowFixture.h"
#include "winlib/IniFiles.h"

#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/stat.h>

namespace {
namespace fs = std::filesystem;

std::string Bytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}
void PutBytes(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

// "[section] key" for every key line of a file the program wrote, in file order.
std::vector<std::string> SectionKeyNames(const std::string& text) {
    std::vector<std::string> names;
    std::istringstream in(text);
    std::string section;
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) continue;
        if (line[0] == '[') {
            section = line.substr(1, line.find(']') - 1);
        } else if (const size_t eq = line.find('='); eq != std::string::npos) {
            names.push_back("[" + section + "] " + line.substr(0, eq));
        }
    }
    return names;
}

// The keys of a first exit, in the order they are written, section by section.
std::vector<std::string> ExpectedKeys() {
    const std::vector<std::pair<const char*, std::vector<const char*>>> sections = {
        {"Ruliform",
         {"Width",
          "Height",
          "Top",
          "Left",
          "WindowState",
          "PrintTypeIndex",
          "MenuBar_Top",
          "MenuBar_Left",
          "ZoomBar_Top",
          "ZoomBar_Left",
          "ZoomBar_Visible",
          "PrintBar_Top",
          "PrintBar_Left",
          "PrintBar_Visible",
          "BGImage",
          "BGAlpha",
          "BGWidth",
          "BGHeight",
          "BGRoted",
          "BGLeft",
          "BGTop",
          "Zoom",
          "Skin",
          "CriticalFocus",
          "TransparentClose",
          "UpdateCheck"}},
        {"Space", {"Top", "Left", "Right", "Bottom"}},
        {"Mark", {"Char", "Pos", "Size", "Color"}},
        {"ページ番号", {"Enabled", "FontName", "FontSize", "FontStyle", "FontColor"}},
        {"Header",
         {"HeadText1", "HeadText2", "Enabled", "Check1", "FrameIndex", "FrameScalemm", "Scale1Used",
          "Scale2Used", "Scale3Used", "Scale4Used"}},
        {"Color", {"Pen", "Paper"}},
        {"GraphPaper",
         {"XPX", "YPX", "Xmm", "Ymm", "PenStyle", "ExEnabled", "ExColor", "ExColorY", "ExColorCount",
          "ExColorCountY", "ExPenStyle", "LineWidth", "LineWidthEx"}},
        {"MultiLine",
         {"interval", "LineSpace", "Count", "PenStyle", "PenSize", "LineCount", "ExEnabled", "ExEnabled2",
          "ExColor", "ExColorCount", "ExPenSize"}},
        {"原稿用紙",
         {"横", "縦", "中央", "サイズ指定", "サイズ", "CenterString", "CenterFontName", "CenterFontSize",
          "CenterFontStyle", "CenterFontColor"}},
        {"LogPaper",
         {"Type", "Xsmall", "Xcount", "Ysmall", "Ycount", "倍率", "定数", "CheckX", "CheckY", "Option"}},
        {"Grid", {"CountX", "CountY", "SizeX", "SizeY", "Space", "中抜き", "斜交い"}},
        {"斜眼紙", {"CountX", "CountY", "Length", "Type", "方向"}},
        {"円弧", {"直径", "N重", "分割数", "線種1", "線種2"}},
    };
    std::vector<std::string> keys;
    for (const auto& [section, names] : sections)
        for (const char* name : names)
            keys.push_back("[" + std::string(section) + "] " + name);
    return keys;
}

// The current printer's paper for a stretch of a test; the next test finds A4 again.
class PaperScope {
  public:
    explicit PaperScope(const char* paper) { EXPECT_TRUE(Printer()->SetPaperName(paper)); }
    ~PaperScope() { Printer()->SetPaperName("A4"); }
};
} // namespace

class SettingsFileTest : public MainWindowTest {
  protected:
    void ExpectNoBox(const char* when) {
        for (const ShownMessage& m : ShownMessages())
            ADD_FAILURE() << when << ": " << m.Text;
        ShownMessages().clear();
    }
};

TEST_F(SettingsFileTest, AFirstExitWritesEveryKeyUnderItsNameInItsOrder) {
    Close();
    EXPECT_EQ(SectionKeyNames(Cp932FileText(Path("Ruliform.ini"))), ExpectedKeys());
    Open();
}

TEST_F(SettingsFileTest, EveryCornerOfTheMarkComesBack) {
    TRadioButton* TForm1::*corners[] = {&TForm1::RadioButton11, &TForm1::RadioButton7, &TForm1::RadioButton9,
                                        &TForm1::RadioButton10, &TForm1::RadioButton8};
    for (int pos : {1, 2, 3, 4, 0}) {
        SCOPED_TRACE(pos);
        (f->*corners[pos])->SetChecked(true);
        ASSERT_EQ(f->MarkPos, pos);
        Restart();
        EXPECT_EQ(f->MarkPos, pos);
        EXPECT_TRUE((f->*corners[pos])->Checked());
    }
}

// Each count typed, saved on an A3 printer, comes back as typed there and after a start on the
// built-in printer's A4: a count does not depend on the paper.
TEST_F(SettingsFileTest, EveryCountComesBackAsTypedAlsoOnASmallerPaper) {
    struct Count {
        int page;
        TEdit* TForm1::*edit;
        const char* typed;
    } counts[] = {
        {0, &TForm1::Edit1, "500"},             // graph emphasis interval across
        {0, &TForm1::Edit27, "999"},            // and down
        {3, &TForm1::EditFiveLineCount, "500"}, // multi-line groups
        {3, &TForm1::EditLineCount1, "400"},    // lines in a group
        {3, &TForm1::Edit3, "450"},             // multi-line emphasis interval
        {1, &TForm1::Edit12, "350"},            // log decades across
        {1, &TForm1::Edit11, "320"},            // and down
        {6, &TForm1::Edit25, "500"},            // arc rings
        {6, &TForm1::Edit26, "360"},            // arc divisions
        {2, &TForm1::Edit4, "900"},             // manuscript cells across
        {2, &TForm1::Edit5, "1000"},            // and down
        {4, &TForm1::Edit14, "800"},            // grid dots across
        {4, &TForm1::Edit15, "700"},            // and down
        {5, &TForm1::Edit29, "600"},            // slanted cells across
        {5, &TForm1::Edit30, "650"},            // and down
    };
    {
        PaperScope a3("A3");
        Restart();
        for (const Count& c : counts) {
            f->PageControl1->SetActivePageIndex(c.page);
            RunGuarded([&] { (f->*c.edit)->SetText(c.typed); });
            EXPECT_EQ((f->*c.edit)->Text(), c.typed) << (f->*c.edit)->Name() << " takes the count";
        }
        ShownMessages().clear();
        Restart();
        ExpectNoBox("start on A3");
        for (const Count& c : counts)
            EXPECT_EQ((f->*c.edit)->Text(), c.typed) << (f->*c.edit)->Name() << " on A3";
        Close();
    }
    Open(); // on A4
    ExpectNoBox("start on A4");
    for (const Count& c : counts)
        EXPECT_EQ((f->*c.edit)->Text(), c.typed) << (f->*c.edit)->Name() << " on A4";
    Restart(); // and what the A4 start wrote back
    for (const Count& c : counts)
        EXPECT_EQ((f->*c.edit)->Text(), c.typed) << (f->*c.edit)->Name() << " after A4";
}

// Graph cell counts are held to what fits the paper, but by the cell size saved with them: many
// small cells come back as many, though the counts are read before the sizes.
TEST_F(SettingsFileTest, ManySmallGraphCellsComeBackAsSaved) {
    f->PageControl1->SetActivePageIndex(0);
    f->eMmX->SetText("1");
    f->eMmY->SetText("1.5");
    f->eDotX->SetText("180");
    f->eDotY->SetText("150");
    ASSERT_EQ(f->eDotX->Text(), "180");
    ASSERT_EQ(f->eDotY->Text(), "150");
    Restart();
    EXPECT_EQ(f->eMmX->Text(), "1");
    EXPECT_EQ(f->eMmY->Text(), "1.5");
    EXPECT_EQ(f->eDotX->Text(), "180");
    EXPECT_EQ(f->eDotY->Text(), "150");
    // A count that does not fit its saved cells is still lowered to what does.
    Close();
    PutBytes(Path("Ruliform.ini"), "[GraphPaper]\r\nXPX=500\r\nXmm=1\r\n");
    Open();
    const int fit = StrToInt(f->eDotX->Text());
    EXPECT_LT(fit, 500);
    EXPECT_GE(fit, 190); // an A4 sheet is 210 mm wide; 1 mm cells fill what its margins leave
}

// Lengths that fit an A3 sheet but no A4 one are not cut by the start itself: the mark font
// (which has no field of its own) keeps its size, and a picture its reach.
TEST_F(SettingsFileTest, LengthsSavedOnA3SurviveAStartOnA4) {
    Close();
    PutBytes(Path("Ruliform.ini"),
             Utf8ToCp932("[Mark]\nPos=1\nSize=400\n[Ruliform]\nBGWidth=4000\nBGLeft=-3500\n"
                         "[ページ番号]\nFontSize=410\n"));
    Open();
    EXPECT_EQ(f->FontDialog3->Font()->Size(), 400);
    EXPECT_EQ(f->FontDialog2->Font()->Size(), 410);
    EXPECT_DOUBLE_EQ(f->BGWidth, 4000);
    EXPECT_DOUBLE_EQ(f->BGLeft, -3500);
    Close();
    const std::string text = Cp932FileText(Path("Ruliform.ini"));
    for (const char* kept : {"\nSize=400\n", "\nFontSize=410\n", "\nBGWidth=4000\n", "\nBGLeft=-3500\n"})
        EXPECT_NE(text.find(kept), std::string::npos) << kept;
    Open();
}

// Lengths typed on A3 that no A4 sheet takes: a start on A4 shows and draws what each field takes
// there, says nothing, and saves the stored length back unless the user changed that field; the
// next start on A3 shows each length as it was typed.
TEST_F(SettingsFileTest, LengthsAnA4StartCannotTakeComeBackOnA3) {
    struct Length {
        int page;
        TEdit* TForm1::*edit;
        const char* typed;
        const char* section;
        const char* key;
    } lengths[] = {
        {0, &TForm1::eSpaceT, "350", "Space", "Top"},
        {0, &TForm1::eSpaceL, "250", "Space", "Left"}, // wider than A4, not than A3 across
        {3, &TForm1::EditFiveLineSpace, "380", "MultiLine", "interval"},
        {0, &TForm1::Edit32, "300", "GraphPaper", "LineWidth"},
        {6, &TForm1::Edit24, "400", "円弧", "直径"},
        {2, &TForm1::Edit7, "350", "原稿用紙", "サイズ"},
    };
    {
        PaperScope a3("A3");
        Restart();
        f->CheckBox3->SetChecked(true); // the manuscript's own cell size
        for (const Length& l : lengths) {
            f->PageControl1->SetActivePageIndex(l.page);
            (f->*l.edit)->UserSetText(l.typed);
            ASSERT_EQ((f->*l.edit)->Text(), l.typed) << (f->*l.edit)->Name() << " on A3";
        }
        Close();
    }
    ShownMessages().clear();
    Open(); // on A4
    ExpectNoBox("start on A4");
    for (const Length& l : lengths)
        EXPECT_NE((f->*l.edit)->Text(), l.typed) << (f->*l.edit)->Name() << " takes what A4 takes";
    EXPECT_LT(f->MarginTop + f->MarginBottom, 297) << "the page is drawn with the margin it shows";
    f->eSpaceB->UserSetText("15"); // a change elsewhere keeps the others
    Close();
    {
        TIniFile ini(Path("Ruliform.ini").string());
        for (const Length& l : lengths)
            EXPECT_EQ(ini.ReadString(l.section, l.key, "-"), l.typed) << l.key;
        EXPECT_EQ(ini.ReadString("Space", "Bottom", "-"), "15");
    }
    {
        PaperScope a3("A3");
        Open();
        ExpectNoBox("start on A3");
        for (const Length& l : lengths)
            EXPECT_EQ((f->*l.edit)->Text(), l.typed) << (f->*l.edit)->Name() << " back on A3";
        EXPECT_DOUBLE_EQ(f->MarginTop, 350);
        Close();
    }
    // A length changed on the smaller paper is saved as changed.
    Open();
    f->eSpaceT->UserSetText("12");
    Restart();
    EXPECT_EQ(f->eSpaceT->Text(), "12");
}

// A file the program wrote, with its line ends changed and with or without a UTF-8 byte-order
// mark (the text then in UTF-8), reads whole: once a setting changes, the exit writes the same
// file back with that change, in code page 932 with CR LF, each key once.
TEST_F(SettingsFileTest, AnyLineEndsAndAByteOrderMarkReadWhole) {
    f->HeadText1->SetText("数学 ノート");
    f->Edit28->SetText("中央");
    f->BGImage = "/pictures/写真.png";
    f->CheckUpdate1->SetChecked(false);
    f->Skin->SetTag(3);
    f->Edit24->SetText("80");
    Restart();
    Close();
    const std::string written = Bytes(Path("Ruliform.ini"));
    ASSERT_NE(written.find("\r\n"), std::string::npos);
    struct Ends {
        const char* what;
        const char* end;
    } ends[] = {{"LF", "\n"}, {"CR LF", "\r\n"}, {"CR", "\r"}, {"CR CR LF", "\r\r\n"}};
    for (const Ends& e : ends)
        for (bool bom : {false, true}) {
            SCOPED_TRACE(std::string(e.what) + (bom ? " with a byte-order mark" : ""));
            std::string text = bom ? "\xEF\xBB\xBF" + Cp932ToUtf8(written) : written;
            for (size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += std::strlen(e.end))
                text.replace(at, 2, e.end);
            PutBytes(Path("Ruliform.ini"), text);
            Open();
            ExpectNoBox("start");
            EXPECT_EQ(f->HeadText1->Text(), "数学 ノート");
            EXPECT_EQ(f->BGImage, "/pictures/写真.png");
            EXPECT_FALSE(f->CheckUpdate1->Checked());
            EXPECT_EQ(f->Skin->Tag(), 3);
            f->ComboBox1->SetItemIndex(2);
            Close();
            std::string expected = written;
            expected.replace(expected.find("\r\nZoom=5\r\n"), 10, "\r\nZoom=2\r\n");
            EXPECT_EQ(Bytes(Path("Ruliform.ini")), expected);
        }
    Open();
}

// A settings file that is there but cannot be read is said at start, naming the file and why,
// and nothing more at the exit, which leaves it as it was.
TEST_F(SettingsFileTest, AFileThatCannotBeReadIsSaidOnceAndKept) {
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> make;
        const char* why;
    } cases[] = {
        {"a folder", [](const fs::path& p) { fs::create_directory(p); }, "フォルダーです"},
        {"a pipe", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }, "名前付きパイプです"},
        {"a link to a device", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }, "デバイスです"},
        {"a file over 1 MiB",
         [](const fs::path& p) { PutBytes(p, "[Ruliform]\r\nZoom=2\r\n" + std::string(1 << 20, ';')); },
         "1 MiB を超えています"},
        {"a loop of links", [](const fs::path& p) { fs::create_symlink(p.filename(), p); },
         "シンボリックリンクが循環しています"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Close();
        ShownMessages().clear();
        fs::remove_all(Path("Ruliform.ini"));
        c.make(Path("Ruliform.ini"));
        const auto type = fs::symlink_status(Path("Ruliform.ini")).type();
        const std::string before =
            type == fs::file_type::regular ? Bytes(Path("Ruliform.ini")) : std::string();
        Open();
        EXPECT_EQ(f->ComboBox1->ItemIndex(), 5) << "the defaults";
        ASSERT_EQ(ShownMessages().size(), 1u);
        const AnsiString said = ShownMessages()[0].Text;
        EXPECT_NE(said.find(Path("Ruliform.ini").string() + " を読み込めません"), std::string::npos) << said;
        EXPECT_NE(said.find(c.why), std::string::npos) << said;
        ShownMessages().clear();
        f->ComboBox1->SetItemIndex(1);
        Close();
        ExpectNoBox("exit");
        EXPECT_EQ(fs::symlink_status(Path("Ruliform.ini")).type(), type) << "left as it was";
        if (type == fs::file_type::regular) {
            EXPECT_EQ(Bytes(Path("Ruliform.ini")), before);
        }
    }
    fs::remove_all(Path("Ruliform.ini"));
    Open();
}

// A file that reads at start but not at the exit is said at the exit, as what it now is.
TEST_F(SettingsFileTest, AFileThatStopsBeingReadableIsSaidAtTheExit) {
    Close();
    Open();
    fs::remove(Path("Ruliform.ini"));
    fs::create_directory(Path("Ruliform.ini"));
    ShownMessages().clear();
    Close();
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_NE(ShownMessages()[0].Text.find("を読み込めません（フォルダーです）"), std::string::npos)
        << ShownMessages()[0].Text;
    ShownMessages().clear();
    EXPECT_TRUE(fs::is_directory(Path("Ruliform.ini")));
    fs::remove_all(Path("Ruliform.ini"));
    Open();
}

// A settings file kept elsewhere through a symbolic link stays a link, and its target holds
// the settings, also when the target does not exist yet.
TEST_F(SettingsFileTest, ASymbolicLinkIsWrittenThrough) {
    const fs::path elsewhere = Path("elsewhere");
    fs::create_directory(elsewhere);
    struct Case {
        const char* what;
        fs::path target;  // where the link points
        fs::path written; // the file the settings land in
    } cases[] = {
        {"a dangling link", "elsewhere/new.ini", elsewhere / "new.ini"},
        {"a link to a file", elsewhere / "old.ini", elsewhere / "old.ini"},
        {"a link to a dangling link", "chain.ini", elsewhere / "end.ini"},
    };
    PutBytes(elsewhere / "old.ini", "[Ruliform]\r\nZoom=3\r\n");
    fs::create_symlink(elsewhere / "end.ini", Path("chain.ini"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Close();
        fs::remove(Path("Ruliform.ini"));
        fs::create_symlink(c.target, Path("Ruliform.ini"));
        Open();
        ExpectNoBox("start");
        f->ComboBox1->SetItemIndex(2);
        Close();
        ExpectNoBox("exit");
        EXPECT_TRUE(fs::is_symlink(Path("Ruliform.ini")));
        EXPECT_NE(Cp932FileText(c.written).find("\nZoom=2\n"), std::string::npos);
        Open();
        EXPECT_EQ(f->ComboBox1->ItemIndex(), 2);
    }
}
