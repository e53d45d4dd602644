// What every paper and decoration renderer shares: scales, origins, truncation, stacked
// one-pixel lines, pen styles, colours and font heights.
//
// Each element of a page has two renderers of the same shape, a print renderer that draws on
// the printer's canvas during a print job and a preview renderer that draws into the preview
// bitmap. Both work from a TPageSurface: the canvas, the pixels per millimetre and the content
// origin. A renderer adds only what is particular to its element; it never repeats the origin
// or stacking arithmetic below.
//
// Rules in brief:
// - Lengths are millimetres (typed as decimal text, parsed on every call) converted to pixels
//   in double precision; every conversion to a pixel truncates toward zero (ToPixel).
// - A position p mm inside the content rectangle lies at ToPixel(p * scale + origin).
// - A line t mm thick is a stack of one-pixel lines (so dashes stay visible); the thickness in
//   pixels always uses the horizontal scale, for horizontal lines too. The lines of a stack W
//   pixels thick lie at ToPixel(position + origin - W * 0.5 + j) for j = 0, 1, ... while j < W;
//   renderers draw their stacks through a TStackPass (StackPass.h), which draws just these rows.
// - Renderers leave pen, brush and font as they set them; the next renderer sets what it needs.
//
// A preview renderer for ruled lines, in outline:
//   const float s = PreviewScaleSingle(Form1);
//   const TPageSurface page = PreviewSurface(Form1, s, s);
//   page.Canvas->Pen()->SetColor(LineColor(Form1));
//   SetLinePen(page.Canvas, Form1->ComboBox3->ItemIndex());
//   const double w = page.Thickness(ParseThickness(Form1->EditLineSize->Text()));
//   TStackPass lines(page.Canvas, true, page.Height);
//   for (each line at y mm)
//       lines.Add(page.X(0), page.X(lengthMm), y * page.ScaleY + page.Top, w);
//   lines.Flush();
// Its print renderer is the same with PrintSurface(Form1) and white where the preview uses Paper.
#pragma once

#include "winlib/Graphics.h"

class TForm1;

// ---- truncation ----------------------------------------------------------------------------

// Floating value to a pixel coordinate, count or font height: truncation toward zero, never
// rounding. A value that is not finite or does not fit an int raises EInvalidOp (converting it
// would be undefined; a renderer's caller reports the error like any other).
int ToPixel(double Value);

// A solid line's end that may lie far off a canvas Extent pixels long (a pattern of two billion
// cells): truncated as ToPixel does, but held 64 pixels beyond the canvas, where the line is cut
// off all the same, instead of overflowing; a value that is not a number lies before the canvas.
// Not for dashed lines, whose dashes count from the end.
int ToCanvasPixel(double Value, int Extent);

// ---- scales ----------------------------------------------------------------------------------

// The zoom of the preview as a factor: the selected ComboBox1 item ("100" ... "25") times 0.01.
// With no item selected the default 40 % stands in, as it does for the preview's size.
double PreviewZoom(TForm1* Form);
// The same as the per cent the preview's size rule takes (100, 80 ... 25).
double PreviewZoomPercent(TForm1* Form);
// Preview pixels per millimetre: the screen's pixels per inch / 25.4 * zoom, in double
// precision. The Y form uses the screen's vertical pixels per inch.
double PreviewScaleX(TForm1* Form);
double PreviewScaleY(TForm1* Form);
// The same scale held in single precision, as most preview renderers hold it. It differs from
// the double scale in the last bits, which can move a truncated pixel at exact boundaries.
float PreviewScaleSingle(TForm1* Form);

// ---- where a renderer draws ----------------------------------------------------------------------

// The canvas a renderer draws on and how millimetres become its pixels.
//
// Print: the canvas origin (0, 0) is the corner of the printable area, PhysOffsetX/Y pixels
// inside the paper's corner, so the content origin is the margin plus frame inset, scaled,
// less the physical offset. Right and Bottom are measured from the printable area's right and
// bottom edges. Width/Height are the printable area (PageWidth/PageHeight).
// Preview: the bitmap is the whole sheet, so the content origin is the margin plus frame inset,
// scaled. Width/Height are the bitmap's size; Right and Bottom are measured from its edges, so
// that Width - Right is the content's right edge on the paper whatever the bitmap's rounding.
//
// Left, Top, Right and Bottom stay in floating point; truncate only the final coordinate.
//
// Everything on a page is placed from the paper's edges, on the sheet and in the preview alike;
// the printer's offsets enter in one place, PrintSurface, as the paper's corner lying
// PhysOffsetX/Y pixels before the canvas origin (PaperLeft, PaperTop). The printable area is
// known to both: the whole printer canvas, and the same rectangle inside the preview's sheet.
struct TPageSurface {
    TCanvas* Canvas = nullptr;
    double ScaleX = 0;            // pixels per millimetre across
    double ScaleY = 0;            // pixels per millimetre down
    double Left = 0, Top = 0;     // content origin, pixels
    double Right = 0, Bottom = 0; // content bands at the far edges, pixels
    int Width = 0, Height = 0;    // canvas extent, pixels
    TColor Paper = clWhite;       // behind text and for fills: white in print, PaperColor in preview
    // The paper's edges in canvas pixels: print (-PhysOffsetX, -PhysOffsetY) to (PageWidth +
    // PhysOffsetX, PageHeight + PhysOffsetY); preview (0, 0) to the printer's paper at the
    // preview's scale (PreviewPaperWidth/Height), which the bitmap's size rounds.
    double PaperLeft = 0, PaperTop = 0, PaperRight = 0, PaperBottom = 0;
    // The printer's unprintable border in canvas pixels, as wide at the far edges as at the
    // near ones: the printable area is the paper less it, the whole canvas in print.
    double BorderX = 0, BorderY = 0;

