// TCanvas: the drawing calls with the layer's pixel rules (see Graphics.h), on any surface.
#include "BitmapPixels.h"
#include "CanvasEllipse.h"
#include "RasterTarget.h"
#include "widgetset/WSGraphics.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Brackets one drawing call: Changed() runs even when the call throws, so a bitmap surface
// never keeps a painter open over memory that may be reallocated.
class DrawScope {
  public:
    explicit DrawScope(TWSCanvas* ws) : ws_(ws) {}
    ~DrawScope() {
        if (ws_) ws_->Changed();
    }
    DrawScope(const DrawScope&) = delete;
    DrawScope& operator=(const DrawScope&) = delete;

  private:
    TWSCanvas* ws_;
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

// 1-pixel spans of one colour onto the surface: into bitmap memory or as vector rectangles.
void FillSpans(TWSCanvas& ws, const TRect& r, TColor color) {
    const TRect c = Intersect(r, ws.Bounds());
    if (IsEmpty(c)) return;
    if (TBitmap* b = ws.Bitmap()) {
        cnv::RasterTarget(*b, color).Fill(c);
        return;
    }
    ws.FillPixels(c, color);
}

void CosmeticLine(TWSCanvas& ws, TPen& pen, int x0, int y0, int x1, int y1, int& stylePos) {
    const cnv::DashMask mask = cnv::MaskFor(pen.Style(), pen.DashScale());
    const TRect clip = ws.Bounds();
    if (TBitmap* b = ws.Bitmap()) {
        cnv::RasterTarget t(*b, pen.Color(), pen.Mode());
        cnv::WalkLine(x0, y0, x1, y1, clip, mask, stylePos, t);
        return;
    }
    if (!ws.ThinLine(x0, y0, x1, y1, clip, mask, stylePos, pen.Color())) {
        // Nothing to draw on now; the dash mask still moves on by the line's length.
        const int64_t n = std::max(std::llabs(int64_t(x1) - x0), std::llabs(int64_t(y1) - y0));
        if (mask.on) stylePos = static_cast<int>((stylePos + n) % mask.period);
    }
}

} // namespace

TCanvas::TCanvas() = default;
TCanvas::~TCanvas() = default;

void TCanvas::SetImpl(std::unique_ptr<TWSCanvas> impl) {
    ws_ = std::move(impl);
    stylePos_ = 0;
    styleContinues_ = false;
    styleEnd_ = TPoint();
}

void TCanvas::MoveTo(int X, int Y) {
    penPos_ = TPoint(X, Y);
    if (ws_) styleContinues_ = false;
}

void TCanvas::LineTo(int X, int Y) {
    const TPoint from = penPos_;
    penPos_ = TPoint(X, Y);
    if (!ws_) return;
    // The dash mask carries on only when this line starts where the previous one ended.
    if (!styleContinues_ || !(styleEnd_ == from)) stylePos_ = 0;
    styleContinues_ = true;
    styleEnd_ = penPos_;
    if (pen_.Style() == psClear) return;
    DrawScope scope(ws_.get());
    if (IsCosmetic(pen_)) {
        CosmeticLine(*ws_, pen_, from.x, from.y, X, Y, stylePos_);
        return;
    }
    ws_->WideLine(from, penPos_, pen_.Color(), pen_.Width());
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
    if (!ws_) return;
    const TRect r = Normalized(X1, Y1, X2, Y2);
    if (IsEmpty(r)) return;
    DrawScope scope(ws_.get());
    TWSCanvas& ws = *ws_;
    const bool fill = brush_.Style() != bsClear;
    if (pen_.Style() == psClear) {
        // Without a pen the filled area is one pixel narrower and shorter: its right and bottom
        // pixels would be the outline's.
        if (fill) FillSpans(ws, TRect(r.Left, r.Top, r.Right - 1, r.Bottom - 1), brush_.Color());
        return;
    }
    if (IsCosmetic(pen_)) {
        if (fill) FillSpans(ws, TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), brush_.Color());
        const int l = r.Left, t = r.Top, rr = r.Right - 1, b = r.Bottom - 1;
        if (pen_.Style() == psSolid || pen_.Style() == psInsideFrame) {
            if (pen_.Mode() == pmCopy || !ws.Bitmap()) {
                FillSpans(ws, TRect(l, t, rr + 1, t + 1), pen_.Color());
                FillSpans(ws, TRect(l, b, rr + 1, b + 1), pen_.Color());
                FillSpans(ws, TRect(l, t + 1, l + 1, b), pen_.Color());
                FillSpans(ws, TRect(rr, t + 1, rr + 1, b), pen_.Color());
                return;
            }
        }
        int pos = 0;
        if (rr == l || b == t) {
            CosmeticLine(ws, pen_, l, t, rr + 1, b + 1, pos);
            return;
        }
        CosmeticLine(ws, pen_, l, t, rr, t, pos);
        CosmeticLine(ws, pen_, rr, t, rr, b, pos);
        CosmeticLine(ws, pen_, rr, b, l, b, pos);
        CosmeticLine(ws, pen_, l, b, l, t, pos);
        return;
    }
    ws.WideRectangle(r, pen_, brush_);
}

void TCanvas::FillRect(const TRect& R) {
    if (!ws_ || IsEmpty(R) || brush_.Style() == bsClear) return;
    DrawScope scope(ws_.get());
    FillSpans(*ws_, R, brush_.Color());
}

