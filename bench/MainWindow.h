// The real main window for the benchmarks, built as the program builds it: a fresh program
// folder (so the settings are the defaults), the built-in PDF printer current, the creation
// event run. The destructor runs the destroy handler and removes the folder.
#pragma once

#include "shell/Unit1.h"
#include "shell/Yxfile.h"
#include "winlib/DialogScript.h"
#include "winlib/Printers.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

class BenchMainWindow {
  public:
    // Settings, when given, are the text of the settings file the window starts with.
    explicit BenchMainWindow(const std::string& settings = "") {
        folder_ = std::filesystem::temp_directory_path() /
                  ("ruliform-bench-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        std::filesystem::create_directories(folder_);
        if (!settings.empty()) std::ofstream(folder_ / "Ruliform.ini") << settings;
        SetProgramFolderForTest(folder_.string());
        if (!Printer()->SetPrinterByName(PdfPrinterName)) throw std::runtime_error("no PDF printer");
        ClearScriptedAnswers();
        Form1 = new TForm1(nullptr);
        Form1->DoCreate();
    }
    ~BenchMainWindow() {
        delete Form1;
        Form1 = nullptr;
        SetProgramFolderForTest("");
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }
    BenchMainWindow(const BenchMainWindow&) = delete;
    BenchMainWindow& operator=(const BenchMainWindow&) = delete;

    TForm1* operator->() const { return Form1; }
    std::filesystem::path Path(const std::string& name) const { return folder_ / name; }

    // The densest page in common use: 1 mm cells over all of A4 that the printer reaches,
    // an emphasis line every 5 lines across and every 10 down.
    void UseDensestGraphPaper() {
        TForm1* f = Form1;
        f->eMmX->SetText("1");
        f->eMmY->SetText("1");
        f->eDotX->SetText("200"); // the count handlers step these down to what fits
        f->eDotY->SetText("287");
        f->CheckGraphPaper1->SetChecked(true);
        f->Edit1->SetText("5");
        f->Edit27->SetText("10");
    }
    // Zoom item: 0 is 100 %, 5 is 40 %.
    void Zoom(int item) {
        Form1->ComboBox1->SetItemIndex(item);
        Form1->ComboBox1Change(Form1->ComboBox1);
    }

    // Runs the print command once per iteration to the built-in PDF printer, into a document of
    // the given name in the program folder (removed before each run). The document's size in
    // bytes, or -1 (and the state marked as failed) when the command wrote none.
    double PrintEachIteration(benchmark::State& state, const std::string& name) {
        const std::filesystem::path pdf = Path(name);
        for (auto _ : state) {
            std::filesystem::remove(pdf);
            DialogAnswer a;
            a.Kind = DialogKind::Print;
            a.Ok = true;
            a.PrinterName = PdfPrinterName;
            a.FileName = pdf.string();
            ScriptDialogAnswer(a);
            Form1->PrintOutExecute(Form1->PrintOut);
        }
        if (!std::filesystem::exists(pdf)) {
            state.SkipWithError("the print command wrote no document");
            return -1;
        }
        return static_cast<double>(std::filesystem::file_size(pdf));
    }

  private:
    std::filesystem::path folder_;
    static inline int counter_ = 0;
};
