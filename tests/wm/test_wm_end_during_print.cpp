// The built program on the private display, printing a long job a person started with keys and
// clicks, is told to end as a desktop's log-out tells it (SIGTERM, SIGHUP): the job ends at the
// next sheet, nothing of it is counted or left behind, and the settings are saved.
#include "WmSupport.h"
#include "shell/Cp932FileText.h"
#include "shell/RealProgram.h"
#include "shell/Unit1.h"

#include <sqlite3.h>

#include <cstdio>
#include <cstring>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// The count column of every PrintCount row.
std::vector<int> Counts(const fs::path& db) {
    std::vector<int> counts;
    sqlite3* c = nullptr;
    if (sqlite3_open_v2(db.c_str(), &c, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(c, "select count from PrintCount order by no", -1, &st, nullptr);
        while (st && sqlite3_step(st) == SQLITE_ROW)
            counts.push_back(sqlite3_column_int(st, 0));
        sqlite3_finalize(st);
    }
    sqlite3_close(c);
    return counts;
}

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
        if (!folder_.empty()) fs::remove_all(folder_);
        wm::WmTest::TearDown();
    }
    fs::path folder_;
};

} // namespace

TEST_F(WmEndDuringPrint, AnEndSignalEndsTheJobAtTheNextSheetCountsNothingAndSavesTheSettings) {
    // Where the sheet count box sits in the main window's client area, taken from this process's
    // own copy of the window: the program lays its window out the same way at every first start.
    const wm::XRect ownClient = wm::ClientGeometry(wm::WindowOf(Form1));
    const TPoint ownEdit =
        wm::OnScreen(Form1->Edit2, Form1->Edit2->ClientWidth() / 2, Form1->Edit2->ClientHeight() / 2);
    const TPoint editInWindow(ownEdit.x - ownClient.x, ownEdit.y - ownClient.y);
    const TPoint ownPrint = wm::OnScreen(Form1->ToolButton2, Form1->ToolButton2->ClientWidth() / 2,
                                         Form1->ToolButton2->ClientHeight() / 2);
    const TPoint printInWindow(ownPrint.x - ownClient.x, ownPrint.y - ownClient.y);
    // One main window on the screen, the program's: this one is hidden meanwhile, and then shown
    // again for the tests that follow (their set-up puts it back in its place).
    Form1->Hide();
    ASSERT_TRUE(wm::WaitHidden(Form1));
    struct ShowAgain {
        ~ShowAgain() {
            Form1->Show();
            EXPECT_TRUE(wm::WaitShownAndActive(Form1));
        }
    } showAgain;

    for (int sig : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(strsignal(sig));
        RealProgram program(folder_ / strsignal(sig), true);
        // A grid of a million dots a sheet, so that the thousand sheets take about a minute even on
        // an idle machine: the job is still running when the signal comes, however slowly this
        // test gets to send it.
        std::ofstream(program.Path("Ruliform.ini"), std::ios::binary)
            << "[Ruliform]\r\nPrintTypeIndex=5\r\n"
               "[Grid]\r\nCountX=1000\r\nCountY=1000\r\nSizeX=0.5\r\nSizeY=0.5\r\nSpace=1\r\n";
        // No print server: the PDF printer is the only printer, whatever this machine has.
        setenv("CUPS_SERVER", (folder_ / "no-cups-server").c_str(), 1);
        program.Start();
        unsetenv("CUPS_SERVER");
        ASSERT_TRUE(program.WaitUntilStarted());
        wm::Window w = 0;
        ASSERT_TRUE(wm::WaitUntil([&] { return (w = ProgramWindow(program.Pid())) != 0 && wm::Framed(w); }))
            << "the program's window did not come up";
        wm::Activate(w);
        ASSERT_TRUE(wm::WaitUntil([&] { return wm::ActiveWindow() == w; }));

        // A person types the number of sheets and presses the print button.
        const wm::XRect client = wm::ClientGeometry(w);
        wm::Click(client.x + editInWindow.x, client.y + editInWindow.y);
        wm::Key("ctrl+a");
        wm::Type("1000");
        wm::Click(client.x + printInWindow.x, client.y + printInWindow.y);
        wm::Window dialog = 0;
        ASSERT_TRUE(wm::WaitUntil([&] { return (dialog = wm::FindWindow("印刷")) != 0; }))
            << "the print dialog did not open";
        ASSERT_TRUE(wm::WaitUntil([&] { return wm::ActiveWindow() == dialog; }));
        wm::Key("Return"); // OK: the PDF printer, its file in the home folder

        // The job runs once its document is being written beside its target.
        const fs::path home = program.Path("home");
        ASSERT_TRUE(wm::WaitUntil([&] { return !FilesNamed(home, ".part").empty(); }, 120000))
            << "the job did not start";
        program.Signal(sig);
        const std::optional<int> status = program.WaitForExit();
        ASSERT_TRUE(status) << "the program did not end";
        EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << "status " << *status;

        const std::string text = Cp932FileText(program.Path("Ruliform.ini"));
        EXPECT_NE(text.find("[Ruliform]"), std::string::npos) << "the settings were saved:\n" << text;
        EXPECT_NE(text.find("CountX=1000"), std::string::npos) << text;
        EXPECT_EQ(Counts(program.Path("rulif.db3")), std::vector<int>(10, 0)) << "nothing was handed over";
        EXPECT_TRUE(FilesNamed(home, ".part").empty()) << "no half-written document is left";
        EXPECT_TRUE(FilesNamed(home, "RuliformDocument.pdf").empty()) << "no document was made";
    }
}
