// Internal: 1-pixel lines as vector shapes, onto a painter or into a vector surface's batch
// (printer pages stay vector output).
#pragma once

#include "CanvasBatch.h"
#include "winlib/CanvasLines.h"

#include <functional>

class QPainter;

namespace cnv {

// Emits axis-aligned spans as 1-pixel rectangles and slanted runs as cosmetic lines.
class VectorTarget : public PixelTarget {
  public:
    VectorTarget(QPainter& p, TColor color);
    void HSpan(int x0, int x1, int y) override;
    void VSpan(int x, int y0, int y1) override;
    void BeginRun() override { count_ = 0; }
    void Pixel(int x, int y) override;
    void EndRun() override;
    bool EndsOnly() const override { return true; }
    bool DashedLine(bool XMajor, int64_t M0, int64_t SM, int64_t N0, int64_t KLo, int64_t KHi, DashMask Mask,
                    int StylePos) override;

  private:
    QPainter& p_;
    TColor color_;
    int count_ = 0;
    TPoint first_, last_;
};

// Gathers spans and slanted runs into a vector surface's batch. A dashed axis-aligned line stays
// one dashed stroke (far shorter than its dashes one by one), drawn on the painter that
// Painter() returns once the batch is written.
class BatchTarget : public PixelTarget {
  public:
    BatchTarget(VectorBatch& b, TColor color, std::function<QPainter*()> painter);
    void HSpan(int x0, int x1, int y) override;
    void VSpan(int x, int y0, int y1) override;
    void BeginRun() override { count_ = 0; }
    void Pixel(int x, int y) override;
    void EndRun() override;
    bool EndsOnly() const override { return true; }
    bool DashedLine(bool XMajor, int64_t M0, int64_t SM, int64_t N0, int64_t KLo, int64_t KHi, DashMask Mask,
                    int StylePos) override;

  private:
    VectorBatch& b_;
    TColor color_;
    std::function<QPainter*()> painter_;
    int count_ = 0;
    TPoint first_, last_;
};

} // namespace cnv
