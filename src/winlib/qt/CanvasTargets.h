// Internal: 1-pixel lines as vector shapes, onto a painter or into a vector surface's batch
// (printer pages stay vector output).
#pragma once

#include "CanvasBatch.h"
#include "winlib/CanvasLines.h"

#include <functional>

class QPainter;

namespace cnv {

// A target that draws each slanted run as the segment between its end pixels: it keeps the ends
// of the run it is given and hands them on when the run ends.
class SegmentTarget : public PixelTarget {
  public:
    void BeginRun() override { count_ = 0; }
    void Pixel(int x, int y) override;
    void EndRun() override;
    bool EndsOnly() const override { return true; }

  protected:
    // The run from pixel First to pixel Last (the same pixel for a run of one).
    virtual void Segment(TPoint First, TPoint Last) = 0;

  private:
    int count_ = 0;
    TPoint first_, last_;
};

// Emits axis-aligned spans as 1-pixel rectangles and slanted runs as cosmetic lines.
class VectorTarget : public SegmentTarget {
  public:
    VectorTarget(QPainter& p, TColor color);
    void HSpan(int x0, int x1, int y) override;
    void VSpan(int x, int y0, int y1) override;
    bool DashedLine(bool XMajor, int64_t M0, int64_t SM, int64_t N0, int64_t KLo, int64_t KHi, DashMask Mask,
                    int StylePos) override;

  protected:
    void Segment(TPoint First, TPoint Last) override;

  private:
    QPainter& p_;
    TColor color_;
};

// Gathers spans and slanted runs into a vector surface's batch. A dashed axis-aligned line stays
// one dashed stroke (far shorter than its dashes one by one), drawn on the painter that
// Painter() returns once the batch is written.
class BatchTarget : public SegmentTarget {
  public:
    BatchTarget(VectorBatch& b, TColor color, std::function<QPainter*()> painter);
    void HSpan(int x0, int x1, int y) override;
    void VSpan(int x, int y0, int y1) override;
    bool DashedLine(bool XMajor, int64_t M0, int64_t SM, int64_t N0, int64_t KLo, int64_t KHi, DashMask Mask,
                    int StylePos) override;

  protected:
    void Segment(TPoint First, TPoint Last) override;

  private:
    VectorBatch& b_;
    TColor color_;
    std::function<QPainter*()> painter_;
};

} // namespace cnv
