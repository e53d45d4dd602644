#include "CanvasEllipse.h"
#include "RasterTarget.h"

#include <algorithm>
#include <cmath>

namespace cnv {

EllipseRows::EllipseRows(int w, int h)
    : w_(w), h_(h), cx_((w - 1) / 2.0), cy_((h - 1) / 2.0), ax_((w - 1) / 2.0 + 0.3),
      ay_((h - 1) / 2.0 + 0.3) {}

std::pair<int, int> EllipseRows::Span(int y) const {
    if (y < 0 || y >= h_) return {0, 0};
    const double dy = (y - cy_) / ay_;
    const double k = 1 - dy * dy;
    if (k < 0) return {0, 0};
    const double half = ax_ * std::sqrt(k);
    return {std::max(0, static_cast<int>(std::ceil(cx_ - half - 1e-9))),
            std::min(w_, static_cast<int>(std::floor(cx_ + half + 1e-9)) + 1)};
}

EllipseRows::Row EllipseRows::Of(std::pair<int, int> above, std::pair<int, int> row,
                                 std::pair<int, int> below) {
    Row r;
    r.s = row.first;
    r.e = row.second;
    if (r.s >= r.e) return r;
    const auto [us, ue] = above;
    const auto [ds, de] = below;
    r.is = std::max({us, ds, r.s + 1});
    r.ie = std::min({ue, de, r.e - 1});
    r.inner = us < ue && ds < de && r.is < r.ie;
    return r;
}

EllipseRows::Row EllipseRows::At(int y) const {
    return Of(Span(y - 1), Span(y), Span(y + 1));
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
    // Down the rows, each row's span worked out once.
    std::pair<int, int> above = rows.Span(y0 - 1 - box.Top), row = rows.Span(y0 - box.Top);
    for (int y = y0; y < y1; ++y) {
        const std::pair<int, int> below = rows.Span(y + 1 - box.Top);
        const EllipseRows::Row r = EllipseRows::Of(above, row, below);
        above = row;
        row = below;
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