void TCanvas::FrameRect(const TRect& R) {
    if (!ws_ || IsEmpty(R) || brush_.Style() == bsClear) return;
    DrawScope scope(ws_.get());
    TWSCanvas& ws = *ws_;
    const TColor c = brush_.Color();
    FillSpans(ws, TRect(R.Left, R.Top, R.Right, R.Top + 1), c);
    if (R.Height() > 1) FillSpans(ws, TRect(R.Left, R.Bottom - 1, R.Right, R.Bottom), c);
    FillSpans(ws, TRect(R.Left, R.Top + 1, R.Left + 1, R.Bottom - 1), c);
    if (R.Width() > 1) FillSpans(ws, TRect(R.Right - 1, R.Top + 1, R.Right, R.Bottom - 1), c);
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
    if (!ws_) return;
    const TRect r = Normalized(X1, Y1, X2, Y2);
    if (IsEmpty(r)) return;
    DrawScope scope(ws_.get());
    const bool plainPen = pen_.Style() == psClear || (IsCosmetic(pen_) && pen_.Style() == psSolid);
    if (TBitmap* b = ws_->Bitmap(); b && plainPen && pen_.Mode() == pmCopy) {
        cnv::EllipsePaint paint;
        paint.outline = pen_.Style() != psClear;
        paint.pen = pen_.Color();
        paint.fill = brush_.Style() != bsClear;
        paint.brush = brush_.Color();
        cnv::RasterEllipse(*b, r, ws_->Bounds(), paint);
        return;
    }
    // A filled dot in its outline's colour may be gathered with others of its kind.
    if (IsCosmetic(pen_) && pen_.Style() == psSolid && brush_.Style() != bsClear &&
        ColorToRGB(brush_.Color()) == ColorToRGB(pen_.Color()) && ws_->Dot(r, pen_.Color()))
        return;
    ws_->Ellipse(r, pen_, brush_);
}

void TCanvas::EllipseLattice(const std::vector<std::vector<std::pair<int, int>>>& ColumnSets,
                             const std::vector<TEllipseRow>& Rows) {
    if (!ws_) return;
    // On a bitmap, a plain pen whose outline and fill share one colour (or has only one of them)
    // paints every pixel the same whatever the order: the union of the ellipses is drawn at once.
    const bool plainPen = pen_.Style() == psClear || (IsCosmetic(pen_) && pen_.Style() == psSolid);
    const bool outline = pen_.Style() != psClear, fill = brush_.Style() != bsClear;
    const bool oneColour = !outline || !fill || ColorToRGB(pen_.Color()) == ColorToRGB(brush_.Color());
    if (TBitmap* b = ws_->Bitmap(); b && plainPen && pen_.Mode() == pmCopy && oneColour) {
        DrawScope scope(ws_.get());
        cnv::EllipsePaint paint;
        paint.outline = outline;
        paint.pen = pen_.Color();
        paint.fill = fill;
        paint.brush = brush_.Color();
        cnv::RasterEllipseLattice(*b, ColumnSets, Rows, ws_->Bounds(), paint);
        return;
    }
    for (const TEllipseRow& row : Rows) {
        if (row.Columns < 0 || row.Columns >= static_cast<int>(ColumnSets.size())) continue;
        for (const auto& [left, right] : ColumnSets[row.Columns])
            Ellipse(left, row.Top, right, row.Bottom);
    }
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
    if (!ws_) return;
    const TRect r = Normalized(X1, Y1, X2, Y2);
    if (IsEmpty(r)) return;
    DrawScope scope(ws_.get());
    ws_->RoundRect(r, X3, Y3, pen_, brush_);
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
    if (!ws_) return clWhite;
    TBitmap* b = ws_->Bitmap();
    if (!b) return clWhite;
    if (X < 0 || Y < 0 || X >= b->Width() || Y >= b->Height()) return -1; // no pixel there
    return bmpx::BgrxToColor(bmpx::Read(b->ScanLine(Y), X, b->BitsPerPixel(), b->ColorTable()));
}

void TCanvas::SetPixel(int X, int Y, TColor C) {
    if (!ws_) return;
    TBitmap* b = ws_->Bitmap();
    if (!b || X < 0 || Y < 0 || X >= b->Width() || Y >= b->Height()) return;
    DrawScope scope(ws_.get());
    bmpx::Write(b->ScanLine(Y), X, b->BitsPerPixel(), bmpx::ColorToBgrx(C), b->ColorTable());
}

// Text: the position is the top-left corner of the character cell.

int TCanvas::TextWidth(const AnsiString& Text) {
    if (!ws::FontsAvailable() || Text.empty()) return 0;
    return ws::TextWidth(ws_.get(), font_, Text);
}

int TCanvas::TextHeight(const AnsiString&) {
    if (!ws::FontsAvailable()) return 0;
    return ws::TextHeight(ws_.get(), font_);
}

void TCanvas::TextOut(int X, int Y, const AnsiString& Text) {
    if (!ws::FontsAvailable() || !ws_) return;
    const int width = TextWidth(Text);
    {
        DrawScope scope(ws_.get());
        ws_->Text(X, Y, width, Text, font_, brush_);
    }
    // The pen position moves on to the end of the text, so a following TextOut can continue it.
    MoveTo(X + width, Y);
}
