// The shapes a canvas hands to a Qt surface, drawn with a painter or gathered into the
// surface's vector batch.
#include "CanvasImpl.h"
#include "CanvasBatch.h"
#include "CanvasQt.h"
#include "CanvasTargets.h"
#include "winlib/BitmapPixels.h"

#include <QImage>
#include <QPainter>
#include <QTransform>

#include <cstdlib>

namespace {

bool IsCosmetic(const TPen& pen) {
    return pen.Width() <= 1;
}

// A wide pen is solid with round ends and joins, whatever its style.
QPen WidePen(TColor color, int width) {
    return QPen(cnv::ToQColor(color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A 1-pixel pen for shapes Qt outlines (ellipses, rounded rectangles), with the dash masks at
// the pen's dash scale.
QPen CosmeticPen(const TPen& pen) {
    QPen q(cnv::ToQColor(pen.Color()), 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    q.setCosmetic(true);
    const qreal k = pen.DashScale();
    switch (pen.Style()) {
    case psDash:
        q.setDashPattern({18 * k, 6 * k});
        break;
    case psDot:
        q.setDashPattern({3 * k, 3 * k});
        break;
    case psDashDot:
        q.setDashPattern({9 * k, 6 * k, 3 * k, 6 * k});
        break;
    case psDashDotDot:
        q.setDashPattern({9 * k, 3 * k, 3 * k, 3 * k, 3 * k, 3 * k});
        break;
    default:
        break;
    }
    return q;
}

void SetShapePen(QPainter& p, const TPen& pen) {
    if (pen.Style() == psClear)
        p.setPen(Qt::NoPen);
    else
        p.setPen(IsCosmetic(pen) ? CosmeticPen(pen) : WidePen(pen.Color(), pen.Width()));
}

void SetShapeBrush(QPainter& p, const TBrush& brush) {
    if (brush.Style() == bsClear)
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(cnv::ToQColor(brush.Color()));
}

// The bitmap as an opaque image: the fourth byte of 32-bit pixels is not alpha.
QImage OpaqueImage(const TBitmap& src) {
    QImage img(src.Width(), src.Height(), QImage::Format_RGB32);
    const int bits = src.BitsPerPixel();
    for (int y = 0; y < src.Height(); ++y) {
        const uint8_t* s = src.ScanLine(y);
        auto* d = reinterpret_cast<uint32_t*>(img.scanLine(y));
        for (int x = 0; x < src.Width(); ++x)
            d[x] = 0xFF000000u | bmpx::Read(s, x, bits, src.ColorTable());
    }
    return img;
}

} // namespace

TCanvasImpl* TCanvas::Impl() {
    // Every surface of this backend is a TCanvasImpl.
    return static_cast<TCanvasImpl*>(ws_.get());
}

QPainter* TCanvasImpl::PlainPainter() {
    QPainter* p = Painter();
    if (p) cnv::ResetPainter(*p);
    return p;
}

void TCanvasImpl::FillPixels(const TRect& R, TColor Color) {
    if (cnv::VectorBatch* batch = Batch()) {
        batch->Rect(Color, R.Left, R.Top, R.Right, R.Bottom);
        return;
    }
    if (QPainter* p = PlainPainter())
        p->fillRect(QRect(R.Left, R.Top, R.Width(), R.Height()), cnv::ToQColor(Color));
}

bool TCanvasImpl::ThinLine(int X0, int Y0, int X1, int Y1, const TRect& Clip, cnv::DashMask Mask,
                           int& StylePos, TColor Color) {
    if (cnv::VectorBatch* batch = Batch()) {
        cnv::BatchTarget t(*batch, Color, [this] { return PlainPainter(); });
        cnv::WalkLine(X0, Y0, X1, Y1, Clip, Mask, StylePos, t);
        return true;
    }
    QPainter* p = PlainPainter();
    if (!p) return false;
    cnv::VectorTarget t(*p, Color);
    cnv::WalkLine(X0, Y0, X1, Y1, Clip, Mask, StylePos, t);
    return true;
}

void TCanvasImpl::WideLine(TPoint A, TPoint B, TColor Color, int Width) {
    if (cnv::VectorBatch* batch = Batch()) {
        batch->WideLine(Color, Width, A, B);
        return;
    }
    QPainter* p = PlainPainter();
    if (!p) return;
    p->setPen(WidePen(Color, Width));
    p->drawLine(QPointF(A.x + 0.5, A.y + 0.5), QPointF(B.x + 0.5, B.y + 0.5));
}

bool TCanvasImpl::Dot(const TRect& Box, TColor Color) {
    cnv::VectorBatch* batch = Batch();
    if (!batch || !cnv::VectorBatch::TakesDot(Box)) return false;
    batch->Dot(Color, Box);
    return true;
}

void TCanvasImpl::WideRectangle(const TRect& Box, const TPen& Pen, const TBrush& Brush) {
    QPainter* p = PlainPainter();
    if (!p) return;
    const double w = Pen.Width();
    QRectF path(Box.Left + 0.5, Box.Top + 0.5, Box.Width() - 1, Box.Height() - 1);
    if (Pen.Style() == psInsideFrame) path.adjust(w / 2 - 0.5, w / 2 - 0.5, 0.5 - w / 2, 0.5 - w / 2);
    SetShapeBrush(*p, Brush);
    QPen q = WidePen(Pen.Color(), Pen.Width());
    q.setCapStyle(Qt::SquareCap);
    q.setJoinStyle(Qt::MiterJoin);
    p->setPen(q);
    p->drawRect(path);
}

void TCanvasImpl::Ellipse(const TRect& Box, const TPen& Pen, const TBrush& Brush) {
    const bool gathers = Batch() != nullptr;
    QPainter* p = PlainPainter();
    if (!p) return;
    SetShapePen(*p, Pen);
    SetShapeBrush(*p, Brush);
    if (!gathers) {
        p->drawEllipse(QRectF(Box.Left + 0.5, Box.Top + 0.5, Box.Width() - 1, Box.Height() - 1));
        return;
    }
    // On a vector surface the ellipse is drawn around the origin, moved to its centre: ellipses
    // of one size are then the same text in the document, which compresses far better. A 1-pixel
    // pen becomes a pen one unit wide, the same pixel under a move, so that the move is written
    // once instead of into every coordinate.
    if (IsCosmetic(Pen) && Pen.Style() != psClear) {
        QPen q = p->pen();
        q.setCosmetic(false);
        p->setPen(q);
    }
    const QTransform base = p->transform();
    p->translate(Box.Left + Box.Width() / 2.0, Box.Top + Box.Height() / 2.0);
    p->drawEllipse(
        QRectF(-(Box.Width() - 1) / 2.0, -(Box.Height() - 1) / 2.0, Box.Width() - 1, Box.Height() - 1));
    p->setTransform(base);
}

void TCanvasImpl::RoundRect(const TRect& Box, int CornerW, int CornerH, const TPen& Pen,
                            const TBrush& Brush) {
    QPainter* p = PlainPainter();
    if (!p) return;
    SetShapePen(*p, Pen);
    SetShapeBrush(*p, Brush);
    p->drawRoundedRect(QRectF(Box.Left + 0.5, Box.Top + 0.5, Box.Width() - 1, Box.Height() - 1),
                       std::abs(CornerW) / 2.0, std::abs(CornerH) / 2.0, Qt::AbsoluteSize);
}

void TCanvasImpl::StretchBitmap(const TRect& R, const TBitmap& Bitmap) {
    QPainter* p = Painter();
    if (!p) return;
    p->setRenderHint(QPainter::SmoothPixmapTransform, false);
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->drawImage(QRect(R.Left, R.Top, R.Width(), R.Height()), PainterImage(Bitmap));
}

QImage TCanvasImpl::PainterImage(const TBitmap& Bitmap) {
    return OpaqueImage(Bitmap);
}
