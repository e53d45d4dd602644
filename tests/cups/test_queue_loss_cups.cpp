// No print lost or misdirected: a queue removed while the program runs, a queue that refuses
// jobs, and the papers a queue offers, on the private CUPS server's spare queue.
#include "CupsQueueAdmin.h"
#include "CupsWindowFixture.h"
#include "winlib/PrintDialogs.h"
#include "winlib/SysUtils.h"

#include <algorithm>
#include <set>

namespace {

using cupsadmin::Admin;
using cupsadmin::JobsEverSent;
using cupsadmin::LastErrorBox;
using printertest::Quote;

class CupsQueueLoss : public CupsMainWindow {
  protected:
    void SetUp() override {
        CupsMainWindow::SetUp();
        if (IsSkipped()) return;
        spare = TheCups().spareQueue;
    }
    void TearDown() override {
        CupsMainWindow::TearDown();
        if (!TheCups().Running()) return;
        // The spare queue back as it was, for the tests after this one.
        cupsadmin::RestoreSpareQueue();
        EXPECT_TRUE(Admin("cupsaccept " + Quote(spare)));
    }
    std::string spare;
};

TEST_F(CupsQueueLoss, PickingAQueueThatWasRemovedSaysSoAndKeepsThePrinter) {
    const int before = Printer()->PrinterIndex();
    const int width = f->PreViewBox->Width();
    ASSERT_TRUE(Admin("lpadmin -x " + Quote(spare)));
    PickFromTheMenu(spare);
    EXPECT_NE(LastErrorBox().find("プリンター「" + spare + "」が見つかりません"), std::string::npos)
        << LastErrorBox();
    EXPECT_EQ(Printer()->PrinterIndex(), before);
    EXPECT_EQ(f->EditPrinterIndex, before);
    EXPECT_EQ(f->PreViewBox->Width(), width);
    // The printer that stayed still prints.
    const std::string pdf = PrintOn(TheCups().queue);
    EXPECT_FALSE(pdf.empty());
    EXPECT_EQ(f->ReadPrintCount(0), 1);
}

TEST_F(CupsQueueLoss, PrintingToTheQueueAfterItWasRemovedSendsNothingAndCountsNothing) {
    PickFromTheMenu(spare);
    ASSERT_EQ(Printer()->Printers()[Printer()->PrinterIndex()], spare);
    ASSERT_TRUE(Admin("lpadmin -x " + Quote(spare)));
    const size_t jobs = JobsEverSent();
    f->Edit2->SetText("2");
    try {
        PrintOn(spare, 0);
        ADD_FAILURE() << "the print command did not report the lost queue";
    } catch (const EPrinter& e) {
        EXPECT_NE(e.Message.find("プリンター「" + spare + "」が見つかりません"), std::string::npos)
            << e.Message;
    }
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_EQ(JobsEverSent(), jobs);
    EXPECT_EQ(f->ReadPrintCount(0), 0);
}

TEST_F(CupsQueueLoss, AJobTheQueueRefusesIsReportedAndNotCounted) {
    PickFromTheMenu(spare);
    ASSERT_TRUE(Admin("cupsreject " + Quote(spare)));
    const size_t jobs = JobsEverSent();
    f->Edit2->SetText("3");
    try {
        PrintOn(spare, 0);
        ADD_FAILURE() << "the print command did not report the refused job";
    } catch (const EPrinter& e) {
        EXPECT_NE(e.Message.find("プリンター「" + spare + "」が印刷を受け付けませんでした"),
                  std::string::npos)
            << e.Message;
    }
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_EQ(JobsEverSent(), jobs);
    EXPECT_EQ(f->ReadPrintCount(0), 0);
    // Accepting jobs again, the same command prints and counts.
    ASSERT_TRUE(Admin("cupsaccept " + Quote(spare)));
    EXPECT_FALSE(PrintOn(spare).empty());
    EXPECT_EQ(f->ReadPrintCount(0), 3);
}

TEST(CupsPapers, TheSetUpDialogOffersTheQueuesOwnPapers) {
    if (!TheCups().Running()) GTEST_SKIP() << "no private CUPS server: " << TheCups().skipReason;
    TPrinter p;
    const int queue = p.Printers().IndexOf(TheCups().queue), pdf = p.Printers().IndexOf(PdfPrinterName);
    const std::vector<AnsiString> queuePapers = p.PaperNames(queue), pdfPapers = p.PaperNames(pdf);
    auto offers = [](const std::vector<AnsiString>& papers, const char* name) {
        return std::find(papers.begin(), papers.end(), name) != papers.end();
    };
    // The queue's own sheets (its PPD lists Executive and ISO B5, for instance) besides the
    // common ones; the PDF printer keeps its seven.
    for (const char* name : {"A4", "A3", "Letter", "Legal", "B5", "Executive", "B5 (ISO)"})
        EXPECT_TRUE(offers(queuePapers, name)) << name;
    EXPECT_EQ(pdfPapers, (std::vector<AnsiString>{"A3", "A4", "A5", "B4", "B5", "Letter", "Legal"}));
    EXPECT_EQ(std::set<AnsiString>(queuePapers.begin(), queuePapers.end()).size(), queuePapers.size())
        << "every name once";

    // Chosen in the dialog, a paper of the queue's own applies: Executive is 7.25 x 10.5 inches.
    TPrinterSetupDialog setup;
    setup.SetPrinterObject(&p);
    DialogAnswer a;
    a.Kind = DialogKind::PrinterSetup;
    a.PrinterName = TheCups().queue;
    a.PaperName = "Executive";
    ScriptDialogAnswer(a);
    ASSERT_TRUE(setup.Execute());
    EXPECT_EQ(p.PaperName(), "Executive");
    EXPECT_NEAR(p.GetDeviceCaps(PHYSICALWIDTH), 7.25 * p.Resolution(), 1);
    EXPECT_NEAR(p.GetDeviceCaps(PHYSICALHEIGHT), 10.5 * p.Resolution(), 1);
    // The PDF printer has no such paper: a script that names it is refused before anything
    // changes.
    a.PrinterName = PdfPrinterName;
    ScriptDialogAnswer(a);
    EXPECT_THROW(setup.Execute(), EDialogScript);
    EXPECT_EQ(p.PaperName(), "Executive");
    ClearScriptedAnswers();
}

} // namespace
