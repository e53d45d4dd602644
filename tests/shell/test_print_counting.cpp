// Counting printed sheets: each kind in its own row, one transaction for a job, a database that
// another program holds for a while, and one that cannot be used at all.
#include "FullDisk.h"
#include "MainWindowFixture.h"
#include "PrintCounts.h"
#include "UnprivilegedScope.h"
#include "render/BackgroundPrint.h"
#include "winlib/test_printer_util.h"

#include <sqlite3.h>

#include <condition_variable>
#include <fstream>
#include <future>
#include <iterator>
#include <mutex>
#include <set>
#include <sstream>
#include <thread>

namespace {

int CountCommit(void* n) {
    ++*static_cast<int*>(n);
    return 0; // let the commit go on
}

// SQLite's busy wait sleeps through the file system layer between its tries for another
// connection's lock. Connections opened while a BusyWaitWatch lives go through a layer that
// passes everything on and tells each such sleep, so a test sees the program waiting.
std::mutex busyMutex;
std::condition_variable busyWaited;
int busySleeps = 0;
sqlite3_vfs* plainVfs = nullptr;

int TellingSleep(sqlite3_vfs*, int us) {
    {
        std::lock_guard<std::mutex> g(busyMutex);
        ++busySleeps;
    }
    busyWaited.notify_all();
    return plainVfs->xSleep(plainVfs, us);
}

class BusyWaitWatch {
  public:
    BusyWaitWatch() {
        // Kept for the whole run: a connection opened through it may outlive the watch.
        static sqlite3_vfs telling = [] {
            plainVfs = sqlite3_vfs_find(nullptr);
            sqlite3_vfs v = *plainVfs;
            v.zName = "ruliform-test-telling-sleep";
            v.xSleep = TellingSleep;
            return v;
        }();
        sqlite3_vfs_register(&telling, 1);
        std::lock_guard<std::mutex> g(busyMutex);
        busySleeps = 0;
    }
    ~BusyWaitWatch() { sqlite3_vfs_register(plainVfs, 1); }
    BusyWaitWatch(const BusyWaitWatch&) = delete;
    BusyWaitWatch& operator=(const BusyWaitWatch&) = delete;
};

// Another program's connection to the file that takes a lock of the kind Begin says ("begin
// immediate" for a writer, "begin" and a read for a reader), keeps it until released, then
// commits. Runs on a thread of its own, as another process would.
class OtherProgram {
  public:
    OtherProgram(const std::filesystem::path& db, const char* begin, const char* statement) {
        std::promise<bool> locked;
        std::future<bool> isLocked = locked.get_future();
        thread_ = std::thread([this, db, begin, statement, p = std::move(locked)]() mutable {
            sqlite3* c = nullptr;
            bool ok = sqlite3_open(db.c_str(), &c) == SQLITE_OK &&
                      sqlite3_exec(c, begin, nullptr, nullptr, nullptr) == SQLITE_OK &&
                      sqlite3_exec(c, statement, nullptr, nullptr, nullptr) == SQLITE_OK;
            p.set_value(ok);
            release_.get_future().wait();
            sqlite3_exec(c, "commit", nullptr, nullptr, nullptr);
            sqlite3_close(c);
        });
        locked_ = isLocked.get();
    }
    ~OtherProgram() {
        {
            std::lock_guard<std::mutex> g(busyMutex);
            ending_ = true;
        }
        busyWaited.notify_all();
        if (releaser_.joinable()) releaser_.join();
        Release();
        thread_.join();
    }
    bool Locked() const { return locked_; }
    // Ends the other program's transaction once a connection of this process, opened under a
    // BusyWaitWatch, has waited for its lock: the program's job got as far as its counting and
    // found the file busy. A program that does not wait keeps it locked to the end of the test.
    void ReleaseOnceWaitedFor() {
        releaser_ = std::thread([this] {
            std::unique_lock<std::mutex> g(busyMutex);
            busyWaited.wait(g, [this] { return busySleeps > 0 || ending_; });
            g.unlock();
            Release();
        });
    }
    void Release() {
        std::lock_guard<std::mutex> g(m_);
        if (!released_) release_.set_value();
        released_ = true;
    }

  private:
    std::thread thread_, releaser_;
    std::promise<void> release_;
    std::mutex m_;
    bool released_ = false, locked_ = false, ending_ = false;
};

std::string FileBytes(const std::filesystem::path& p) {
    return printertest::ReadFile(p.string());
}

} // namespace

