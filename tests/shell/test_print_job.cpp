// The print command on the built-in PDF printer: pages, counting, the printer question, errors.
#include "CursorWatch.h"
#include "FullDisk.h"
#include "MainWindowFixture.h"
#include "PrintCounts.h"
#include "EventWait.h"
#include "winlib/widgetset/WSDialogs.h"
#include "winlib/test_printer_util.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {
// pdfinfo's "Pages:" line, or -1 when the file is missing or unreadable.
int PdfPageCount(const std::filesystem::path& pdf) {
    if (!std::filesystem::exists(pdf)) return -1;
    const std::string cmd = "pdfinfo '" + pdf.string() + "' 2>/dev/null";
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return -1;
    char line[512];
    int pages = -1;
    while (fgets(line, sizeof line, p))
        if (std::sscanf(line, "Pages: %d", &pages) == 1) break;
    pclose(p);
    return pages;
}

} // namespace

TEST_F(MainWindowTest, PrintsTheRequestedSheetsAndCountsThem) {
    f->Edit2->SetText("3");
    ScriptDialogAnswer(PrintTo(Path("three.pdf")));
    f->PrintOutExecute(f->PrintOut);
    EXPECT_EQ(PdfPageCount(Path("three.pdf")), 3);
    EXPECT_EQ(f->ReadPrintCount(0), 3);
}

TEST_F(MainWindowTest, BlankSheetsAreNotCounted) {
    f->Edit2->SetText("2");
    f->CheckBlank->SetChecked(true);
    ScriptDialogAnswer(PrintTo(Path("blank.pdf")));
    f->PrintOutExecute(f->PrintOut);
    EXPECT_EQ(PdfPageCount(Path("blank.pdf")), 2);
    EXPECT_EQ(f->ReadPrintCount(0), 0);
}

TEST_F(MainWindowTest, ACountOfZeroGivesOneEmptySheet) {
    f->Edit2->SetText("0");
    ScriptDialogAnswer(PrintTo(Path("zero.pdf")));
    f->PrintOutExecute(f->PrintOut);
    EXPECT_EQ(PdfPageCount(Path("zero.pdf")), 1);
    EXPECT_EQ(f->ReadPrintCount(0), 0);
}

TEST_F(MainWindowTest, CancelPrintsNothing) {
    DialogAnswer a = PrintTo(Path("cancel.pdf"));
    a.Ok = false;
    ScriptDialogAnswer(a);
    f->PrintOutExecute(f->PrintOut);
    EXPECT_FALSE(std::filesystem::exists(Path("cancel.pdf")));
}

TEST_F(MainWindowTest, AChangedPrinterIsQuestionedAndNoCancels) {
    // The settings were made for another printer; the dialog's own refreshes would forget that,
    // so they are kept out of this test.
    f->PrintDialog1->OnShow = nullptr;
    f->PrintDialog1->OnClose = nullptr;
    f->EditPrinterIndex = Printer()->PrinterIndex() + 1;
    ScriptDialogAnswer(PrintTo(Path("changed.pdf")));
    DialogAnswer no;
    no.Kind = DialogKind::MessageBox;
    no.Button = IDNO;
    ScriptDialogAnswer(no);
    f->PrintOutExecute(f->PrintOut);
    EXPECT_FALSE(std::filesystem::exists(Path("changed.pdf")));
    EXPECT_EQ(ScriptedAnswerCount(), 0);
    ASSERT_FALSE(ShownMessages().empty());
    const ShownMessage& box = ShownMessages().back();
    EXPECT_EQ(box.Kind, ShownMessageKind::MessageBox);
    EXPECT_EQ(
        box.Text,
        "編集時のプリンターではありません\n設定と異なる物が印刷されるかもしれません\n処理を続行しますか？");
    EXPECT_EQ(box.Caption, "Ruliform - Printerエラー");

    f->EditPrinterIndex = Printer()->PrinterIndex() + 1;
    ScriptDialogAnswer(PrintTo(Path("yes.pdf")));
    DialogAnswer yes = no;
    yes.Button = IDYES;
    ScriptDialogAnswer(yes);
    f->PrintOutExecute(f->PrintOut);
    EXPECT_EQ(PdfPageCount(Path("yes.pdf")), 1);
    EXPECT_EQ(f->EditPrinterIndex, Printer()->PrinterIndex());
}

