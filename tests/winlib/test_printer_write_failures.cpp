// A PDF printer's document that cannot be written: a full disk (for real, on a small tmpfs), a
// folder without the right to write, a folder that is missing. The previous file stays as it
// was, no partial file remains, and the message names the file and the cause in Japanese.
#include "FullDisk.h"
#include "UnprivilegedScope.h"
#include "test_printer_util.h"
#include "winlib/Printers.h"
#include "winlib/SysUtils.h"
#include "winlib/qt/PdfPageBox.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sstream>

namespace {

using namespace printertest;

std::string Bytes(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Pages dense with lines, so that a few of them fill some hundred kilobytes.
void DrawDensePage(TPrinter& p, int page) {
    for (int i = 0; i < 1500; ++i) {
        p.Canvas()->MoveTo((i * 37 + page * 11) % 4800, (i * 53) % 6800);
        p.Canvas()->LineTo((i * 91 + page * 7) % 4800, (i * 29 + page) % 6800);
    }
}

class PdfWriteFailure : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(p.SetPrinterByName(PdfPrinterName));
        p.SetTitle("RuliformDocument");
    }
    // A whole one-page document at File, as a previous print left it.
    void PrintOnePage(const std::string& file) {
        p.SetOutputFileName(file);
        p.BeginDoc();
        p.Canvas()->MoveTo(100, 100);
        p.Canvas()->LineTo(1000, 1000);
        p.EndDoc();
        ASSERT_EQ(PdfInfo(file, "Pages"), "1");
    }
    // Prints Pages dense pages to the output file; the message of the EPrinter that ended the
    // job, empty when it printed.
    std::string TryToPrint(int pages) {
        try {
            p.BeginDoc();
            for (int page = 1; page <= pages; ++page) {
                if (page > 1) p.NewPage();
                DrawDensePage(p, page);
            }
            p.EndDoc();
        } catch (const EPrinter& e) {
            return e.Message;
        }
        return "";
    }
    ScratchDir dir;
    TPrinter p;
};

TEST_F(PdfWriteFailure, AFullDiskKeepsThePreviousFileAndSaysSo) {
    FullDisk disk(dir.Path() / "small", 192 * 1024);
    const std::string out = (disk.Folder() / "out.pdf").string();
    PrintOnePage(out);
    const std::string before = Bytes(out);
    disk.Fill();
    if (!disk.Tmpfs()) std::printf("not root: a file-size limit stands in for the full disk\n");

    const std::string message = TryToPrint(40);
    ASSERT_FALSE(message.empty()) << "40 dense pages fitted in 192 KiB";
    EXPECT_NE(message.find("PDFファイルを書き込めませんでした"), std::string::npos) << message;
    EXPECT_NE(message.find(out), std::string::npos) << message;
    EXPECT_NE(message.find(disk.CauseText()), std::string::npos) << message;
    EXPECT_NE(message.find("前のファイルはそのまま残っています"), std::string::npos) << message;
    EXPECT_FALSE(p.Printing());
    EXPECT_EQ(Bytes(out), before) << "the previous document is untouched";
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(disk.Folder()))
        names.push_back(e.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"out.pdf"}) << "no partial file is left";

    // Room again (a smaller job): the printer prints as before.
    EXPECT_EQ(TryToPrint(1), "");
    EXPECT_EQ(PdfInfo(out, "Pages"), "1");
    EXPECT_NE(Bytes(out), before);
}

TEST_F(PdfWriteFailure, AFolderWithoutTheRightToWriteKeepsThePreviousFile) {
    const std::string out = dir.File("out.pdf");
    PrintOnePage(out);
    const std::string before = Bytes(out);
    std::string message;
    {
        std::filesystem::permissions(dir.Path(),
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        UnprivilegedScope nobody(dir.Path());
        message = TryToPrint(2);
    }
    std::filesystem::permissions(dir.Path(), std::filesystem::perms::owner_all);
    EXPECT_NE(message.find(out), std::string::npos) << message;
    EXPECT_NE(message.find("書き込む権限がありません"), std::string::npos) << message;
    EXPECT_EQ(Bytes(out), before);
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"out.pdf"});
}

TEST_F(PdfWriteFailure, AMissingFolderIsNamedAsTheCause) {
    const std::string out = dir.File("gone/out.pdf");
    p.SetOutputFileName(out);
    const std::string message = TryToPrint(1);
    EXPECT_NE(message.find(out), std::string::npos) << message;
    EXPECT_NE(message.find("フォルダーがありません"), std::string::npos) << message;
    EXPECT_FALSE(p.Printing());
    EXPECT_TRUE(dir.Names().empty());
}

TEST_F(PdfWriteFailure, AFolderWhereTheFileShouldBeIsRefusedBeforeAnythingIsDrawn) {
    std::filesystem::create_directory(dir.File("taken.pdf"));
    p.SetOutputFileName(dir.File("taken.pdf"));
    try {
        p.BeginDoc();
        ADD_FAILURE() << "a folder was taken for the document";
    } catch (const EPrinter& e) {
        EXPECT_NE(e.Message.find("同じ名前のフォルダーがあります"), std::string::npos) << e.Message;
    }
    EXPECT_FALSE(p.Printing());
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("taken.pdf")));
}

// The page boxes are set in the file Qt wrote: a file cut short, or one without the boxes of a
// whole document, is not taken for a document.
TEST(PdfPageBoxes, AFileShorterThanTheBoxOrWithoutItIsRefused) {
    ScratchDir dir;
    const std::string file = dir.File("doc.pdf");
    auto boxesIn = [&](const std::string& text) {
        std::ofstream(file, std::ios::binary) << text;
        const int fd = ::open(file.c_str(), O_RDWR | O_CLOEXEC);
        const bool set = SetExactPageBoxes(fd, QSize(595, 842), QSizeF(595.276, 841.89));
        ::close(fd);
        return set;
    };
    EXPECT_FALSE(boxesIn(""));
    EXPECT_FALSE(boxesIn("%PDF-1.4\n"));
    EXPECT_FALSE(boxesIn(std::string(4000, ' ')));
    EXPECT_TRUE(boxesIn("%PDF-1.4\n/MediaBox [0 0 595.000000 842.000000]\n%%EOF\n"));
    EXPECT_NE(Bytes(file).find("/MediaBox [0 .11 595.276 842]"), std::string::npos) << Bytes(file);
    EXPECT_EQ(Bytes(file).size(),
              std::string("%PDF-1.4\n/MediaBox [0 0 595.000000 842.000000]\n%%EOF\n").size());
}

} // namespace