TEST_F(MainWindowTest, EachPaperKindCountsInItsOwnRowAndTheTextPageNowhere) {
    for (int kind = 0; kind <= 7; ++kind) {
        SCOPED_TRACE(kind);
        f->PageControl1->SetActivePageIndex(kind);
        f->Edit2->SetText(IntToStr(kind + 1));
        ScriptDialogAnswer(PrintTo(Path("kind" + std::to_string(kind) + ".pdf")));
        f->PrintOutExecute(f->PrintOut);
        ASSERT_TRUE(std::filesystem::exists(Path("kind" + std::to_string(kind) + ".pdf")));
    }
    // Kind K printed K + 1 sheets, each counted in row K only; the text page (7) is not counted.
    EXPECT_EQ(PrintCounts(Path("rulif.db3")), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 0, 0, 0}));
}

TEST_F(MainWindowTest, AJobOfTwoHundredSheetsIsOneCommit) {
    int commits = 0;
    sqlite3_commit_hook(f->DbHandle, CountCommit, &commits);
    f->Edit2->SetText("200");
    f->PageControl1->SetActivePageIndex(5);
    ScriptDialogAnswer(PrintTo(Path("many.pdf")));
    f->PrintOutExecute(f->PrintOut);
    sqlite3_commit_hook(f->DbHandle, nullptr, nullptr);
    EXPECT_EQ(commits, 1) << "one transaction, so one synced commit, for the whole job";
    EXPECT_EQ(f->ReadPrintCount(5), 200) << "the same count as sheet by sheet";
    EXPECT_EQ(f->ReadPrintCount(0), 0);
}

TEST_F(MainWindowTest, BlankSheetsOfAJobAddNothingAndCommitNothing) {
    int commits = 0;
    sqlite3_commit_hook(f->DbHandle, CountCommit, &commits);
    f->Edit2->SetText("4");
    f->CheckBlank->SetChecked(true);
    ScriptDialogAnswer(PrintTo(Path("blank.pdf")));
    f->PrintOutExecute(f->PrintOut);
    sqlite3_commit_hook(f->DbHandle, nullptr, nullptr);
    EXPECT_EQ(commits, 0);
    EXPECT_EQ(PrintCounts(Path("rulif.db3")), std::vector<int>(10, 0));
}

TEST_F(MainWindowTest, SheetsPrintedWhileAnotherProgramHoldsTheFileAreAllCounted) {
    // A writer's lock keeps the job's transaction from starting, a reader's keeps its commit.
    const struct {
        const char *begin, *statement;
    } others[] = {{"begin immediate", "update PrintCount set time=0 where no=9"},
                  {"begin", "select count(*) from PrintCount"}};
    int counted = 0;
    for (const auto& o : others) {
        SCOPED_TRACE(o.begin);
        BusyWaitWatch watch;
        Restart(); // the program's connection through the watch
        OtherProgram other(Path("rulif.db3"), o.begin, o.statement);
        ASSERT_TRUE(other.Locked());
        // The lock goes once the job's counting has waited for it.
        other.ReleaseOnceWaitedFor();
        f->Edit2->SetText("3");
        ScriptDialogAnswer(PrintTo(Path("busy.pdf")));
        f->PrintOutExecute(f->PrintOut);
        counted += 3;
        EXPECT_EQ(f->ReadPrintCount(0), counted);
        EXPECT_TRUE(ShownMessages().empty()) << "a lock that goes in time is no failure";
    }
}

namespace {
const std::string kGarbage = std::string("This is not a database; its bytes are the user's.\n") +
                             std::string(5000, '\x5A') + std::string("\0\1\2\3", 4);

void WriteGarbage(const std::filesystem::path& p) {
    std::ofstream(p, std::ios::binary | std::ios::trunc) << kGarbage;
}

// The messages shown so far that tell of the database.
std::vector<ShownMessage> DatabaseMessages(const std::filesystem::path& db) {
    std::vector<ShownMessage> found;
    for (const ShownMessage& m : ShownMessages())
        if (m.Text.find(db.string()) != std::string::npos) found.push_back(m);
    return found;
}
} // namespace

TEST_F(MainWindowTest, AGarbageDatabaseAtStartIsReportedOnceLeftUntouchedAndPrintingGoesOn) {
    Close();
    WriteGarbage(Path("rulif.db3"));
    ShownMessages().clear();
    Open();
    auto messages = DatabaseMessages(Path("rulif.db3"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].Text.find("データベースのファイルではありません"), std::string::npos)
        << messages[0].Text;
    EXPECT_EQ(f->ListBox1->ItemCount(), 0);

    for (const char* pdf : {"one.pdf", "two.pdf"}) {
        f->Edit2->SetText("2");
        ScriptDialogAnswer(PrintTo(Path(pdf)));
        f->PrintOutExecute(f->PrintOut);
        EXPECT_TRUE(std::filesystem::exists(Path(pdf))) << "the program carries on";
    }
    f->UpdatePreview();
    EXPECT_EQ(DatabaseMessages(Path("rulif.db3")).size(), 1u) << "reported once";
    EXPECT_EQ(FileBytes(Path("rulif.db3")), kGarbage) << "never overwritten";
    Close();
    EXPECT_EQ(FileBytes(Path("rulif.db3")), kGarbage);
    Open();
}

