#include "winlib/Classes.h"
#include "winlib/SysUtils.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Counts its own destruction so ownership can be checked.
class Probe : public TComponent {
  public:
    Probe(TComponent* owner, int* deaths) : TComponent(owner), deaths_(deaths) {}
    ~Probe() override { ++*deaths_; }

  private:
    int* deaths_;
};

TEST(Component, OwnerDeletesWhatItOwns) {
    int deaths = 0;
    auto* root = new TComponent;
    auto* a = new Probe(root, &deaths);
    new Probe(a, &deaths); // a grandchild
    new Probe(root, &deaths);
    EXPECT_EQ(root->ComponentCount(), 2);
    EXPECT_EQ(a->Owner(), root);
    delete root;
    EXPECT_EQ(deaths, 3);
}

TEST(Component, DeletedChildLeavesItsOwner) {
    int deaths = 0;
    TComponent root;
    auto* a = new Probe(&root, &deaths);
    auto* b = new Probe(&root, &deaths);
    delete a;
    ASSERT_EQ(root.ComponentCount(), 1);
    EXPECT_EQ(root.Components(0), b);
    // the owner's destructor must not touch the deleted child again
}

TEST(Component, FindComponentIgnoresAsciiCase) {
    TComponent root;
    auto* edit = new TComponent(&root);
    edit->SetName("eDotX");
    EXPECT_EQ(root.FindComponent("EDOTX"), edit);
    EXPECT_EQ(root.FindComponent("eDotY"), nullptr);
    EXPECT_EQ(root.FindComponent(""), nullptr);
}

class Apple : public TPersistent {};
class Pear : public TPersistent {};

TEST(Persistent, AssignBetweenStrangersRaises) {
    Apple apple;
    Pear pear;
    try {
        apple.Assign(&pear);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a Pear to a Apple");
    }
    try {
        apple.Assign(nullptr);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Cannot assign a nil to a Apple");
    }
}

// A source that knows how to put itself into a string list.
class Lines : public TPersistent {
  protected:
    void AssignTo(TPersistent* Dest) override {
        if (auto* list = dynamic_cast<TStringList*>(Dest)) {
            list->Clear();
            list->Add("from Lines");
            return;
        }
        TPersistent::AssignTo(Dest);
    }
};

TEST(Persistent, AssignAsksTheSourceWhenTheTargetDoesNotKnowIt) {
    TStringList list;
    Lines src;
    list.Assign(&src);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list[0], "from Lines");
}

TEST(StringList, SortedInsertUsesByteOrder) {
    TStringList list;
    list.SetSorted(true);
    for (const char* s : {"2", "10", "5", "b", "B", "あ", "10"})
        list.Add(s);
    const std::vector<AnsiString> want = {"10", "10", "2", "5", "B", "b", "あ"};
    EXPECT_EQ(list.Items(), want);
    EXPECT_EQ(list.IndexOf("5"), 3);
    EXPECT_EQ(list.IndexOf("7"), -1);
    EXPECT_THROW(list.Insert(0, "x"), EStringListError);
    EXPECT_THROW(list.SetStrings(0, "x"), EStringListError);
}

TEST(StringList, SortingLaterOrdersWhatIsThere) {
    TStringList list;
    for (const char* s : {"c", "a", "b"})
        list.Add(s);
    EXPECT_EQ(list.IndexOf("a"), 1);
    list.SetSorted(true);
    EXPECT_EQ(list.Items(), (std::vector<AnsiString>{"a", "b", "c"}));
}

TEST(StringList, IndexErrorsNameTheIndex) {
    TStringList list;
    list.Add("a");
    try {
        (void)list.Strings(1);
        FAIL();
    } catch (const EStringListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (1)");
    }
    EXPECT_THROW((void)list[-1], EStringListError);
    EXPECT_THROW(list.Delete(1), EStringListError);
    EXPECT_THROW(list.Insert(2, "x"), EStringListError);
    list.Insert(1, "b"); // at the end is allowed
    list.Delete(0);
    EXPECT_EQ(list.Items(), std::vector<AnsiString>{"b"});
}

TEST(StringList, SetTextSplitsOnEveryLineBreak) {
    const std::pair<const char*, std::vector<AnsiString>> cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"\n", {""}},
        {"1.31\nhttp://x/\r\n", {"1.31", "http://x/"}},
    };
    TStringList list;
    for (const auto& [text, lines] : cases) {
        list.SetText(text);
        EXPECT_EQ(list.Items(), lines) << text;
    }
}

TEST(StringList, TextEndsEveryLine) {
    TStringList list;
    EXPECT_EQ(list.Text(), "");
    list.Add("a");
    list.Add("");
    list.Add("b");
    EXPECT_EQ(list.Text(), "a\n\nb\n");
    TStringList copy;
    copy.SetText(list.Text());
    EXPECT_EQ(copy.Items(), list.Items());
}

TEST(StringList, AssignCopiesIntoTheTargetsOrder) {
    TStringList src;
    for (const char* s : {"b", "a"})
        src.Add(s);
    TStringList sorted;
    sorted.SetSorted(true);
    sorted.Add("old");
    sorted.Assign(&src);
    EXPECT_EQ(sorted.Items(), (std::vector<AnsiString>{"a", "b"}));
    src.Assign(&src); // assigning to itself keeps the lines
    EXPECT_EQ(src.Count(), 2);
}

