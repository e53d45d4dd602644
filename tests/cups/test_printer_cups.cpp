// Printing through CUPS: our printer object on a private cups-pdf queue.
#include "cups_jobs.h"
#include "private_cups.h"
#include "winlib/DialogScript.h"
#include "winlib/PrintDialogs.h"
#include "winlib/SysUtils.h"
#include "winlib/test_printer_util.h"

#include <gtest/gtest.h>

namespace {

using namespace printertest;
using namespace cupsjobs;

class CupsPrinter : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!TheCups().Running()) GTEST_SKIP() << "no private CUPS server: " << TheCups().skipReason;
    }
};

TEST_F(CupsPrinter, TheQueuesComeBeforeThePdfPrinterAndTheDefaultIsCurrent) {
    TPrinter p;
    ASSERT_EQ(p.Printers().Count(), 5);
    EXPECT_GE(p.Printers().IndexOf(TheCups().queue), 0);
    EXPECT_GE(p.Printers().IndexOf(TheCups().marginsQueue), 0);
    EXPECT_GE(p.Printers().IndexOf(TheCups().wideMarginsQueue), 0);
    EXPECT_GE(p.Printers().IndexOf(TheCups().spareQueue), 0);
    EXPECT_EQ(p.Printers()[p.Printers().Count() - 1], PdfPrinterName);
    EXPECT_EQ(p.Printers()[p.PrinterIndex()], TheCups().queue);
    EXPECT_FALSE(p.IsPdfPrinter());
}

struct QueueGeometry {
    std::string queue;
    int borderPt; // unprintable border on every side of A4
};

std::vector<QueueGeometry> Queues() {
    return {{TheCups().queue, 0}, {TheCups().marginsQueue, 12}};
}

TEST_F(CupsPrinter, GeometryFollowsThePrintableAreaOfTheQueue) {
    for (const QueueGeometry& q : Queues()) {
        SCOPED_TRACE(q.queue);
        TPrinter p;
        ASSERT_TRUE(p.SetPrinterByName(q.queue));
        EXPECT_EQ(p.PaperName(), "A4");
        const int res = p.Resolution();
        EXPECT_EQ(p.GetDeviceCaps(LOGPIXELSX), res);
        const int border = q.borderPt * res / 72;
        EXPECT_EQ(p.GetDeviceCaps(PHYSICALOFFSETX), border);
        EXPECT_EQ(p.GetDeviceCaps(PHYSICALOFFSETY), border);
        EXPECT_EQ(p.GetDeviceCaps(PHYSICALWIDTH), p.PageWidth() + 2 * border);
        EXPECT_EQ(p.GetDeviceCaps(PHYSICALHEIGHT), p.PageHeight() + 2 * border);
        EXPECT_NEAR(p.GetDeviceCaps(PHYSICALWIDTH), 595.0 * res / 72, 1);
        // The queue's A4 pages are the 595 x 842 points of the document Qt sends it.
        const double borderMm = q.borderPt * 25.4 / 72;
        EXPECT_EQ(p.GetDeviceCaps(HORZSIZE), static_cast<int>(595 * 25.4 / 72 - 2 * borderMm));
        EXPECT_EQ(p.GetDeviceCaps(VERTSIZE), static_cast<int>(842 * 25.4 / 72 - 2 * borderMm));
    }
}

TEST_F(CupsPrinter, PrintsTwoPagesToEachQueueAtTrueSizeFromThePrintableCorner) {
    for (const QueueGeometry& q : Queues()) {
        SCOPED_TRACE(q.queue);
        TPrinter p;
        ASSERT_TRUE(p.SetPrinterByName(q.queue));
        const int res = p.Resolution();
        p.SetTitle("RuliformDocument");
        p.Canvas()->Pen()->SetWidth(res / 100);
        const auto before = OutputFiles();
        p.BeginDoc();
        p.Canvas()->MoveTo(2 * res, res); // 2 inches from the printable left edge
        p.Canvas()->LineTo(2 * res, 5 * res);
        p.Canvas()->MoveTo(-res, 3 * res); // clipped to the printable area
        p.Canvas()->LineTo(0, 3 * res);
        p.NewPage();
        EXPECT_EQ(p.PageNumber(), 2);
        p.Canvas()->MoveTo(3 * res, res);
        p.Canvas()->LineTo(3 * res, 5 * res);
        p.EndDoc();
        const std::string pdf = WaitForNewDocument(before, 300, q.queue);
        ASSERT_FALSE(pdf.empty()) << "cups-pdf wrote nothing; see " << TheCups().dir << "/log";
        EXPECT_EQ(PdfInfo(pdf, "Pages"), "2");
        EXPECT_NE(PdfInfo(pdf, "Title").find("RuliformDocument"), std::string::npos) << PdfInfo(pdf, "Title");
        EXPECT_NE(PdfInfo(pdf, "Page size").find("595 x 842"), std::string::npos)
            << PdfInfo(pdf, "Page size");
        // 2 and 3 inches from the printable corner, which is the border away from the paper's.
        const double borderInch = q.borderPt / 72.0;
        for (int page : {1, 2}) {
            SCOPED_TRACE(page);
            const GreyImage img = RenderPage(pdf, page, 100);
            ASSERT_GT(img.height, 300);
            int first = -1, last = -1;
            for (int x = 0; x < img.width; ++x) {
                if (img.At(x, 200) < 128) {
                    if (first < 0) first = x;
                    last = x;
                }
            }
            ASSERT_GE(first, 0) << "no line on the page";
            EXPECT_NEAR((first + last) / 2.0, 100 * (page + 1 + borderInch), 1.5);
            if (page == 1) {
                // The clipped line at 3 inches down would show in the border left of the
                // printable area.
                const int row = static_cast<int>(100 * (3 + borderInch));
                int dark = 0;
                for (int x = 0; x < 100 * borderInch - 1; ++x)
                    dark += img.At(x, row) < 128;
                EXPECT_EQ(dark, 0);
            }
        }
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
    // The printer prints normally afterwards; the queue takes jobs in order, so once this one is
    // out, an aborted job that had reached it would be out too.
    p.BeginDoc();
    p.EndDoc();
    const std::string pdf = WaitForNewDocument(before, 300);
    ASSERT_FALSE(pdf.empty());
    EXPECT_EQ(PdfInfo(pdf, "Pages"), "1");
    EXPECT_EQ(OutputFiles().size(), before.size() + 1) << "the aborted job was printed";
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
    const int start = p.PrinterIndex();
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(indexAtClose, start);
    EXPECT_EQ(p.PrinterIndex(), p.Printers().IndexOf(PdfPrinterName));
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
    a.PrinterName = TheCups().queue;
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
