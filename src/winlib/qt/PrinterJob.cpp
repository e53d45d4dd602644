// The print job: pages are drawn into a PDF document that becomes the PDF printer's file, or is
// handed to the CUPS queue as one job once it is complete.
#include "CupsQueue.h"
#include "PdfPageBox.h"
#include "PrinterImpl.h"
#include "winlib/SysUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
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

// A new, empty file in the temporary folder for a CUPS job's document; empty when none can be
// made.
QString NewSpoolFile() {
    QTemporaryFile file(QDir::tempPath() + "/ruliform-job-XXXXXX.pdf");
    file.setAutoRemove(false);
    return file.open() ? file.fileName() : QString();
}

} // namespace

void TPrinter::BeginDoc() {
    if (printing_) throw EPrinter("Printing in progress");
    const QString name = QString::fromStdString(printers_[index_]);
    QString file;
    if (IsPdfPrinter()) {
        if (outputFile_.empty()) throw EPrinter("No output file for the PDF printer");
        file = PartFileFor(QString::fromStdString(outputFile_));
    } else {
        // A queue removed while the program runs takes no job: say so before anything is drawn.
        const QString problem = CupsQueueProblem(name);
        if (!problem.isEmpty())
            throw EPrinter("The printer \"" + printers_[index_] + "\" " + problem.toStdString());
        file = NewSpoolFile();
        if (file.isEmpty()) throw EPrinter("Printer \"" + printers_[index_] + "\" cannot start");
    }
    impl_->job = impl_->CreateJobPrinter();
    QPrinter& job = *impl_->job;
    job.setDocName(QString::fromStdString(title_));
    job.setCreator("Ruliform");
    job.setOutputFileName(file);
    if (!impl_->painter.begin(&job)) {
        QFile::remove(file);
        impl_->job.reset();
        throw EPrinter(IsPdfPrinter() ? "Cannot create file \"" + outputFile_ + "\""
                                      : "Printer \"" + printers_[index_] + "\" cannot start");
    }
    impl_->jobFile = file;
    printing_ = true;
    aborted_ = false;
    pageNumber_ = 1;
    impl_->PreparePage();
}

void TPrinter::NewPage() {
    if (!printing_) throw EPrinter("Printer is not currently printing");
    impl_->batch.Flush();
    if (!impl_->job->newPage()) throw EPrinter("Cannot start a new page");
    impl_->PreparePage();
    ++pageNumber_;
}

void TPrinter::EndDoc() {
    if (!printing_) throw EPrinter("Printer is not currently printing");
    impl_->batch.Flush();
    const bool ended = impl_->painter.end() && impl_->job->printerState() != QPrinter::Error;
    const QSize whole = impl_->job->pageLayout().fullRectPoints().size();
    printing_ = false;
    pageNumber_ = 0;
    impl_->job.reset();
    const QString file = impl_->jobFile;
    impl_->jobFile.clear();

    if (IsPdfPrinter()) {
        const QByteArray from = QFile::encodeName(file);
        const QByteArray to = QFile::encodeName(QString::fromStdString(outputFile_));
        if (!ended || !SetExactPageBoxes(file, whole, impl_->PagePoints()) ||
            std::rename(from.constData(), to.constData()) != 0) {
            QFile::remove(file);
            throw EPrinter("Cannot write file \"" + outputFile_ + "\"");
        }
        return;
    }

    const AnsiString queue = printers_[index_];
    if (!ended) {
        QFile::remove(file);
        throw EPrinter("Printing on \"" + queue + "\" failed");
    }
    const QPageLayout layout = impl_->printer->pageLayout();
    QString error;
    const int id =
        SubmitCupsJob(QString::fromStdString(queue), file, QString::fromStdString(title_),
                      layout.pageSize().key(), layout.orientation() == QPageLayout::Landscape, error);
    QFile::remove(file);
    if (id == 0)
        throw EPrinter("The printer \"" + queue + "\" did not accept the job: " + error.toStdString());
}

void TPrinter::Abort() {
    // Also called from error paths, so a printer that is not printing is left alone quietly.
    if (!printing_) return;
    // The document is only handed on by EndDoc: dropping it leaves nothing behind.
    impl_->batch.Discard();
    impl_->painter.end();
    impl_->job.reset();
    if (!impl_->jobFile.isEmpty()) QFile::remove(impl_->jobFile);
    impl_->jobFile.clear();
    printing_ = false;
    aborted_ = true;
    pageNumber_ = 0;
}

TCanvas* TPrinter::Canvas() {
    return canvas_.get();
}

QPainter* TPrinterCanvasImpl::Painter() {
    if (!owner_->painter.isActive()) return nullptr;
    owner_->batch.Flush();
    return &owner_->painter;
}

cnv::VectorBatch* TPrinterCanvasImpl::Batch() {
    return owner_->painter.isActive() ? &owner_->batch : nullptr;
}

QPaintDevice* TPrinterCanvasImpl::MetricsDevice() {
    return owner_->job ? owner_->job.get() : owner_->printer.get();
}

TRect TPrinterCanvasImpl::Bounds() {
    // The settings cannot change while a job runs, so its pages keep the area they started with.
    const QRect area = owner_->painter.isActive() ? owner_->pageArea : owner_->Geometry().printable;
    return TRect(0, 0, area.width(), area.height());
}
