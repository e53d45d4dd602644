// The built program on the private display, printing a long job a person started with keys and
// clicks, is told to end as a desktop's log-out tells it (SIGTERM, SIGHUP, or the session
// manager's save-yourself and die): the job ends at the next sheet, nothing of it is counted or
// left behind, and the settings are saved.
#include "SessionManager.h"
#include "WmSupport.h"
#include "shell/Cp932FileText.h"
#include "shell/PrintCounts.h"
#include "shell/RealProgram.h"
#include "shell/Unit1.h"

#include <cstdio>
#include <cstring>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// Files whose name holds Part, anywhere under Folder.
std::vector<fs::path> FilesNamed(const fs::path& folder, const std::string& part) {
    std::vector<fs::path> found;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(folder, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        if (it->path().filename().string().find(part) != std::string::npos) found.push_back(it->path());
    return found;
}

// The shown main window of the process Pid (this process shows one of the same title).
wm::Window ProgramWindow(pid_t pid) {
    const std::string cmd =
        "xdotool search --onlyvisible --pid " + std::to_string(pid) + " --name '^Ruliform$'";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return 0;
    unsigned long id = 0;
    if (std::fscanf(p, "%lu", &id) != 1) id = 0;
    pclose(p);
    return id;
}

class WmEndDuringPrint : public wm::WmTest {
  protected:
    void SetUp() override {
        wm::WmTest::SetUp();
        if (IsSkipped()) return;
        folder_ = fs::temp_directory_path() / ("ruliform-end-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        if (hidden_) {
            Form1->Show();
            EXPECT_TRUE(wm::WaitShownAndActive(Form1));
        }
        if (!folder_.empty()) fs::remove_all(folder_);
        wm::WmTest::TearDown();
    }
    // Starts the program in Folder on the private display (Env set for it meanwhile), has a person
    // start a job of a thousand sheets of a million dots each, so that it lasts over a minute
    // even on an idle machine and is still running when the end comes, however slowly this test
    // gets to send it, and returns once the job is writing its document.
    void StartLongJob(RealProgram& program,
                      const std::vector<std::pair<std::string, std::string>>& env = {}) {
        std::ofstream(program.Path("Ruliform.ini"), std::ios::binary)
            << "[Ruliform]\r\nPrintTypeIndex=5\r\n"
               "[Grid]\r\nCountX=1000\r\nCountY=1000\r\nSizeX=0.5\r\nSizeY=0.5\r\nSpace=1\r\n";
        // No print server: the PDF printer is the only printer, whatever this machine has.
        setenv("CUPS_SERVER", (folder_ / "no-cups-server").c_str(), 1);
        for (const auto& [name, value] : env)
            setenv(name.c_str(), value.c_str(), 1);
        program.Start();
        unsetenv("CUPS_SERVER");
        for (const auto& [name, value] : env)
            unsetenv(name.c_str());
        ASSERT_TRUE(program.WaitUntilStarted());
        wm::Window w = 0;
        ASSERT_TRUE(wm::WaitUntil([&] { return (w = ProgramWindow(program.Pid())) != 0 && wm::Framed(w); }))
            << "the program's window did not come up";
        wm::Activate(w);
        ASSERT_TRUE(wm::WaitUntil([&] { return wm::ActiveWindow() == w; }));

        // A person types the number of sheets and presses the print button.
        const wm::XRect client = wm::ClientGeometry(w);
        wm::Click(client.x + editInWindow_.x, client.y + editInWindow_.y);
        wm::Key("ctrl+a");
        wm::Type("1000");
        wm::Click(client.x + printInWindow_.x, client.y + printInWindow_.y);
        wm::Window dialog = 0;
        ASSERT_TRUE(wm::WaitUntil([&] { return (dialog = wm::FindWindow("印刷")) != 0; }))
            << "the print dialog did not open";
        ASSERT_TRUE(wm::WaitUntil([&] { return wm::ActiveWindow() == dialog; }));
        wm::Key("Return"); // OK: the PDF printer, its file in the home folder

        // The job runs once its document is being written beside its target.
        ASSERT_TRUE(wm::WaitUntil([&] { return !FilesNamed(program.Path("home"), ".part").empty(); }, 120000))
            << "the job did not start";
    }

    // The program has ended by itself, its settings saved, nothing of the job counted or left.
    void ExpectEndedWithNothingOfTheJob(RealProgram& program) {
        const std::optional<int> status = program.WaitForExit();
        ASSERT_TRUE(status) << "the program did not end";
        EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << "status " << *status;

        const std::string text = Cp932FileText(program.Path("Ruliform.ini"));
        EXPECT_NE(text.find("[Ruliform]"), std::string::npos) << "the settings were saved:\n" << text;
        EXPECT_NE(text.find("CountX=1000"), std::string::npos) << text;
        EXPECT_EQ(PrintCounts(program.Path("rulif.db3")), std::vector<int>(10, 0))
            << "nothing was handed over";
        const fs::path home = program.Path("home");
        EXPECT_TRUE(FilesNamed(home, ".part").empty()) << "no half-written document is left";
        EXPECT_TRUE(FilesNamed(home, "RuliformDocument.pdf").empty()) << "no document was made";
    }

    // Where the sheet count box and the print button sit in the main window's client area, taken
    // from this process's own copy of the window: the program lays its window out the same way
    // at every first start. This one is then hidden, so that the program's is the one main window
    // on the screen, and shown again at the end for the tests that follow.
    void MeasureAndHideOwnWindow() {
        const wm::XRect ownClient = wm::ClientGeometry(wm::WindowOf(Form1));
        const TPoint ownEdit =
            wm::OnScreen(Form1->Edit2, Form1->Edit2->ClientWidth() / 2, Form1->Edit2->ClientHeight() / 2);
        editInWindow_ = TPoint(ownEdit.x - ownClient.x, ownEdit.y - ownClient.y);
        const TPoint ownPrint = wm::OnScreen(Form1->ToolButton2, Form1->ToolButton2->ClientWidth() / 2,
                                             Form1->ToolButton2->ClientHeight() / 2);
        printInWindow_ = TPoint(ownPrint.x - ownClient.x, ownPrint.y - ownClient.y);
        Form1->Hide();
        ASSERT_TRUE(wm::WaitHidden(Form1));
        hidden_ = true;
    }

    fs::path folder_;
    TPoint editInWindow_, printInWindow_;
    bool hidden_ = false;
};

} // namespace

