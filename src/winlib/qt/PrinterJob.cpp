// A print job's document: the pages are drawn into a PDF document of Qt's, written through a
// device that keeps the cause of a failed write, and the printer's page is the canvas surface
// they are drawn on.
#include "PdfPageBox.h"
#include "PrinterImpl.h"

#include <cerrno>

bool TPrinterImpl::StartJob(int Fd, const AnsiString& Title) {
    jobFd = Fd;
    jobFile = std::make_unique<TJobFile>(Fd);
    job = CreateJobDocument(jobFile.get());
    job->setTitle(QString::fromStdString(Title));
    job->setCreator("Ruliform");
    if (!painter.begin(job.get())) {
        AbortJob();
        return false;
    }
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

int TPrinterImpl::NextPage() {
    batch.Flush();
    if (!job->newPage()) return jobFile->Error() ? jobFile->Error() : EIO;
    // A page that could not be written is not worth drawing the next one for.
    return jobFile->Error();
}

int TPrinterImpl::FinishJob() {
    batch.Flush();
    const bool ended = painter.end();
    const QSize whole = job->pageLayout().fullRectPoints().size();
    job.reset();
    jobImage = QImage();
    int error = jobFile->Flush();
    jobFile.reset();
    if (!error && !ended) error = EIO;
    // The boxes are rewritten in the file itself, so a file Qt could not finish is found here too.
    if (!error && !SetExactPageBoxes(jobFd, whole, PagePoints())) error = EIO;
    jobFd = -1;
    return error;
}

void TPrinterImpl::AbortJob() {
    batch.Discard();
    if (painter.isActive()) painter.end();
    job.reset();
    jobImage = QImage();
    jobFile.reset();
    jobFd = -1;
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
    return owner_->job ? static_cast<QPaintDevice*>(owner_->job.get()) : owner_->printer.get();
}

TRect TPrinterCanvasImpl::Bounds() {
    // The settings cannot change while a job runs, so its pages keep the area they started with.
    const QRect area = owner_->painter.isActive() ? owner_->pageArea : owner_->PrintableArea();
    return TRect(0, 0, area.width(), area.height());
}
