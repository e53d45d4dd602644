// Dot grid: nx x ny ellipses at one pitch across and down, filled in the line colour or hollow
// rings, every odd row shifted by half a pitch when staggered. The first dot is centred on the
// content corner; the grid is not bounded by the content rectangle and the canvas clips it.
#include "render/Unit4.h"

#include "render/RenderConventions.h"
#include "render/RepeatRange.h"
#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"
#include "winlib/SysUtils.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {
// The grid settings that both renderers parse the same way.
struct GridSettings {
    int across = 20, down = 20;
    double widthMm = 0.5, heightMm = 0.5, pitchMm = 10.0;
    bool hollow = false, staggered = false;
};

GridSettings ReadGridSettings(TForm1* f) {
    GridSettings g;
    g.across = StrToWholeDef(f->Edit14->Text(), 20);
    g.down = StrToWholeDef(f->Edit15->Text(), 20);
    g.widthMm = StrToFloatDef(f->Edit16->Text(), 0.5);
    g.heightMm = StrToFloatDef(f->Edit17->Text(), 0.5);
    g.pitchMm = StrToFloatDef(f->Edit18->Text(), 10.0);
    g.hollow = f->CheckBox4->Checked();
    g.staggered = f->CheckBox5->Checked();
    return g;
}

// The dots in pixels; the bands, radii and pitch are held in single precision.
struct DotLayout {
    float left = 0, top = 0;
    float rx = 0, ry = 0;
    float pitch = 0;
};

using Span = std::pair<int, int>; // truncated extent of a dot across one axis

// Centre i of an axis: i * pitch + origin; the stagger shift is added after the radius.
double Near(int i, float pitch, float origin, float radius, double shift) {
    return i * static_cast<double>(pitch) + origin - radius + shift;
}
double Far(int i, float pitch, float origin, float radius, double shift) {
    return i * static_cast<double>(pitch) + origin + radius + shift;
}

// The distinct extents of the dots 0 ... Count - 1 along one axis that can show on a canvas
// Extent pixels long, in drawing order, one per run of dots that truncate to the same pixels.
// Each element also carries the indexes of its run.
struct AxisDot {
    Span span;
    int first, last;
};
std::vector<AxisDot> AxisDots(int count, float pitch, float origin, float radius, double shift, int extent,
                              double margin) {
    auto near = [&](int i) { return Near(i, pitch, origin, radius, shift); };
    auto far = [&](int i) { return Far(i, pitch, origin, radius, shift); };
    const TIndexRange range = VisibleIndexes(count, pitch, near, far, extent, margin);
    std::vector<AxisDot> dots;
    ForEachRun(
        range, [&](int i) { return Span(ToPixel(near(i)), ToPixel(far(i))); },
        [&](int first, int last) {
            dots.push_back({Span(ToPixel(near(first)), ToPixel(far(first))), first, last});
        });
    return dots;
}

// Filled dots far larger than their pitch merge into one shape. Given a pitch of P across and Q
// down (the rows of one shift) and radii Rx, Ry, with a pixel and a half kept for the raster's
// rounding: every point between the outermost centres lies inside some dot, and every pixel an
// inner dot adds outside that rectangle lies inside the dots of the outermost rows and columns.
bool Merge(double p, double q, double rx, double ry) {
    p = std::fabs(p), q = std::fabs(q), rx -= 1.5, ry -= 1.5;
    return p > 0 && q > 0 && rx > 0 && ry > 0 && p <= rx && q <= ry && p * p * ry <= 4 * q * rx * rx &&
           q * q * rx <= 4 * p * ry * ry;
}

// The merged shape of one lattice of filled dots (Across are its columns, Down its rows, each
// with the pixels it covers): the rectangle between the outermost centres, filled with the brush,
// and the dots of the outermost rows and columns. A page of dots larger than the page costs a few
// hundred shapes, not millions.
void DrawMerged(TCanvas* c, const std::vector<Span>& across, const std::vector<Span>& down) {
    if (across.empty() || down.empty()) return;
    auto centre = [](Span s) { return (s.first + s.second) / 2; };
    const int x1 = std::min(centre(across.front()), centre(across.back()));
    const int x2 = std::max(centre(across.front()), centre(across.back()));
    const int y1 = std::min(centre(down.front()), centre(down.back()));
    const int y2 = std::max(centre(down.front()), centre(down.back()));
    c->FillRect(TRect(x1, y1, x2 + 1, y2 + 1));
    // The first and the last row with every column, then the rows between with the first and
    // the last column.
    const std::vector<std::vector<Span>> columns = {across, {across.front(), across.back()}};
    std::vector<TEllipseRow> rows;
    for (Span y : {down.front(), down.back()})
        rows.push_back({y.first, y.second, 0});
    for (size_t i = 1; i + 1 < down.size(); ++i)
        rows.push_back({down[i].first, down[i].second, 1});
    c->EllipseLattice(columns, rows);
}