TEST_F(MainWindowTest, ABadPageCountDropsTheJobThatHadBegun) {
    f->Edit2->SetText("x");
    ScriptDialogAnswer(PrintTo(Path("bad.pdf")));
    EXPECT_THROW(f->PrintOutExecute(f->PrintOut), EConvertError);
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_FALSE(std::filesystem::exists(Path("bad.pdf"))) << "no half-written document remains";
}

TEST_F(MainWindowTest, ABadMarginEndsTheCommandBeforeTheJob) {
    ScriptDialogAnswer(PrintTo(Path("margin.pdf")));
    f->PrintDialog1->OnShow = nullptr; // keep the text as it is: the refresh would repair it
    f->PrintDialog1->OnClose = nullptr;
    f->eSpaceL->OnChange = nullptr;
    f->eSpaceL->SetText("abc");
    // The refresh reads the margin boxes without a guard and stops there.
    EXPECT_THROW(f->PrintOutExecute(f->PrintOut), EConvertError);
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_FALSE(std::filesystem::exists(Path("margin.pdf")));
}

TEST_F(MainWindowTest, AMarginWiderThanTheSheetIsRefusedAndTheSheetPrints) {
    const AnsiString minimum = f->eSpaceT->Text();
    f->eSpaceT->UserSetText("1e12");
    EXPECT_EQ(f->eSpaceT->Text(), minimum);
    ScriptDialogAnswer(PrintTo(Path("sheet.pdf")));
    f->PrintOutExecute(f->PrintOut);
    EXPECT_EQ(PdfPageCount(Path("sheet.pdf")), 1);
    EXPECT_TRUE(ShownMessages().empty());
}

// The busy cursor stays over the window while the sheets are drawn and handed on, and goes when
// the job ends, however it ends.
TEST_F(MainWindowTest, AJobShowsTheBusyCursorUntilItEndsWhateverTheEnd) {
    struct Case {
        const char* what;
        const char* pages;
        bool prints;
    };
    for (const Case& c :
         {Case{"a long job", "100", true}, Case{"a page count that fails in the job", "x", false}}) {
        SCOPED_TRACE(c.what);
        f->Edit2->SetText(c.pages);
        ScriptDialogAnswer(PrintTo(Path("busy.pdf")));
        CursorWatch watch;
        if (c.prints) {
            f->PrintOutExecute(f->PrintOut);
            EXPECT_TRUE(watch.Stop()) << "no busy cursor while the sheets were drawn";
            EXPECT_EQ(PdfPageCount(Path("busy.pdf")), 100);
        } else {
            EXPECT_THROW(f->PrintOutExecute(f->PrintOut), EConvertError);
        }
        EXPECT_EQ(Screen->Cursor(), crDefault);
    }
}

TEST_F(MainWindowTest, AJobThatCannotBeWrittenIsReportedAndCountsNothing) {
    // A folder where the document should go: the sheets are drawn, the file cannot take them.
    std::filesystem::create_directory(Path("taken.pdf"));
    f->Edit2->SetText("3");
    ScriptDialogAnswer(PrintTo(Path("taken.pdf")));
    EXPECT_THROW(f->PrintOutExecute(f->PrintOut), EPrinter);
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_EQ(f->ReadPrintCount(0), 0) << "sheets that never came out are not counted";
    EXPECT_TRUE(std::filesystem::is_directory(Path("taken.pdf")));
}

namespace {
std::string FileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The text of the last exception box, empty when none was shown.
std::string LastErrorBox() {
    for (auto m = ShownMessages().rbegin(); m != ShownMessages().rend(); ++m)
        if (m->Kind == ShownMessageKind::Exception) return m->Text;
    return "";
}
} // namespace

TEST_F(MainWindowTest, AFullDiskKeepsThePreviousDocumentCountsNothingAndSaysWhy) {
    FullDisk disk(Path("small"), 128 * 1024);
    const std::filesystem::path out = disk.Folder() / "out.pdf";
    ScriptDialogAnswer(PrintTo(out));
    f->Print1->Click();
    ASSERT_EQ(PdfPageCount(out), 1);
    ASSERT_EQ(f->ReadPrintCount(0), 1);
    const std::string before = FileBytes(out);
    disk.Fill();
    if (!disk.Tmpfs()) std::printf("not root: a file-size limit stands in for the full disk\n");

    // Far more sheets than the disk holds, printed from the menu as a user does.
    f->Edit2->SetText("200");
    ScriptDialogAnswer(PrintTo(out));
    f->Print1->Click();
    const std::string box = LastErrorBox();
    EXPECT_NE(box.find("PDFファイルを書き込めませんでした"), std::string::npos) << box;
    EXPECT_NE(box.find(out.string()), std::string::npos) << box;
    EXPECT_NE(box.find(disk.CauseText()), std::string::npos) << box;
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_EQ(FileBytes(out), before) << "the previous document stays whole";
    EXPECT_EQ(f->ReadPrintCount(0), 1) << "nothing of the failed job is counted";
    size_t files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(disk.Folder()))
        ++files;
    EXPECT_EQ(files, 1u) << "no partial document is left";
}