    // A position p mm inside the content rectangle, as a pixel coordinate.
    int X(double Mm) const { return ToPixel(Mm * ScaleX + Left); }
    int Y(double Mm) const { return ToPixel(Mm * ScaleY + Top); }
    // A position d mm from the paper's left or top edge, untruncated.
    double PaperX(double Mm) const { return PaperLeft + Mm * ScaleX; }
    double PaperY(double Mm) const { return PaperTop + Mm * ScaleY; }
    double PrintableLeft() const { return PaperLeft + BorderX; }
    double PrintableTop() const { return PaperTop + BorderY; }
    double PrintableRight() const { return PaperRight - BorderX; }
    double PrintableBottom() const { return PaperBottom - BorderY; }
    // A thickness in millimetres as a (floating, untruncated) stack height in pixels.
    double Thickness(double Mm) const { return Mm * ScaleX; }
};

// The printer's unprintable border in millimetres, across (left and right) and down (top and
// bottom): PhysOffsetX/Y at the printer's scale. 0 for the PDF printer.
double BorderMmX(const TForm1* Form);
double BorderMmY(const TForm1* Form);

// The bands between the paper's edges and the content rectangle, in millimetres: on each side
// the margin and the frame inset, and, where a notebook header or a ruler scale has moved
// inward off the printer's unprintable border (FrameGeometry.h), that move as well, so the
// content still begins where the frame ends.
struct TContentBands {
    double Top = 0, Left = 0, Right = 0, Bottom = 0;
};
TContentBands ContentBandsMm(const TForm1* Form);
// What ContentBandsMm adds to the margins and frame insets on each side (0 without a frame, and
// on a printer that prints to the paper's edges).
TContentBands FrameBandShiftMm(const TForm1* Form);

// The printer's canvas with PxPerMmX/PxPerMmY (only meaningful while a print job runs).
TPageSurface PrintSurface(TForm1* Form);
// Where the preview's far paper edges lie at the given scale: the bitmap's width (height) and
// what the preview's size rule rounded off the printer's paper (up to a few pixels), so that
// anything placed from the far edges lies where the paper's edge puts it.
double PreviewPaperWidth(TForm1* Form, double ScaleX);
double PreviewPaperHeight(TForm1* Form, double ScaleY);
// The preview bitmap's canvas at the given scales. Most preview renderers pass the single
// precision scale for both; the graph paper and frame previews pass PreviewScaleX/Y. It also
// gives the canvas's pen the dash scale of the preview against the printer (ScaleX / PxPerMmX),
// so that dashed lines keep on the preview the length in millimetres they print with.
TPageSurface PreviewSurface(TForm1* Form, double ScaleX, double ScaleY);

// ---- pen styles ----------------------------------------------------------------------------------

// The items of every line-type list, in order; the selected index is the pen style.
inline constexpr const char* LineTypeItems[5] = {"実線", "破線", "点線", "一点鎖線", "二点鎖線"};
// 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot. A list with no selection (-1) or an index
// out of range draws solid, so the lines stay visible.
TPenStyle PenStyleOf(int Index);
// Pen style from a line-type index; the width goes back to 1 because styled pens are one pixel.
void SetLinePen(TCanvas* Canvas, int Index);

// ---- parsing, colours and fonts ------------------------------------------------------------------

// A thickness in millimetres from its edit text; Default (0.1 mm for most elements) when the
// text is not a decimal number. Counts and pitches are parsed without a default and raise.
double ParseThickness(const AnsiString& Text, double Default = 0.1);
// The line colour: the colour of the swatch Panel2.
TColor LineColor(TForm1* Form);
// A font size counts as millimetres of cell height: height = trunc(size * scale), with the
// horizontal scale (PxPerMmX in print, the preview scale in the preview).
int FontHeightPx(double SizeMm, double Scale);
// Sets Font's height (positive: the cell height) for a size in millimetres.
void SetFontSizeMm(TFont* Font, double SizeMm, double Scale);
// The width in pixels Text takes in the canvas's font at a cell height of HeightPx pixels, which
// need not be whole: measured at a much larger height and scaled down, so that a width that
// places something (a right-aligned field) does not carry the error of a font height truncated
// to a few screen pixels. The canvas keeps its font.
double TextWidthAtHeight(TCanvas* Canvas, const AnsiString& Text, double HeightPx);
// The finest pitch of a pattern of shapes (grid dots, triangles, circles, manuscript cells), as
// of the graph paper's cells: finer patterns are a solid grey on paper and would take millions
// of shapes to draw. The editors refuse finer pitches; a pitch the renderer derives (fitted
// manuscript cells) is held to it.
inline constexpr double FinestPitchMm = 1.0;

// The text whose measured height places the page number and the corner mark.
inline constexpr const char* SampleText = "Wq";
