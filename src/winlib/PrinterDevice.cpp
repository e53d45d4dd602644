// Configuring a QPrinter for one printer of the list and reading its page geometry.
#include "PrinterImpl.h"

#include <QPageLayout>
#include <QPrinterInfo>

#include <cmath>

namespace {

// Plenty of detail for ruled lines while keeping PDF coordinates small.
constexpr int PreferredResolution = 600;

// Whole millimetres of a length that may come out a hair under a whole number in floating point.
double TruncMm(double mm) {
    return std::floor(mm + 1e-6);
}

} // namespace

std::unique_ptr<QPrinter> TPrinterImpl::CreatePrinter(const TPrinterEntry& entry) {
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
        const QPrinterInfo info = QPrinterInfo::printerInfo(entry.name);
        p = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        if (info.supportedResolutions().contains(PreferredResolution)) p->setResolution(PreferredResolution);
        if (info.defaultPageSize().isValid()) p->setPageSize(info.defaultPageSize());
        p->setPageOrientation(QPageLayout::Portrait);
    }
    // The painter starts at the paper's corner; PreparePage moves it to the printable corner.
    p->setFullPage(true);
    return p;
}

TPrinterGeometry TPrinterImpl::Geometry() const {
    TPrinterGeometry g;
    const QPageLayout layout = printer->pageLayout();
    // In full-page mode the layout's margins are not applied; the device's printable margins are
    // its minimum margins.
    QPageLayout printable(layout.pageSize(), layout.orientation(), layout.minimumMargins(), layout.units(),
                          QMarginsF());
    const int res = printer->resolution();
    g.dpiX = g.dpiY = res;
    g.paper = layout.fullRectPixels(res);
    g.printable = printable.paintRectPixels(res);
    const QRectF mm = printable.paintRect(QPageLayout::Millimeter);
    g.printableWidthMm = mm.width();
    g.printableHeightMm = mm.height();
    return g;
}

void TPrinterImpl::PreparePage() {
    const QRect area = Geometry().printable;
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
