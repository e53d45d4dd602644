#include "CanvasBatch.h"
#include "CanvasQt.h"

#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <QTransform>

#include <algorithm>
#include <cstdlib>

namespace cnv {

namespace {
// Marks held before they are written anyway, so that no path grows beyond what a printer's
// interpreter takes in one piece.
constexpr int kMaxMarks = 4096;
// A dot is a segment this long (in its own units, at most two of them a pixel) with round ends,
// a path holding no subpath of a single point. The ellipse it paints is longer by at most two
// thousandths of a pixel, far below anything a device resolves.
constexpr double kDotLength = 0.001;
} // namespace

void VectorBatch::Use(TColor Color) {
    if (marks_ > 0 && ColorToRGB(Color) != ColorToRGB(color_)) Flush();
    color_ = Color;
}

void VectorBatch::Added() {
    if (++marks_ >= kMaxMarks) Flush();
}

void VectorBatch::Rect(TColor Color, int X0, int Y0, int X1, int Y1) {
    if (X1 <= X0 || Y1 <= Y0) return;
    Use(Color);
    if (Y1 - Y0 == 1)
        rows_.push_back({Y0, X0, X1});
    else if (X1 - X0 == 1)
        columns_.push_back({X0, Y0, Y1});
    else
        rects_.push_back(QRectF(X0, Y0, X1 - X0, Y1 - Y0));
    Added();
}

void VectorBatch::Run(TColor Color, TPoint A, TPoint B) {
    if (A.y == B.y) {
        Rect(Color, std::min(A.x, B.x), A.y, std::max(A.x, B.x) + 1, A.y + 1);
        return;
    }
    if (A.x == B.x) {
        Rect(Color, A.x, std::min(A.y, B.y), A.x + 1, std::max(A.y, B.y) + 1);
        return;
    }
    Use(Color);
    segments_.moveTo(A.x, A.y);
    segments_.lineTo(B.x, B.y);
    Added();
}

void VectorBatch::WriteSpans(std::vector<Span>& Spans, bool Across) {
    std::sort(Spans.begin(), Spans.end(),
              [](const Span& l, const Span& r) { return l.line != r.line ? l.line < r.line : l.a < r.a; });
    auto write = [&](Span s) {
        const QPointF a = Across ? QPointF(s.a, s.line) : QPointF(s.line, s.a);
        const QPointF b = Across ? QPointF(s.b - 1, s.line) : QPointF(s.line, s.b - 1);
        // A segment of no length paints nothing with square ends: a single pixel is its square.
        if (a == b)
            rects_.push_back(QRectF(a, QSizeF(1, 1)));
        else {
            segments_.moveTo(a);
            segments_.lineTo(b);
        }
    };
    for (size_t i = 0; i < Spans.size();) {
        Span joined = Spans[i++];
        while (i < Spans.size() && Spans[i].line == joined.line && Spans[i].a <= joined.b)
            joined.b = std::max(joined.b, Spans[i++].b);
        write(joined);
    }
    Spans.clear();
}

bool VectorBatch::TakesDot(const TRect& Box) {
    const int w = Box.Width(), h = Box.Height();
    // A box of W x H pixels holds the ellipse of (W - 1) x (H - 1) through the outermost pixel
    // centres, widened by half a pixel all round by its outline. A round pen end W wide, scaled
    // to H, is the ellipse W x H: the same shape when W = H, and within a fiftieth of a pixel of
    // it when the sides differ by one pixel and both are 2 or more (an ellipse widened evenly is
    // not quite an ellipse). A box of one pixel is that pixel (the ellipse through one pixel
    // centre has no size, and only its outline shows), a pixel's round dot.
    return w >= 1 && h >= 1 && std::abs(w - h) <= 1;
}

void VectorBatch::Dot(TColor Color, const TRect& Box) {
    Use(Color);
    const int w = Box.Width(), h = Box.Height();
    // The centre, in the units of DotTransform: whole numbers where the box allows.
    const double x = Box.Left + w / 2 + 0.0, y = (Box.Top + h / 2) * (static_cast<double>(w) / h);
    dots_[{w, h}].push_back(QPointF(x, y));
    Added();
}

void VectorBatch::WideLine(TColor Color, int Width, TPoint A, TPoint B) {
    Use(Color);
    QPainterPath& path = wide_[Width];
    path.moveTo(A.x, A.y);
    // A line of no length is the round end alone, a path holding no subpath of a single point.
    path.lineTo(B.x, A == B ? B.y + kDotLength : B.y);
    Added();
}

namespace {
// Dots of W x H pixels are drawn scaled by H / W down, their centres on whole units (an odd side
// puts the centre on a pixel's middle).
QTransform DotTransform(int w, int h) {
    return QTransform::fromScale(1.0, static_cast<double>(h) / w) *
           QTransform::fromTranslate((w % 2) * 0.5, (h % 2) * 0.5);
}
} // namespace

void VectorBatch::Flush() {
    if (marks_ == 0) return;
    const QTransform base = p_.transform();
    const QColor colour = ToQColor(color_);
    ResetPainter(p_);
    WriteSpans(rows_, true);
    WriteSpans(columns_, false);
    if (!rects_.empty()) {
        p_.setPen(Qt::NoPen);
        p_.setBrush(colour);
        for (const QRectF& r : rects_)
            p_.drawRect(r);
    }
    if (!segments_.isEmpty()) {
        // Pixel centres on whole coordinates. A pen of one unit is a pixel here, as a cosmetic
        // pen is, but it is written as a stroke of the path itself, not as the path's outline.
        p_.setTransform(QTransform::fromTranslate(0.5, 0.5) * base);
        p_.setPen(QPen(colour, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(segments_);
    }
    for (const auto& [size, centres] : dots_) {
        QPainterPath path;
        for (const QPointF& c : centres) {
            path.moveTo(c);
            path.lineTo(c.x(), c.y() + kDotLength);
        }
        p_.setTransform(DotTransform(size.first, size.second) * base);
        p_.setPen(QPen(colour, size.first, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(path);
    }
    for (const auto& [width, path] : wide_) {
        p_.setTransform(QTransform::fromTranslate(0.5, 0.5) * base);
        p_.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p_.setBrush(Qt::NoBrush);
        p_.drawPath(path);
    }
    p_.setTransform(base);
    Discard();
}

void VectorBatch::Discard() {
    rects_.clear();
    rows_.clear();
    columns_.clear();
    segments_.clear();
    dots_.clear();
    wide_.clear();
    marks_ = 0;
}

} // namespace cnv