TEST_F(WmEndDuringPrint, AnEndSignalEndsTheJobAtTheNextSheetCountsNothingAndSavesTheSettings) {
    MeasureAndHideOwnWindow();
    for (int sig : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(strsignal(sig));
        RealProgram program(folder_ / strsignal(sig), true);
        StartLongJob(program);
        if (HasFatalFailure()) return;
        program.Signal(sig);
        ExpectEndedWithNothingOfTheJob(program);
    }
}

TEST_F(WmEndDuringPrint, ALogOutThroughTheSessionManagerEndsTheJobAndTheProgram) {
    wm::SessionManager manager;
    ASSERT_TRUE(manager.Failure().empty()) << manager.Failure();
    MeasureAndHideOwnWindow();
    RealProgram program(folder_ / "logout", true);
    // The program's toolkit finds the session manager as a desktop session's programs do; no
    // authority file, so the machine's own is not read.
    StartLongJob(program, {{"SESSION_MANAGER", manager.Address()},
                           {"ICEAUTHORITY", (folder_ / "no-ice-authority").string()}});
    if (HasFatalFailure()) return;
    ASSERT_TRUE(manager.ClientRegistered()) << "the program did not join the session";

    manager.LogOut();
    // The program answers while its job runs, not after the thousand sheets.
    EXPECT_TRUE(wm::WaitUntil([&] { return manager.DieSent(); }, 60000)) << "the program did not answer";
    EXPECT_TRUE(manager.SaveDone());
    ExpectEndedWithNothingOfTheJob(program);
}
