// Internal to the layer: how a TCanvas reaches its drawing surface. Qt types are allowed here
// and in the layer's .cpp files only.
//
// A surface (bitmap, printer page, widget) implements TCanvasImpl. For every drawing call that
// needs Qt, TCanvas asks Painter() once, sets the pen, brush, font, render hints and composition
// mode it needs on that painter (it never relies on state left from an earlier call and never
// touches the painter's transform or clip), draws, and then calls Changed(). Changed() is also
// called after calls that write pixels without a painter. So a surface may either keep one
// painter open for its whole life (printer page, widget paint event) or open one in Painter()
// and close it in Changed() (bitmap).
//
// 1-pixel lines, FillRect, FrameRect, 1-pixel Rectangle outlines and Draw/StretchDraw are
// written straight into the memory of surfaces that return a Bitmap(); on all other surfaces
// they become vector shapes (1-pixel wide rectangles, cosmetic lines, drawImage), so printed
// pages stay vector output.
#pragma once

#include "Graphics.h"

class QPainter;
class QImage;
class QPaintDevice;
namespace cnv {
class VectorBatch;
}

class TCanvasImpl {
  public:
    virtual ~TCanvasImpl() = default;
    // A painter on the surface, in device pixels, or null when the surface cannot be drawn on
    // now (a printer that is not printing). Valid until the next Changed().
    virtual QPainter* Painter() = 0;
    // Called after each drawing call; a window surface schedules its repaint here.
    virtual void Changed() {}
    // For bitmap surfaces: the pixels as an image in the bitmap's own memory, else null.
    virtual QImage* Image() { return nullptr; }
    // Pixel extent of the surface, for clipping.
    virtual TRect Bounds() = 0;
    // The bitmap whose memory this surface is; raster fast paths write into it directly.
    virtual TBitmap* Bitmap() { return nullptr; }
    // The device whose font metrics TextWidth/TextHeight use (a printer); null = the screen.
    virtual QPaintDevice* MetricsDevice() { return nullptr; }
    // For vector surfaces that gather thin lines and dots (see CanvasBatch.h): the batch, while
    // the surface can be drawn on, else null. Such a surface writes the batch before Painter()
    // returns, so whatever is drawn on the painter lands over what was gathered before it.
    virtual cnv::VectorBatch* Batch() { return nullptr; }

    // Line-style state of the owning canvas: the dash mask position carries on across
    // consecutive LineTo calls and restarts whenever the pen was moved.
    int stylePos = 0;
    bool styleContinues = false;
    TPoint styleEnd;
};
