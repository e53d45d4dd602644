#include "winlib/IniFiles.h"
#include "winlib/SysUtils.h"

#include <gtest/gtest.h>

#include "UnprivilegedScope.h"

#include <chrono>
#include <functional>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class IniFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("ruliform-ini-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "Ruliform.ini").string();
    }
    void TearDown() override {
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir_);
    }
    void Put(const std::string& bytes) const { std::ofstream(path_, std::ios::binary) << bytes; }
    std::string Get() const {
        std::ifstream in(path_, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    ino_t StatInode() const {
        struct stat st {};
        return ::stat(path_.c_str(), &st) == 0 ? st.st_ino : 0;
    }
    fs::path dir_;
    std::string path_;
};

TEST_F(IniFile, MissingFileGivesDefaultsAndFirstWriteCreatesIt) {
    TIniFile ini(path_);
    EXPECT_EQ(ini.ReadInteger("Ruliform", "Width", 768), 768);
    EXPECT_EQ(ini.ReadString("Mark", "Char", "▼"), "▼");
    EXPECT_FALSE(ini.SectionExists("Ruliform"));
    EXPECT_FALSE(fs::exists(path_)); // reading creates nothing
    ini.WriteInteger("Ruliform", "Width", 800);
    ini.WriteInteger("Ruliform", "Height", -1);
    ini.WriteString("Space", "Top", "4.2");
    EXPECT_EQ(Get(), "[Ruliform]\r\nWidth=800\r\nHeight=-1\r\n[Space]\r\nTop=4.2\r\n");
}

TEST_F(IniFile, NamesCompareWithoutAsciiCase) {
    Put("[LogPaper]\r\n定数=3\r\nType=1\r\n");
    TIniFile ini(path_);
    EXPECT_EQ(ini.ReadInteger("Logpaper", "Type", 0), 1);
    EXPECT_EQ(ini.ReadInteger("LOGPAPER", "type", 0), 1);
    EXPECT_EQ(ini.ReadInteger(" LogPaper ", " Type ", 0), 1); // blanks around names do not count
    ini.WriteInteger("logpaper", "TYPE", 2);
    EXPECT_EQ(ini.ReadInteger("LogPaper", "Type", 0), 2);
    EXPECT_EQ(Get().find("TYPE"), std::string::npos) << "the stored spelling of the key is kept";
}

TEST_F(IniFile, FirstMatchWins) {
    Put("[A]\nk=1\nK=2\n[a]\nk=3\nnew=4\n");
    TIniFile ini(path_);
    EXPECT_EQ(ini.ReadString("A", "k", ""), "1");
    EXPECT_EQ(ini.ReadString("A", "new", "none"), "none"); // only the first [A] is searched
    ini.WriteString("A", "k", "9");
    EXPECT_EQ(Get(), "[A]\r\nk=9\r\nK=2\r\n[a]\r\nk=3\r\nnew=4\r\n");
}

struct ValueCase {
    const char* stored;
    int asInt;      // default -5
    bool asBool;    // default true
    double asFloat; // default 7.5
};

TEST_F(IniFile, ValueEncodingsOnRead) {
    const ValueCase cases[] = {
        {"12", 12, true, 12},     {"  12  ", 12, true, 12}, // the profile reader trims the value
        {"-3", -3, true, -3},     {"$FF", 255, true, 7.5},
        {"0x10", 16, true, 7.5},  {"x10", 16, true, 7.5},
        {"0", 0, false, 0},       {"2", 2, true, 2},
        {"yes", -5, true, 7.5},   {"true", -5, true, 7.5},
        {"12abc", -5, true, 7.5}, {"2147483648", -5, true, 2147483648.0},
        {"1.5", -5, true, 1.5},   {"100", 100, true, 100},
        {"1e3", -5, true, 1000},  {"1,5", -5, true, 7.5},
        {"", -5, true, 7.5},      {"\"42\"", 42, true, 42}, // one pair of quotes is removed
    };
    for (const ValueCase& c : cases) {
        Put(std::string("[S]\r\nv=") + c.stored + "\r\n");
        TIniFile ini(path_);
        EXPECT_EQ(ini.ReadInteger("S", "v", -5), c.asInt) << c.stored;
        EXPECT_EQ(ini.ReadBool("S", "v", true), c.asBool) << c.stored;
        EXPECT_EQ(ini.ReadBool("S", "v", false), c.asInt == -5 ? false : c.asInt != 0) << c.stored;
        EXPECT_EQ(ini.ReadFloat("S", "v", 7.5), c.asFloat) << c.stored;
    }
}

TEST_F(IniFile, EmptyValueIsNotMissing) {
    Put("[Header]\r\nHeadText1=\r\n");
    TIniFile ini(path_);
    EXPECT_EQ(ini.ReadString("Header", "HeadText1", "default"), "");
    EXPECT_EQ(ini.ReadString("Header", "HeadText2", "default"), "default");
    EXPECT_TRUE(ini.ValueExists("Header", "headtext1"));
    EXPECT_FALSE(ini.ValueExists("Header", "HeadText2"));
    EXPECT_EQ(ini.ReadInteger("Header", "HeadText1", 4), 4);
}

TEST_F(IniFile, ReadStringStopsAt2047Bytes) {
    Put("[S]\r\nlong=" + std::string(3000, 'a') + "\r\nkanji=" + std::string(2046, 'b') + "\x82\xa0\r\n");
    TIniFile ini(path_);
    EXPECT_EQ(ini.ReadString("S", "long", ""), std::string(2047, 'a'));
    // a double-byte character that does not fit whole is left out, not cut in half
    EXPECT_EQ(ini.ReadString("S", "kanji", ""), std::string(2046, 'b'));
}

TEST_F(IniFile, WrittenValuesReadBackUnchanged) {
    TIniFile ini(path_);
    const char* values[] = {"plain",   "  leading", "trailing  ", "\"quoted\"",      "'single'",      "\"",
                            "a\"b\"c", "",          "x=y",        "[not a section]", "ＭＳ ゴシック", "★"};
    for (const char* v : values) {
        ini.WriteString("Header", "HeadText1", v);
        EXPECT_EQ(TIniFile(path_).ReadString("Header", "HeadText1", "?"), v) << v;
    }
}

TEST_F(IniFile, LineBreaksInAValueCannotAddLines) {
    TIniFile ini(path_);
    ini.WriteString("Header", "HeadText1", "a\r\n[Ruliform]\nSkin=6");
    EXPECT_FALSE(ini.SectionExists("Ruliform"));
    EXPECT_EQ(ini.ReadString("Header", "HeadText1", ""), "a  [Ruliform] Skin=6");
}

TEST_F(IniFile, NumbersAreWrittenAsTheirText) {
    TIniFile ini(path_);
    ini.WriteFloat("Ruliform", "BGWidth", 100.0);
    ini.WriteFloat("Ruliform", "BGLeft", -2.25);
    ini.WriteBool("Ruliform", "CriticalFocus", true);
    ini.WriteBool("Ruliform", "TransparentClose", false);
    ini.WriteInteger("Color", "Paper", 16777215);
    EXPECT_EQ(Get(), "[Ruliform]\r\nBGWidth=100\r\nBGLeft=-2.25\r\nCriticalFocus=1\r\nTransparentClose=0\r\n"
                     "[Color]\r\nPaper=16777215\r\n");
    EXPECT_EQ(ini.ReadFloat("Ruliform", "BGWidth", 0), 100.0);
}

TEST_F(IniFile, FileIsCodePage932OnDisk) {
    TIniFile ini(path_);
    ini.WriteString("ページ番号", "FontName", "ＭＳ ゴシック");
    EXPECT_EQ(Get(), "[\x83\x79\x81\x5b\x83\x57\x94\xd4\x8d\x86]\r\nFontName=\x82\x6c\x82\x72 "
                     "\x83\x53\x83\x56\x83\x62\x83\x4e\r\n");
    // and a file written elsewhere in the code page reads as UTF-8
    Put("[\x89\x7e\x8c\xca]\r\n\x92\xbc\x8c\x61=120\r\n"); // [円弧] 直径=120
    TIniFile other(path_);
    EXPECT_EQ(other.ReadString("円弧", "直径", ""), "120");
}

TEST_F(IniFile, SecondBytesThatLookLikeBracketsDoNotConfuseTheParser) {
    // The second byte of "ゾ" (0x83 0x5D) is the code of ']'.
    Put("[\x83\x5d]\r\n\x83\x5d=1\r\n"); // [ゾ] ゾ=1
    TIniFile ini(path_);
    EXPECT_EQ(ini.ReadInteger("ゾ", "ゾ", 0), 1);
    Put("[\x83\x5d\r\nk=2\r\n"); // "[ゾ": the only ']' is half a character, so no section
    TIniFile broken(path_);
    EXPECT_EQ(broken.ReadInteger("ゾ", "k", 0), 0);
}

TEST_F(IniFile, KeysGoAtTheEndOfTheirSectionAndUnknownLinesStay) {
    const std::string original = "top line without section\r\n"
                                 "[Ruliform]\r\n"
                                 "Skin=1\r\n"
                                 "; a comment\r\n"
                                 "Unknown = kept as is \r\n"
                                 "\r\n"
                                 "[Other]\r\n"
                                 "odd line\r\n"
                                 "\xed\x40\xff\x81=\x80 raw\r\n" // bytes that do not survive a round trip
                                 "Z=1\r\n";
    Put(original);
    TIniFile ini(path_);
    ini.WriteInteger("Ruliform", "Zoom", 5);
    ini.WriteString("Brand", "New", "x");
    EXPECT_EQ(Get(), "top line without section\r\n"
                     "[Ruliform]\r\n"
                     "Skin=1\r\n"
                     "; a comment\r\n"
                     "Unknown = kept as is \r\n"
                     "Zoom=5\r\n"
                     "\r\n"
                     "[Other]\r\n"
                     "odd line\r\n"
                     "\xed\x40\xff\x81=\x80 raw\r\n"
                     "Z=1\r\n"
                     "[Brand]\r\n"
                     "New=x\r\n");
    EXPECT_EQ(ini.ReadString("Ruliform", "Unknown", ""), "kept as is");
    EXPECT_EQ(ini.ReadString("Ruliform", "; a comment", "no"), "no");
}

TEST_F(IniFile, BinaryJunkReadsWithoutHarm) {
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk += static_cast<char>((i * 131 + 7) % 256);
    const std::string before = junk + "\n[S]\nk=1\n";
    Put(before);
    TIniFile ini(path_);
    EXPECT_EQ(ini.ReadInteger("S", "k", 0), 1);
    EXPECT_EQ(ini.ReadString("nothing", "here", "d"), "d");
    ini.WriteInteger("S", "k", 2);
    EXPECT_EQ(ini.ReadInteger("S", "k", 0), 2);
    // every byte but the changed one is still there (a CR among the junk ends a line, and every
    // line is written with CR LF)
    auto withoutLineEnds = [](std::string t) {
        std::erase_if(t, [](char c) { return c == '\r' || c == '\n'; });
        return t;
    };
    std::string want = withoutLineEnds(before);
    want.back() = '2';
    EXPECT_EQ(withoutLineEnds(Get()), want);
}

TEST_F(IniFile, SectionsAndKeysCanBeListedAndRemoved) {
    Put("[A]\r\nx=1\r\n; note\r\ny=2\r\n[Empty]\r\n[B]\r\nz=3\r\n");
    TIniFile ini(path_);
    TStringList keys;
    keys.Add("stale");
    ini.ReadSection("a", &keys);
    EXPECT_EQ(keys.Items(), (std::vector<AnsiString>{"x", "y"}));
    EXPECT_TRUE(ini.SectionExists("A"));
    EXPECT_FALSE(ini.SectionExists("Empty")); // a section without keys does not count
    ini.DeleteKey("A", "X");
    EXPECT_FALSE(ini.ValueExists("A", "x"));
    ini.EraseSection("a");
    EXPECT_EQ(Get(), "[Empty]\r\n[B]\r\nz=3\r\n");
    ini.EraseSection("missing");
    ini.DeleteKey("B", "missing");
    EXPECT_EQ(Get(), "[Empty]\r\n[B]\r\nz=3\r\n");
}

TEST_F(IniFile, EveryWriteIsOnDiskAtOnceAndSeenByOthers) {
    TIniFile a(path_), b(path_);
    EXPECT_EQ(b.ReadInteger("S", "k", 0), 0);
    a.WriteInteger("S", "k", 1);
    EXPECT_EQ(b.ReadInteger("S", "k", 0), 1); // b reads again because the file changed
    b.WriteInteger("S", "j", 2);
    EXPECT_EQ(a.ReadInteger("S", "j", 0), 2);
    a.WriteInteger("S", "k", 3);
    EXPECT_EQ(Get(), "[S]\r\nk=3\r\nj=2\r\n"); // a did not lose b's key
}

TEST_F(IniFile, ReplacingLeavesNoTemporaryFilesAndKeepsPermissions) {
    Put("[S]\r\nk=1\r\n");
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    TIniFile ini(path_);
    for (int i = 0; i < 5; ++i)
        ini.WriteInteger("S", "k", i);
    int files = 0;
    for (const auto& e : fs::directory_iterator(dir_)) {
        (void)e;
        ++files;
    }
    EXPECT_EQ(files, 1);
    EXPECT_EQ(fs::status(path_).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(IniFile, WritesThroughALinkReplaceItsTarget) {
    const std::string real = (dir_ / "real.ini").string();
    std::ofstream(real) << "[S]\r\nk=1\r\n";
    const std::string link = (dir_ / "link.ini").string();
    fs::create_symlink(real, link);
    TIniFile ini(link);
    ini.WriteInteger("S", "k", 2);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(TIniFile(real).ReadInteger("S", "k", 0), 2);

    // A link whose target is not there yet, by a path relative to the link's folder.
    fs::create_directory(dir_ / "kept");
    const std::string dangling = (dir_ / "dangling.ini").string();
    fs::create_symlink("kept/settings.ini", dangling);
    TIniFile(dangling).WriteInteger("S", "k", 3);
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(TIniFile((dir_ / "kept" / "settings.ini").string()).ReadInteger("S", "k", 0), 3);
}

TEST_F(IniFile, RefusedWriteRaisesAndLeavesTheFileWhole) {
    const std::string nowhere = (dir_ / "no-such-folder" / "Ruliform.ini").string();
    TIniFile ini(nowhere);
    try {
        ini.WriteInteger("Ruliform", "Width", 800);
        FAIL() << "no exception";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message, nowhere + " に書き込めません");
    }
    EXPECT_EQ(ini.ReadInteger("Ruliform", "Width", 1), 1); // nothing pretends to be stored

    Put("[Ruliform]\r\nWidth=640\r\n");
    {
        UnprivilegedScope user(dir_);
        fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
        TIniFile locked(path_);
        EXPECT_THROW(locked.WriteInteger("Ruliform", "Width", 800), EIniFileException);
        EXPECT_EQ(locked.ReadInteger("Ruliform", "Width", 0), 640);
        EXPECT_EQ(Get(), "[Ruliform]\r\nWidth=640\r\n");
        fs::permissions(dir_, fs::perms::owner_all);
    }
}

TEST_F(IniFile, ReadOnlyOrUnreadableFileIsNotReplaced) {
    Put("[S]\r\nk=1\r\n");
    UnprivilegedScope user(dir_);
    fs::permissions(path_, fs::perms::owner_read);
    TIniFile ro(path_);
    EXPECT_THROW(ro.WriteInteger("S", "k", 2), EIniFileException);
    EXPECT_EQ(ro.ReadInteger("S", "k", 0), 1);

    fs::permissions(path_, fs::perms::owner_write);
    TIniFile unreadable(path_);
    EXPECT_EQ(unreadable.ReadInteger("S", "k", 7), 7); // reading never fails
    EXPECT_THROW(unreadable.WriteInteger("S", "other", 2), EIniFileException);
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Get(), "[S]\r\nk=1\r\n");
}

TEST_F(IniFile, TextCodePage932CannotHoldReadsBackExactly) {
    const char* values[] = {
        "/home/u/café.png", "/pictures/Ünïcödé 😀.png", " é at both ends ", "100% é", "\"é\"", "ゾ and é"};
    for (const char* v : values) {
        {
            TIniFile ini(path_);
            ini.WriteString("Ruliform", "BGImage", v);
        }
        EXPECT_EQ(TIniFile(path_).ReadString("Ruliform", "BGImage", ""), v) << v;
        // The plain key still holds the nearest code page 932 text, for readers without companions.
        const std::string plain = Get().substr(0, Get().find("\r\nBGImage.utf8="));
        EXPECT_NE(plain.find("?"), std::string::npos) << v;
    }
    EXPECT_NE(Get().find("BGImage.utf8=%E3%82%BE%20and%20%C3%A9\r\n"), std::string::npos) << Get();
    // Text the code page holds needs no companion, and a stale one goes.
    TIniFile(path_).WriteString("Ruliform", "BGImage", "/home/u/写真.png");
    EXPECT_EQ(Get(), "[Ruliform]\r\nBGImage=/home/u/\x8e\xca\x90\x5e.png\r\n");
}

TEST_F(IniFile, ACompanionIsBelievedOnlyBesideItsOwnPlainText) {
    struct Case {
        const char* file;
        const char* read;
    } cases[] = {
        {"[R]\r\nBGImage=caf?.png\r\nBGImage.utf8=caf%C3%A9.png\r\n", "café.png"},
        // The plain key changed by a program that does not know companions wins.
        {"[R]\r\nBGImage=other.png\r\nBGImage.utf8=caf%C3%A9.png\r\n", "other.png"},
        {"[R]\r\nBGImage=caf?.png\r\nBGImage.utf8=caf%C3%A.png\r\n", "caf?.png"}, // malformed
        {"[R]\r\nBGImage=caf?.png\r\nBGImage.utf8=caf%C3%A9.png%\r\n", "caf?.png"},
        {"[R]\r\nBGImage.utf8=caf%C3%A9.png\r\n", "missing"}, // no plain key: the default
    };
    for (const Case& c : cases) {
        Put(c.file);
        EXPECT_EQ(TIniFile(path_).ReadString("R", "BGImage", "missing"), c.read) << c.file;
    }
    Put("[R]\r\nBGImage=caf?.png\r\nBGImage.utf8=caf%C3%A9.png\r\nk=1\r\n");
    TIniFile ini(path_);
    ini.DeleteKey("R", "BGImage");
    EXPECT_EQ(Get(), "[R]\r\nk=1\r\n");
}

TEST_F(IniFile, OnlyARegularFileOfSensibleSizeIsRead) {
    struct Case {
        const char* what;
        std::function<void(const std::string&)> make;
    } cases[] = {
        {"a pipe", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); }},
        {"a link to an endless device", [](const std::string& p) { fs::create_symlink("/dev/zero", p); }},
        {"a folder", [](const std::string& p) { fs::create_directory(p); }},
        {"a file over 1 MiB",
         [](const std::string& p) {
             std::ofstream(p, std::ios::binary) << "[S]\r\nk=1\r\n" << std::string(1 << 20, ';');
         }},
    };
    for (const Case& c : cases) {
        fs::remove_all(path_);
        c.make(path_);
        // Read on a thread of its own: if it blocks on the pipe, a writer that opens and closes
        // the pipe releases it after the deadline, and the test fails instead of hanging.
        auto read = std::async(std::launch::async, [&] {
            TIniFile ini(path_);
            const int k = ini.ReadInteger("S", "k", 7);
            bool refused = false;
            try {
                ini.WriteInteger("S", "k", 2);
            } catch (const EIniFileException&) {
                refused = true;
            }
            return std::make_pair(k, refused);
        });
        if (read.wait_for(std::chrono::seconds(60)) != std::future_status::ready) {
            ADD_FAILURE() << c.what << ": reading blocked";
            ::close(::open(path_.c_str(), O_WRONLY | O_NONBLOCK));
        }
        const auto [k, refused] = read.get();
        EXPECT_EQ(k, 7) << c.what;
        EXPECT_TRUE(refused) << c.what << ": what is not a settings file is not replaced";
    }
    EXPECT_TRUE(fs::is_regular_file(path_)); // the big file is still there, whole
    EXPECT_EQ(fs::file_size(path_), 10u + (1u << 20));
}

