// Settings files the program did not write as it would: values out of every range, files that
// are no files, errors in the middle of the read pass. Each must leave the program starting
// without a box, showing its window and its bars, and closing with the user's settings intact.
#include "Cp932FileText.h"
#include "MainWindowFixture.h"

#include "editors/Unit7.h"
#include "shell/Abitmap.h"

#include <chrono>
#include <condition_variable>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <mutex>
#include <sstream>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

const TRect kDesk(0, 0, 1920, 1040); // the work area the fixture gives the screen

// What a stored length is held within at start: the longest side of any paper the program
// offers (values saved on an A3 printer must survive a start on A4), from the nominal sizes.
double PaperLongSideMm() {
    double longest = 0;
    for (const TPrinterPaper& p : TPrinter::KnownPapers())
        longest = std::max({longest, p.WidthMm, p.HeightMm});
    return longest;
}

bool Inside(const TControl* c, int width, int height) {
    return c->Left() >= 0 && c->Top() >= 0 && c->Left() + c->Width() <= width &&
           c->Top() + c->Height() <= height;
}

struct Hostile {
    const char* what;
    const char* ini; // "%PIC%" stands for a picture that loads
    std::function<void(TForm1*)> check;
};

void ExpectWindowOnTheDesk(TForm1* f) {
    EXPECT_GE(f->Left(), kDesk.Left);
    EXPECT_GE(f->Top(), kDesk.Top);
    EXPECT_LE(f->Left() + f->Width(), kDesk.Right);
    EXPECT_LE(f->Top() + f->Height(), kDesk.Bottom);
}

void ExpectFontWithinThePaper(TFont* font) {
    EXPECT_GE(font->Size(), 1);
    EXPECT_LE(font->Size(), PaperLongSideMm() + 1);
}

void ExpectPictureWithinReach(double mm) {
    EXPECT_LE(std::abs(mm), 10 * (PaperLongSideMm() + 1));
}

// A count in an edit: a whole number of int, whatever was stored.
void ExpectWholeCount(TEdit* e) {
    int n = 0;
    EXPECT_TRUE(TryStrToInt(e->Text(), n)) << e->Name() << " " << e->Text();
}

// The number in an edit, no further from 0 than Papers paper lengths.
void ExpectNumberWithin(TEdit* e, double papers) {
    double v = 0;
    ASSERT_TRUE(TryStrToFloat(e->Text(), v)) << e->Name() << " " << e->Text();
    EXPECT_LE(std::abs(v), papers * (PaperLongSideMm() + 1)) << e->Name();
}

