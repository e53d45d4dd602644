// A print job's document: the pages are drawn into a PDF document of Qt's, and the printer's page
// is the canvas surface they are drawn on.
#include "PdfPageBox.h"
#include "PrinterImpl.h"

#include <QFile>

bool TPrinterImpl::StartJob(const AnsiString& File, const AnsiString& Title) {
    job = CreateJobPrinter();
    job->setDocName(QString::fromStdString(Title));
    job->setCreator("Ruliform");
    job->setOutputFileName(QString::fromStdString(File));
    if (!painter.begin(job.get())) {
        job.reset();
        return false;
    }
    jobFile = QString::fromStdString(File);
    return true;
}

void TPrinterImpl::StartPage(const TRect& Printable) {
    // A new page starts from a fresh device state, so every page gets the origin and clip again.
    const QRect area(Printable.Left, Printable.Top, Printable.Width(), Printable.Height());
    pageArea = area;
    painter.resetTransform();
    painter.translate(area.topLeft());
    painter.setClipRect(QRect(0, 0, area.width(), area.height()));
}

bool TPrinterImpl::NextPage() {
    batch.Flush();
    return job->newPage();
}

bool TPrinterImpl::FinishJob(bool ExactPageBoxes) {
    batch.Flush();
    const bool ended = painter.end() && job->printerState() != QPrinter::Error;
    const QSize whole = job->pageLayout().fullRectPoints().size();
    job.reset();
    jobImage = QImage();
    const QString file = jobFile;
    jobFile.clear();
    if (!ended) return false;
    return !ExactPageBoxes || SetExactPageBoxes(file, whole, PagePoints());
}

void TPrinterImpl::AbortJob() {
    batch.Discard();
    painter.end();
    job.reset();
    jobImage = QImage();
    jobFile.clear();
}

void TPrinterImpl::AttachCanvas(TCanvas& Canvas) {
    Canvas.SetImpl(std::make_unique<TPrinterCanvasImpl>(this));
}

QRect TPrinterImpl::PrintableArea() const {
    return QRect(0, 0, owner->PageWidth(), owner->PageHeight());
}

QPainter* TPrinterCanvasImpl::Painter() {
    if (!owner_->painter.isActive()) return nullptr;
    owner_->batch.Flush();
    return &owner_->painter;
}

QImage TPrinterCanvasImpl::PainterImage(const TBitmap& Bitmap) {
    // Revisions are never shared by two states of any bitmaps, so an equal one is the same picture.
    const uint64_t revision = Bitmap.Revision();
    if (owner_->jobImage.isNull() || owner_->jobImageRevision != revision) {
        owner_->jobImage = TCanvasImpl::PainterImage(Bitmap);
        owner_->jobImageRevision = revision;
    }
    return owner_->jobImage;
}

cnv::VectorBatch* TPrinterCanvasImpl::Batch() {
    return owner_->painter.isActive() ? &owner_->batch : nullptr;
}

QPaintDevice* TPrinterCanvasImpl::MetricsDevice() {
    return owner_->job ? owner_->job.get() : owner_->printer.get();
}

TRect TPrinterCanvasImpl::Bounds() {
    // The settings cannot change while a job runs, so its pages keep the area they started with.
    const QRect area = owner_->painter.isActive() ? owner_->pageArea : owner_->PrintableArea();
    return TRect(0, 0, area.width(), area.height());
}
