// Builds the real main window in a temporary program folder, on the built-in PDF printer,
// and tears it down again (its destroy handler runs) after each test.
#pragma once

#include "shell/Abitmap.h"
#include "shell/Unit1.h"
#include "shell/Yxfile.h"
#include "winlib/DialogScript.h"
#include "winlib/Printers.h"

#include <gtest/gtest.h>

#include <filesystem>

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("ruliform-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        std::filesystem::create_directories(folder_);
        SetProgramFolderForTest(folder_.string());
        // A desktop screen; the headless platform's own is only 800 x 800.
        SetWorkAreasForTest({TRect(0, 0, 1920, 1040)});
        ASSERT_TRUE(Printer()->SetPrinterByName(PdfPrinterName));
        ClearScriptedAnswers();
        ShownMessages().clear();
        Open();
    }
    void TearDown() override {
        Close();
        SetProgramFolderForTest("");
        SetWorkAreasForTest({});
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    // A start of the program: the window is created and its creation event runs.
    void Open() {
        Form1 = new TForm1(nullptr);
        Form1->DoCreate();
        f = Form1;
    }
    // The end of a run: the destroy handler writes the settings and releases the objects.
    void Close() {
        delete Form1;
        Form1 = nullptr;
        f = nullptr;
    }
    void Restart() {
        Close();
        Open();
    }
    std::filesystem::path Path(const std::string& name) const { return folder_ / name; }
    // Runs the print command for Pages sheets onto the built-in PDF printer, into File in the
    // test's folder; the path of the PDF.
    std::string PrintSheets(const std::string& file, const AnsiString& pages = "1") {
        const std::string pdf = Path(file).string();
        f->Edit2->SetText(pages);
        DialogAnswer a;
        a.Kind = DialogKind::Print;
        a.Ok = true;
        a.PrinterName = PdfPrinterName;
        a.FileName = pdf;
        ScriptDialogAnswer(a);
        f->PrintOutExecute(f->PrintOut);
        return pdf;
    }

    TForm1* f = nullptr;

  private:
    std::filesystem::path folder_;
    static inline int counter_ = 0;
};