const Hostile kHostile[] = {
    {"the largest window", "[Ruliform]\nWidth=2147483647\nHeight=2147483647\n",
     [](TForm1* f) {
         ExpectWindowOnTheDesk(f);
         EXPECT_EQ(f->Width(), kDesk.Width()) << "as wide as the screen allows";
     }},
    {"a window far off every screen", "[Ruliform]\nLeft=-2147483648\nTop=2147483647\nWidth=900\nHeight=700\n",
     [](TForm1* f) {
         ExpectWindowOnTheDesk(f);
         EXPECT_EQ(f->Width(), 900) << "a size that fits is kept";
         EXPECT_EQ(f->Height(), 700);
     }},
    {"a window partly off the screen", "[Ruliform]\nLeft=1500\nTop=-300\nWidth=900\nHeight=700\n",
     [](TForm1* f) {
         ExpectWindowOnTheDesk(f);
         EXPECT_EQ(f->Left(), kDesk.Right - 900);
         EXPECT_EQ(f->Top(), 0);
     }},
    {"a minimised window", "[Ruliform]\nWindowState=1\n",
     [](TForm1* f) { EXPECT_EQ(f->WindowState(), wsNormal); }},
    {"the menu bar out of reach with the other bars hidden",
     "[Ruliform]\nMenuBar_Left=100000\nZoomBar_Visible=0\nPrintBar_Visible=0\n",
     [](TForm1* f) {
         EXPECT_TRUE(Inside(f->ToolBar2, f->ControlBar1->Width(), f->ControlBar1->Height()));
         EXPECT_TRUE(f->ToolBar2->Visible());
         EXPECT_FALSE(f->ToolBar3->Visible()) << "the view menu on the menu bar brings it back";
     }},
    {"bars below and left of the control bar",
     "[Ruliform]\nMenuBar_Top=100000\nZoomBar_Top=-50\nPrintBar_Left=-9\n",
     [](TForm1* f) {
         for (TToolBar* b : {f->ToolBar1, f->ToolBar2, f->ToolBar3})
             EXPECT_TRUE(Inside(b, f->ControlBar1->Width(), f->ControlBar1->Height())) << b->Name();
     }},
    {"two bars on top of each other", "[Ruliform]\nPrintBar_Left=170\nMenuBar_Left=170\n",
     [](TForm1* f) {
         // The control bar keeps shown bars apart: each covers none of the others.
         TToolBar* bars[] = {f->ToolBar1, f->ToolBar2, f->ToolBar3};
         for (int i = 0; i < 3; ++i)
             for (int j = i + 1; j < 3; ++j) {
                 const TToolBar *a = bars[i], *b = bars[j];
                 const bool apart = a->Left() + a->Width() <= b->Left() ||
                                    b->Left() + b->Width() <= a->Left() ||
                                    a->Top() + a->Height() <= b->Top() || b->Top() + b->Height() <= a->Top();
                 EXPECT_TRUE(apart) << a->Name() << " covers " << b->Name();
             }
     }},
    {"a mark taller than any paper", "[Mark]\nPos=1\nSize=100000\n",
     [](TForm1* f) { ExpectFontWithinThePaper(f->FontDialog3->Font()); }},
    {"a mark of negative size", "[Mark]\nPos=4\nSize=-100000\n",
     [](TForm1* f) { ExpectFontWithinThePaper(f->FontDialog3->Font()); }},
    {"a page number taller than any paper", "[ページ番号]\nEnabled=1\nFontSize=100000\n",
     [](TForm1* f) { ExpectFontWithinThePaper(f->FontDialog2->Font()); }},
    {"a manuscript centre text taller than any paper",
     "[Ruliform]\nPrintTypeIndex=2\n[原稿用紙]\nCenterString=中\nCenterFontSize=2147483647\n",
     [](TForm1* f) { ExpectFontWithinThePaper(f->FontDialog1->Font()); }},
    {"margins beyond any paper", "[Space]\nTop=9999999999\nLeft=1e300\nRight=-9999999999\nBottom=1e308\n",
     [](TForm1* f) {
         for (TEdit* e : {f->eSpaceT, f->eSpaceL, f->eSpaceR, f->eSpaceB})
             ExpectNumberWithin(e, 1);
     }},
    {"graph paper lines wider than any paper",
     "[GraphPaper]\nLineWidth=9999999999\nLineWidthEx=-1e300\nXmm=1e300\n",
     [](TForm1* f) {
         for (TEdit* e : {f->Edit32, f->Edit33, f->eMmX})
             ExpectNumberWithin(e, 1);
     }},
    {"multi-line paper of more lines than a paper holds",
     "[Ruliform]\nPrintTypeIndex=3\n[MultiLine]\nCount=2147483647\nLineCount=2147483647\ninterval="
     "9999999999\n"
     "LineSpace=1e300\nPenSize=9999999999\n",
     [](TForm1* f) {
         ExpectWholeCount(f->EditFiveLineCount);
         ExpectWholeCount(f->EditLineCount1);
         for (TEdit* e : {f->EditFiveLineSpace, f->EditFiveLineLSpace, f->EditLineSize})
             ExpectNumberWithin(e, 1);
     }},
    {"log paper of more groups than a paper holds",
     "[Ruliform]\nPrintTypeIndex=1\n[LogPaper]\nXsmall=9999999999\nXcount=2147483647\nYcount=-2147483647\n",
     [](TForm1* f) {
         ExpectNumberWithin(f->Edit8, 1);
         ExpectWholeCount(f->Edit12);
         ExpectWholeCount(f->Edit11);
     }},
    {"a grid, slanted paper and arcs larger than any paper",
     "[Ruliform]\nPrintTypeIndex=5\n[Grid]\nSizeX=9999999999\nSpace=1e300\n[斜眼紙]\nLength=9999999999\n"
     "[円弧]\n直径=9999999999\nN重=2147483647\n分割数=2147483647\n",
     [](TForm1* f) {
         for (TEdit* e : {f->Edit16, f->Edit18, f->Edit13, f->Edit24})
             ExpectNumberWithin(e, 1);
         ExpectWholeCount(f->Edit25);
         ExpectWholeCount(f->Edit26);
         for (int page : {4, 6}) {
             f->PageControl1->SetActivePageIndex(page);
             EXPECT_NO_THROW(f->UpdatePreview()) << page;
         }
     }},
    {"manuscript cells and ruler scales larger than any paper",
     "[Ruliform]\nPrintTypeIndex=2\n[原稿用紙]\nサイズ指定=1\nサイズ=2147483647\n[Header]\nEnabled="
     "1\nFrameIndex=2\n"
     "FrameScalemm=9999999999\n",
     [](TForm1* f) {
         ExpectNumberWithin(f->Edit7, 1);
         ExpectNumberWithin(f->EditFrameScale1, 1);
     }},
    {"a picture wider than any int of pixels", "[Ruliform]\nBGImage=%PIC%\nBGWidth=9999999999\n",
     [](TForm1* f) {
         ExpectPictureWithinReach(f->BGWidth);
         EXPECT_GT(f->BGWidth, 1000);
         EXPECT_EQ(f->Edit21->Text(), FloatToStr(f->BGWidth));
     }},
    {"a picture's size and place beyond reach",
     "[Ruliform]\nBGImage=%PIC%\nBGHeight=1e300\nBGLeft=-9999999999\nBGTop=9999999999\n",
     [](TForm1* f) {
         for (double mm : {f->BGHeight, f->BGLeft, f->BGTop})
             ExpectPictureWithinReach(mm);
     }},
    {"a picture's size that is no number", "[Ruliform]\nBGImage=%PIC%\nBGWidth=nan\nBGHeight=inf\n",
     [](TForm1* f) {
         EXPECT_DOUBLE_EQ(f->BGWidth, 100.0);
         ExpectPictureWithinReach(f->BGHeight);
     }},
};

