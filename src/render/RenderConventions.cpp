#include "render/RenderConventions.h"

#include "render/FrameGeometry.h"
#include "shell/Abitmap.h"
#include "shell/Unit1.h"
#include "winlib/SysUtils.h"

#include <algorithm>
#include <cmath>

namespace {
// 1/25.4, in extended precision as the preview's size rule uses it.
constexpr long double kInchPerMm = 0.03937007874015748L;

long double PreviewScale(int pixelsPerInch, TForm1* form) {
    return pixelsPerInch * kInchPerMm * PreviewZoom(form);
}
} // namespace

int ToPixel(double Value) {
    // The negated test also catches NaN.
    if (!(Value > -2147483649.0 && Value < 2147483648.0))
        throw EInvalidOp("Invalid floating point operation");
    return static_cast<int>(Value);
}

int ToCanvasPixel(double Value, int Extent) {
    constexpr double kBeyond = 64;
    if (std::isnan(Value)) return ToPixel(-kBeyond); // no place at all: off the canvas
    return ToPixel(std::clamp(Value, -kBeyond, Extent + kBeyond));
}

double PreviewZoomPercent(TForm1* Form) {
    TComboBox* zoom = Form->ComboBox1;
    const AnsiString text = zoom->ItemIndex() >= 0 ? zoom->Text() : AnsiString("40");
    return StrToFloat(text);
}

double PreviewZoom(TForm1* Form) {
    return PreviewZoomPercent(Form) * 0.01;
}

double PreviewScaleX(TForm1* Form) {
    return static_cast<double>(PreviewScale(ScreenPixelsPerInchX(), Form));
}
double PreviewScaleY(TForm1* Form) {
    return static_cast<double>(PreviewScale(ScreenPixelsPerInchY(), Form));
}
float PreviewScaleSingle(TForm1* Form) {
    return static_cast<float>(PreviewScale(ScreenPixelsPerInchX(), Form));
}

TContentBands FrameBandShiftMm(const TForm1* Form) {
    TContentBands b;
    // The bands of the notebook and of the ruler scales count from the paper's edges and move
    // with their frame; the name plate's counts from the top margin, inside the printable area.
    const int frame = Form->FrameIndex;
    if (Form->CheckBoxHeader->Checked() && (frame == 1 || frame == 2)) {
        const TFrameShift shift = FrameShiftMm(Form, frame);
        b.Top = shift.Top;
        b.Left = shift.Left;
        b.Right = shift.Right;
        b.Bottom = shift.Bottom;
    }
    return b;
}

TContentBands ContentBandsMm(const TForm1* Form) {
    const TContentBands shift = FrameBandShiftMm(Form);
    TContentBands b;
    b.Top = Form->MarginTop + Form->FrameInsetTop + shift.Top;
    b.Left = Form->MarginLeft + Form->FrameInsetLeft + shift.Left;
    b.Right = Form->MarginRight + Form->FrameInsetRight + shift.Right;
    b.Bottom = Form->MarginBottom + Form->FrameInsetBottom + shift.Bottom;
    return b;
}

TPageSurface PrintSurface(TForm1* Form) {
    TPageSurface s;
    s.Canvas = Form->PrinterRef->Canvas();
    s.ScaleX = Form->PxPerMmX;
    s.ScaleY = Form->PxPerMmY;
    const TContentBands b = ContentBandsMm(Form);
    s.Left = b.Left * Form->PxPerMmX - Form->PhysOffsetX;
    s.Top = b.Top * Form->PxPerMmY - Form->PhysOffsetY;
    s.Right = b.Right * Form->PxPerMmX - Form->PhysOffsetX;
    s.Bottom = b.Bottom * Form->PxPerMmY - Form->PhysOffsetY;
    s.Width = Form->PrinterRef->PageWidth();
    s.Height = Form->PrinterRef->PageHeight();
    s.Paper = clWhite; // printed sheets are white whatever the preview's paper colour
    // The one place where the printer's offsets enter: the canvas starts at the printable corner.
    s.PaperLeft = -Form->PhysOffsetX;
    s.PaperTop = -Form->PhysOffsetY;
    s.PaperRight = s.Width + static_cast<double>(Form->PhysOffsetX);
    s.PaperBottom = s.Height + static_cast<double>(Form->PhysOffsetY);
    s.BorderX = Form->PhysOffsetX;
    s.BorderY = Form->PhysOffsetY;
    return s;
}