TEST_F(MainWindowTest, WhiteStripsHideTheBackgroundPictureInTheMargins) {
    // A black picture over the whole sheet, under margins of 12, 10, 15 and 20 mm (top, left,
    // right, bottom); only the content rectangle and 0.1 mm round it keep the picture.
    f->eSpaceT->SetText("12");
    f->eSpaceL->SetText("10");
    f->eSpaceR->SetText("15");
    f->eSpaceB->SetText("20");
    f->CheckBlank->SetChecked(true);
    f->BGImageCheckBox1->SetChecked(false);
    f->BGBitmap->SetSize(4, 4);
    f->BGBitmap->FillBMP(0, 0, 0);
    f->BGImage = "black.png";
    f->BGAlpha = 255;
    f->BGLeft = -10; // from the content corner back to the paper's
    f->BGTop = -12;
    f->BGWidth = 210;
    f->BGHeight = 297;
    ScriptDialogAnswer(PrintTo(Path("strips.pdf")));
    f->PrintOutExecute(f->PrintOut);

    // Expected from the paper's edge, at the document's 600 dpi: a strip is the margin less
    // 0.1 mm, each truncated to whole pixels; the top and left strips end one pixel
    // before it, the right and bottom ones begin one pixel after it.
    const double k = 600 / 25.4;
    auto strip = [&](double mm) { return std::trunc(std::trunc(mm * k) - 0.1 * k); };
    const double paperW = std::trunc(210 * k), paperH = std::trunc(297 * k);
    const std::string pdf = Path("strips.pdf").string();
    const auto across =
        printertest::LinesAcross(pdf, 1, 600, true, static_cast<int>(150 * k), static_cast<int>(210 * k) + 1);
    const auto down = printertest::LinesAcross(pdf, 1, 600, false, static_cast<int>(100 * k),
                                               static_cast<int>(297 * k) + 1);
    ASSERT_EQ(across.size(), 1u);
    ASSERT_EQ(down.size(), 1u);
    // Within one pixel: the program's scale is the page's whole pixels over its millimetres.
    EXPECT_NEAR(across[0].start, strip(10) - 1, 1.0);
    EXPECT_NEAR(across[0].end, paperW - strip(15) + 1, 1.0);
    EXPECT_NEAR(down[0].start, strip(12) - 1, 1.0);
    EXPECT_NEAR(down[0].end, paperH - strip(20) + 1, 1.0);

    // Ignoring the margins leaves the whole picture.
    f->BGImageCheckBox1->SetChecked(true);
    f->BGLeft = f->BGTop = 0;
    ScriptDialogAnswer(PrintTo(Path("whole.pdf")));
    f->PrintOutExecute(f->PrintOut);
    const auto whole = printertest::LinesAcross(Path("whole.pdf").string(), 1, 600, true,
                                                static_cast<int>(150 * k), static_cast<int>(210 * k) + 1);
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_NEAR(whole[0].start, 0, 1.0);
    EXPECT_NEAR(whole[0].end, 210 * k, 1.0);
}

TEST_F(MainWindowTest, WhatWaitsToRunWhenAJobStartsRunsOnlyOnceTheJobIsOver) {
    // The job lets waiting events through between its sheets; a call waiting in the message loop
    // (here one that would change the sheet count and print again) must not run inside it.
    bool ran = false, ranWhilePrinting = false;
    ws::CallLater([&] {
        ran = true;
        ranWhilePrinting = f->PrinterRef->Printing();
        f->Edit2->SetText("7");
    });
    f->Edit2->SetText("3");
    ScriptDialogAnswer(PrintTo(Path("held.pdf")));
    f->PrintOutExecute(f->PrintOut);
    EXPECT_FALSE(ran) << "it ran inside the job";
    EXPECT_EQ(PdfPageCount(Path("held.pdf")), 3);
    EXPECT_EQ(f->ReadPrintCount(0), 3);
    EXPECT_TRUE(eventwait::Until([&] { return ran; })) << "it never ran";
    EXPECT_FALSE(ranWhilePrinting);
}
