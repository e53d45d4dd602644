#include "CanvasEllipse.h"
#include "CanvasTargets.h"

#include <algorithm>
#include <cmath>

namespace cnv {

namespace {

// Pixel centres within the ellipse through the outermost pixel centres of the box, widened a
// little so that a box of 2 x 2 is full and one of 3 x 3 is a plus sign.
struct Rows {
    double cx, cy, ax, ay;
    int left, right;
    Rows(const TRect& box)
        : cx(box.Left + (box.Width() - 1) / 2.0), cy(box.Top + (box.Height() - 1) / 2.0),
          ax((box.Width() - 1) / 2.0 + 0.3), ay((box.Height() - 1) / 2.0 + 0.3), left(box.Left),
          right(box.Right) {}
    // [x0, x1) of row y; empty when x1 <= x0.
    void Span(int y, int& x0, int& x1) const {
        const double dy = (y - cy) / ay;
        const double k = 1 - dy * dy;
        if (k < 0) {
            x0 = x1 = 0;
            return;
        }
        const double half = ax * std::sqrt(k);
        x0 = std::max(left, static_cast<int>(std::ceil(cx - half - 1e-9)));
        x1 = std::min(right, static_cast<int>(std::floor(cx + half + 1e-9)) + 1);
    }
};

} // namespace

void RasterEllipse(TBitmap& b, const TRect& box, const TRect& clip, const EllipsePaint& paint) {
    const Rows rows(box);
    RasterTarget pen(b, paint.pen), brush(b, paint.brush);
    const int y0 = std::max(box.Top, clip.Top), y1 = std::min(box.Bottom, clip.Bottom);
    auto span = [&](RasterTarget& t, int a, int e, int y) {
        a = std::max(a, clip.Left);
        e = std::min(e, clip.Right);
        if (a < e) t.HSpan(a, e, y);
    };
    for (int y = y0; y < y1; ++y) {
        int s, e;
        rows.Span(y, s, e);
        if (s >= e) continue;
        if (!paint.outline) {
            span(brush, s, e, y);
            continue;
        }
        // Outline: pixels of the row not covered by both neighbouring rows, plus the row's ends.
        int us = 0, ue = 0, ds = 0, de = 0;
        if (y > box.Top) rows.Span(y - 1, us, ue);
        if (y + 1 < box.Bottom) rows.Span(y + 1, ds, de);
        int is = std::max({us, ds, s + 1}), ie = std::min({ue, de, e - 1});
        if (us >= ue || ds >= de || is >= ie) {
            span(pen, s, e, y);
            continue;
        }
        span(pen, s, is, y);
        if (paint.fill) span(brush, is, ie, y);
        span(pen, ie, e, y);
    }
}

} // namespace cnv
