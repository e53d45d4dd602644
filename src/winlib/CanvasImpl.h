// Internal to the layer: how a TCanvas reaches its drawing surface. Qt types are allowed here
// and in the layer's .cpp files only.
#pragma once

#include "Graphics.h"

class QPainter;
class QImage;

class TCanvasImpl {
public:
    virtual ~TCanvasImpl() = default;
    // A painter on the surface, in device pixels, or null when the surface cannot be drawn on
    // now (a printer that is not printing). The canvas applies its own pen, brush and font.
    virtual QPainter* Painter() = 0;
    // Called after each drawing call; a window surface schedules its repaint here.
    virtual void Changed() {}
    // For bitmap surfaces: the pixels as an image in the bitmap's own memory, else null.
    virtual QImage* Image() { return nullptr; }
    // Pixel extent of the surface, for clipping.
    virtual TRect Bounds() = 0;
};
