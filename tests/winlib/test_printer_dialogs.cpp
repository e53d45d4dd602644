// The print and printer-setup dialogs answered through the dialog script.
#include "winlib/DialogScript.h"
#include "winlib/PrintDialogs.h"
#include "winlib/SysUtils.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

DialogAnswer Answer(DialogKind kind, bool ok) {
    DialogAnswer a;
    a.Kind = kind;
    a.Ok = ok;
    return a;
}

class PrinterDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        ClearScriptedAnswers();
        ASSERT_TRUE(p.SetPrinterByName(PdfPrinterName));
        p.SetOutputFileName("before.pdf");
        print.SetPrinterObject(&p);
        setup.SetPrinterObject(&p);
    }
    void TearDown() override {
        EXPECT_EQ(ScriptedAnswerCount(), 0) << "answers left over";
        ClearScriptedAnswers();
    }
    TPrinter p;
    TPrintDialog print;
    TPrinterSetupDialog setup;
};

TEST_F(PrinterDialogs, PrintOkRunsShowThenCloseBeforeTheChoiceApplies) {
    std::vector<std::string> events;
    print.OnShow = [&](TObject* s) {
        EXPECT_EQ(s, &print);
        events.push_back("show " + p.OutputFileName());
    };
    print.OnClose = [&](TObject* s) {
        EXPECT_EQ(s, &print);
        events.push_back("close " + p.OutputFileName() + " " + std::to_string(p.PrinterIndex()));
    };
    DialogAnswer a = Answer(DialogKind::Print, true);
    a.PrinterName = PdfPrinterName;
    a.FileName = "chosen.pdf";
    ScriptDialogAnswer(a);
    EXPECT_TRUE(print.Execute());
    const std::string index = std::to_string(p.PrinterIndex());
    EXPECT_EQ(events, (std::vector<std::string>{"show before.pdf", "close before.pdf " + index}));
    EXPECT_EQ(p.OutputFileName(), "chosen.pdf");
    EXPECT_TRUE(p.IsPdfPrinter());
}

TEST_F(PrinterDialogs, PrintWithTheSamePrinterKeepsItsSettings) {
    ASSERT_TRUE(p.SetPaperName("A3"));
    DialogAnswer a = Answer(DialogKind::Print, true);
    a.PrinterName = PdfPrinterName;
    ScriptDialogAnswer(a);
    ScriptDialogAnswer(Answer(DialogKind::Print, true)); // names nothing: keeps everything
    EXPECT_TRUE(print.Execute());
    EXPECT_TRUE(print.Execute());
    EXPECT_EQ(p.PaperName(), "A3");
    EXPECT_EQ(p.OutputFileName(), "before.pdf");
}

TEST_F(PrinterDialogs, CancelStillRunsBothEventsAndChangesNothing) {
    int shows = 0, closes = 0;
    print.OnShow = [&](TObject*) { ++shows; };
    print.OnClose = [&](TObject*) { ++closes; };
    setup.OnShow = [&](TObject*) { ++shows; };
    setup.OnClose = [&](TObject*) { ++closes; };
    DialogAnswer a = Answer(DialogKind::Print, false);
    a.FileName = "ignored.pdf";
    ScriptDialogAnswer(a);
    DialogAnswer b = Answer(DialogKind::PrinterSetup, false);
    b.PaperName = "A3";
    b.Orientation = poLandscape;
    ScriptDialogAnswer(b);
    EXPECT_FALSE(print.Execute());
    EXPECT_FALSE(setup.Execute());
    EXPECT_EQ(shows, 2);
    EXPECT_EQ(closes, 2);
    EXPECT_EQ(p.OutputFileName(), "before.pdf");
    EXPECT_EQ(p.PaperName(), "A4");
    EXPECT_EQ(p.Orientation(), poPortrait);
}

TEST_F(PrinterDialogs, SetupOkAppliesPaperAndOrientation) {
    DialogAnswer a = Answer(DialogKind::PrinterSetup, true);
    a.PrinterName = PdfPrinterName;
    a.PaperName = "A3";
    a.Orientation = poLandscape;
    ScriptDialogAnswer(a);
    EXPECT_TRUE(setup.Execute());
    EXPECT_EQ(p.PaperName(), "A3");
    EXPECT_EQ(p.Orientation(), poLandscape);
    EXPECT_EQ(p.GetDeviceCaps(HORZSIZE), 420);
    EXPECT_EQ(p.GetDeviceCaps(VERTSIZE), 297);

    ScriptDialogAnswer(Answer(DialogKind::PrinterSetup, true)); // keeps what was shown
    EXPECT_TRUE(setup.Execute());
    EXPECT_EQ(p.PaperName(), "A3");
    EXPECT_EQ(p.Orientation(), poLandscape);
}

TEST_F(PrinterDialogs, AScriptThatNamesWhatDoesNotExistRaisesAndChangesNothing) {
    DialogAnswer a = Answer(DialogKind::PrinterSetup, true);
    a.PaperName = "A9";
    a.Orientation = poLandscape;
    ScriptDialogAnswer(a);
    EXPECT_THROW(setup.Execute(), EDialogScript);
    DialogAnswer b = Answer(DialogKind::Print, true);
    b.PrinterName = "no such printer";
    b.FileName = "x.pdf";
    ScriptDialogAnswer(b);
    EXPECT_THROW(print.Execute(), EDialogScript);
    EXPECT_EQ(p.PaperName(), "A4");
    EXPECT_EQ(p.Orientation(), poPortrait);
    EXPECT_EQ(p.OutputFileName(), "before.pdf");
}

TEST_F(PrinterDialogs, AnAnswerForAnotherKindOfDialogRaisesAndStaysQueued) {
    ScriptDialogAnswer(Answer(DialogKind::Color, true));
    EXPECT_THROW(print.Execute(), EDialogScript);
    EXPECT_THROW(setup.Execute(), EDialogScript);
    ASSERT_EQ(ScriptedAnswerCount(), 1);
    EXPECT_EQ(TakeScriptedAnswer(DialogKind::Color)->Kind, DialogKind::Color);
}

TEST_F(PrinterDialogs, AnswersAreTakenInOrder) {
    DialogAnswer first = Answer(DialogKind::MessageBox, true);
    first.Button = 6;
    DialogAnswer second = Answer(DialogKind::MessageBox, true);
    second.Button = 7;
    ScriptDialogAnswer(first);
    ScriptDialogAnswer(second);
    EXPECT_EQ(TakeScriptedAnswer(DialogKind::MessageBox)->Button, 6);
    EXPECT_EQ(TakeScriptedAnswer(DialogKind::MessageBox)->Button, 7);
}

TEST_F(PrinterDialogs, WithoutAScreenAnUnscriptedDialogRaisesInsteadOfWaiting) {
    // The tests run on the offscreen platform: nobody could close a real dialog.
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform || std::string(platform) != "offscreen") GTEST_SKIP() << "needs QT_QPA_PLATFORM=offscreen";
    bool shown = false;
    print.OnShow = [&](TObject*) { shown = true; };
    EXPECT_THROW(print.Execute(), EDialogScript);
    EXPECT_TRUE(shown);
    EXPECT_THROW(setup.Execute(), EDialogScript);
    EXPECT_THROW(TakeScriptedAnswer(DialogKind::Font), EDialogScript);
}

} // namespace
