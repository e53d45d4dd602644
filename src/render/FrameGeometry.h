// How the frame renderers place things: most frame positions count from the paper's own edges,
// not from the content rectangle. One geometry serves both the printer canvas and the preview.
#pragma once

#include "render/RenderConventions.h"

class TForm1;

struct TFrameGeometry {
    TCanvas* Canvas = nullptr;
    double ScaleX = 0, ScaleY = 0;   // x positions and lengths across; y positions
    double TickScaleY = 0;           // the tick ends of the top ruler scale
    double FontScale = 0;            // font heights
    double PenScale = 0;             // pen widths
    double OffsetX = 0, OffsetY = 0; // the printable area's corner inside the paper (print only)
    double Left = 0, Top = 0, Right = 0, Bottom = 0; // content bands, pixels
    int Width = 0, Height = 0;                       // canvas extent

    // Pixel rows and columns d mm inside a paper edge; FromTop(d, px) is px pixels above it.
    int FromTop(double Mm, double MinusPx = 0) const { return ToPixel(Mm * ScaleY - OffsetY - MinusPx); }
    int FromBottom(double Mm) const { return ToPixel(Height - Mm * ScaleY + OffsetY); }
    int FromLeft(double Mm) const { return ToPixel(Mm * ScaleX - OffsetX); }
    int FromRight(double Mm) const { return ToPixel(Width - Mm * ScaleX + OffsetX); }
    int TickFromTop(double Mm) const { return ToPixel(Mm * TickScaleY - OffsetY); }
    int PenWidth(double Mm) const { return ToPixel(Mm * PenScale); }
    int FontHeight(double Mm) const { return ToPixel(Mm * FontScale); }
    double ContentWidth() const { return Width - (Left + Right); }
    double ContentHeight() const { return Height - (Top + Bottom); }
};

// The printer canvas: x by PxPerMmX, y and font heights by PxPerMmY, less the physical offsets.
TFrameGeometry PrintFrameGeometry(TForm1* Form);
// The preview bitmap, the whole sheet: everything by the horizontal preview scale in double
// precision, except the top scale's tick ends, which use the vertical one.
TFrameGeometry PreviewFrameGeometry(TForm1* Form);

// The three frame types, drawn after the shared pen, brush and font set-up.
void DrawNotebookHeader(TForm1* Form, const TFrameGeometry& G);
void DrawRulerScales(TForm1* Form, const TFrameGeometry& G);
void DrawNamePlate(TForm1* Form, const TFrameGeometry& G);