// Draws the grid with the canvas's pen and brush as the caller set them.
//
// Every dot that can show is drawn in order, except repeats: a dot in the same pixels as the one
// before it in its row, and of a run of rows in the same pixels all but the last two (the last
// two decide every pixel the run covers, whichever of the two shifts each row has).
void DrawDots(const TPageSurface& page, const GridSettings& g, const DotLayout& d) {
    if (!std::isfinite(d.pitch) || !std::isfinite(d.rx) || !std::isfinite(d.ry))
        throw EInvalidOp("Invalid floating point operation");
    const double margin = page.Canvas->Pen()->Width() + 2.0;
    const double half = d.pitch * 0.5;
    const std::vector<AxisDot> even = AxisDots(g.across, d.pitch, d.left, d.rx, 0.0, page.Width, margin);
    const std::vector<AxisDot> odd =
        g.staggered ? AxisDots(g.across, d.pitch, d.left, d.rx, half, page.Width, margin) : even;
    const std::vector<AxisDot> rows = AxisDots(g.down, d.pitch, d.top, d.ry, 0.0, page.Height, margin);

    // Filled dots that merge: one shape per lattice of rows with the same shift.
    const double rowPitch = g.staggered ? 2.0 * d.pitch : d.pitch;
    if (!g.hollow && Merge(d.pitch, rowPitch, d.rx, d.ry)) {
        for (int shift : g.staggered ? std::vector<int>{0, 1} : std::vector<int>{-1}) {
            std::vector<Span> across, down;
            for (const AxisDot& x : shift == 1 ? odd : even)
                across.push_back(x.span);
            for (const AxisDot& row : rows)
                if (shift < 0 || (row.last - row.first >= 1 || row.first % 2 == shift))
                    down.push_back(row.span);
            DrawMerged(page.Canvas, across, down);
        }
        return;
    }
    // The dots as one lattice: even rows over the columns of the unshifted row, odd rows over
    // the shifted ones.
    std::vector<std::vector<Span>> columns(2);
    for (const AxisDot& x : even)
        columns[0].push_back(x.span);
    for (const AxisDot& x : odd)
        columns[1].push_back(x.span);
    std::vector<TEllipseRow> lattice;
    for (const AxisDot& row : rows)
        for (int i = std::max(row.first, row.last - 1); i <= row.last; ++i)
            lattice.push_back({row.span.first, row.span.second, i % 2 != 0 ? 1 : 0});
    page.Canvas->EllipseLattice(columns, lattice);
}
} // namespace

void PreviewGrid() {
    TForm1* f = Form1;
    const float s = PreviewScaleSingle(f);
    const TPageSurface page = PreviewSurface(f, s, s);
    TCanvas* c = page.Canvas;
    c->Brush()->SetColor(clWhite);
    c->Pen()->SetColor(LineColor(f));
    c->Pen()->SetStyle(psSolid);

    const GridSettings g = ReadGridSettings(f);
    DotLayout d;
    d.top = static_cast<float>(page.Top);
    d.left = static_cast<float>(page.Left);
    if (g.hollow) {
        c->Brush()->SetStyle(bsClear);
        const double w = StrToFloat(f->Edit19->Text()) * s;
        c->Pen()->SetWidth(w < 1.0 ? 1 : ToPixel(w));
    } else {
        c->Brush()->SetColor(LineColor(f));
        c->Pen()->SetWidth(1);
    }
    // Dots too small for the screen are still shown two pixels across.
    d.rx = std::max(static_cast<float>(g.widthMm * s * 0.5), 1.0f);
    d.ry = std::max(static_cast<float>(g.heightMm * s * 0.5), 1.0f);
    d.pitch = static_cast<float>(g.pitchMm * s);
    DrawDots(page, g, d);
    c->Brush()->SetColor(clWhite);
}

void PrintGrid() {
    TForm1* f = Form1;
    const TPageSurface page = PrintSurface(f);
    TCanvas* c = page.Canvas;
    // The pen colour is the one the print loop set for the page.
    c->Pen()->SetWidth(1);
    c->Pen()->SetStyle(psSolid);

    const GridSettings g = ReadGridSettings(f);
    DotLayout d;
    d.top = static_cast<float>(page.Top);
    d.left = static_cast<float>(page.Left);
    if (g.hollow) {
        c->Brush()->SetStyle(bsClear);
        // A width of 0 is the device's thinnest line.
        c->Pen()->SetWidth(ToPixel(StrToFloat(f->Edit19->Text()) * f->PxPerMmX));
    } else {
        c->Brush()->SetColor(LineColor(f));
    }
    d.rx = static_cast<float>(g.widthMm * f->PxPerMmX * 0.5);
    d.ry = static_cast<float>(g.heightMm * f->PxPerMmY * 0.5);
    // One pitch, from the horizontal scale, serves rows as well as columns.
    d.pitch = static_cast<float>(g.pitchMm * f->PxPerMmX);
    DrawDots(page, g, d);
    c->Brush()->SetColor(clWhite);
}
