// How the frame renderers place things: most frame positions count from the paper's own edges,
// not from the content rectangle. One geometry serves both the printer canvas and the preview;
// it comes from the page surface, so the printer's offsets enter only where PrintSurface puts
// the paper's corner before the printable one.
//
// A frame never stands in the printer's unprintable border: the parts a frame lays along an
// edge (the ruler scale of that edge, the notebook's header or its bottom rule, the name plate)
// move inward together, just far enough that the outermost of them lies inside the printable
// area, on the sheet and in the preview alike. On a printer that prints to the edge (the PDF
// printer), or whose border is narrower than the frame's parts lie from the edge, nothing
// moves. The frame's bands (FrameInset*) grow by the same amount, so the paper pattern still
// starts where the frame ends and none of its rows falls into the border.
#pragma once

#include "render/RenderConventions.h"

class TForm1;

// Millimetres by which a frame's parts along each paper edge move inward.
struct TFrameShift {
    double Top = 0, Bottom = 0, Left = 0, Right = 0;
};

// The shift of frame type FrameType (1 notebook, 2 ruler scales, 3 name plate) on the current
// printer: for each edge, how far the outermost part the frame lays there would reach into the
// unprintable border (0 when it lies inside the printable area, or the frame lays nothing there).
TFrameShift FrameShiftMm(const TForm1* Form, int FrameType);

// Where the frame's parts lie from the paper's edges, before any shift: the content of a
// notebook begins below its header at NotebookTopMm and ends above its bottom rule at
// NotebookBottomMm; a ruler scale's ticks end, and the content begins, RulerMm inside its edge.
inline constexpr double NotebookTopMm = 30.0;
inline constexpr double NotebookBottomMm = 10.0;
inline constexpr double RulerMm = 10.0;

struct TFrameGeometry {
    TCanvas* Canvas = nullptr;
    double ScaleX = 0, ScaleY = 0; // x positions and lengths across; y positions
    double TickScaleY = 0;         // the tick ends of the top ruler scale
    double FontScale = 0;          // font heights
    double PenScale = 0;           // pen widths
    // The paper's edges in canvas pixels (print: the paper's corner lies the physical offsets
    // before the printable corner, the canvas origin).
    double PaperLeft = 0, PaperTop = 0, PaperRight = 0, PaperBottom = 0;
    TFrameShift Shift;                               // millimetres inward, by edge
    double Left = 0, Top = 0, Right = 0, Bottom = 0; // content bands, pixels
    int Width = 0, Height = 0;                       // canvas extent

    // Pixel rows and columns d mm inside a paper edge (moved inward by that edge's shift);
    // FromTop(d, px) is px pixels above it.
    int FromTop(double Mm, double MinusPx = 0) const {
        return ToPixel((Mm + Shift.Top) * ScaleY + PaperTop - MinusPx);
    }
    int FromBottom(double Mm) const { return ToPixel(PaperBottom - (Mm + Shift.Bottom) * ScaleY); }
    int FromLeft(double Mm) const { return ToPixel((Mm + Shift.Left) * ScaleX + PaperLeft); }
    int FromRight(double Mm) const { return ToPixel(PaperRight - (Mm + Shift.Right) * ScaleX); }
    int TickFromTop(double Mm) const { return ToPixel((Mm + Shift.Top) * TickScaleY + PaperTop); }
    int PenWidth(double Mm) const { return ToPixel(Mm * PenScale); }
    int FontHeight(double Mm) const { return ToPixel(Mm * FontScale); }
    double ContentWidth() const { return Width - (Left + Right); }
    double ContentHeight() const { return Height - (Top + Bottom); }
    // The paper's left edge and width in whole pixels (both whole numbers on either canvas).
    int PaperX0() const { return ToPixel(PaperLeft); }
    int PaperWidthPx() const { return ToPixel(PaperRight - PaperLeft); }
};

// The printer canvas: x by PxPerMmX, y and font heights by PxPerMmY, the paper's corner the
// physical offsets before the canvas origin.
TFrameGeometry PrintFrameGeometry(TForm1* Form, int FrameType);
// The preview bitmap, the whole sheet: everything by the horizontal preview scale in double
// precision, except the top scale's tick ends, which use the vertical one.
TFrameGeometry PreviewFrameGeometry(TForm1* Form, int FrameType);

// The three frame types, drawn after the shared pen, brush and font set-up.
void DrawNotebookHeader(TForm1* Form, const TFrameGeometry& G);
void DrawRulerScales(TForm1* Form, const TFrameGeometry& G);
void DrawNamePlate(TForm1* Form, const TFrameGeometry& G);
