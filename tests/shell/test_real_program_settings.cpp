// The real program, started with prepared settings files and ended as a desktop ends it: it must
// start, answer the end signal like its close button, and leave a settings file that starts it
// again.
#include "RealProgram.h"

#include "winlib/SysUtils.h"

#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    std::string out;
    for (char c : Cp932ToUtf8(ss.str()))
        if (c != '\r') out += c;
    return out;
}

class RealProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() / ("ruliform-process-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // One run: start, wait until it stands, end it with sig; the exit status, or -1 when it hung.
    int Run(RealProgram& program, int sig = SIGTERM) {
        program.Start();
        if (!program.WaitUntilStarted()) {
            ADD_FAILURE() << "ended before it stood:\n" << ReadText(program.Path("output.log"));
            return -1;
        }
        program.Signal(sig);
        const std::optional<int> status = program.WaitForExit();
        if (!status) {
            ADD_FAILURE() << "did not end after the signal";
            return -1;
        }
        return *status;
    }

    fs::path folder_;
};

TEST_F(RealProgramTest, EndSignalsCloseTheProgramAsItsCloseButtonDoesAndTheSettingsAreWritten) {
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(strsignal(sig));
        RealProgram program(folder_ / strsignal(sig));
        std::ofstream(program.Path("Ruliform.ini"), std::ios::binary)
            << "[Ruliform]\r\nZoom=2\r\n[Other]\r\nx=1\r\n";
        const int status = Run(program, sig);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        const std::string text = ReadText(program.Path("Ruliform.ini"));
        EXPECT_NE(text.find("Zoom=2\n"), std::string::npos) << text;
        EXPECT_NE(text.find("[円弧]\n"), std::string::npos) << "every key is written";
        EXPECT_NE(text.find("[Other]\nx=1\n"), std::string::npos);
    }
}

} // namespace
