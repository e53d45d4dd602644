// TCanvas: the drawing calls with the layer's pixel rules (see Graphics.h), on any surface.
#include "winlib/CanvasImpl.h"
#include "winlib/BitmapPixels.h"
#include "CanvasBatch.h"
#include "winlib/CanvasEllipse.h"
#include "CanvasQt.h"
#include "CanvasTargets.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <algorithm>

namespace {

// Brackets one drawing call: Changed() runs even when the call throws, so a bitmap surface
// never keeps a painter open over memory that may be reallocated.
class DrawScope {
  public:
    explicit DrawScope(TCanvasImpl* impl) : impl_(impl) {}
    ~DrawScope() {
        if (impl_) impl_->Changed();
    }
    QPainter* Painter() {
        if (!impl_) return nullptr;
        QPainter* p = impl_->Painter();
        if (p) cnv::ResetPainter(*p);
        return p;
    }
    TCanvasImpl* Impl() const { return impl_; }

  private:
    TCanvasImpl* impl_;
};

TRect Intersect(const TRect& a, const TRect& b) {
    return TRect(std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                 std::min(a.Bottom, b.Bottom));
}

bool IsEmpty(const TRect& r) {
    return r.Right <= r.Left || r.Bottom <= r.Top;
}

TRect Normalized(int x1, int y1, int x2, int y2) {
    return TRect(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

bool IsCosmetic(TPen& pen) {
    return pen.Width() <= 1;
}

// A wide pen is solid with round ends and joins, whatever its style.
QPen WidePen(TPen& pen) {
    return QPen(cnv::ToQColor(pen.Color()), pen.Width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A 1-pixel pen for shapes Qt outlines (ellipses, rounded rectangles), with the dash masks.
QPen CosmeticPen(TPen& pen) {
    QPen q(cnv::ToQColor(pen.Color()), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    q.setCosmetic(true);
    switch (pen.Style()) {
    case psDash:
        q.setDashPattern({18, 6});
        break;
    case psDot:
        q.setDashPattern({3, 3});
        break;
    case psDashDot:
        q.setDashPattern({9, 6, 3, 6});
        break;
    case psDashDotDot:
        q.setDashPattern({9, 3, 3, 3, 3, 3});
        break;
    default:
        break;
    }
    return q;
}

void SetShapePen(QPainter& p, TPen& pen) {
    if (pen.Style() == psClear)
        p.setPen(Qt::NoPen);
    else
        p.setPen(IsCosmetic(pen) ? CosmeticPen(pen) : WidePen(pen));
}

void SetShapeBrush(QPainter& p, TBrush& brush) {
    if (brush.Style() == bsClear)
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(cnv::ToQColor(brush.Color()));
}

// 1-pixel spans of one colour onto the surface: into bitmap memory or as vector rectangles.
void FillSpans(DrawScope& scope, const TRect& r, TColor color) {
    TCanvasImpl* impl = scope.Impl();
    const TRect c = Intersect(r, impl->Bounds());
    if (IsEmpty(c)) return;
    if (TBitmap* b = impl->Bitmap()) {
        cnv::RasterTarget(*b, color).Fill(c);
        return;
    }
    if (cnv::VectorBatch* batch = impl->Batch()) {
        batch->Rect(color, c.Left, c.Top, c.Right, c.Bottom);
        return;
    }
    if (QPainter* p = scope.Painter())
        p->fillRect(QRect(c.Left, c.Top, c.Width(), c.Height()), cnv::ToQColor(color));
}

void CosmeticLine(DrawScope& scope, TPen& pen, int x0, int y0, int x1, int y1, int& stylePos) {
    TCanvasImpl* impl = scope.Impl();
    const cnv::DashMask mask = cnv::MaskFor(pen.Style());
    const TRect clip = impl->Bounds();
    if (TBitmap* b = impl->Bitmap()) {
        cnv::RasterTarget t(*b, pen.Color(), pen.Mode());
        cnv::WalkLine(x0, y0, x1, y1, clip, mask, stylePos, t);
        return;
    }
    if (cnv::VectorBatch* batch = impl->Batch()) {
        cnv::BatchTarget t(*batch, pen.Color(), [&scope] { return scope.Painter(); });
        cnv::WalkLine(x0, y0, x1, y1, clip, mask, stylePos, t);
        return;
    }
    QPainter* p = scope.Painter();
    if (!p) {
        // Nothing to draw on now; the dash mask still moves on by the line's length.
        const int64_t n = std::max(std::llabs(int64_t(x1) - x0), std::llabs(int64_t(y1) - y0));
        if (mask.on) stylePos = static_cast<int>((stylePos + n) % mask.period);
        return;
    }
    cnv::VectorTarget t(*p, pen.Color());
    cnv::WalkLine(x0, y0, x1, y1, clip, mask, stylePos, t);
}

} // namespace

TCanvas::TCanvas() = default;
TCanvas::~TCanvas() = default;

void TCanvas::SetImpl(std::unique_ptr<TCanvasImpl> impl) {
    impl_ = std::move(impl);
}

void TCanvas::MoveTo(int X, int Y) {
    penPos_ = TPoint(X, Y);
    if (impl_) impl_->styleContinues = false;
}

void TCanvas::LineTo(int X, int Y) {
    const TPoint from = penPos_;
    penPos_ = TPoint(X, Y);
    if (!impl_) return;
    TCanvasImpl& impl = *impl_;
    // The dash mask carries on only when this line starts where the previous one ended.
    if (!impl.styleContinues || !(impl.styleEnd == from)) impl.stylePos = 0;
    impl.styleContinues = true;
    impl.styleEnd = penPos_;
    if (pen_.Style() == psClear) return;
    DrawScope scope(impl_.get());
    if (IsCosmetic(pen_)) {
        CosmeticLine(scope, pen_, from.x, from.y, X, Y, impl.stylePos);
        return;
    }
    if (cnv::VectorBatch* batch = impl.Batch()) {
        batch->WideLine(pen_.Color(), pen_.Width(), from, penPos_);
        return;
    }
    QPainter* p = scope.Painter();
    if (!p) return;
    p->setPen(WidePen(pen_));
    p->drawLine(QPointF(from.x + 0.5, from.y + 0.5), QPointF(X + 0.5, Y + 0.5));
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
    if (!impl_) return;
    const TRect r = Normalized(X1, Y1, X2, Y2);
    if (IsEmpty(r)) return;
    DrawScope scope(impl_.get());
    const bool fill = brush_.Style() != bsClear;
    if (pen_.Style() == psClear) {
        // Without a pen the filled area is one pixel narrower and shorter: its right and bottom
        // pixels would be the outline's.
        if (fill) FillSpans(scope, TRect(r.Left, r.Top, r.Right - 1, r.Bottom - 1), brush_.Color());
        return;
    }
    if (IsCosmetic(pen_)) {
        if (fill) FillSpans(scope, TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), brush_.Color());
        const int l = r.Left, t = r.Top, rr = r.Right - 1, b = r.Bottom - 1;
        if (pen_.Style() == psSolid || pen_.Style() == psInsideFrame) {
            if (pen_.Mode() == pmCopy || !impl_->Bitmap()) {
                FillSpans(scope, TRect(l, t, rr + 1, t + 1), pen_.Color());
                FillSpans(scope, TRect(l, b, rr + 1, b + 1), pen_.Color());
                FillSpans(scope, TRect(l, t + 1, l + 1, b), pen_.Color());
                FillSpans(scope, TRect(rr, t + 1, rr + 1, b), pen_.Color());
                return;
            }
        }
        int pos = 0;
        if (rr == l || b == t) {
            CosmeticLine(scope, pen_, l, t, rr + 1, b + 1, pos);
            return;
        }
        CosmeticLine(scope, pen_, l, t, rr, t, pos);
        CosmeticLine(scope, pen_, rr, t, rr, b, pos);
        CosmeticLine(scope, pen_, rr, b, l, b, pos);
        CosmeticLine(scope, pen_, l, b, l, t, pos);
        return;
    }
    QPainter* p = scope.Painter();
    if (!p) return;
    const double w = pen_.Width();
    QRectF path(r.Left + 0.5, r.Top + 0.5, r.Width() - 1, r.Height() - 1);
    if (pen_.Style() == psInsideFrame) path.adjust(w / 2 - 0.5, w / 2 - 0.5, 0.5 - w / 2, 0.5 - w / 2);
    SetShapeBrush(*p, brush_);
    QPen q = WidePen(pen_);
    q.setCapStyle(Qt::SquareCap);
    q.setJoinStyle(Qt::MiterJoin);
    p->setPen(q);
    p->drawRect(path);
}

void TCanvas::FillRect(const TRect& R) {
    if (!impl_ || IsEmpty(R) || brush_.Style() == bsClear) return;
    DrawScope scope(impl_.get());
    FillSpans(scope, R, brush_.Color());
}

void TCanvas::FrameRect(const TRect& R) {
    if (!impl_ || IsEmpty(R) || brush_.Style() == bsClear) return;
    DrawScope scope(impl_.get());
    const TColor c = brush_.Color();
    FillSpans(scope, TRect(R.Left, R.Top, R.Right, R.Top + 1), c);
    if (R.Height() > 1) FillSpans(scope, TRect(R.Left, R.Bottom - 1, R.Right, R.Bottom), c);
    FillSpans(scope, TRect(R.Left, R.Top + 1, R.Left + 1, R.Bottom - 1), c);
    if (R.Width() > 1) FillSpans(scope, TRect(R.Right - 1, R.Top + 1, R.Right, R.Bottom - 1), c);
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
    if (!impl_) return;
    const TRect r = Normalized(X1, Y1, X2, Y2);
    if (IsEmpty(r)) return;
    DrawScope scope(impl_.get());
    const bool plainPen = pen_.Style() == psClear || (IsCosmetic(pen_) && pen_.Style() == psSolid);
    if (TBitmap* b = impl_->Bitmap(); b && plainPen && pen_.Mode() == pmCopy) {
        cnv::EllipsePaint paint;
        paint.outline = pen_.Style() != psClear;
        paint.pen = pen_.Color();
        paint.fill = brush_.Style() != bsClear;
        paint.brush = brush_.Color();
        cnv::RasterEllipse(*b, r, impl_->Bounds(), paint);
        return;
    }
    cnv::VectorBatch* batch = impl_->Batch();
    if (batch && IsCosmetic(pen_) && pen_.Style() == psSolid && brush_.Style() != bsClear &&
        ColorToRGB(brush_.Color()) == ColorToRGB(pen_.Color()) && cnv::VectorBatch::TakesDot(r)) {
        batch->Dot(pen_.Color(), r);
        return;
    }
    QPainter* p = scope.Painter();
    if (!p) return;
    SetShapePen(*p, pen_);
    SetShapeBrush(*p, brush_);
    if (!batch) {
        p->drawEllipse(QRectF(r.Left + 0.5, r.Top + 0.5, r.Width() - 1, r.Height() - 1));
        return;
    }
    // On a vector surface the ellipse is drawn around the origin, moved to its centre: ellipses
    // of one size are then the same text in the document, which compresses far better. A 1-pixel
    // pen becomes a pen one unit wide, the same pixel under a move, so that the move is written
    // once instead of into every coordinate.
    if (IsCosmetic(pen_) && pen_.Style() != psClear) {
        QPen q = p->pen();
        q.setCosmetic(false);
        p->setPen(q);
    }
    const QTransform base = p->transform();
    p->translate(r.Left + r.Width() / 2.0, r.Top + r.Height() / 2.0);
    p->drawEllipse(QRectF(-(r.Width() - 1) / 2.0, -(r.Height() - 1) / 2.0, r.Width() - 1, r.Height() - 1));
    p->setTransform(base);
}

void TCanvas::EllipseLattice(const std::vector<std::vector<std::pair<int, int>>>& ColumnSets,
                             const std::vector<TEllipseRow>& Rows) {
    if (!impl_) return;
    // On a bitmap, a plain pen whose outline and fill share one colour (or has only one of them)
    // paints every pixel the same whatever the order: the union of the ellipses is drawn at once.
    const bool plainPen = pen_.Style() == psClear || (IsCosmetic(pen_) && pen_.Style() == psSolid);
    const bool outline = pen_.Style() != psClear, fill = brush_.Style() != bsClear;
    const bool oneColour = !outline || !fill || ColorToRGB(pen_.Color()) == ColorToRGB(brush_.Color());
    if (TBitmap* b = impl_->Bitmap(); b && plainPen && pen_.Mode() == pmCopy && oneColour) {
        DrawScope scope(impl_.get());
        cnv::EllipsePaint paint;
        paint.outline = outline;
        paint.pen = pen_.Color();
        paint.fill = fill;
        paint.brush = brush_.Color();
        cnv::RasterEllipseLattice(*b, ColumnSets, Rows, impl_->Bounds(), paint);
        return;
    }
    for (const TEllipseRow& row : Rows) {
        if (row.Columns < 0 || row.Columns >= static_cast<int>(ColumnSets.size())) continue;
        for (const auto& [left, right] : ColumnSets[row.Columns])
            Ellipse(left, row.Top, right, row.Bottom);
    }
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
    if (!impl_) return;
    const TRect r = Normalized(X1, Y1, X2, Y2);
    if (IsEmpty(r)) return;
    DrawScope scope(impl_.get());
    QPainter* p = scope.Painter();
    if (!p) return;
    SetShapePen(*p, pen_);
    SetShapeBrush(*p, brush_);
    p->drawRoundedRect(QRectF(r.Left + 0.5, r.Top + 0.5, r.Width() - 1, r.Height() - 1), std::abs(X3) / 2.0,
                       std::abs(Y3) / 2.0, Qt::AbsoluteSize);
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
    if (!Graphic || Graphic->Empty()) return;
    Graphic->Draw(this, TRect(X, Y, X + Graphic->Width(), Y + Graphic->Height()));
}

void TCanvas::StretchDraw(const TRect& R, TGraphic* Graphic) {
    if (!Graphic || Graphic->Empty() || IsEmpty(R)) return;
    Graphic->Draw(this, R);
}

TColor TCanvas::Pixel(int X, int Y) {
    if (!impl_) return clWhite;
    TBitmap* b = impl_->Bitmap();
    if (!b) return clWhite;
    if (X < 0 || Y < 0 || X >= b->Width() || Y >= b->Height()) return -1; // no pixel there
    return bmpx::BgrxToColor(bmpx::Read(b->ScanLine(Y), X, b->BitsPerPixel(), b->ColorTable()));
}

void TCanvas::SetPixel(int X, int Y, TColor C) {
    if (!impl_) return;
    TBitmap* b = impl_->Bitmap();
    if (!b || X < 0 || Y < 0 || X >= b->Width() || Y >= b->Height()) return;
    DrawScope scope(impl_.get());
    bmpx::Write(b->ScanLine(Y), X, b->BitsPerPixel(), bmpx::ColorToBgrx(C), b->ColorTable());
}
