// Internal to the layer: how a TCanvas reaches its drawing surface (a bitmap, a printer page, a
// control), without the toolkit.
//
// TCanvas keeps the pen, brush and font and the pixel rules: it writes 1-pixel lines, fills,
// frames, thin rectangle outlines, plain ellipses and bitmaps straight into the memory of a
// surface that has a Bitmap(), and hands everything else to the surface as one vector shape per
// call, so that printed pages stay vector output. After each drawing call it calls Changed().
//
// A surface that cannot be drawn on now (a printer that is not printing) draws nothing.
// Coordinates are device pixels; a shape's box has its right and bottom edge excluded.
#pragma once

#include "winlib/CanvasLines.h"
#include "winlib/Graphics.h"

#include <memory>

class TWSCanvas {
  public:
    virtual ~TWSCanvas() = default;
    // Pixel extent of the surface, for clipping.
    virtual TRect Bounds() = 0;
    // The bitmap whose memory this surface is; raster fast paths write into it directly.
    virtual TBitmap* Bitmap() { return nullptr; }
    // Called after each drawing call; a window surface schedules its repaint here.
    virtual void Changed() {}

    // The pixels of R (already clipped) in one colour.
    virtual void FillPixels(const TRect& R, TColor Color) = 0;
    // A 1-pixel line by the layer's line rules (cnv::WalkLine), as vector shapes. False when the
    // surface cannot be drawn on now; StylePos is then left for the caller to move on.
    virtual bool ThinLine(int X0, int Y0, int X1, int Y1, const TRect& Clip, cnv::DashMask Mask,
                          int& StylePos, TColor Color) = 0;
    // The line between the centres of pixels A and B with a pen Width pixels wide, round ended.
    virtual void WideLine(TPoint A, TPoint B, TColor Color, int Width) = 0;
    // A surface that gathers small marks into few paths takes the ellipse filling Box with a
    // 1-pixel outline of the same colour as one such mark and returns true; false otherwise.
    virtual bool Dot(const TRect& Box, TColor Color) = 0;
    // The rectangle outline of a pen wider than a pixel (square corners) through the centres of
    // Box's edge pixels (psInsideFrame: inside Box), filled with Brush unless that is clear.
    virtual void WideRectangle(const TRect& Box, const TPen& Pen, const TBrush& Brush) = 0;
    // The ellipse through the centres of Box's outermost pixels, outlined with Pen (a 1-pixel pen
    // with its dash style, a wider one solid) and filled with Brush, each unless clear.
    virtual void Ellipse(const TRect& Box, const TPen& Pen, const TBrush& Brush) = 0;
    // The same for a rectangle whose corners are quarters of an ellipse of CornerW x CornerH.
    virtual void RoundRect(const TRect& Box, int CornerW, int CornerH, const TPen& Pen,
                           const TBrush& Brush) = 0;
    // Text in Font's colour, the top-left corner of its cell at (X, Y), on a cell Width pixels
    // wide filled with Brush unless that is clear.
    virtual void Text(int X, int Y, int Width, const AnsiString& Text, const TFont& Font,
                      const TBrush& Brush) = 0;
    // Bitmap stretched into R, nearest neighbour, its fourth byte never taken as alpha.
    virtual void StretchBitmap(const TRect& R, const TBitmap& Bitmap) = 0;
};

namespace ws {

// The canvas surface of a bitmap: pixels drawn as shapes land in the bitmap's memory.
std::unique_ptr<TWSCanvas> CreateBitmapCanvas(TBitmap* Bitmap);

// Whether text can be measured and drawn (fonts need the toolkit's running application).
bool FontsAvailable();
// Text metrics of Font on Surface's device; a null Surface measures for the screen.
int TextWidth(TWSCanvas* Surface, const TFont& Font, const AnsiString& Text);
int TextHeight(TWSCanvas* Surface, const TFont& Font);

// The screen's logical pixels per inch across (else down), 0 when no screen can tell.
int ScreenLogicalDpi(bool Across);

} // namespace ws
