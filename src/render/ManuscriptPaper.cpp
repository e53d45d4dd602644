// Manuscript paper: rows of square cells, each row with a strip a third of a cell high above
// it, one row (the fold row) replaced by a band with a short text and two filled bars, and a
// heavier frame round the whole grid. Above the fold a row's strip lies below its top rule;
// below the fold it lies above it, so the band touches the cells above it and a strip parts it
// from the cells below. Every coordinate is computed afresh from its row or column index.
#include "render/Unit4.h"

#include "render/RenderConventions.h"
#include "render/RepeatRange.h"
#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"
#include "shell/Yxcalc.h"
#include "winlib/Dialogs.h"
#include "winlib/SysUtils.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace {
// Columns, rows (the band counted) and the fold row, from the tab's edits.
struct ManuscriptCounts {
    int columns = 10;
    int rows = 21;
    int fold = 10;
};

ManuscriptCounts ReadCounts(TForm1* f) {
    ManuscriptCounts n;
    n.columns = StrToWholeDef(f->Edit4->Text(), 10);
    // The band is one more row; the largest whole number stays as it is instead of overflowing.
    const int cellRows = StrToWholeDef(f->Edit5->Text(), 20);
    n.rows = cellRows < std::numeric_limits<int>::max() ? cellRows + 1 : cellRows;
    int fold;
    n.fold = TryStrToWhole(f->Edit6->Text(), fold) ? fold : (n.rows - 1) / 2;
    return n;
}

// The grid in canvas pixels. Sizes and bands are held in single precision; a coordinate is
// computed from them in floating point and truncated only when it is drawn.
struct ManuscriptGrid {
    ManuscriptCounts n;
    float left = 0, top = 0;
    float cx = 0, cy = 0; // cell width and height
    float gap = 0;        // strip height, a third of the cell height
    float mm = 0;         // pixels per millimetre across, for the band's text, bars and font

    double RowTop(int i) const { return static_cast<double>(i) * cy + top + static_cast<double>(i) * gap; }
    int ColumnX(int j) const { return ToPixel(static_cast<double>(j) * cx + left); }
    int BandX(double millimetres) const { return ToPixel(millimetres * mm + left); }
    // The bottom of the last row's cells: the top of the row after it, less the strip when that
    // last row has its strip above its cells (at or below the fold); held near a canvas Height
    // pixels high when it lies far below it.
    int Bottom(int height) const {
        const double below = RowTop(n.rows);
        return ToCanvasPixel(n.fold >= n.rows ? below : below - gap, height);
    }
};

// The cell size that fills the content rectangle: the width fit of the columns or the height
// fit of the rows with the strips inside the frame, whichever is smaller. With a band there is
// one strip fewer than rows; without one (fold row past the last row) every row has its strip
// inside the frame. (Below the fold the first row's strip lies above the frame.)
float FittedCell(const ManuscriptCounts& n, float contentWidth, float contentHeight) {
    const float widthFit = contentWidth / n.columns;
    const int strips = n.fold >= n.rows ? n.rows : n.rows - 1;
    const float heightFit = contentHeight / static_cast<float>(n.rows + strips * (1.0L / 3));
    return static_cast<float>(MinDouble(widthFit, heightFit));
}

void Rule(TCanvas* c, int x1, int x2, double y) {
    c->MoveTo(x1, ToPixel(y));
    c->LineTo(x2, ToPixel(y));
}

void DrawFoldBand(TCanvas* c, const ManuscriptGrid& g, TForm1* f) {
    TFont* font = c->Font();
    TFont* chosen = f->FontDialog1->Font();
    font->Assign(chosen);
    SetFontSizeMm(font, chosen->Size(), g.mm);

    const double top = g.RowTop(g.n.fold);
    const int fold1 = g.n.fold + 1;
    const double bandBottom =
        static_cast<double>(fold1) * g.cy + g.top + static_cast<double>(fold1) * g.gap - g.gap;
    const int half = ToPixel((bandBottom - top) * 0.5);
    const AnsiString text = f->Edit28->Text();
    const int halfText = c->TextHeight(text) / 2;
    c->TextOut(g.BandX(10), ToPixel((half - halfText) + top), text);

    c->Brush()->SetColor(c->Pen()->Color());
    c->Brush()->SetStyle(bsSolid);
    const int y1 = ToPixel(top), y2 = ToPixel(top + g.cy);
    c->FillRect(TRect(g.BandX(7), y1, g.BandX(8), y2));
    c->FillRect(TRect(g.BandX(0), y1, g.BandX(5), y2));
}

// The column rules' places that can show on a canvas Width pixels wide, each once.
std::vector<int> VisibleColumns(const ManuscriptGrid& g, int width, double margin) {
    const TIndexRange range = VisibleIndexes(
        g.n.columns - 1, g.cx, [&](int i) { return (i + 1.0) * g.cx + g.left; },
        [&](int i) { return (i + 1.0) * g.cx + g.left; }, width, margin);
    std::vector<int> xs;
    ForEachRun(
        range, [&](int i) { return g.ColumnX(i + 1); },
        [&](int first, int) { xs.push_back(g.ColumnX(first + 1)); });
    return xs;
}