// A FIFO blocks its reader until a writer comes: after the deadline a writer comes and goes,
// so that a start that waits fails the test instead of hanging it.
class PipeRelease {
  public:
    explicit PipeRelease(std::filesystem::path pipe) : pipe_(std::move(pipe)) {
        thread_ = std::thread([this] {
            std::unique_lock<std::mutex> lock(m_);
            if (!done_cv_.wait_for(lock, std::chrono::seconds(60), [this] { return done_; })) {
                waited_ = true;
                ::close(::open(pipe_.c_str(), O_WRONLY));
            }
        });
    }
    ~PipeRelease() {
        {
            std::lock_guard<std::mutex> lock(m_);
            done_ = true;
        }
        done_cv_.notify_all();
        thread_.join();
    }
    bool Waited() {
        std::lock_guard<std::mutex> lock(m_);
        return waited_;
    }

  private:
    std::filesystem::path pipe_;
    std::thread thread_;
    std::mutex m_;
    std::condition_variable done_cv_;
    bool done_ = false, waited_ = false;
};

} // namespace

class HostileSettingsTest : public MainWindowTest {
  protected:
    std::string Picture() {
        TBitmap b;
        b.SetPixelFormat(pf24bit);
        b.SetSize(4, 3);
        b.SaveToFile(Path("picture.bmp").string());
        return Path("picture.bmp").string();
    }
    void Store(std::string ini) {
        for (size_t at; (at = ini.find("%PIC%")) != std::string::npos;)
            ini.replace(at, 5, Picture());
        std::ofstream(Path("Ruliform.ini"), std::ios::binary | std::ios::trunc) << Utf8ToCp932(ini);
    }
    void ExpectNoBox(const char* when) {
        for (const ShownMessage& m : ShownMessages())
            ADD_FAILURE() << when << ": " << m.Text;
        ShownMessages().clear();
    }
};

TEST_F(HostileSettingsTest, EveryHostileValueStartsCleanlyAndComesBackAsStarted) {
    for (const Hostile& h : kHostile) {
        SCOPED_TRACE(h.what);
        Close();
        Store(h.ini);
        Open();
        ExpectNoBox("first start");
        EXPECT_NO_THROW(f->UpdatePreview());
        h.check(f);
        // What the exit writes starts the program again, the same way.
        Restart();
        ExpectNoBox("second start");
        EXPECT_NO_THROW(f->UpdatePreview());
        h.check(f);
    }
}

