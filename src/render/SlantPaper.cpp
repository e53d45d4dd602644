// Slanted paper: a lattice of equilateral triangles drawn as bands of downward triangles, every
// other band shifted half a side to the left; the upward triangles between them are closed by
// the next band's top edge. The bands run across the page, or down it with the orientation
// option, which draws the same figure with X and Y exchanged. Nothing is clipped at the far
// edges of the content rectangle; bands and cells wholly off the canvas are not visited.
#include "render/Unit4.h"

#include "render/RenderConventions.h"
#include "render/RepeatRange.h"
#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"
#include "winlib/SysUtils.h"

#include <algorithm>

namespace {
// Draws in lattice coordinates: X along the bands and Y across them, in pixels from the content
// origin. Bands down the page put lattice X down and lattice Y across.
class LatticePen {
  public:
    LatticePen(TCanvas* c, double left, double top, bool down) : c_(c), left_(left), top_(top), down_(down) {}
    void MoveTo(double x, double y) {
        const TPoint p = At(x, y);
        c_->MoveTo(p.x, p.y);
    }
    void LineTo(double x, double y) {
        const TPoint p = At(x, y);
        c_->LineTo(p.x, p.y);
    }

  private:
    TPoint At(double x, double y) const {
        return down_ ? TPoint(ToPixel(left_ + y), ToPixel(top_ + x))
                     : TPoint(ToPixel(left_ + x), ToPixel(top_ + y));
    }
    TCanvas* c_;
    double left_, top_;
    bool down_;
};

// Bands of Cells triangles with side A and height H pixels; only the bands in Rows and the
// cells in Columns are drawn (the others lie wholly off the canvas).
void DrawLattice(LatticePen& pen, int bands, int cells, float a, float h, TIndexRange rows,
                 TIndexRange columns) {
    const double half = a * 0.5;
    for (int r = rows.First; r < rows.Last; ++r) {
        const double y0 = static_cast<double>(r) * h;
        const double y1 = y0 + h;
        for (int c = columns.First; c < columns.Last; ++c) {
            const double x = static_cast<double>(c) * a;
            const bool last = c == cells - 1;
            if (r % 2 == 0) {
                pen.MoveTo(x, y0);
                pen.LineTo(x + half, y1);
                if (!last) {
                    pen.LineTo(x + a, y0);
                    pen.MoveTo(x, y0);
                    pen.LineTo(x + a, y0);
                } else {
                    pen.MoveTo(x, y0);
                    pen.LineTo(x + half, y0);
                }
            } else if (c > 0) {
                pen.MoveTo(x - half, y0);
                pen.LineTo(x, y1);
                pen.LineTo(x + half, y0);
                pen.MoveTo(x - half, y0);
                pen.LineTo(x + half, y0);
            } else {
                pen.MoveTo(0, y1);
                pen.LineTo(half, y0);
                pen.MoveTo(0, y0);
                pen.LineTo(half, y0);
            }
            if (r == bands - 1) {
                pen.MoveTo(x, y1);
                pen.LineTo(last ? x + half : x + a, y1);
            }
        }
    }
}

// The lattice at PxPerMm pixels per millimetre for both the side and the band height, so the
// triangles are equilateral in canvas pixels. The X count always runs across the page.
void DrawSlantPaper(TForm1* f, const TPageSurface& page, double pxPerMm) {
    const float side = static_cast<float>(StrToFloatDef(f->Edit13->Text(), 10.0));
    const float height = static_cast<float>(1.7320508075688772 * side * 0.5);
    const int acrossX = StrToWholeDef(f->Edit29->Text(), 10);
    const int alongY = StrToWholeDef(f->Edit30->Text(), 10);
    const bool down = f->CheckBox8->Checked();

    TCanvas* c = page.Canvas;
    c->Brush()->SetStyle(bsClear);
    SetLinePen(c, f->ComboBox7->ItemIndex());
    const float a = static_cast<float>(side * pxPerMm), h = static_cast<float>(height * pxPerMm);
    if (a == 0) return; // every line has no length: nothing shows

    const int bands = down ? acrossX : alongY, cells = down ? alongY : acrossX;
    // A band spans its height down the lattice; a cell reaches half a side back (the odd bands'
    // shift) and one side on. Counts of two billion cost only what the canvas shows.
    const double originX = down ? page.Top : page.Left, originY = down ? page.Left : page.Top;
    const int extentX = down ? page.Height : page.Width, extentY = down ? page.Width : page.Height;
    constexpr double kMargin = 2.0;
    const TIndexRange rows = VisibleIndexes(
        bands, h, [&](int r) { return originY + std::min(0.0, double(h)) + double(r) * h; },
        [&](int r) { return originY + std::max(0.0, double(h)) + double(r) * h; }, extentY, kMargin);
    const TIndexRange columns = VisibleIndexes(
        cells, a, [&](int i) { return originX + std::min(-0.5 * a, double(a)) + double(i) * a; },
        [&](int i) { return originX + std::max(-0.5 * a, double(a)) + double(i) * a; }, extentX, kMargin);
    LatticePen pen(c, page.Left, page.Top, down);
    DrawLattice(pen, bands, cells, a, h, rows, columns);
}
} // namespace

void PrintSlantPaper() {
    // The pen keeps the colour the print job set for the page; both lengths use the horizontal
    // resolution.
    const TPageSurface page = PrintSurface(Form1);
    DrawSlantPaper(Form1, page, Form1->PxPerMmX);
}

void PreviewSlantPaper() {
    const float s = PreviewScaleSingle(Form1);
    const TPageSurface page = PreviewSurface(Form1, s, s);
    page.Canvas->Pen()->SetColor(LineColor(Form1));
    DrawSlantPaper(Form1, page, s);
}