TEST_F(MainWindowTest, ADatabaseOverwrittenBetweenTwoPrintsIsReportedOnceAndLeftUntouched) {
    f->Edit2->SetText("2");
    ScriptDialogAnswer(PrintTo(Path("first.pdf")));
    f->PrintOutExecute(f->PrintOut);
    ASSERT_EQ(f->ReadPrintCount(0), 2);
    WriteGarbage(Path("rulif.db3"));
    for (const char* pdf : {"second.pdf", "third.pdf"}) {
        ScriptDialogAnswer(PrintTo(Path(pdf)));
        f->PrintOutExecute(f->PrintOut);
        EXPECT_TRUE(std::filesystem::exists(Path(pdf)));
    }
    const auto messages = DatabaseMessages(Path("rulif.db3"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].Text.find("データベースのファイルではありません"), std::string::npos)
        << messages[0].Text;
    EXPECT_EQ(FileBytes(Path("rulif.db3")), kGarbage);
}

TEST_F(MainWindowTest, AReadOnlyDatabaseIsReportedOnceAndItsEmphasisRowsStayReadable) {
    f->SqlText = "insert into MultiLine_individual(no,color,size,type) values(4,255,0.5,1)";
    sqlite3_exec(f->DbHandle, f->SqlText.c_str(), nullptr, nullptr, nullptr);
    f->AddPrintCount(0);
    Close();
    const std::string before = FileBytes(Path("rulif.db3"));
    std::filesystem::permissions(Path("rulif.db3"), std::filesystem::perms::owner_read |
                                                        std::filesystem::perms::group_read |
                                                        std::filesystem::perms::others_read);
    {
        UnprivilegedScope nobody(Path(""));
        ShownMessages().clear();
        Open();
        ASSERT_EQ(f->ListBox1->ItemCount(), 1) << "the emphasis rows are still read";
        f->Edit2->SetText("2");
        ScriptDialogAnswer(PrintTo(Path("ro.pdf")));
        f->PrintOutExecute(f->PrintOut);
        EXPECT_TRUE(std::filesystem::exists(Path("ro.pdf")));
        EXPECT_EQ(f->ReadPrintCount(0), 1) << "the earlier count still shows";
        const auto messages = DatabaseMessages(Path("rulif.db3"));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].Text.find("書き込めません"), std::string::npos) << messages[0].Text;
        Close();
    }
    EXPECT_EQ(FileBytes(Path("rulif.db3")), before);
    std::filesystem::permissions(Path("rulif.db3"), std::filesystem::perms::owner_all);
    Open();
}

