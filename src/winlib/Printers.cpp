// The printer object: the list snapshot, the current printer and the application's instance.
#include "Printers.h"
#include "CupsQueue.h"
#include "SysUtils.h"
#include "widgetset/WSPrinters.h"

// Queue names cannot contain blanks, so this name never collides with a system printer.
const char* const PdfPrinterName = "Ruliform PDF";
const char* const PrintingNowText = "印刷中は変更できません。";

namespace {
// The PDF printer writes into the user's documents folder unless told otherwise, so the file
// never depends on the folder the program was started from.
AnsiString DefaultOutputFile() {
    return ws::DocumentsFolder() + "/RuliformDocument.pdf";
}
} // namespace

TPrinter::TPrinter() : ws_(ws::CreatePrinter(this)), outputFile_(DefaultOutputFile()) {
    // The system's queues in the system's order, then the PDF printer, which is always there.
    const AnsiString defaultQueue = ws::DefaultPrinterQueue();
    for (const AnsiString& queue : ws::PrinterQueues()) {
        if (queue == defaultQueue && defaultIndex_ < 0) defaultIndex_ = printers_.Count();
        printers_.Add(queue);
    }
    printers_.Add(PdfPrinterName);
    if (defaultIndex_ < 0) defaultIndex_ = printers_.Count() - 1;
    try {
        Select(defaultIndex_);
    } catch (const EPrinter&) {
        // The default queue went away between listing and configuring: the PDF printer is there.
        Select(printers_.Count() - 1);
    }
    // The canvas lives as long as the printer so its pen, brush and font carry over between jobs.
    canvas_ = std::make_unique<TCanvas>();
    ws_->AttachCanvas(*canvas_);
}

TPrinter::~TPrinter() {
    if (printing_) Abort();
}

void TPrinter::Select(int i) {
    if (IsPdfEntry(i))
        ws_->SelectPdf();
    else if (!ws_->SelectQueue(printers_[i])) {
        // The toolkit would quietly configure the default printer for a name it no longer finds.
        // The server says whether the queue is gone or only cannot be asked.
        TQueueCheck check = CheckCupsQueue(printers_[i]);
        if (check.State == TQueueState::Ready) check.State = TQueueState::Gone;
        throw EPrinter(QueueProblemText(printers_[i], check));
    }
    index_ = i;
}

void TPrinter::SetPrinterIndex(int i) {
    if (printing_) throw EPrinter(PrintingNowText);
    if (i == -1) i = defaultIndex_;
    if (i < 0 || i >= printers_.Count()) throw EPrinter("選択されたプリンターは無効です。");
    Select(i);
}

bool TPrinter::SetPrinterByName(const AnsiString& Name) {
    const int i = printers_.IndexOf(Name);
    if (i < 0) return false;
    SetPrinterIndex(i);
    return true;
}

bool TPrinter::IsPdfPrinter() const {
    return IsPdfEntry(index_);
}

namespace {
std::unique_ptr<TPrinter> thePrinter;
void ReleasePrinter() {
    thePrinter.reset();
}
} // namespace

TPrinter* Printer() {
    if (!thePrinter) {
        thePrinter = std::make_unique<TPrinter>();
        ws::ReleaseWithToolkit(ReleasePrinter);
    }
    return thePrinter.get();
}