// The rows, the band and the frame, with the pen already set for the rules. The print canvas
// clears its brush again at every row, the band having set it solid. Only the rows and columns
// that can show on the canvas are drawn, and of rows that fall on the same pixels only the last:
// two billion columns or rows cost what the canvas holds.
void DrawManuscript(const TPageSurface& page, const ManuscriptGrid& g, TForm1* f, bool clearBrushEachRow,
                    int frameWidth, bool keepEdgeOnCanvas) {
    TCanvas* c = page.Canvas;
    const double margin = frameWidth + 2.0;
    const int x1 = ToCanvasPixel(g.left, page.Width);
    const int xr = ToCanvasPixel(g.n.columns * static_cast<double>(g.cx) + g.left, page.Width);
    const std::vector<int> columns = VisibleColumns(g, page.Width, margin);
    // A row reaches from the strip above its top rule to the strip below its cells.
    auto reach = [&](int i, bool high) {
        const double y = g.RowTop(i), a = y - g.gap, b = y + g.cy + g.gap;
        return high ? std::max(a, b) : std::min(a, b);
    };
    const TIndexRange rows = VisibleIndexes(
        g.n.rows, g.cy + g.gap, [&](int i) { return reach(i, false); }, [&](int i) { return reach(i, true); },
        page.Height, margin);
    // Where a row draws: its side of the fold and its rules' pixel rows.
    auto key = [&](int i) {
        const double y = g.RowTop(i);
        const int side = i < g.n.fold ? -1 : i == g.n.fold ? 0 : 1;
        const double cells = i < g.n.fold ? y + g.gap : y;
        return std::array<int, 5>{side, ToPixel(y), ToPixel(i < g.n.fold ? y + g.gap : y - g.gap),
                                  ToPixel(cells), ToPixel(cells + g.cy)};
    };
    ForEachRun(rows, key, [&](int, int i) {
        if (clearBrushEachRow) c->Brush()->SetStyle(bsClear);
        c->Pen()->SetStyle(psSolid);
        const double y = g.RowTop(i);
        Rule(c, x1, xr, y);
        if (i == g.n.fold) {
            DrawFoldBand(c, g, f);
            return;
        }
        // Above the fold the cells lie below the strip, below the fold the strip above the row.
        const double cells = i < g.n.fold ? y + g.gap : y;
        Rule(c, x1, xr, i < g.n.fold ? y + g.gap : y - g.gap);
        for (int x : columns) {
            c->MoveTo(x, ToPixel(cells));
            c->LineTo(x, ToPixel(cells + g.cy));
        }
    });

    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetWidth(frameWidth);
    const int yt = ToCanvasPixel(g.top, page.Height);
    int right = xr, yb = g.Bottom(page.Height);
    if (keepEdgeOnCanvas) {
        // A frame edge on the page's far edge prints half its pen on the sheet; the preview's
        // pen of two pixels would fall off the bitmap there: its last pixel row or column keeps it.
        auto onEdge = [&](int at, int extent) {
            return at >= extent && at <= extent + frameWidth / 2 ? extent - 1 : at;
        };
        right = onEdge(right, page.Width);
        yb = onEdge(yb, page.Height);
    }
    c->MoveTo(x1, yt);
    c->LineTo(right, yt);
    c->LineTo(right, yb);
    c->LineTo(x1, yb);
    c->LineTo(x1, yt);
}

// Reads the counts and the cell size and lays the grid out on the page; false when a column
// count below 1 or no row leaves nothing to draw (and no width to divide). An explicit cell
// size that is not a number raises here, before anything is drawn.
bool LayOut(TForm1* f, const TPageSurface& page, ManuscriptGrid& g) {
    g.n = ReadCounts(f);
    const bool explicitSize = f->CheckBox3->Checked();
    const double sizeMm = explicitSize ? StrToFloat(f->Edit7->Text()) : 0.0;
    if (g.n.columns < 1 || g.n.rows < 1) return false;

    const float left = static_cast<float>(page.Left), top = static_cast<float>(page.Top);
    const float right = static_cast<float>(page.Right), bottom = static_cast<float>(page.Bottom);
    g.left = left;
    g.top = top;
    g.mm = static_cast<float>(page.ScaleX);
    if (explicitSize) {
        g.cx = static_cast<float>(sizeMm * page.ScaleX);
        g.cy = static_cast<float>(sizeMm * page.ScaleY);
    } else {
        // One size for both axes, also on a printer whose two resolutions differ. Cells finer than
        // the finest pitch are held to it: more of them than fit run off the page.
        float cell = FittedCell(g.n, page.Width - (left + right), page.Height - (top + bottom));
        const float finest = static_cast<float>(FinestPitchMm * page.ScaleX);
        if (cell > 0 && cell < finest) cell = finest;
        g.cx = g.cy = cell;
    }
    g.gap = static_cast<float>(g.cy * (1.0L / 3));
    return true;
}
} // namespace

void PrintManuscriptPaper() {
    TForm1* f = Form1;
    const TPageSurface page = PrintSurface(f);
    ManuscriptGrid g;
    if (!LayOut(f, page, g)) return;
    TCanvas* c = page.Canvas;
    // The pen keeps the colour the print job set for the page.
    c->Pen()->SetWidth(ToPixel(0.1 * f->PxPerMmX));
    c->Pen()->SetStyle(psSolid);
    c->Brush()->SetStyle(bsClear);
    DrawManuscript(page, g, f, true, ToPixel(0.5 * f->PxPerMmY), false);
}

void PreviewManuscriptPaper() {
    TForm1* f = Form1;
    const float s = PreviewScaleSingle(f);
    const TPageSurface page = PreviewSurface(f, s, s);
    ManuscriptGrid g;
    if (!LayOut(f, page, g)) return;
    TCanvas* c = page.Canvas;
    c->Pen()->SetColor(LineColor(f));
    c->Pen()->SetWidth(1);
    c->Pen()->SetStyle(psSolid);
    c->Brush()->SetStyle(bsClear);
    DrawManuscript(page, g, f, false, 2, true);
}
