// The real main window on a queue of the private CUPS server, with a program folder of its own.
#pragma once

#include "cups_jobs.h"
#include "private_cups.h"
#include "shell/Unit1.h"
#include "shell/Yxfile.h"
#include "winlib/DialogScript.h"
#include "winlib/Printers.h"
#include "winlib/test_printer_util.h"

#include <gtest/gtest.h>

class CupsMainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!TheCups().Running()) GTEST_SKIP() << "no private CUPS server: " << TheCups().skipReason;
        SetProgramFolderForTest(folder_.Path().string());
        ASSERT_TRUE(Printer()->SetPrinterByName(TheCups().queue));
        ClearScriptedAnswers();
        ShownMessages().clear();
        Form1 = new TForm1(nullptr);
        Form1->DoCreate();
        f = Form1;
    }
    void TearDown() override {
        if (Printer()->Printing()) Printer()->Abort();
        CloseWindow();
        SetProgramFolderForTest("");
        ClearScriptedAnswers();
    }

    // The end of a run: the destroy handler writes the settings and releases the objects.
    void CloseWindow() {
        delete Form1;
        Form1 = nullptr;
        f = nullptr;
    }

    // Makes Queue current as the status bar's printer menu does.
    void PickFromTheMenu(const std::string& queue) {
        TMenuItem* item = nullptr;
        for (int i = 0; i < f->PopupMenu2->Items()->Count(); ++i)
            if (f->PopupMenu2->Items()->Items(i)->Hint() == queue) item = f->PopupMenu2->Items()->Items(i);
        ASSERT_NE(item, nullptr) << queue;
        item->Click();
    }

    // Runs the print command on Queue; the document cups-pdf wrote, empty when none came.
    std::string PrintOn(const std::string& queue, int waitSeconds = 90) {
        DialogAnswer a;
        a.Kind = DialogKind::Print;
        a.Ok = true;
        a.PrinterName = queue;
        ScriptDialogAnswer(a);
        const auto before = cupsjobs::OutputFiles();
        f->PrintOutExecute(f->PrintOut);
        return cupsjobs::WaitForNewDocument(before, waitSeconds, queue);
    }

    TForm1* f = nullptr;
    printertest::ScratchDir folder_;
};
