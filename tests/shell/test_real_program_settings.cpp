// The real program, started with prepared settings files and ended as a desktop ends it: it must
// start, answer the end signal like its close button, and leave a settings file that starts it
// again.
#include "Cp932FileText.h"
#include "RealProgram.h"
#include "winlib/JpegFixtures.h"

#include "winlib/SysUtils.h"

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// A 2 x 2 Windows bitmap, 24 bits a pixel.
void WritePicture(const fs::path& p) {
    std::string b = "BM";
    auto u32 = [&](uint32_t v) {
        for (int k = 0; k < 4; ++k)
            b += static_cast<char>((v >> (8 * k)) & 0xFF);
    };
    auto u16 = [&](uint16_t v) {
        b += static_cast<char>(v & 0xFF);
        b += static_cast<char>(v >> 8);
    };
    u32(70), u32(0), u32(54), u32(40), u32(2), u32(2), u16(1), u16(24), u32(0), u32(16), u32(2835), u32(2835),
        u32(0), u32(0);
    for (int row = 0; row < 2; ++row)
        b += std::string("\x10\x20\x30\x40\x50\x60\0\0", 8);
    std::ofstream(p, std::ios::binary) << b;
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
            ADD_FAILURE() << "ended before it stood:\n" << Cp932FileText(program.Path("output.log"));
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
        const std::string text = Cp932FileText(program.Path("Ruliform.ini"));
        EXPECT_NE(text.find("Zoom=2\n"), std::string::npos) << text;
        EXPECT_NE(text.find("[円弧]\n"), std::string::npos) << "every key is written";
        EXPECT_NE(text.find("[Other]\nx=1\n"), std::string::npos);
    }
}

TEST_F(RealProgramTest, HostileSettingsFilesStartTheProgramAndItsOwnFileStartsItAgain) {
    struct Case {
        const char* what;
        std::string ini;
        const char* key; // a key the exit writes, its value proving it was brought into range
        int most;
    } cases[] = {
        {"the largest window", "[Ruliform]\nWidth=2147483647\nHeight=2147483647\n", "Width", 4096},
        {"a picture wider than any int of pixels", "[Ruliform]\nBGImage=%PIC%\nBGWidth=9999999999\n",
         "BGWidth", 10 * 420},
        {"a mark and a page number taller than any paper",
         "[Mark]\nPos=1\nSize=100000\n[ページ番号]\nEnabled=1\nFontSize=100000\n", "FontSize", 420},
        {"the menu bar out of reach",
         "[Ruliform]\nMenuBar_Left=100000\nZoomBar_Visible=0\nPrintBar_Visible=0\n", "MenuBar_Left", 800},
    };
    int n = 0;
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        RealProgram program(folder_ / std::to_string(n++));
        WritePicture(program.Path("picture.bmp"));
        for (size_t at; (at = c.ini.find("%PIC%")) != std::string::npos;)
            c.ini.replace(at, 5, program.Path("picture.bmp").string());
        std::ofstream(program.Path("Ruliform.ini"), std::ios::binary) << Utf8ToCp932(c.ini);
        for (const char* run : {"with the prepared file", "with the file it wrote"}) {
            SCOPED_TRACE(run);
            const int status = Run(program);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
                << "status " << status << "\n"
                << Cp932FileText(program.Path("output.log"));
        }
        const std::string text = Cp932FileText(program.Path("Ruliform.ini"));
        const size_t at = text.find("\n" + std::string(c.key) + "=");
        ASSERT_NE(at, std::string::npos) << text;
        EXPECT_LE(std::atof(text.c_str() + at + std::strlen(c.key) + 2), c.most) << text;
    }
}

// A cut JPEG file stored as the background picture: the program refuses the picture, starts,
// closes normally and keeps the stored name, whichever way it was cut.
TEST_F(RealProgramTest, ACutJpegStoredAsTheBackgroundPictureStartsAndClosesTheProgram) {
    const std::vector<uint8_t> baseline = jpegfixture::Detailed(64, 48, false);
    const std::vector<uint8_t> progressive = jpegfixture::Detailed(64, 48, true);
    const std::vector<jpegfixture::Scan> scans = jpegfixture::Scans(progressive);
    ASSERT_GE(scans.size(), 3u);
    const struct {
        const char* what;
        std::vector<uint8_t> file;
    } cases[] = {
        {"baseline lacking its end marker", jpegfixture::Cut(baseline, baseline.size() - 2)},
        {"baseline cut inside its scan", jpegfixture::Cut(baseline, baseline.size() / 2)},
        {"progressive lacking its end marker", jpegfixture::Cut(progressive, progressive.size() - 2)},
        {"progressive cut between two scans", jpegfixture::Cut(progressive, scans[1].end)},
        {"progressive cut inside a scan", jpegfixture::Cut(progressive, (scans[1].data + scans[1].end) / 2)},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RealProgram program(folder_ / std::to_string(n++));
        const std::string picture = program.Path("picture.jpg").string();
        std::ofstream(picture, std::ios::binary)
            .write(reinterpret_cast<const char*>(c.file.data()), static_cast<std::streamsize>(c.file.size()));
        std::ofstream(program.Path("Ruliform.ini"), std::ios::binary)
            << "[Ruliform]\r\nBGImage=" << picture << "\r\nBGRoted=1\r\n";
        const int status = Run(program);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << "status " << status << "\n"
            << Cp932FileText(program.Path("output.log"));
        const std::string text = Cp932FileText(program.Path("Ruliform.ini"));
        EXPECT_NE(text.find("\nBGImage=" + picture + "\n"), std::string::npos) << text;
    }
}

} // namespace
