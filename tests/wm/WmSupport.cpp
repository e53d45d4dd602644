// The program side of the window-manager tests: waiting, a person's input through xdotool, and
// the program's windows made as the entry makes them.
#include "WmSupport.h"

#include "EventWait.h"

#include "editors/Unit2.h"
#include "shell/AboutUnit.h"
#include "shell/SecondaryForms.h"
#include "shell/Unit1.h"
#include "shell/Yxfile.h"
#include "winlib/qt/ControlImpl.h"
#include "winlib/DialogScript.h"
#include "winlib/Printers.h"

#include <QCoreApplication>
#include <QTimer>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <ostream>

extern char** environ;

namespace wm {

namespace {

std::string& Reason() {
    static std::string reason = "the private display was not started";
    return reason;
}

QWidget* WindowWidget(TControl* c) {
    QWidget* w = c && c->Impl() ? c->Impl()->Widget() : nullptr;
    return w ? w->window() : nullptr;
}

} // namespace

const std::string& SkipReason() {
    return Reason();
}

void SetSkipReason(const std::string& r) {
    Reason() = r;
}

void Xdotool(const std::vector<std::string>& args) {
    std::vector<std::string> all{"xdotool"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawnp(&pid, "xdotool", nullptr, nullptr, argv.data(), environ), 0)
        << "xdotool did not start";
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "xdotool " << args.front() << " failed";
}

bool WaitUntil(const std::function<bool()>& Done, int DeadlineMs) {
    return eventwait::Until(Done, DeadlineMs);
}

Window WindowOf(TForm* Form) {
    return FindWindow(Form->Caption());
}

bool WaitShownAndActive(TForm* Form) {
    const bool done = WaitUntil([Form] {
        const Window w = WindowOf(Form);
        return w && Framed(w) && ActiveWindow() == w && Form->Active();
    });
    if (!done) {
        const Window w = WindowOf(Form);
        ADD_FAILURE() << Form->Name() << ": window " << w << (w && Framed(w) ? " framed" : " not framed")
                      << ", active window " << ActiveWindow()
                      << (Form->Active() ? "" : ", the form is not active");
    }
    return done;
}

bool WaitHidden(TForm* Form) {
    return WaitUntil([Form] { return !Form->Visible() && WindowOf(Form) == 0; });
}

void Key(const std::string& KeySym) {
    Xdotool({"key", KeySym});
}

void Type(const std::string& Text) {
    Xdotool({"type", "--delay", "20", Text});
}

void Click(int X, int Y) {
    Xdotool({"mousemove", "--sync", std::to_string(X), std::to_string(Y), "click", "1"});
}

void DoubleClick(int X, int Y) {
    Xdotool({"mousemove", "--sync", std::to_string(X), std::to_string(Y), "click", "--repeat", "2", "--delay",
             "60", "1"});
}

TPoint OnScreen(TControl* Control, int X, int Y) {
    // A control on a page that is not shown has a place but nobody can point at it.
    EXPECT_TRUE(Control->Impl()->Widget()->isVisible()) << Control->Name() << " is not on the screen";
    QWidget* top = WindowWidget(Control);
    const auto* form = dynamic_cast<TForm*>(ControlOfWidget(top));
    EXPECT_TRUE(form) << "the control is on no form";
    if (!form) return TPoint(X, Y);
    const QPoint inWindow =
        Control->Impl()->ClientWidget()->mapTo(top, QPoint(X, Y) + Control->Impl()->ChildOffset());
    const XRect client = ClientGeometry(WindowOf(const_cast<TForm*>(form)));
    return TPoint(client.x + inWindow.x(), client.y + inWindow.y());
}

void ClickControl(TControl* Control) {
    const TPoint p = OnScreen(Control, Control->ClientWidth() / 2, Control->ClientHeight() / 2);
    Click(p.x, p.y);
}

void DoubleClickControl(TControl* Control) {
    const TPoint p = OnScreen(Control, Control->ClientWidth() / 2, Control->ClientHeight() / 2);
    DoubleClick(p.x, p.y);
}

void Activate(Window W) {
    Xdotool({"windowactivate", std::to_string(W)});
}

void WhileModal(TForm* Dialog, const std::function<void()>& Open, const std::function<void()>& Body) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        Body();
        if (Dialog->Visible() && Dialog->ModalResult() == 0) Dialog->SetModalResult(mrCancel);
    });
    Open();
    EXPECT_TRUE(ran) << Dialog->Name() << " was not shown modally";
}

void Screenshot(const std::string& File) {
    std::vector<std::string> all{"import", "-window", "root", File};
    std::vector<char*> argv;
    for (std::string& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, "import", nullptr, nullptr, argv.data(), environ) != 0) return;
    int status = 0;
    waitpid(pid, &status, 0);
}

