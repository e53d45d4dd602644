#include "shell/Yxfile.h"

#include <gtest/gtest.h>

#include "UnprivilegedScope.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

class Yxfile : public ::testing::Test {
  protected:
    void SetUp() override {
        home_ = fs::temp_directory_path() / ("ruliform-home-" + std::to_string(::getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(home_);
        fs::create_directories(home_);
    }
    void TearDown() override { fs::remove_all(home_); }
    fs::path home_;
};

TEST_F(Yxfile, ProgramFolderIsTheExecutablesFolderWithoutSlash) {
    const fs::path exe = fs::read_symlink("/proc/self/exe");
    EXPECT_EQ(GetSpecialFolder(0), exe.parent_path().string());
    EXPECT_NE(GetSpecialFolder(0).back(), '/');
}

TEST_F(Yxfile, CurrentAndTemporaryFolders) {
    EXPECT_EQ(GetSpecialFolder(3), fs::current_path().string());
    {
        ScopedEnv tmp("TMPDIR", "/var/tmp/");
        EXPECT_EQ(GetSpecialFolder(4), "/var/tmp");
    }
    ScopedEnv none("TMPDIR", nullptr);
    EXPECT_EQ(GetSpecialFolder(4), "/tmp");
}

TEST_F(Yxfile, UnknownKindsAreEmpty) {
    for (int kind : {-1, 6, 7, 10, 12, 1000})
        EXPECT_EQ(GetSpecialFolder(kind), "") << kind;
    for (int kind : {1, 2, 5})
        EXPECT_FALSE(GetSpecialFolder(kind).empty()) << kind;
}

TEST_F(Yxfile, DocumentsFollowTheUsersFolderNames) {
    ScopedEnv home("HOME", home_.c_str());
    ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    ScopedEnv docs("XDG_DOCUMENTS_DIR", nullptr);
    EXPECT_EQ(GetSpecialFolder(8), home_.string()); // no Documents folder: home
    fs::create_directory(home_ / "Documents");
    EXPECT_EQ(GetSpecialFolder(8), (home_ / "Documents").string());
    fs::create_directories(home_ / ".config");
    std::ofstream(home_ / ".config" / "user-dirs.dirs") << "# written by xdg-user-dirs-update\n"
                                                           "XDG_DESKTOP_DIR=\"$HOME/デスクトップ\"\n"
                                                           "XDG_DOCUMENTS_DIR=\"$HOME/ドキュメント\"\n";
    EXPECT_EQ(GetSpecialFolder(8), (home_ / "ドキュメント").string());
    EXPECT_EQ(GetSpecialFolder(9), (home_ / "デスクトップ").string());
    ScopedEnv direct("XDG_DOCUMENTS_DIR", "/srv/docs/");
    EXPECT_EQ(GetSpecialFolder(8), "/srv/docs");
}

TEST_F(Yxfile, FontsFolder) {
    ScopedEnv home("HOME", home_.c_str());
    ScopedEnv data("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(GetSpecialFolder(11), (home_ / ".local/share/fonts").string());
}

TEST_F(Yxfile, DataFolderIsTheProgramFolderWhenWritable) {
    EXPECT_EQ(ProgramDataFolder(home_.string()), home_.string());
    const std::string exeFolder = GetSpecialFolder(0);
    if (::access(exeFolder.c_str(), W_OK) == 0) {
        EXPECT_EQ(ProgramDataFolder(), exeFolder);
    }
}

TEST_F(Yxfile, DataFolderFallsBackToTheUsersConfigFolder) {
    ScopedEnv home("HOME", home_.c_str());
    const std::string installed = "/nonexistent-ruliform/bin"; // stands for a folder we may not write
    {
        ScopedEnv config("XDG_CONFIG_HOME", nullptr);
        EXPECT_EQ(ProgramDataFolder(installed), (home_ / ".config/Ruliform").string());
        EXPECT_TRUE(fs::is_directory(home_ / ".config/Ruliform")); // created, parents included
    }
    ScopedEnv config("XDG_CONFIG_HOME", (home_ / "cfg").c_str());
    EXPECT_EQ(ProgramDataFolder(installed), (home_ / "cfg/Ruliform").string());
    EXPECT_TRUE(fs::is_directory(home_ / "cfg/Ruliform"));
}

TEST_F(Yxfile, DataFolderSkipsAReadOnlyProgramFolder) {
    const fs::path ro = home_ / "ro";
    fs::create_directory(ro);
    UnprivilegedScope user(home_);
    fs::permissions(ro, fs::perms::owner_read | fs::perms::owner_exec);
    ScopedEnv home("HOME", home_.c_str());
    ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(ProgramDataFolder(ro.string()), (home_ / ".config/Ruliform").string());
    fs::permissions(ro, fs::perms::owner_all);
}

TEST_F(Yxfile, InstalledCopyUsesTheConfigFolderEvenWhereItCouldWrite) {
    // Root can write anywhere; a copy in the folder it was installed into still keeps its data
    // out of the system's program folder. Another writable folder stays the program's.
    const fs::path bin = home_ / "prefix/bin";
    fs::create_directories(bin);
    ScopedEnv home("HOME", home_.c_str());
    ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(ProgramDataFolder(bin.string(), bin.string()), (home_ / ".config/Ruliform").string());
    EXPECT_EQ(ProgramDataFolder(bin.string(), (home_ / "prefix/../prefix/bin/").string()),
              (home_ / ".config/Ruliform").string());
    EXPECT_EQ(ProgramDataFolder(bin.string(), "/usr/local/bin"), bin.string());
    EXPECT_EQ(ProgramDataFolder(bin.string(), ""), bin.string());
}

TEST_F(Yxfile, AReadOnlyProgramFoldersSettingsAndCountsComeAlongTheFirstTime) {
    const fs::path ro = home_ / "ro";
    fs::create_directory(ro);
    std::ofstream(ro / "Ruliform.ini") << "[Ruliform]\r\nZoom=2\r\n";
    std::ofstream(ro / "rulif.db3") << "the counts";
    UnprivilegedScope user(home_);
    fs::permissions(ro, fs::perms::owner_read | fs::perms::owner_exec);
    ScopedEnv home("HOME", home_.c_str());
    ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    const fs::path data = home_ / ".config/Ruliform";
    auto text = [](const fs::path& p) {
        std::ifstream in(p);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(ProgramDataFolder(ro.string()), data.string());
    EXPECT_EQ(text(data / "Ruliform.ini"), "[Ruliform]\r\nZoom=2\r\n");
    EXPECT_EQ(text(data / "rulif.db3"), "the counts");
    int files = 0;
    for (const auto& e : fs::directory_iterator(data))
        files += e.is_regular_file();
    EXPECT_EQ(files, 2) << "no temporary copy is left behind";
    // Later the configuration folder's own files are the user's: nothing is copied over them.
    std::ofstream(data / "Ruliform.ini") << "[Ruliform]\r\nZoom=4\r\n";
    fs::remove(data / "rulif.db3");
    EXPECT_EQ(ProgramDataFolder(ro.string()), data.string());
    EXPECT_EQ(text(data / "Ruliform.ini"), "[Ruliform]\r\nZoom=4\r\n");
    EXPECT_EQ(text(data / "rulif.db3"), "the counts") << "a file gone from it comes again";
    fs::permissions(ro, fs::perms::owner_all);
}

TEST_F(Yxfile, OnlyRegularFilesComeAlongFromAReadOnlyProgramFolder) {
    const fs::path ro = home_ / "ro";
    fs::create_directory(ro);
    ASSERT_EQ(::mkfifo((ro / "Ruliform.ini").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", ro / "rulif.db3");
    UnprivilegedScope user(home_);
    fs::permissions(ro, fs::perms::owner_read | fs::perms::owner_exec);
    ScopedEnv home("HOME", home_.c_str());
    ScopedEnv config("XDG_CONFIG_HOME", nullptr);
    const fs::path data = home_ / ".config/Ruliform";
    EXPECT_EQ(ProgramDataFolder(ro.string()), data.string()); // returns: the pipe is not waited for
    EXPECT_FALSE(fs::exists(data / "Ruliform.ini"));
    EXPECT_FALSE(fs::exists(data / "rulif.db3"));
    fs::permissions(ro, fs::perms::owner_all);
}

} // namespace
