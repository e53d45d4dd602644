// Internal: 1-pixel shapes written straight into a bitmap's memory.
#pragma once

#include "CanvasLines.h"

namespace cnv {

// Writes pixels of one colour into a bitmap, combined with what is there by the pen mode.
class RasterTarget : public PixelTarget {
  public:
    RasterTarget(TBitmap& b, TColor color, TPenMode mode = pmCopy);
    void HSpan(int x0, int x1, int y) override;
    void VSpan(int x, int y0, int y1) override;
    void Pixel(int x, int y) override;
    void Fill(const TRect& r); // already clipped

  private:
    uint32_t Combine(uint32_t dst) const;
    // Row Y of the bitmap; the bitmap counts as changed once, when the target is made.
    uint8_t* Row(int y) const { return rows_ + static_cast<size_t>(y) * stride_; }
    TBitmap& b_;
    uint8_t* rows_;
    size_t stride_;
    uint32_t bgrx_;
    TPenMode mode_;
    int bits_;
};

} // namespace cnv