TEST(MemoryStream, ReadWriteSeek) {
    TMemoryStream m;
    m.WriteBuffer("hello", 5);
    EXPECT_EQ(m.Size(), 5);
    EXPECT_EQ(m.Position(), 5);
    m.SetPosition(1);
    char buf[8] = {};
    EXPECT_EQ(m.Read(buf, 8), 4); // only what is there
    EXPECT_STREQ(buf, "ello");
    EXPECT_EQ(m.Read(buf, 1), 0);
    EXPECT_THROW(m.ReadBuffer(buf, 1), EReadError);
    EXPECT_EQ(m.Seek(-2, soEnd), 3);
    m.WriteBuffer("LOWORLD", 7); // overwrites and grows
    EXPECT_EQ(std::string(reinterpret_cast<char*>(m.Memory()), static_cast<size_t>(m.Size())), "helLOWORLD");
    m.SetPosition(-1);
    EXPECT_EQ(m.Read(buf, 1), 0); // before the start nothing is read
    EXPECT_EQ(m.Write("x", 1), 0);
}

TEST(MemoryStream, CopyFromZeroCopiesTheWholeSource) {
    TMemoryStream src, dst;
    std::string big(200000, 'x');
    big[199999] = 'y';
    src.WriteBuffer(big.data(), static_cast<int64_t>(big.size()));
    EXPECT_EQ(dst.CopyFrom(&src, 0), 200000);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(dst.Memory()), 200000), big);
    src.SetPosition(199998);
    EXPECT_THROW(dst.CopyFrom(&src, 5), EReadError); // the source runs out
}

class TempDir : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("ruliform-streams-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    std::filesystem::path dir_;
};

using FileStream = TempDir;
namespace fs = std::filesystem;

TEST_F(FileStream, SaveAndLoadRoundTripWithAJapaneseName) {
    const std::string path = Path("背景画像.bin");
    TMemoryStream out;
    const char data[] = {'\0', '\x01', '\xff', 'A'};
    out.WriteBuffer(data, 4);
    out.SaveToFile(path);
    TMemoryStream in;
    in.LoadFromFile(path);
    ASSERT_EQ(in.Size(), 4);
    EXPECT_EQ(std::memcmp(in.Memory(), data, 4), 0);
    EXPECT_EQ(in.Position(), 0);
}

TEST_F(FileStream, OpenErrorsNameTheFile) {
    const std::string missing = Path("missing.png");
    try {
        TFileStream f(missing, fmOpenRead | fmShareDenyWrite);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message, "Cannot open file \"" + missing + "\"");
    }
    EXPECT_THROW(TFileStream(dir_.string(), fmOpenRead), EFOpenError); // a folder is no file
    TMemoryStream m;
    m.WriteBuffer("keep", 4);
    EXPECT_THROW(m.LoadFromFile(missing), EFOpenError);
    EXPECT_EQ(m.Size(), 4); // a failed load leaves the stream as it was
    const std::string noFolder = Path("no/such/file");
    try {
        TFileStream f(noFolder, fmCreate);
        FAIL();
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message, "Cannot create file \"" + noFolder + "\"");
    }
}

TEST_F(FileStream, OnlyARegularFileOfAtMostAGibibyteIsOpenedForReading) {
    struct Case {
        const char* what;
        std::function<void(const std::string&)> make;
    } cases[] = {
        {"a pipe without a writer", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }},
        {"a link to an endless device", [](const std::string& p) { fs::create_symlink("/dev/zero", p); }},
        {"a file over 1 GiB",
         [](const std::string& p) {
             std::ofstream(p) << "x";
             fs::resize_file(p, (std::uintmax_t(1) << 30) + 1); // sparse: costs no disk
         }},
    };
    for (const Case& c : cases) {
        const std::string path = Path("picture.png");
        fs::remove(path);
        c.make(path);
        // Opened on a thread of its own: if the open waits for the pipe's writer, a writer that
        // comes and goes after the deadline releases it, and the test fails instead of hanging.
        auto opened = std::async(std::launch::async, [&] {
            try {
                TFileStream f(path, fmOpenRead | fmShareDenyWrite);
                return false;
            } catch (const EFOpenError&) {
                return true;
            }
        });
        if (opened.wait_for(std::chrono::seconds(60)) != std::future_status::ready) {
            ADD_FAILURE() << c.what << ": the open waits";
            ::close(::open(path.c_str(), O_WRONLY | O_NONBLOCK));
        }
        EXPECT_TRUE(opened.get()) << c.what;
    }
    const std::string exact = Path("big.bmp");
    std::ofstream(exact) << "x";
    fs::resize_file(exact, std::uintmax_t(1) << 30);
    EXPECT_EQ(TFileStream(exact, fmOpenRead).Size(), int64_t(1) << 30) << "1 GiB itself is still read";
}

TEST_F(FileStream, CreateTruncatesAndSeekWorks) {
    const std::string path = Path("f.dat");
    std::ofstream(path) << "0123456789";
    {
        TFileStream f(path, fmOpenReadWrite);
        EXPECT_EQ(f.Size(), 10);
        f.Seek(4, soBeginning);
        char c = 0;
        f.ReadBuffer(&c, 1);
        EXPECT_EQ(c, '4');
        EXPECT_EQ(f.Position(), 5);
    }
    {
        TFileStream f(path, fmCreate);
        EXPECT_EQ(f.Size(), 0);
        f.WriteBuffer("ab", 2);
    }
    TFileStream f(path, fmOpenRead);
    char buf[4] = {};
    EXPECT_EQ(f.Read(buf, 4), 2);
    EXPECT_STREQ(buf, "ab");
    EXPECT_THROW(f.WriteBuffer("x", 1), EWriteError); // opened for reading only
}

} // namespace
