// The print job: pages go to a PDF file for the PDF printer and to CUPS through Qt otherwise.
#include "PrinterImpl.h"
#include "PrinterSpool.h"
#include "SysUtils.h"

#include <QFile>
#include <QFileInfo>
#include <QtGlobal>

#include <cstdio>
#include <unistd.h>

namespace {

// The partial document sits next to the target and replaces it only when complete, so a failed
// or aborted job never leaves a truncated file nor destroys the previous one.
QString PartFileFor(const QString& target) {
    const QFileInfo fi(target);
    return fi.absolutePath() + "/." + fi.fileName() + "." + QString::number(getpid()) + ".part";
}

} // namespace

void TPrinter::BeginDoc() {
    if (printing_) throw EPrinter("Printing in progress");
    QPrinter& p = *impl_->printer;
    p.setDocName(QString::fromStdString(title_));
    p.setCreator("Ruliform");
    std::set<int> before;
    if (IsPdfPrinter()) {
        if (outputFile_.empty()) throw EPrinter("No output file for the PDF printer");
        impl_->partFile = PartFileFor(QString::fromStdString(outputFile_));
        p.setOutputFileName(impl_->partFile);
        p.setOutputFormat(QPrinter::PdfFormat);
    } else {
        if (!p.isValid()) throw EPrinter("Printer \"" + printers_[index_] + "\" is not available");
        before = OpenDescriptors();
    }
    if (!impl_->painter.begin(&p)) {
        if (!impl_->partFile.isEmpty()) QFile::remove(impl_->partFile);
        impl_->partFile.clear();
        throw EPrinter(IsPdfPrinter() ? "Cannot create file \"" + outputFile_ + "\""
                                      : "Printer \"" + printers_[index_] + "\" cannot start");
    }
    if (!IsPdfPrinter()) impl_->spoolFile = NewCupsTempFile(before);
    printing_ = true;
    aborted_ = false;
    pageNumber_ = 1;
    impl_->PreparePage();
}

void TPrinter::NewPage() {
    if (!printing_) throw EPrinter("Printer is not currently printing");
    if (!impl_->printer->newPage()) throw EPrinter("Cannot start a new page");
    impl_->PreparePage();
    ++pageNumber_;
}

void TPrinter::EndDoc() {
    if (!printing_) throw EPrinter("Printer is not currently printing");
    const bool ended = impl_->painter.end() && impl_->printer->printerState() != QPrinter::Error;
    printing_ = false;
    pageNumber_ = 0;
    impl_->spoolFile.clear();
    const QString part = impl_->partFile;
    impl_->partFile.clear();
    if (part.isEmpty()) {
        if (!ended) throw EPrinter("Printing on \"" + printers_[index_] + "\" failed");
        return;
    }
    const QByteArray from = QFile::encodeName(part);
    const QByteArray to = QFile::encodeName(QString::fromStdString(outputFile_));
    if (!ended || std::rename(from.constData(), to.constData()) != 0) {
        QFile::remove(part);
        throw EPrinter("Cannot write file \"" + outputFile_ + "\"");
    }
}

void TPrinter::Abort() {
    // Also called from error paths, so a printer that is not printing is left alone quietly.
    if (!printing_) return;
    // Without its spool file Qt's CUPS engine has nothing to submit when the painter ends.
    if (!impl_->spoolFile.isEmpty())
        QFile::remove(impl_->spoolFile);
    else if (!IsPdfPrinter())
        qWarning("Ruliform: the spool file of the aborted job was not found; CUPS gets the job");
    impl_->painter.end();
    if (!impl_->partFile.isEmpty()) QFile::remove(impl_->partFile);
    impl_->partFile.clear();
    impl_->spoolFile.clear();
    printing_ = false;
    aborted_ = true;
    pageNumber_ = 0;
}

TCanvas* TPrinter::Canvas() {
    return canvas_.get();
}

QPainter* TPrinterCanvasImpl::Painter() {
    return owner_->painter.isActive() ? &owner_->painter : nullptr;
}

QPaintDevice* TPrinterCanvasImpl::MetricsDevice() {
    return owner_->printer.get();
}

TRect TPrinterCanvasImpl::Bounds() {
    const QRect area = owner_->Geometry().printable;
    return TRect(0, 0, area.width(), area.height());
}