TEST_F(HostileSettingsTest, AWindowOnASecondScreenStaysThereAndOneOnAScreenGoneComesBack) {
    SetWorkAreasForTest({kDesk, TRect(1920, 0, 3200, 1024)});
    Close();
    Store("[Ruliform]\nLeft=2000\nTop=100\nWidth=900\nHeight=700\n");
    Open();
    EXPECT_EQ(f->Left(), 2000);
    EXPECT_EQ(f->Top(), 100);
    SetWorkAreasForTest({kDesk}); // the second screen is unplugged
    Restart();
    ExpectWindowOnTheDesk(f);
    EXPECT_EQ(f->Width(), 900);
}

TEST_F(HostileSettingsTest, AnErrorInTheReadPassLosesNoStoredSetting) {
    Close();
    Store("[GraphPaper]\nXmm=12\n[MultiLine]\ninterval=33\n[Grid]\nSpace=7.5\n[円弧]\n直径=80\n"
          "[Ruliform]\nZoom=2\nSkin=3\n[Other]\nkept=yes\n");
    Form1 = new TForm1(nullptr);
    f = Form1;
    f->eMmX->OnChange = [](TObject*) { throw Exception("stored value refused"); };
    f->DoCreate();
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].Text, "stored value refused");
    ShownMessages().clear();
    Close();
    const std::string text = Cp932FileText(Path("Ruliform.ini"));
    for (const char* kept : {"Xmm=12\n", "interval=33\n", "Space=7.5\n", "直径=80\n", "Zoom=2\n", "Skin=3\n",
                             "[Other]\nkept=yes\n"})
        EXPECT_NE(text.find(kept), std::string::npos) << kept << " in\n" << text;
    Open();
}

TEST_F(HostileSettingsTest, ACreationThatFailsBeforeTheReadPassLeavesTheFileAlone) {
    Close();
    Store("[Ruliform]\nZoom=2\n");
    const std::string before = Cp932FileText(Path("Ruliform.ini"));
    auto* w = new TForm1(nullptr);
    w->OnCreate = [w, this](TObject*) {
        w->IniFile = new TIniFile(Path("Ruliform.ini").string());
        throw Exception("creation failed before the settings were read");
    };
    w->DoCreate();
    ShownMessages().clear();
    delete w;
    ExpectNoBox("exit");
    EXPECT_EQ(Cp932FileText(Path("Ruliform.ini")), before);
    Open();
}

TEST_F(HostileSettingsTest, TheExitReplacesTheFileOnce) {
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, Path("").c_str(), IN_MOVED_TO | IN_CLOSE_WRITE), 0);
    Close();
    int replaced = 0, written = 0;
    alignas(inotify_event) char buf[65536];
    for (ssize_t n; (n = ::read(watch, buf, sizeof buf)) > 0;)
        for (char* p = buf; p < buf + n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(p);
            replaced += (e->mask & IN_MOVED_TO) && std::string(e->name) == "Ruliform.ini";
            written += (e->mask & IN_CLOSE_WRITE) != 0;
            p += sizeof(inotify_event) + e->len;
        }
    ::close(watch);
    EXPECT_EQ(replaced, 1);
    EXPECT_EQ(written, 1) << "one temporary file written, then renamed";
    EXPECT_NE(Cp932FileText(Path("Ruliform.ini")).find("[円弧]"), std::string::npos)
        << "the last section is in it";
    Open();
}