TPageSurface PreviewSurface(TForm1* Form, double ScaleX, double ScaleY) {
    TPageSurface s;
    s.Canvas = Form->PreviewBitmap->Canvas();
    s.ScaleX = ScaleX;
    s.ScaleY = ScaleY;
    s.Width = Form->PreviewBitmap->Width();
    s.Height = Form->PreviewBitmap->Height();
    s.Paper = Form->PaperColor;
    // Dashes as long on the preview's paper as the printer draws them: its patterns count
    // printer pixels.
    s.Canvas->Pen()->SetDashScale(Form->PxPerMmX > 0 ? ScaleX / Form->PxPerMmX : 1.0);
    // The bitmap starts at the paper's corner; its far edges are the paper's to a pixel (the
    // preview's size is the paper's rounded), so the paper's far edges are taken from the
    // printer's paper itself, as the print's are.
    s.PaperRight = PreviewPaperWidth(Form, ScaleX);
    s.PaperBottom = PreviewPaperHeight(Form, ScaleY);
    const TContentBands b = ContentBandsMm(Form);
    s.Left = b.Left * ScaleX;
    s.Top = b.Top * ScaleY;
    // Measured from the bitmap's far edges, like the print's from the printable area's.
    s.Right = b.Right * ScaleX - (s.PaperRight - s.Width);
    s.Bottom = b.Bottom * ScaleY - (s.PaperBottom - s.Height);
    s.BorderX = BorderMmX(Form) * ScaleX;
    s.BorderY = BorderMmY(Form) * ScaleY;
    return s;
}

namespace {
// The bitmap's length along one axis with what the preview's size rule took off the paper's:
// the paper rounded to three digits and the pixels truncated (PreviewBoxLength).
double PreviewPaperLength(TForm1* Form, int bitmap, int caps, int pixelsPerInch, double pxPerMm,
                          double scale) {
    if (!(pxPerMm > 0)) return bitmap;
    const int paper = Form->PrinterRef->GetDeviceCaps(caps);
    const double percent = PreviewZoomPercent(Form);
    return bitmap + (paper / pxPerMm * scale - PreviewBoxLength(pixelsPerInch, paper, pxPerMm, percent));
}
} // namespace

double PreviewPaperWidth(TForm1* Form, double ScaleX) {
    return PreviewPaperLength(Form, Form->PreviewBitmap->Width(), PHYSICALWIDTH, ScreenPixelsPerInchX(),
                              Form->PxPerMmX, ScaleX);
}
double PreviewPaperHeight(TForm1* Form, double ScaleY) {
    return PreviewPaperLength(Form, Form->PreviewBitmap->Height(), PHYSICALHEIGHT, ScreenPixelsPerInchY(),
                              Form->PxPerMmY, ScaleY);
}

double BorderMmX(const TForm1* Form) {
    return Form->PxPerMmX > 0 ? Form->PhysOffsetX / Form->PxPerMmX : 0.0;
}
double BorderMmY(const TForm1* Form) {
    return Form->PxPerMmY > 0 ? Form->PhysOffsetY / Form->PxPerMmY : 0.0;
}

TPenStyle PenStyleOf(int Index) {
    static constexpr TPenStyle styles[5] = {psSolid, psDash, psDot, psDashDot, psDashDotDot};
    return Index >= 0 && Index < 5 ? styles[Index] : psSolid;
}

void SetLinePen(TCanvas* Canvas, int Index) {
    Canvas->Pen()->SetStyle(PenStyleOf(Index));
    Canvas->Pen()->SetWidth(1);
}

double ParseThickness(const AnsiString& Text, double Default) {
    double v;
    return TryStrToFloat(Text, v) ? v : Default;
}

TColor LineColor(TForm1* Form) {
    return Form->Panel2->Color();
}

int FontHeightPx(double SizeMm, double Scale) {
    return ToPixel(SizeMm * Scale);
}

void SetFontSizeMm(TFont* Font, double SizeMm, double Scale) {
    Font->SetHeight(FontHeightPx(SizeMm, Scale));
}

double TextWidthAtHeight(TCanvas* Canvas, const AnsiString& Text, double HeightPx) {
    if (!(HeightPx > 0)) return Canvas->TextWidth(Text);
    TFont* font = Canvas->Font();
    const int kept = font->Height();
    // At some 600 pixels a glyph's advance is the outline's, not the hinting of a small size.
    constexpr double kMeasured = 600;
    const double factor = std::max(1.0, std::ceil(kMeasured / HeightPx));
    const int measured = ToPixel(HeightPx * factor);
    font->SetHeight(measured);
    const int width = Canvas->TextWidth(Text);
    font->SetHeight(kept);
    return width * HeightPx / measured;
}
