// Where the preview's far paper edges lie: the preview's size rounds the printer's paper to three
// digits and truncates it to whole pixels; what the rounding took off lies beyond the bitmap's
// far edges, so that everything placed from the paper's right or bottom edge is at its place.
#pragma once

#include "shell/Unit1.h"
#include "winlib/Forms.h"
#include "winlib/Printers.h"
#include "winlib/SysUtils.h"

// Preview pixels between the bitmap's right (Across) or bottom edge and the paper's, at the
// current zoom.
inline double PreviewPaperExcess(TForm1* f, bool across) {
    const int ppi = across ? ScreenPixelsPerInchX() : ScreenPixelsPerInchY();
    const int paper = f->PrinterRef->GetDeviceCaps(across ? PHYSICALWIDTH : PHYSICALHEIGHT);
    const double pxPerMm = across ? f->PxPerMmX : f->PxPerMmY;
    const double percent = f->ComboBox1->ItemIndex() >= 0 ? StrToFloat(f->ComboBox1->Text()) : 40.0;
    const double s = ppi / 25.4 * percent / 100;
    return paper / pxPerMm * s - PreviewBoxLength(ppi, paper, pxPerMm, percent);
}
