// The print job: pages are drawn into a PDF document that becomes the PDF printer's file, or is
// handed to the CUPS queue as one job once it is complete.
#include "CupsQueue.h"
#include "PrinterGeometry.h"
#include "Printers.h"
#include "SysUtils.h"
#include "widgetset/WSPrinters.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

// The partial document sits next to the target and replaces it only when complete, so a failed
// or aborted job never leaves a truncated file nor destroys the previous one.
AnsiString PartFileFor(const AnsiString& target) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::absolute(target, error);
    if (error) path = target;
    path = path.lexically_normal();
    return path.parent_path().string() + "/." + path.filename().string() + "." + std::to_string(getpid()) +
           ".part";
}

// A new, empty file in the temporary folder for a CUPS job's document; empty when none can be
// made.
AnsiString NewSpoolFile() {
    const char* tmp = std::getenv("TMPDIR");
    AnsiString folder = tmp && *tmp ? tmp : "/tmp";
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    AnsiString name = folder + "/ruliform-job-XXXXXX.pdf";
    const int fd = mkstemps(name.data(), 4);
    if (fd < 0) return {};
    close(fd);
    return name;
}

void RemoveFile(const AnsiString& file) {
    if (!file.empty()) std::remove(file.c_str());
}

} // namespace

void TPrinter::StartPage() {
    ws_->StartPage(PrinterGeometry(ws_->PageMetrics()).printable);
}

void TPrinter::BeginDoc() {
    if (printing_) throw EPrinter("Printing in progress");
    const AnsiString& name = printers_[index_];
    AnsiString file;
    if (IsPdfPrinter()) {
        if (outputFile_.empty()) throw EPrinter("No output file for the PDF printer");
        file = PartFileFor(outputFile_);
    } else {
        // A queue removed while the program runs takes no job: say so before anything is drawn.
        const AnsiString problem = CupsQueueProblem(name);
        if (!problem.empty()) throw EPrinter("The printer \"" + name + "\" " + problem);
        file = NewSpoolFile();
        if (file.empty()) throw EPrinter("Printer \"" + name + "\" cannot start");
    }
    if (!ws_->StartJob(file, title_)) {
        RemoveFile(file);
        throw EPrinter(IsPdfPrinter() ? "Cannot create file \"" + outputFile_ + "\""
                                      : "Printer \"" + name + "\" cannot start");
    }
    jobFile_ = file;
    printing_ = true;
    aborted_ = false;
    pageNumber_ = 1;
    StartPage();
}

void TPrinter::NewPage() {
    if (!printing_) throw EPrinter("Printer is not currently printing");
    if (!ws_->NextPage()) throw EPrinter("Cannot start a new page");
    StartPage();
    ++pageNumber_;
}

void TPrinter::EndDoc() {
    if (!printing_) throw EPrinter("Printer is not currently printing");
    const bool ended = ws_->FinishJob(IsPdfPrinter());
    printing_ = false;
    pageNumber_ = 0;
    const AnsiString file = jobFile_;
    jobFile_.clear();

    if (IsPdfPrinter()) {
        if (!ended || std::rename(file.c_str(), outputFile_.c_str()) != 0) {
            RemoveFile(file);
            throw EPrinter("Cannot write file \"" + outputFile_ + "\"");
        }
        return;
    }

    const AnsiString& queue = printers_[index_];
    if (!ended) {
        RemoveFile(file);
        throw EPrinter("Printing on \"" + queue + "\" failed");
    }
    AnsiString error;
    const int id = SubmitCupsJob(queue, file, title_, ws_->Paper().Key, ws_->Landscape(), error);
    RemoveFile(file);
    if (id == 0) throw EPrinter("The printer \"" + queue + "\" did not accept the job: " + error);
}

void TPrinter::Abort() {
    // Also called from error paths, so a printer that is not printing is left alone quietly.
    if (!printing_) return;
    // The document is only handed on by EndDoc: dropping it leaves nothing behind.
    ws_->AbortJob();
    RemoveFile(jobFile_);
    jobFile_.clear();
    printing_ = false;
    aborted_ = true;
    pageNumber_ = 0;
}

TCanvas* TPrinter::Canvas() {
    return canvas_.get();
}
