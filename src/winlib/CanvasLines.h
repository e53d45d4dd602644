// Internal: 1-pixel lines as the layer rasterises them (Bresenham, end pixel left out, fixed
// device-pixel dash masks), handed to a target as spans and single pixels.
#pragma once

#include "Graphics.h"

#include <cstdint>

namespace cnv {

// The on/off pattern of a cosmetic pen style, or null for solid lines.
struct DashMask {
    const bool* on = nullptr;
    int period = 1;
};

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
    // A target that draws a run as the segment between its ends is given only the first and the
    // last pixel of each run (or its one pixel).
    virtual bool EndsOnly() const { return false; }
    // A dashed axis-aligned line in one piece: steps [kLo, kHi) from the start pixel (M0, N0)
    // along the major axis in direction SM, the mask starting at StylePos at step 0. A target
    // that takes it whole returns true; otherwise the line comes as spans of its dashes.
    virtual bool DashedLine(bool /*XMajor*/, int64_t /*M0*/, int64_t /*SM*/, int64_t /*N0*/, int64_t /*KLo*/,
                            int64_t /*KHi*/, DashMask /*Mask*/, int /*StylePos*/) {
        return false;
    }
};

DashMask MaskFor(TPenStyle s);
// The mask of style S with its dashes Scale times as long (Scale device pixels for each pixel of
// the plain mask; 1, or a scale that is not a positive number, gives the plain mask). The period
// holds a whole number of patterns, stretched by less than half a pixel to come out at whole
// pixels. Dashes and gaps of half a pixel or more end at the pixel nearest their place; in a
// finer pattern a pixel is on by the share of it the pattern's dashes cover, the remainder
// carried to the next pixel, so the line keeps its share of ink.
DashMask MaskFor(TPenStyle s, double Scale);

// Draws from (x0, y0) towards (x1, y1), leaving out (x1, y1). stylePos is the position in the
// mask at the first pixel and is advanced by the length of the line.
void WalkLine(int x0, int y0, int x1, int y1, const TRect& clip, DashMask mask, int& stylePos,
              PixelTarget& t);

} // namespace cnv
