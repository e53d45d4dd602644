#include "CanvasEllipse.h"
#include "CanvasTargets.h"

#include <algorithm>
#include <cmath>

namespace cnv {

EllipseRows::EllipseRows(int w, int h)
    : w_(w), h_(h), cx_((w - 1) / 2.0), cy_((h - 1) / 2.0), ax_((w - 1) / 2.0 + 0.3),
      ay_((h - 1) / 2.0 + 0.3) {}

void EllipseRows::Span(int y, int& x0, int& x1) const {
    const double dy = (y - cy_) / ay_;
    const double k = 1 - dy * dy;
    if (k < 0) {
        x0 = x1 = 0;
        return;
    }
    const double half = ax_ * std::sqrt(k);
    x0 = std::max(0, static_cast<int>(std::ceil(cx_ - half - 1e-9)));
    x1 = std::min(w_, static_cast<int>(std::floor(cx_ + half + 1e-9)) + 1);
}

EllipseRows::Row EllipseRows::At(int y) const {
    Row r;
    Span(y, r.s, r.e);
    if (r.s >= r.e) return r;
    int us = 0, ue = 0, ds = 0, de = 0;
    if (y > 0) Span(y - 1, us, ue);
    if (y + 1 < h_) Span(y + 1, ds, de);
    r.is = std::max({us, ds, r.s + 1});
    r.ie = std::min({ue, de, r.e - 1});
    r.inner = us < ue && ds < de && r.is < r.ie;
    return r;
}

void RasterEllipse(TBitmap& b, const TRect& box, const TRect& clip, const EllipsePaint& paint) {
    const EllipseRows rows(box.Width(), box.Height());
    RasterTarget pen(b, paint.pen), brush(b, paint.brush);
    const int y0 = std::max(box.Top, clip.Top), y1 = std::min(box.Bottom, clip.Bottom);
    auto span = [&](RasterTarget& t, int a, int e, int y) {
        a = std::max(box.Left + a, clip.Left);
        e = std::min(box.Left + e, clip.Right);
        if (a < e) t.HSpan(a, e, y);
    };
    for (int y = y0; y < y1; ++y) {
        const EllipseRows::Row r = rows.At(y - box.Top);
        if (r.s >= r.e) continue;
        if (!paint.outline) {
            span(brush, r.s, r.e, y);
            continue;
        }
        if (!r.inner) {
            span(pen, r.s, r.e, y);
            continue;
        }
        span(pen, r.s, r.is, y);
        if (paint.fill) span(brush, r.is, r.ie, y);
        span(pen, r.ie, r.e, y);
    }
}

} // namespace cnv
