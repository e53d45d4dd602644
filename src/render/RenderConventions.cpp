#include "render/RenderConventions.h"

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

double PreviewZoom(TForm1* Form) {
    TComboBox* zoom = Form->ComboBox1;
    const AnsiString text = zoom->ItemIndex() >= 0 ? zoom->Text() : AnsiString("40");
    return StrToFloat(text) * 0.01;
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

TPageSurface PrintSurface(TForm1* Form) {
    TPageSurface s;
    s.Canvas = Form->PrinterRef->Canvas();
    s.ScaleX = Form->PxPerMmX;
    s.ScaleY = Form->PxPerMmY;
    s.Left = (Form->MarginLeft + Form->FrameInsetLeft) * Form->PxPerMmX - Form->PhysOffsetX;
    s.Top = (Form->MarginTop + Form->FrameInsetTop) * Form->PxPerMmY - Form->PhysOffsetY;
    s.Right = (Form->MarginRight + Form->FrameInsetRight) * Form->PxPerMmX - Form->PhysOffsetX;
    s.Bottom = (Form->MarginBottom + Form->FrameInsetBottom) * Form->PxPerMmY - Form->PhysOffsetY;
    s.Width = Form->PrinterRef->PageWidth();
    s.Height = Form->PrinterRef->PageHeight();
    s.Paper = clWhite; // printed sheets are white whatever the preview's paper colour
    return s;
}

TPageSurface PreviewSurface(TForm1* Form, double ScaleX, double ScaleY) {
    TPageSurface s;
    s.Canvas = Form->PreviewBitmap->Canvas();
    s.ScaleX = ScaleX;
    s.ScaleY = ScaleY;
    s.Left = (Form->MarginLeft + Form->FrameInsetLeft) * ScaleX;
    s.Top = (Form->MarginTop + Form->FrameInsetTop) * ScaleY;
    s.Right = (Form->MarginRight + Form->FrameInsetRight) * ScaleX;
    s.Bottom = (Form->MarginBottom + Form->FrameInsetBottom) * ScaleY;
    s.Width = Form->PreviewBitmap->Width();
    s.Height = Form->PreviewBitmap->Height();
    s.Paper = Form->PaperColor;
    return s;
}

int StackCount(double W) {
    if (!std::isfinite(W)) throw EInvalidOp("Invalid floating point operation");
    if (W <= 0) return 0;
    return ToPixel(std::ceil(W)); // the j with 0 <= j < W
}

void ForEachStackLine(double Across, double W, const std::function<void(int Offset)>& Draw) {
    const int n = StackCount(W);
    for (int j = 0; j < n; ++j)
        Draw(ToPixel(Across - W * 0.5 + j));
}

void StackedHorizontal(TCanvas* Canvas, int X1, int X2, double Y, double W) {
    ForEachStackLine(Y, W, [&](int y) {
        Canvas->MoveTo(X1, y);
        Canvas->LineTo(X2, y);
    });
}

void StackedVertical(TCanvas* Canvas, double X, int Y1, int Y2, double W) {
    ForEachStackLine(X, W, [&](int x) {
        Canvas->MoveTo(x, Y1);
        Canvas->LineTo(x, Y2);
    });
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
