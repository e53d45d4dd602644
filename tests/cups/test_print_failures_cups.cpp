// Printing through CUPS when something fails for real: the temporary folder the job is written
// in is full, the queue chosen in the set-up dialog is removed while the dialog is open, the
// server is stopped. Nothing is sent, nothing is counted, and the user is told in Japanese what
// went wrong and where; the program carries on and keeps its settings.
#include "CupsQueueAdmin.h"
#include "CupsWindowFixture.h"
#include "FullDisk.h"
#include "ScopedEnv.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

using cupsadmin::Admin;
using cupsadmin::JobsEverSent;
using cupsadmin::LastErrorBox;
using printertest::Quote;
using printertest::RunCommand;

// The Latin words of a message once the names it quotes (queues, the server's socket) are taken
// out: what would be English to the user.
std::string EnglishIn(std::string text, const std::vector<std::string>& names) {
    for (const std::string& n : names)
        for (size_t at; (at = text.find(n)) != std::string::npos;)
            text.erase(at, n.size());
    std::string words;
    for (size_t i = 0; i < text.size(); ++i) {
        size_t j = i;
        while (j < text.size() && std::isalpha(static_cast<unsigned char>(text[j])))
            ++j;
        if (j - i >= 2) words += text.substr(i, j - i) + " ";
        i = j;
    }
    return words;
}

class CupsPrintFailure : public CupsMainWindow {
  protected:
    void TearDown() override {
        CupsMainWindow::TearDown();
        if (TheCups().Running()) cupsadmin::RestoreSpareQueue();
    }
    // Prints Sheets sheets from the menu, as a user does, on the current printer.
    void PrintFromTheMenu(int sheets) {
        DialogAnswer a;
        a.Kind = DialogKind::Print;
        a.PrinterName = Printer()->Printers()[Printer()->PrinterIndex()];
        ScriptDialogAnswer(a);
        f->Edit2->SetText(IntToStr(sheets));
        f->Print1->Click();
    }
};

TEST_F(CupsPrintFailure, AFullTemporaryFolderSendsNoJobCountsNothingAndSaysWhere) {
    const std::string queue = TheCups().queue;
    FullDisk disk(folder_.Path() / "tmp", 96 * 1024);
    if (!disk.Tmpfs()) GTEST_SKIP() << "no private tmpfs (needs root)";
    disk.Fill();
    ScopedEnv tmp("TMPDIR", disk.Folder().string());
    const size_t jobs = JobsEverSent();

    PrintFromTheMenu(300);
    const std::string box = LastErrorBox();
    EXPECT_NE(box.find("プリンター「" + queue + "」に送る印刷データを書き込めませんでした"),
              std::string::npos)
        << box;
    EXPECT_NE(box.find(disk.Folder().string()), std::string::npos) << box;
    EXPECT_NE(box.find("ディスクの空き容量が足りません"), std::string::npos) << box;
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_EQ(JobsEverSent(), jobs) << "no job, not even an empty one, went to the queue";
    EXPECT_EQ(f->ReadPrintCount(0), 0);
    EXPECT_TRUE(std::filesystem::is_empty(disk.Folder())) << "the spool file is removed";
}

TEST_F(CupsPrintFailure, AQueueRemovedWhileTheSetUpDialogIsOpenIsReportedAndThePrinterStays) {
    const std::string spare = TheCups().spareQueue;
    const int before = Printer()->PrinterIndex();
    const int width = f->PreViewBox->Width();
    f->eMmX->SetText("7");
    // The queue goes while the dialog shows; the user then picks it with a paper and presses OK.
    f->PrinterSetupDialog1->OnShow = [&](TObject*) { ASSERT_TRUE(Admin("lpadmin -x " + Quote(spare))); };
    DialogAnswer a;
    a.Kind = DialogKind::PrinterSetup;
    a.PrinterName = spare;
    a.PaperName = "A4";
    a.Orientation = poPortrait;
    ScriptDialogAnswer(a);
    f->PrinterSetup1->Click();

    const std::string box = LastErrorBox();
    EXPECT_NE(box.find("プリンター「" + spare + "」が見つかりません"), std::string::npos) << box;
    EXPECT_EQ(Printer()->PrinterIndex(), before);
    EXPECT_EQ(f->EditPrinterIndex, before);
    EXPECT_EQ(f->PreViewBox->Width(), width);
    // Chosen in the print dialog, the queue that went is told the same way and nothing prints.
    ShownMessages().clear();
    DialogAnswer print;
    print.Kind = DialogKind::Print;
    print.PrinterName = spare;
    ScriptDialogAnswer(print);
    f->Print1->Click();
    EXPECT_NE(LastErrorBox().find("プリンター「" + spare + "」が見つかりません"), std::string::npos)
        << LastErrorBox();
    EXPECT_EQ(Printer()->PrinterIndex(), before);
    EXPECT_EQ(f->ReadPrintCount(0), 0);
    // The program carries on: the printer that stayed prints, and closing stores the settings.
    EXPECT_FALSE(PrintOn(TheCups().queue).empty());
    EXPECT_EQ(f->ReadPrintCount(0), 1);
    CloseWindow();
    std::ifstream ini(folder_.File("Ruliform.ini"), std::ios::binary);
    std::stringstream text;
    text << ini.rdbuf();
    EXPECT_NE(text.str().find("Xmm=7"), std::string::npos) << text.str();
}

TEST_F(CupsPrintFailure, AStoppedServerIsReportedAsSuchNotAsAMissingQueue) {
    const std::string queue = TheCups().queue, spare = TheCups().spareQueue;
    const size_t jobs = JobsEverSent();
    StopTheCups();
    // Back for the tests after this one, whatever happens here.
    struct Restart {
        bool done = false;
        ~Restart() {
            if (!done) {
                EXPECT_TRUE(StartTheCupsAgain()) << "the private server did not come back";
            }
        }
    } restart;

    PrintFromTheMenu(2);
    std::string box = LastErrorBox();
    EXPECT_NE(box.find("印刷サーバーに接続できません"), std::string::npos) << box;
    EXPECT_NE(box.find("プリンター「" + queue + "」"), std::string::npos) << box;
    EXPECT_EQ(box.find("見つかりません"), std::string::npos) << box;
    // The cause too is the user's Japanese.
    EXPECT_EQ(EnglishIn(box, {queue, TheCups().socket}), "") << box;
    EXPECT_FALSE(Printer()->Printing());
    EXPECT_EQ(f->ReadPrintCount(0), 0);

    // Choosing another queue meanwhile: the same, and the printer stays.
    const int before = Printer()->PrinterIndex();
    ShownMessages().clear();
    PickFromTheMenu(spare);
    box = LastErrorBox();
    EXPECT_NE(box.find("印刷サーバーに接続できません"), std::string::npos) << box;
    EXPECT_EQ(EnglishIn(box, {spare, TheCups().socket}), "") << box;
    EXPECT_EQ(Printer()->PrinterIndex(), before);

    restart.done = true;
    ASSERT_TRUE(StartTheCupsAgain());
    EXPECT_EQ(JobsEverSent(), jobs);
}

} // namespace