TEST_F(MainWindowTest, AStartThatCannotFinishTheTablesKeepsTheFileAsItWasAndSaysSoOnce) {
    // A database of an older start that has its emphasis table but no counters yet, on a disk
    // with no room left: the counters' table cannot be made, as its journal cannot be written.
    Close();
    FullDisk disk(Path("small"), 64 * 1024);
    const std::filesystem::path db = disk.Folder() / "rulif.db3";
    {
        sqlite3* c = nullptr;
        ASSERT_EQ(sqlite3_open(db.c_str(), &c), SQLITE_OK);
        for (const char* sql :
             {"create table MultiLine_individual(no Integer not null primary key,color,size,type)",
              "insert into MultiLine_individual(no,color,size,type) values(7,255,0.5,1)"})
            ASSERT_EQ(sqlite3_exec(c, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql;
        sqlite3_close(c);
    }
    const std::string before = FileBytes(db);
    disk.Fill();
    if (disk.Tmpfs()) {
        std::ofstream filler(disk.Folder() / "filler", std::ios::binary);
        const std::string block(4096, 'x');
        while (filler.write(block.data(), block.size()))
            filler.flush();
    }
    SetProgramFolderForTest(disk.Folder().string());
    ShownMessages().clear();
    Open();

    const auto messages = DatabaseMessages(db);
    ASSERT_EQ(messages.size(), 1u) << "said once";
    if (disk.Tmpfs()) {
        EXPECT_NE(messages[0].Text.find("ディスクがいっぱいです"), std::string::npos) << messages[0].Text;
    }
    EXPECT_EQ(FileBytes(db), before) << "nothing of the unfinished start is kept";
    EXPECT_FALSE(std::filesystem::exists(db.string() + "-journal")) << "no transaction is left open";
    ASSERT_EQ(f->ListBox1->ItemCount(), 1) << "the emphasis rows are still read";
    EXPECT_EQ(f->ListBox1->Item(0), "7");
    f->AddPrintCount(0);
    f->UpdatePreview();
    EXPECT_EQ(DatabaseMessages(db).size(), 1u) << "and not again";
    Close();
    EXPECT_EQ(FileBytes(db), before);
    SetProgramFolderForTest(Path("").string());
    Open();
}

namespace {
// A picture whose bytes do not compress: a document that embeds it N times is N times its size.
void NoisePicture(TABitmap* b, int w, int h) {
    b->SetSize(w, h);
    uint32_t x = 12345;
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(b->ScanLine(y));
        for (int i = 0; i < w; ++i) {
            x = x * 1664525u + 1013904223u;
            row[i] = (x >> 8) & 0xFFFFFF;
        }
    }
}

// The object numbers of the images a PDF holds, from pdfimages's list.
std::set<std::string> ImageObjects(const std::filesystem::path& pdf) {
    const std::string list = printertest::RunCommand("pdfimages -list " + printertest::Quote(pdf.string()));
    std::set<std::string> objects;
    std::istringstream lines(list);
    std::string line;
    int n = 0;
    while (std::getline(lines, line)) {
        if (n++ < 2) continue; // the heading and its rule
        std::istringstream words(line);
        std::vector<std::string> w{std::istream_iterator<std::string>(words), {}};
        if (w.size() > 11) objects.insert(w[10]); // page num type width height ... object
    }
    return objects;
}
} // namespace

TEST_F(MainWindowTest, AJobHoldsItsBackgroundPictureOnceHoweverManySheets) {
    auto print = [&](int sheets, const std::string& name) -> std::uintmax_t {
        f->Edit2->SetText(IntToStr(sheets));
        const auto pdf = Path(name);
        ScriptDialogAnswer(PrintTo(pdf));
        f->PrintOutExecute(f->PrintOut);
        EXPECT_FALSE(f->BGPrintBlend) << "the job's copy goes with the job";
        EXPECT_TRUE(std::filesystem::exists(pdf)) << name;
        return std::filesystem::exists(pdf) ? std::filesystem::file_size(pdf) : 0;
    };
    const double plain = static_cast<double>(print(1, "plain.pdf"));
    NoisePicture(f->BGBitmap, 600, 400);
    f->BGImage = "noise.png";
    f->BGAlpha = 200;
    f->BGLeft = f->BGTop = 0;
    f->BGWidth = 150;
    f->BGHeight = 100;
    const double one = static_cast<double>(print(1, "photo1.pdf"));
    const double ten = static_cast<double>(print(10, "photo10.pdf"));
    const double picture = one - plain;
    ASSERT_GT(picture, 50000) << "the picture is in the document";
    EXPECT_LT(ten - one, 0.1 * picture) << "nine more sheets cost far less than one more picture: " << plain
                                        << ", " << one << ", " << ten << " bytes";
    EXPECT_EQ(ImageObjects(Path("photo1.pdf")).size(), 1u);
    EXPECT_EQ(ImageObjects(Path("photo10.pdf")).size(), 1u) << "one image, drawn on every sheet";
}

TEST(PrintBackground, BlendsOnceUntilThePictureOrTheOpacityChanges) {
    TABitmap picture;
    picture.SetSize(8, 4);
    picture.FillBMP(10, 20, 30);
    TPrintBackground job;
    TABitmap* first = job.Get(picture, 128);
    EXPECT_EQ(job.Get(picture, 128), first);
    EXPECT_EQ(job.Blends(), 1) << "every sheet of a job draws the one blend";
    const uint64_t drawn = first->Revision();
    job.Get(picture, 128);
    EXPECT_EQ(first->Revision(), drawn) << "the same image, so the document can hold it once";
    job.Get(picture, 64);
    EXPECT_EQ(job.Blends(), 2);
    picture.ScanLine(0)[0] = 0xFF;
    job.Get(picture, 64);
    EXPECT_EQ(job.Blends(), 3) << "a changed picture is blended again";
    job.Get(picture, 300);
    job.Get(picture, 255);
    EXPECT_EQ(job.Blends(), 4) << "an opacity beyond 255 is 255";
}
