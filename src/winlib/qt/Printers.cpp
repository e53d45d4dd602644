// The printer object: the list snapshot, the current printer and the application's instance.
#include "PrinterImpl.h"
#include "winlib/SysUtils.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
// The PDF printer writes into the user's documents folder unless told otherwise, so the file
// never depends on the folder the program was started from.
AnsiString DefaultOutputFile() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    return (QDir(folder).absolutePath() + "/RuliformDocument.pdf").toStdString();
}
} // namespace

TPrinter::TPrinter() : impl_(std::make_unique<TPrinterImpl>()), outputFile_(DefaultOutputFile()) {
    impl_->entries = EnumeratePrinters(impl_->defaultIndex);
    for (const TPrinterEntry& e : impl_->entries)
        printers_.Add(e.name.toStdString());
    index_ = impl_->defaultIndex;
    try {
        impl_->Select(impl_->entries[index_]);
    } catch (const EPrinter&) {
        // The default queue went away between listing and configuring: the PDF printer is there.
        index_ = static_cast<int>(impl_->entries.size()) - 1;
        impl_->Select(impl_->entries[index_]);
    }
    // The canvas lives as long as the printer so its pen, brush and font carry over between jobs.
    canvas_ = std::make_unique<TCanvas>();
    canvas_->SetImpl(std::make_unique<TPrinterCanvasImpl>(impl_.get()));
}

TPrinter::~TPrinter() {
    if (printing_) Abort();
}

void TPrinter::SetPrinterIndex(int i) {
    if (printing_) throw EPrinter("Printing in progress");
    const int count = static_cast<int>(impl_->entries.size());
    if (i == -1) i = impl_->defaultIndex;
    if (i < 0 || i >= count) throw EPrinter("Printer selected is not valid");
    impl_->Select(impl_->entries[i]);
    index_ = i;
}

bool TPrinter::SetPrinterByName(const AnsiString& Name) {
    const int i = printers_.IndexOf(Name);
    if (i < 0) return false;
    SetPrinterIndex(i);
    return true;
}

bool TPrinter::IsPdfPrinter() const {
    return impl_->pdf;
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
        // Qt's print engines must go before the application object does.
        if (QCoreApplication::instance()) qAddPostRoutine(ReleasePrinter);
    }
    return thePrinter.get();
}
