// Internal: 1-pixel lines as the original platform rasterises them (Bresenham, end pixel left
// out, fixed device-pixel dash masks), handed to a target as spans and single pixels.
#pragma once

#include "Graphics.h"

namespace cnv {

// Receives the pixels that are on, already clipped to the surface.
class PixelTarget {
  public:
    virtual ~PixelTarget() = default;
    virtual void HSpan(int x0, int x1, int y) = 0; // [x0, x1) on row y
    virtual void VSpan(int x, int y0, int y1) = 0; // [y0, y1) in column x
    // Pixels of a slanted line come one by one; a run of neighbours is bracketed.
    virtual void BeginRun() {}
    virtual void Pixel(int x, int y) = 0;
    virtual void EndRun() {}
};

// The on/off pattern of a cosmetic pen style, or null for solid lines.
struct DashMask {
    const bool* on = nullptr;
    int period = 1;
};
DashMask MaskFor(TPenStyle s);

// Draws from (x0, y0) towards (x1, y1), leaving out (x1, y1). stylePos is the position in the
// mask at the first pixel and is advanced by the length of the line.
void WalkLine(int x0, int y0, int x1, int y1, const TRect& clip, DashMask mask, int& stylePos,
              PixelTarget& t);

} // namespace cnv
