// Internal: the Qt side of a canvas surface. A surface (bitmap, printer page, widget) derives
// from TCanvasImpl and gives it a painter; TCanvasImpl draws the shapes that TCanvas hands over
// with it.
//
// For every shape, TCanvasImpl asks Painter() once, sets the pen, brush, font, render hints and
// composition mode it needs on that painter (it never relies on state left from an earlier call
// and never touches the painter's transform or clip), and draws; TCanvas then calls Changed().
// So a surface may either keep one painter open for its whole life (printer page, widget paint
// event) or open one in Painter() and close it in Changed() (bitmap).
#pragma once

#include "winlib/widgetset/WSGraphics.h"

#include <QImage>

class QPainter;
class QPaintDevice;
namespace cnv {
class VectorBatch;
}

class TCanvasImpl : public TWSCanvas {
  public:
    // A painter on the surface, in device pixels, or null when the surface cannot be drawn on
    // now (a printer that is not printing). Valid until the next Changed().
    virtual QPainter* Painter() = 0;
    // The device whose font metrics text is measured with (a printer); null = the screen.
    virtual QPaintDevice* MetricsDevice() { return nullptr; }
    // For vector surfaces that gather thin lines and dots (see CanvasBatch.h): the batch, while
    // the surface can be drawn on, else null. Such a surface writes the batch before Painter()
    // returns, so whatever is drawn on the painter lands over what was gathered before it.
    virtual cnv::VectorBatch* Batch() { return nullptr; }

    void FillPixels(const TRect& R, TColor Color) override;
    bool ThinLine(int X0, int Y0, int X1, int Y1, const TRect& Clip, cnv::DashMask Mask, int& StylePos,
                  TColor Color) override;
    void WideLine(TPoint A, TPoint B, TColor Color, int Width) override;
    bool Dot(const TRect& Box, TColor Color) override;
    void WideRectangle(const TRect& Box, const TPen& Pen, const TBrush& Brush) override;
    void Ellipse(const TRect& Box, const TPen& Pen, const TBrush& Brush) override;
    void RoundRect(const TRect& Box, int CornerW, int CornerH, const TPen& Pen, const TBrush& Brush) override;
    void Text(int X, int Y, int Width, const AnsiString& Text, const TFont& Font,
              const TBrush& Brush) override;
    void StretchBitmap(const TRect& R, const TBitmap& Bitmap) override;

  protected:
    // Painter() reset to plain drawing (see cnv::ResetPainter), or null.
    QPainter* PlainPainter();
    // The bitmap as the opaque image StretchBitmap draws. A surface that writes a document may
    // hand back the same image for a bitmap that has not changed (same Revision), so that the
    // document holds a picture drawn on many pages once.
    virtual QImage PainterImage(const TBitmap& Bitmap);
};
