// The page geometry of the current printer in device pixels, and the device capabilities read
// from it.
#include "PrinterGeometry.h"
#include "Printers.h"
#include "widgetset/WSPrinters.h"

#include <algorithm>
#include <cmath>

namespace {

// Whole millimetres of a length that may come out a hair under a whole number in floating point.
double TruncMm(double mm) {
    return std::floor(mm + 1e-6);
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

TPrinterGeometry PrinterGeometry(const TWSPageMetrics& page) {
    TPrinterGeometry g;
    const int res = page.Resolution;
    g.dpiX = g.dpiY = res;
    const int paperWidth = Pixels(page.WidthPt, res);
    const int paperHeight = Pixels(page.HeightPt, res);
    g.paper = TRect(0, 0, paperWidth, paperHeight);
    // Taking the wider border of each pair keeps the printable area centred, so lengths measured
    // from the right or the bottom edge of the paper hold as well.
    const int borderX = BorderPixels(std::max(page.MarginLeftPt, page.MarginRightPt), res);
    const int borderY = BorderPixels(std::max(page.MarginTopPt, page.MarginBottomPt), res);
    g.printable = TRect(borderX, borderY, borderX + std::max(0, paperWidth - 2 * borderX),
                        borderY + std::max(0, paperHeight - 2 * borderY));
    // In millimetres from the paper's own size, which whole pixels would round.
    g.printableWidthMm = (page.WidthPt / 72.0 - 2.0 * borderX / res) * 25.4;
    g.printableHeightMm = (page.HeightPt / 72.0 - 2.0 * borderY / res) * 25.4;
    return g;
}

int TPrinter::PageWidth() const {
    return PrinterGeometry(ws_->PageMetrics()).printable.Width();
}

int TPrinter::PageHeight() const {
    return PrinterGeometry(ws_->PageMetrics()).printable.Height();
}

int TPrinter::Resolution() const {
    return ws_->PageMetrics().Resolution;
}

int TPrinter::GetDeviceCaps(int Index) const {
    const TPrinterGeometry g = PrinterGeometry(ws_->PageMetrics());
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
        return g.paper.Width();
    case PHYSICALHEIGHT:
        return g.paper.Height();
    case PHYSICALOFFSETX:
        return g.printable.Left - g.paper.Left;
    case PHYSICALOFFSETY:
        return g.printable.Top - g.paper.Top;
    default:
        return 0;
    }
}