TEST_F(HostileSettingsTest, ASettingsFileThatIsNoFileIsSaidAtStartWithoutWaitingAndNotReplaced) {
    struct Case {
        const char* what;
        std::function<void(const std::filesystem::path&)> make;
    } cases[] = {
        {"a pipe", [](const std::filesystem::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }},
        {"a link to an endless device",
         [](const std::filesystem::path& p) { std::filesystem::create_symlink("/dev/zero", p); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Close();
        ShownMessages().clear();
        std::filesystem::remove(Path("Ruliform.ini"));
        c.make(Path("Ruliform.ini"));
        const auto type = std::filesystem::symlink_status(Path("Ruliform.ini")).type();
        {
            PipeRelease release(Path("Ruliform.ini"));
            Open();
            EXPECT_FALSE(release.Waited()) << "the start waited for the pipe";
        }
        ASSERT_EQ(ShownMessages().size(), 1u);
        EXPECT_NE(ShownMessages()[0].Text.find("を読み込めません"), std::string::npos)
            << "the user learns why";
        ShownMessages().clear();
        EXPECT_EQ(f->ComboBox1->ItemIndex(), 5) << "the defaults";
        Close();
        ExpectNoBox("exit");
        EXPECT_EQ(std::filesystem::symlink_status(Path("Ruliform.ini")).type(), type) << "left as it was";
    }
    std::filesystem::remove(Path("Ruliform.ini"));
    Open();
}

TEST_F(HostileSettingsTest, AStoredPictureThatIsNoFileIsSkippedWithoutWaiting) {
    Close();
    ASSERT_EQ(::mkfifo(Path("picture.png").c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", Path("endless.bmp"));
    for (const char* name : {"picture.png", "endless.bmp"}) {
        SCOPED_TRACE(name);
        Store("[Ruliform]\nBGImage=" + Path(name).string() + "\n");
        {
            PipeRelease release(Path("picture.png"));
            Open();
            EXPECT_FALSE(release.Waited()) << "the start waited for the pipe";
        }
        ExpectNoBox("start");
        EXPECT_EQ(f->BGImage, Path(name).string()) << "the stored path stays";
        EXPECT_EQ(f->BGBitmap->Width(), 0);
        Close();
    }
    Open();
}

TEST_F(HostileSettingsTest, APicturePathCodePage932CannotHoldComesBack) {
    for (const std::string& path : {Path("café.png").string(), Path("Ünïcödé 😀 写真.jpg").string()}) {
        f->BGImage = path;
        Restart();
        EXPECT_EQ(f->BGImage, path);
        EXPECT_EQ(f->Edit23->Text(), path);
    }
}

TEST_F(HostileSettingsTest, EveryValueTheWindowTakesStartsTheNextRunCleanly) {
    struct Taken {
        const char* what;
        std::function<void(TForm1*)> take;
    } taken[] = {
        {"a picture 9999999999 mm wide", [](TForm1* f) { f->Edit21->SetText("9999999999"); }},
        {"a picture -9999999999 mm high", [](TForm1* f) { f->Edit22->SetText("-9999999999"); }},
        {"a picture placed at 1e300 mm",
         [](TForm1* f) {
             f->Edit39->SetText("1e300");
             f->Edit40->SetText("-1e300");
         }},
        {"a mark of 100000 mm from the mark font window",
         [](TForm1* f) {
             f->RadioButton7->SetChecked(true);
             Form7 = new TForm7(nullptr);
             Form7->Edit1->SetText("100000");
             Form7->Button1->Click();
             delete Form7;
             Form7 = nullptr;
             f->FontDialog3->Font()->SetSize(100000); // as an older version let it be
         }},
        {"page number and centre text fonts of 100000 mm",
         [](TForm1* f) {
             f->CheckBox2->SetChecked(true);
             f->FontDialog2->Font()->SetSize(100000);
             f->FontDialog1->Font()->SetSize(100000);
         }},
        {"a window larger than the screen, far off it",
         [](TForm1* f) { f->SetBounds(-50000, 90000, 100000, 100000); }},
        {"margins and line counts beyond any paper",
         [](TForm1* f) {
             f->eSpaceT->SetText("9999999999");
             f->PageControl1->SetActivePageIndex(3);
             f->EditLineCount1->SetText("2147483647");
         }},
        {"bars moved off the control bar",
         [](TForm1* f) {
             f->ToolBar2->SetLeft(100000);
             f->ToolBar1->SetTop(-100);
             f->ToolBar3->SetVisible(false);
         }},
    };
    Close();
    Store("[Ruliform]\nBGImage=%PIC%\n");
    Open();
    ASSERT_GT(f->BGBitmap->Width(), 0);
    for (const Taken& t : taken) {
        SCOPED_TRACE(t.what);
        RunGuarded([&] { t.take(f); }); // as a user's edit runs
        ShownMessages().clear();        // what the edits say while the values are typed is not the point here
        Restart();
        ExpectNoBox("the next start");
        EXPECT_NO_THROW(f->UpdatePreview());
        ExpectWindowOnTheDesk(f);
        for (TToolBar* b : {f->ToolBar1, f->ToolBar2, f->ToolBar3})
            EXPECT_TRUE(Inside(b, f->ControlBar1->Width(), f->ControlBar1->Height())) << b->Name();
        for (TFont* font : {f->FontDialog1->Font(), f->FontDialog2->Font(), f->FontDialog3->Font()})
            ExpectFontWithinThePaper(font);
        for (double mm : {f->BGWidth, f->BGHeight, f->BGLeft, f->BGTop})
            ExpectPictureWithinReach(mm);
    }
}