namespace {
Program* running = nullptr;
}

Program& Program::Get() {
    if (!running) running = new Program("");
    return *running;
}

void Program::Restart() {
    if (!running) {
        Get();
        return;
    }
    const std::string folder = running->folder_;
    // The windows go as at the program's end, writing the settings into the folder, and come
    // back from them as at the next start.
    Application->DestroyForms();
    delete running;
    running = new Program(folder);
}

void Program::End() {
    if (!running) return;
    Application->DestroyForms();
    SetProgramFolderForTest("");
    std::error_code ec;
    std::filesystem::remove_all(running->folder_, ec);
    delete running;
    running = nullptr;
}

namespace {
// The main window's frame is where the program believes it is: a window centred on it by the
// program is then centred on what the screen shows.
bool FrameAgreesWithForm1() {
    const Window w = WindowOf(Form1);
    return w && FrameGeometry(w) == XRect{Form1->Left(), Form1->Top(), Form1->Width(), Form1->Height()};
}
} // namespace

Program::Program(const std::string& Folder) : folder_(Folder) {
    std::string tmpl = (std::filesystem::temp_directory_path() / "ruliform-wm-XXXXXX").string();
    if (folder_.empty() && mkdtemp(tmpl.data())) folder_ = tmpl;
    SetProgramFolderForTest(folder_);
    EXPECT_TRUE(Printer()->SetPrinterByName(PdfPrinterName));
    Application->SetTitle("Ruliform");
    Application->CreateForm(Form1);
    Application->CreateForm(MojiPanel);
    Application->CreateForm(Form7);
    Application->CreateForm(Form6);
    Application->CreateForm(Form2);
    Application->CreateForm(AboutBox);
    Form1->Show();
    EXPECT_TRUE(WaitShownAndActive(Form1)) << "the main window did not come up";
    // The window manager may still move the new frame; the bounds every test starts from are
    // taken once the program has seen where its frame finally is.
    EXPECT_TRUE(WaitUntil(FrameAgreesWithForm1)) << "the main window's frame did not settle";
    firstBounds_ =
        TRect(Form1->Left(), Form1->Top(), Form1->Left() + Form1->Width(), Form1->Top() + Form1->Height());
}

void Program::Reset() {
    for (TForm* f : std::initializer_list<TForm*>{Form2, AboutBox, Form7, MojiPanel, Form6})
        if (f->Visible()) f->Hide();
    if (Form1->WindowState() != wsNormal) {
        Form1->SetWindowState(wsNormal);
        EXPECT_TRUE(WaitUntil([] { return !Maximised(WindowOf(Form1)); }));
    }
    const TRect& b = firstBounds_;
    if (Form1->Left() != b.Left || Form1->Top() != b.Top || Form1->Width() != b.Width() ||
        Form1->Height() != b.Height()) {
        Form1->SetBounds(b.Left, b.Top, b.Width(), b.Height());
        EXPECT_TRUE(WaitUntil([&] {
            return FrameGeometry(WindowOf(Form1)) == XRect{b.Left, b.Top, b.Width(), b.Height()};
        }));
    }
    EXPECT_TRUE(WaitUntil(FrameAgreesWithForm1)) << "the main window's frame did not settle";
    // The graph paper's pages, as at start.
    Form1->PageControl1->SetActivePage(Form1->TabSheet1);
    Form1->PageControl2->SetActivePage(Form1->TabSheet8);
    // The window manager may already count the main window as active after a box went away
    // while the toolkit has not been given the focus back: asking once more, and giving the
    // window the input focus as well, settles both.
    const bool active = WaitUntil([] {
        const Window w = WindowOf(Form1);
        if (w && ActiveWindow() == w && Form1->Active()) return true;
        if (w) {
            Activate(w);
            Xdotool({"windowfocus", "--sync", std::to_string(w)});
        }
        return WaitUntil([w] { return w && ActiveWindow() == w && Form1->Active(); }, 2000);
    });
    EXPECT_TRUE(active && WaitShownAndActive(Form1));
    ClearScriptedAnswers();
    ShownMessages().clear();
}

void WmTest::SetUp() {
    if (!SkipReason().empty()) GTEST_SKIP() << "no private X display: " << SkipReason();
    Program::Get().Reset();
}

void WmTest::TearDown() {
    if (!SkipReason().empty()) return;
    EXPECT_EQ(ScriptedAnswerCount(), 0) << "answers left over: the program opened fewer dialogs";
    ClearScriptedAnswers();
}

} // namespace wm
