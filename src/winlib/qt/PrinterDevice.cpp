// Configuring a QPrinter for one printer of the list and reading its page geometry.
#include "PrinterImpl.h"
#include "winlib/SysUtils.h"

#include <QPageLayout>
#include <QPrinterInfo>

#include <algorithm>
#include <cmath>

namespace {

// Plenty of detail for ruled lines while keeping PDF coordinates small.
constexpr int PreferredResolution = 600;

// Whole millimetres of a length that may come out a hair under a whole number in floating point.
double TruncMm(double mm) {
    return std::floor(mm + 1e-6);
}

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

// A length in points as device pixels, rounded to the nearest pixel.
int Pixels(double points, int dpi) {
    return static_cast<int>(std::lround(points * dpi / 72.0));
}

// An unprintable border in points as whole device pixels, never less than the border.
int BorderPixels(double points, int dpi) {
    return std::max(0, static_cast<int>(std::ceil(points * dpi / 72.0 - 1e-6)));
}

} // namespace

void TPrinterImpl::Select(const TPrinterEntry& entry) {
    std::unique_ptr<QPrinter> p;
    if (entry.pdf) {
        // A PDF has no unprintable border, so the printable area is the whole sheet and the
        // offsets are 0; the program then offers 0 mm as the smallest margin.
        p = std::make_unique<QPrinter>(QPrinter::HighResolution);
        p->setOutputFormat(QPrinter::PdfFormat);
        p->setResolution(PreferredResolution);
        p->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                                     QPageLayout::Millimeter, QMarginsF()));
    } else {
        // Qt would quietly configure the default printer for a name it no longer finds.
        const QPrinterInfo info = QPrinterInfo::printerInfo(entry.name);
        if (info.isNull())
            throw EPrinter("The printer \"" + entry.name.toStdString() + "\" no longer exists");
        p = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        if (info.supportedResolutions().contains(PreferredResolution)) p->setResolution(PreferredResolution);
        if (info.defaultPageSize().isValid()) p->setPageSize(info.defaultPageSize());
        p->setPageOrientation(QPageLayout::Portrait);
    }
    // The painter starts at the paper's corner; PreparePage moves it to the printable corner.
    p->setFullPage(true);
    printer = std::move(p);
    pdf = entry.pdf;
}

QSizeF TPrinterImpl::PagePoints() const {
    const QPageLayout layout = printer->pageLayout();
    const QPageSize size = layout.pageSize();
    QSizeF points = size.sizePoints();
    if (pdf) points = size.definitionSize() * PointsPerUnit(static_cast<int>(size.definitionUnits()));
    if (layout.orientation() == QPageLayout::Landscape) points.transpose();
    return points;
}

TPrinterGeometry TPrinterImpl::Geometry() const {
    TPrinterGeometry g;
    const int res = printer->resolution();
    g.dpiX = g.dpiY = res;
    const QSizeF points = PagePoints();
    g.paper = QRect(0, 0, Pixels(points.width(), res), Pixels(points.height(), res));
    // In full-page mode the layout's margins are not applied; the device's printable margins are
    // its minimum margins. Taking the wider border of each pair keeps the printable area centred,
    // so lengths measured from the right or the bottom edge of the paper hold as well.
    const QPageLayout layout = printer->pageLayout();
    const QMarginsF m = layout.minimumMargins() * PointsPerUnit(static_cast<int>(layout.units()));
    const int borderX = BorderPixels(std::max(m.left(), m.right()), res);
    const int borderY = BorderPixels(std::max(m.top(), m.bottom()), res);
    g.printable = QRect(borderX, borderY, std::max(0, g.paper.width() - 2 * borderX),
                        std::max(0, g.paper.height() - 2 * borderY));
    // In millimetres from the paper's own size, which whole pixels would round.
    g.printableWidthMm = (points.width() / 72.0 - 2.0 * borderX / res) * 25.4;
    g.printableHeightMm = (points.height() / 72.0 - 2.0 * borderY / res) * 25.4;
    return g;
}

std::unique_ptr<QPrinter> TPrinterImpl::CreateJobPrinter() const {
    auto job = std::make_unique<QPrinter>(QPrinter::HighResolution);
    job->setOutputFormat(QPrinter::PdfFormat);
    job->setResolution(printer->resolution());
    const QPageLayout layout = printer->pageLayout();
    job->setPageLayout(
        QPageLayout(layout.pageSize(), layout.orientation(), QMarginsF(), QPageLayout::Point, QMarginsF()));
    job->setFullPage(true);
    return job;
}

void TPrinterImpl::PreparePage() {
    const QRect area = Geometry().printable;
    pageArea = area;
    painter.resetTransform();
    painter.translate(area.topLeft());
    painter.setClipRect(QRect(0, 0, area.width(), area.height()));
}

int TPrinter::PageWidth() const {
    return impl_->Geometry().printable.width();
}

int TPrinter::PageHeight() const {
    return impl_->Geometry().printable.height();
}

int TPrinter::Resolution() const {
    return impl_->printer->resolution();
}

int TPrinter::GetDeviceCaps(int Index) const {
    const TPrinterGeometry g = impl_->Geometry();
    switch (Index) {
    case HORZSIZE:
        return static_cast<int>(TruncMm(g.printableWidthMm));
    case VERTSIZE:
        return static_cast<int>(TruncMm(g.printableHeightMm));
    case LOGPIXELSX:
        return g.dpiX;
    case LOGPIXELSY:
        return g.dpiY;
    case PHYSICALWIDTH:
        return g.paper.width();
    case PHYSICALHEIGHT:
        return g.paper.height();
    case PHYSICALOFFSETX:
        return g.printable.left() - g.paper.left();
    case PHYSICALOFFSETY:
        return g.printable.top() - g.paper.top();
    default:
        return 0;
    }
}
