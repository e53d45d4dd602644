// Printing through CUPS: our printer object on a private cups-pdf queue.
#include "private_cups.h"
#include "winlib/DialogScript.h"
#include "winlib/PrintDialogs.h"
#include "winlib/SysUtils.h"
#include "winlib/test_printer_util.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <thread>

namespace {

using namespace printertest;

std::set<std::string> OutputFiles() {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(TheCups().outDir))
        if (e.path().extension() == ".pdf") names.insert(e.path().string());
    return names;
}

bool QueueIdle() {
    return RunCommand("lpstat -W not-completed -o " + Quote(TheCups().queue)).empty();
}

// Waits until the queue is idle and a document not in Before has appeared; empty on time-out.
std::string WaitForNewDocument(const std::set<std::string>& before, int seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < end) {
        if (QueueIdle()) {
            for (const std::string& f : OutputFiles())
                if (!before.count(f)) return f;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    return "";
}

class CupsPrinter : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!TheCups().Running()) GTEST_SKIP() << "no private CUPS server: " << TheCups().skipReason;
    }
};

TEST_F(CupsPrinter, TheQueueComesBeforeThePdfPrinterAndIsCurrentAsDefault) {
    TPrinter p;
    ASSERT_EQ(p.Printers().Count(), 2);
    EXPECT_EQ(p.Printers()[0], TheCups().queue);
    EXPECT_EQ(p.Printers()[1], PdfPrinterName);
    EXPECT_EQ(p.PrinterIndex(), 0);
    EXPECT_FALSE(p.IsPdfPrinter());
    // The cups-pdf PPD: A4 by default, printable to the edges.
    EXPECT_EQ(p.PaperName(), "A4");
    EXPECT_EQ(p.GetDeviceCaps(HORZSIZE), 210);
    EXPECT_EQ(p.GetDeviceCaps(VERTSIZE), 297);
    EXPECT_EQ(p.GetDeviceCaps(LOGPIXELSX), p.Resolution());
    EXPECT_EQ(p.GetDeviceCaps(PHYSICALWIDTH), p.PageWidth() + 2 * p.GetDeviceCaps(PHYSICALOFFSETX));
    EXPECT_NEAR(p.PageWidth() / (p.Resolution() / 25.4), 210, 0.5);
}

TEST_F(CupsPrinter, PrintsTwoPagesToTheQueue) {
    TPrinter p;
    ASSERT_FALSE(p.IsPdfPrinter());
    const int res = p.Resolution();
    p.SetTitle("RuliformDocument");
    p.Canvas()->Pen()->SetWidth(res / 100);
    const auto before = OutputFiles();
    p.BeginDoc();
    p.Canvas()->MoveTo(2 * res, res); // 2 inches from the printable left edge
    p.Canvas()->LineTo(2 * res, 5 * res);
    p.NewPage();
    EXPECT_EQ(p.PageNumber(), 2);
    p.Canvas()->MoveTo(3 * res, res);
    p.Canvas()->LineTo(3 * res, 5 * res);
    p.EndDoc();
    const std::string pdf = WaitForNewDocument(before, 90);
    ASSERT_FALSE(pdf.empty()) << "cups-pdf wrote nothing; see " << TheCups().dir << "/log";
    EXPECT_EQ(PdfInfo(pdf, "Pages"), "2");
    EXPECT_NE(PdfInfo(pdf, "Title").find("RuliformDocument"), std::string::npos) << PdfInfo(pdf, "Title");
    EXPECT_NE(PdfInfo(pdf, "Page size").find("595 x 842"), std::string::npos) << PdfInfo(pdf, "Page size");
    // True size through the whole chain: 2 and 3 inches are 200 and 300 pixels at 100 dpi.
    const double offsetInch = static_cast<double>(p.GetDeviceCaps(PHYSICALOFFSETX)) / res;
    for (int page : {1, 2}) {
        SCOPED_TRACE(page);
        const GreyImage img = RenderPage(pdf, page, 100);
        ASSERT_GT(img.height, 300);
        int first = -1, last = -1;
        for (int x = 0; x < img.width; ++x) {
            if (img.At(x, 300) < 128) {
                if (first < 0) first = x;
                last = x;
            }
        }
        ASSERT_GE(first, 0) << "no line on the page";
        EXPECT_NEAR((first + last) / 2.0, 100 * (page + 1 + offsetInch), 1.5);
    }
}

TEST_F(CupsPrinter, AnAbortedJobPrintsNothing) {
    TPrinter p;
    ASSERT_FALSE(p.IsPdfPrinter());
    p.SetTitle("RuliformDocument");
    const auto before = OutputFiles();
    p.BeginDoc();
    p.Canvas()->MoveTo(0, 0);
    p.Canvas()->LineTo(1000, 1000);
    p.NewPage();
    p.Abort();
    EXPECT_TRUE(p.Aborted());
    EXPECT_FALSE(p.Printing());
    // A job would be out within a second or two.
    EXPECT_EQ(WaitForNewDocument(before, 8), "");
    EXPECT_TRUE(QueueIdle());
    // The printer prints normally afterwards.
    p.BeginDoc();
    p.EndDoc();
    const std::string pdf = WaitForNewDocument(before, 90);
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(PdfInfo(pdf, "Pages"), "1");
}

TEST_F(CupsPrinter, PrintDialogClosesBeforeTheChosenPrinterApplies) {
    TPrinter p;
    TPrintDialog dialog;
    dialog.SetPrinterObject(&p);
    int indexAtClose = -1;
    dialog.OnClose = [&](TObject*) { indexAtClose = p.PrinterIndex(); };
    DialogAnswer a;
    a.Kind = DialogKind::Print;
    a.PrinterName = PdfPrinterName;
    ScratchDir dir;
    a.FileName = dir.File("chosen.pdf");
    ScriptDialogAnswer(a);
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(indexAtClose, 0);
    EXPECT_EQ(p.PrinterIndex(), 1);
    EXPECT_TRUE(p.IsPdfPrinter());
    p.BeginDoc();
    p.EndDoc();
    EXPECT_EQ(PdfInfo(dir.File("chosen.pdf"), "Pages"), "1");
}

TEST_F(CupsPrinter, SetupDialogChangesPaperOnTheQueueAndPickingItAgainRestoresDefaults) {
    TPrinter p;
    TPrinterSetupDialog setup;
    setup.SetPrinterObject(&p);
    DialogAnswer a;
    a.Kind = DialogKind::PrinterSetup;
    a.PaperName = "A3";
    a.Orientation = poLandscape;
    ScriptDialogAnswer(a);
    ASSERT_TRUE(setup.Execute());
    EXPECT_EQ(p.PaperName(), "A3");
    EXPECT_EQ(p.GetDeviceCaps(HORZSIZE), 420);
    EXPECT_EQ(p.GetDeviceCaps(VERTSIZE), 297);
    ASSERT_TRUE(p.SetPrinterByName(TheCups().queue));
    EXPECT_EQ(p.PaperName(), "A4");
    EXPECT_EQ(p.Orientation(), poPortrait);
}

} // namespace