// Line ends of other systems and editors, and a UTF-8 byte-order mark, read as the lines they
// end; a blank line stays a blank line.
TEST_F(IniFile, AnyLineEndsAndAByteOrderMarkRead) {
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"LF", "[S]\nk=1\n\n[T]\nname=\x92\x6c\n"},
        {"CR LF", "[S]\r\nk=1\r\n\r\n[T]\r\nname=\x92\x6c\r\n"},
        {"CR", "[S]\rk=1\r\r[T]\rname=\x92\x6c\r"},
        {"CR CR LF", "[S]\r\r\nk=1\r\r\n\r\r\n[T]\r\r\nname=\x92\x6c\r\r\n"},
        {"a byte-order mark, UTF-8", "\xEF\xBB\xBF[S]\r\nk=1\r\n\r\n[T]\r\nname=\xE5\x80\xA4\r\n"},
        {"a byte-order mark, no line end", "\xEF\xBB\xBF[S]\nk=1\n\n[T]\nname=\xE5\x80\xA4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Put(c.bytes);
        TIniFile ini(path_);
        EXPECT_EQ(ini.ReadInteger("S", "k", 0), 1);
        EXPECT_EQ(ini.ReadString("T", "name", ""), "値");
        EXPECT_EQ(ini.ReadFailure(), "");
        ini.WriteInteger("S", "k", 2);
        EXPECT_EQ(Get(), "[S]\r\nk=2\r\n\r\n[T]\r\nname=\x92\x6c\r\n") << "written as always";
    }
}

