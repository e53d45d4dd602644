#include "PaperSize.h"

#include "Unit1.h"

#include <algorithm>
#include <cmath>

namespace {
double SheetMm(const TForm1* Form, int extentIndex, int offsetPx, double pxPerMm) {
    if (!Form->PrinterRef) return 0;
    return Form->PrinterRef->GetDeviceCaps(extentIndex) + (pxPerMm > 0 ? 2.0 * offsetPx / pxPerMm : 0.0);
}
} // namespace

double PaperWidthMm(const TForm1* Form) {
    return SheetMm(Form, HORZSIZE, Form->PhysOffsetX, Form->PxPerMmX);
}

double PaperHeightMm(const TForm1* Form) {
    return SheetMm(Form, VERTSIZE, Form->PhysOffsetY, Form->PxPerMmY);
}

double PaperSideMm(const TForm1* Form) {
    return std::max(PaperWidthMm(Form), PaperHeightMm(Form));
}

bool WithinPaper(const TForm1* Form, double Mm) {
    return std::isfinite(Mm) && std::fabs(Mm) <= PaperSideMm(Form);
}
