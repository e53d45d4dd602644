// Configuring a QPrinter for one printer of the list and reading its page in points.
#include "PrinterImpl.h"
#include "winlib/CupsQueue.h"

#include <QPageLayout>
#include <QPrinterInfo>

namespace {

// Plenty of detail for ruled lines while keeping PDF coordinates small.
constexpr int PreferredResolution = 600;

// Points in one unit of a page size or a page layout (both enums list the units alike).
double PointsPerUnit(int unit) {
    switch (unit) {
    case QPageSize::Millimeter:
        return 72.0 / 25.4;
    case QPageSize::Inch:
        return 72.0;
    case QPageSize::Pica:
        return 12.0;
    case QPageSize::Didot:
        return 72.0 / 25.4 * 0.375;
    case QPageSize::Cicero:
        return 12.0 * 72.0 / 25.4 * 0.375;
    default:
        return 1.0;
    }
}

// The unprintable border the PDF printer imitates for tests, in points (none by default).
QMarginsF pdfBorderForTest;

} // namespace

void SetPdfPrinterBorderForTest(double LeftRightPt, double TopBottomPt) {
    pdfBorderForTest = QMarginsF(LeftRightPt, TopBottomPt, LeftRightPt, TopBottomPt);
}

void TPrinterImpl::SelectPdf() {
    // A PDF has no unprintable border, so the printable area is the whole sheet and the offsets
    // are 0; the program then offers 0 mm as the smallest margin.
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setResolution(PreferredResolution);
    p->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                                 QPageLayout::Millimeter, QMarginsF()));
    // The painter starts at the paper's corner; StartPage moves it to the printable corner.
    p->setFullPage(true);
    printer = std::move(p);
    pdf = true;
    queue.clear();
    declared = QSizeF();
}

bool TPrinterImpl::SelectQueue(const AnsiString& Queue) {
    const QString name = QString::fromStdString(Queue);
    // Qt would quietly configure the default printer for a name it no longer finds.
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull()) return false;
    auto p = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (info.supportedResolutions().contains(PreferredResolution)) p->setResolution(PreferredResolution);
    if (info.defaultPageSize().isValid()) p->setPageSize(info.defaultPageSize());
    p->setPageOrientation(QPageLayout::Portrait);
    p->setFullPage(true);
    printer = std::move(p);
    pdf = false;
    queue = name;
    TakeDeclaredSize();
    return true;
}

void TPrinterImpl::TakeDeclaredSize() {
    declared = QSizeF();
    double width = 0, height = 0;
    // Qt gives a queue's sheet the standard size of the paper it resembles (the PPD's B5 of
    // 518 x 727 pt becomes JIS B5's 516 x 729), which the queue would then centre on its own.
    if (!pdf && CupsPaperPoints(queue.toStdString(), printer->pageLayout().pageSize().key().toStdString(),
                                width, height))
        declared = QSizeF(width, height);
}

QSizeF TPrinterImpl::PagePoints() const {
    const QPageLayout layout = printer->pageLayout();
    const QPageSize size = layout.pageSize();
    QSizeF points = size.sizePoints();
    if (pdf) points = size.definitionSize() * PointsPerUnit(static_cast<int>(size.definitionUnits()));
    if (!pdf && declared.isValid()) points = declared;
    if (layout.orientation() == QPageLayout::Landscape) points.transpose();
    return points;
}

TWSPageMetrics TPrinterImpl::PageMetrics() const {
    TWSPageMetrics m;
    m.Resolution = printer->resolution();
    const QSizeF points = PagePoints();
    m.WidthPt = points.width();
    m.HeightPt = points.height();
    // In full-page mode the layout's margins are not applied; the device's printable margins are
    // its minimum margins.
    const QPageLayout layout = printer->pageLayout();
    const QMarginsF margins =
        pdf ? pdfBorderForTest : layout.minimumMargins() * PointsPerUnit(static_cast<int>(layout.units()));
    m.MarginLeftPt = margins.left();
    m.MarginTopPt = margins.top();
    m.MarginRightPt = margins.right();
    m.MarginBottomPt = margins.bottom();
    return m;
}

std::unique_ptr<QPdfWriter> TPrinterImpl::CreateJobDocument(QIODevice* device) const {
    auto job = std::make_unique<QPdfWriter>(device);
    job->setResolution(printer->resolution());
    // No margins: the painter starts at the paper's corner, as the settings' full-page printer.
    const QPageLayout layout = printer->pageLayout();
    // A queue's pages have the size it declares (whole points here, exact once the job ends).
    const QPageSize size =
        pdf || !declared.isValid()
            ? layout.pageSize()
            : QPageSize(declared, QPageSize::Point, layout.pageSize().name(), QPageSize::ExactMatch);
    job->setPageLayout(QPageLayout(size, layout.orientation(), QMarginsF(), QPageLayout::Point, QMarginsF()));
    return job;
}

bool TPrinterImpl::Landscape() const {
    return printer->pageLayout().orientation() == QPageLayout::Landscape;
}

void TPrinterImpl::SetLandscape(bool on) {
    printer->setPageOrientation(on ? QPageLayout::Landscape : QPageLayout::Portrait);
}