TEST_F(IniFile, AFileThatCannotBeReadSaysWhyAndIsNotReplaced) {
    Put("[S]\r\nk=1\r\n");
    UnprivilegedScope user(dir_);
    fs::permissions(path_, fs::perms::owner_write);
    TIniFile ini(path_);
    const AnsiString why = ini.ReadFailure();
    EXPECT_EQ(
        why, path_ + " を読み込めません（読み取りが許可されていません）。このファイルには設定を保存しません");
    try {
        ini.WriteInteger("S", "k", 2);
        ADD_FAILURE() << "no exception";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message, why);
    }
    fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Get(), "[S]\r\nk=1\r\n");
    EXPECT_EQ(ini.ReadFailure(), "") << "readable again";
    EXPECT_EQ(TIniFile(path_).ReadFailure(), "");
    EXPECT_EQ(TIniFile((dir_ / "missing.ini").string()).ReadFailure(), "") << "a missing file is no failure";
}

TEST_F(IniFile, WritesBetweenBeginAndEndUpdateReplaceTheFileOnce) {
    Put("[S]\r\nk=1\r\nkeep=yes\r\n");
    TIniFile ini(path_);
    ini.BeginUpdate();
    ini.WriteInteger("S", "k", 2);
    ini.WriteString("T", "name", "値");
    ini.DeleteKey("S", "keep");
    EXPECT_EQ(ini.ReadInteger("S", "k", 0), 2) << "the kept writes are read back";
    EXPECT_EQ(Get(), "[S]\r\nk=1\r\nkeep=yes\r\n") << "nothing reaches the file before the end";
    const auto inode = fs::status(path_).type() == fs::file_type::regular ? StatInode() : 0;
    ini.EndUpdate();
    EXPECT_EQ(Get(), "[S]\r\nk=2\r\n[T]\r\nname=\x92\x6c\r\n");
    EXPECT_NE(StatInode(), inode) << "replaced by a rename, as a single write is";
    EXPECT_EQ(TIniFile(path_).ReadInteger("S", "k", 0), 2);
}

TEST_F(IniFile, ARefusedEndUpdateRaisesAndLeavesTheFileWhole) {
    Put("[S]\r\nk=1\r\n");
    UnprivilegedScope user(dir_);
    TIniFile ini(path_);
    ini.BeginUpdate();
    ini.WriteInteger("S", "k", 2);
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(ini.EndUpdate(), EIniFileException);
    fs::permissions(dir_, fs::perms::owner_all);
    EXPECT_EQ(Get(), "[S]\r\nk=1\r\n");
    EXPECT_EQ(ini.ReadInteger("S", "k", 0), 1) << "what was not stored is not pretended";
}

} // namespace
