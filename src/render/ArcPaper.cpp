// Arc paper: equal circles tiled at a pitch of one diameter, so neighbours touch. Each circle
// holds N concentric rings at equal radial steps (the outermost is the circle) and M radial
// division lines at equal angles from a base angle, counterclockwise with 0 pointing right.
#include "render/Unit4.h"

#include "render/RenderConventions.h"
#include "render/RepeatRange.h"
#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"
#include "winlib/SysUtils.h"

#include <algorithm>
#include <cmath>
#include <climits>
#include <cstdint>
#include <utility>
#include <vector>

namespace {
constexpr float kRadiansPerDegree = 0.017453292f;

// How one renderer places the tiles.
struct ArcLayout {
    float left = 0, top = 0;
    double scaleX = 0, scaleY = 0;
    bool fromCentre = false; // draw each division line outward instead of inward
    // Tiles whose rings or division lines lie closer together than a pixel are drawn as the
    // disc they fill (on a printed page, where each line costs its own bytes; see RingsFill and
    // LinesFill).
    bool discs = false;
};

// A line-type index 0 to 4 sets the pen style; any other value leaves the style as it is.
TPenStyle StyleAfter(TPenStyle current, int index) {
    return index >= 0 && index <= 4 ? PenStyleOf(index) : current;
}
void ApplyLineType(TCanvas* c, int index) {
    c->Pen()->SetStyle(StyleAfter(c->Pen()->Style(), index));
}

// Where the point at angle A degrees (0 to 360) lies on a circle of radius Rho, from its
// centre: each quadrant measured from its own axis in single precision.
struct Offset {
    double x, y;
};
Offset OffsetOnCircle(float a, float rho) {
    const float k = kRadiansPerDegree;
    if (a < 90)
        return {static_cast<double>(std::cos(a * k)) * rho,
                -(static_cast<double>(std::cos((90 - a) * k)) * rho)};
    if (a < 180)
        return {-(static_cast<double>(std::sin((a - 90) * k)) * rho),
                -(static_cast<double>(std::sin((90 - (a - 90)) * k)) * rho)};
    if (a < 270)
        return {-(static_cast<double>(std::cos((a - 180) * k)) * rho),
                static_cast<double>(std::cos((90 - (a - 180)) * k)) * rho};
    return {static_cast<double>(std::sin((a - 270) * k)) * rho,
            static_cast<double>(std::sin((90 - (a - 270)) * k)) * rho};
}

// The ends of the division lines on a circle of radius Rho, from its centre, in drawing order.
// The running angle is single precision: once a step no longer moves it, every further line is
// the one just drawn, and the list ends there. The same for every tile, so found once.
std::vector<Offset> DivisionEnds(int divisions, float rho) {
    std::vector<Offset> ends;
    if (divisions <= 0) return ends;
    const double step = 360.0 / divisions;
    float a = static_cast<float>(StrToFloat(Form1->ComboBoxCardinalPoint->Text()));
    for (int d = 0; d < divisions; ++d) {
        ends.push_back(OffsetOnCircle(a, rho));
        float next = static_cast<float>(a + step);
        if (next > 360) next = next - 360;
        if (next == a) break;
        a = next;
    }
    return ends;
}

// The rings of the tiles of one column (or row) along that axis: where each ring starts and ends
// in pixels, for the first ring of every run of rings with the same two ends. The same for every
// tile of the column, so worked out once for it, however many rings there are.
struct RingEnds {
    std::vector<int> first;                // the ring that starts each run
    std::vector<std::pair<int, int>> ends; // its near and far edge
};
RingEnds RingsAlong(float band, double offset, int dp, float q, int rings) {
    RingEnds r;
    auto ends = [&](int k) {
        const double in = k * static_cast<double>(q);
        return std::pair(ToPixel(in + band + offset), ToPixel(dp + band - in + offset));
    };
    ForEachRun(TIndexRange{0, rings}, ends, [&](int k, int) {
        r.first.push_back(k);
        r.ends.push_back(ends(k));
    });
    return r;
}

// Whether the rings along one axis fill their circle: from the outermost ring inwards each ring
// lies at most a pixel inside the one before (the outlines, a pixel wide, leave no gap between
// them), and the innermost, at most 2 pixels across, is solid. Rings a pixel or less apart always
// do, the innermost of N rings being 1/N of the diameter across.
bool RingsFill(const RingEnds& r) {
    if (r.ends.empty()) return false;
    for (size_t i = 0; i + 1 < r.ends.size(); ++i)
        if (std::abs(r.ends[i + 1].first - r.ends[i].first) > 1 ||
            std::abs(r.ends[i + 1].second - r.ends[i].second) > 1)
            return false;
    return std::abs(r.ends.back().second - r.ends.back().first) <= 2;
}

// Whether the division lines fill their circle: they go all round it, and the points where
// neighbours meet the rim lie at most a pixel apart. Their ends, truncated to pixels, then
// touch, and lines a pixel wide from one centre to touching ends cover everything between
// them; the outermost ring closes the rim.
bool LinesFill(const std::vector<Offset>& ends) {
    if (ends.size() < 3) return false;
    for (size_t d = 0; d < ends.size(); ++d) {
        const Offset a = ends[d], b = ends[(d + 1) % ends.size()];
        if (std::hypot(b.x - a.x, b.y - a.y) > 1.0) return false;
    }
    return true;
}

// A tile whose marks fill its circle, drawn as that disc: the ellipse filling Box.
void DrawDisc(TCanvas* c, const TRect& box) {
    c->Pen()->SetStyle(psSolid);
    c->Brush()->SetColor(c->Pen()->Color());
    c->Ellipse(box.Left, box.Top, box.Right, box.Bottom);
    c->Brush()->SetColor(clWhite);
    c->Brush()->SetStyle(bsClear);
}

// The rings of one tile; rings in the same pixels as the ring before are drawn once (the pixels
// change only where its column's or its row's ends change).
void DrawRings(TCanvas* c, const RingEnds& x, const RingEnds& y) {
    size_t i = 0, j = 0;
    while (i < x.first.size() && j < y.first.size()) {
        c->Ellipse(x.ends[i].first, y.ends[j].first, x.ends[i].second, y.ends[j].second);
        const int nextX = i + 1 < x.first.size() ? x.first[i + 1] : INT_MAX;
        const int nextY = j + 1 < y.first.size() ? y.first[j + 1] : INT_MAX;
        if (nextX == INT_MAX && nextY == INT_MAX) break;
        if (nextX <= nextY) ++i;
        if (nextY <= nextX) ++j;
    }
}

// The division ends of the tiles of one column (or row) along that axis: their pixel
// coordinates around the centre Centre, and the divisions at which the coordinate differs from
// the division before. The same for every tile of the column, so worked out once for it.
struct AxisEnds {
    int centre = 0;
    std::vector<int> at;
    std::vector<size_t> changes;
};
AxisEnds EndsAlong(double centre, const std::vector<Offset>& ends, bool across) {
    AxisEnds a;
    a.centre = ToPixel(centre);
    a.at.reserve(ends.size());
    for (size_t d = 0; d < ends.size(); ++d) {
        a.at.push_back(ToPixel(centre + (across ? ends[d].x : ends[d].y)));
        if (d == 0 || a.at[d] != a.at[d - 1]) a.changes.push_back(d);
    }
    return a;
}

// The division lines of one tile; a line to the same point as the line before is drawn once
// (the point moves only where its column's or its row's coordinate changes).
void DrawDivisions(TCanvas* c, const ArcLayout& l, const AxisEnds& x, const AxisEnds& y) {
    const TPoint centre(x.centre, y.centre);
    auto draw = [&](size_t d) {
        const TPoint p(x.at[d], y.at[d]);
        if (p == centre) return; // a line of no length: no pixel (the pen is a pixel wide)
        const TPoint from = l.fromCentre ? centre : p, to = l.fromCentre ? p : centre;
        c->MoveTo(from.x, from.y);
        c->LineTo(to.x, to.y);
    };
    size_t i = 0, j = 0;
    while (i < x.changes.size() || j < y.changes.size()) {
        const size_t a = i < x.changes.size() ? x.changes[i] : SIZE_MAX;
        const size_t b = j < y.changes.size() ? y.changes[j] : SIZE_MAX;
        const size_t d = std::min(a, b);
        draw(d);
        if (a == d) ++i;
        if (b == d) ++j;
    }
}

// The box of the outermost ring along both axes (right and bottom excluded).
TRect OuterRing(const RingEnds& x, const RingEnds& y) {
    return TRect(std::min(x.ends[0].first, x.ends[0].second), std::min(y.ends[0].first, y.ends[0].second),
                 std::max(x.ends[0].first, x.ends[0].second), std::max(y.ends[0].first, y.ends[0].second));
}

// The pixels the division lines of a tile reach along one axis, [first, last), drawn from the
// centre with the pixel on the rim left out. The rim points lie up to a pixel beyond the
// outermost ring (its diameter is truncated, the radius is not).
std::pair<int, int> LinesReach(const AxisEnds& a) {
    const auto [lo, hi] = std::minmax_element(a.at.begin(), a.at.end());
    return {std::min(a.centre, *lo + 1), std::max(a.centre + 1, *hi)};
}

// How many tiles across and down: strict whole numbers (a text that is not one raises before
// anything is drawn), 0 counting as 1.
struct TileCounts {
    int across = 1, down = 1;
    bool None() const { return across < 0 || down < 0; } // a negative count draws nothing
};
TileCounts ReadTileCounts() {
    TileCounts n;
    n.across = StrToWhole(Form1->Edit37->Text());
    n.down = StrToWhole(Form1->Edit38->Text());
    if (n.across == 0) n.across = 1;
    if (n.down == 0) n.down = 1;
    return n;
}

// The sizes of a tile in pixels, the same for every tile. The diameter, ring step and radius come
// from the horizontal scale for both axes; only the rows' pitch uses the vertical scale.
struct TileSize {
    int dp = 0;    // the diameter, truncated
    float rho = 0; // the radius
    float q = 0;   // the ring step
    double pitchX = 0, pitchY = 0;
};
TileSize TileSizeOf(const ArcLayout& l, float diameter, int rings) {
    TileSize t;
    t.dp = ToPixel(diameter * l.scaleX);
    t.rho = static_cast<float>(diameter * 0.5 * l.scaleX);
    // Fewer than one ring leaves only the division lines (the ring step would divide by zero).
    t.q = rings > 0 ? static_cast<float>(diameter * 0.5 / rings * l.scaleX) : 0.0f;
    t.pitchX = diameter * l.scaleX;
    t.pitchY = diameter * l.scaleY;
    return t;
}

// The columns and rows of tiles that reach the canvas. Tiles wholly beyond it are skipped, so a
// huge count costs no more than a page.
struct TileRanges {
    TIndexRange columns, rows;
};
TileRanges TilesOnCanvas(const ArcLayout& l, const TileSize& t, const TileCounts& n, int width, int height) {
    const double lo = std::min(0, t.dp), hi = std::max(0, t.dp);
    constexpr double kMargin = 2.0;
    TileRanges r;
    r.columns = VisibleIndexes(
        n.across, t.pitchX, [&](int i) { return l.left + t.pitchX * i + lo; },
        [&](int i) { return l.left + t.pitchX * i + hi; }, width, kMargin);
    r.rows = VisibleIndexes(
        n.down, t.pitchY, [&](int i) { return l.top + t.pitchY * i + lo; },
        [&](int i) { return l.top + t.pitchY * i + hi; }, height, kMargin);
    return r;
}

// What the tiles of one column (or of one row) share along that axis: where their division lines
// end and their rings lie, whether the rings fill the circle, and, where the division lines fill
// it, how far they reach.
struct TileAxis {
    AxisEnds ends;
    RingEnds rings;
    bool ringsFill = false;
    std::pair<int, int> reach{0, 0};
};
TileAxis TileAxisAt(float band, double offset, const TileSize& t, int rings, const std::vector<Offset>& ends,
                    bool across, bool linesFill) {
    TileAxis a;
    a.ends = EndsAlong(offset + band + t.rho, ends, across);
    a.rings = RingsAlong(band, offset, t.dp, t.q, std::max(rings, 0));
    a.ringsFill = RingsFill(a.rings);
    if (linesFill) a.reach = LinesReach(a.ends);
    return a;
}

// How a tile is drawn: line by line, or, on a printed page where its marks fill its circle, as a
// disc. Solid division lines that fill the circle inside a solid outermost ring cover the disc of
// the ring and of their own reach, with every other ring inside it; solid rings that fill the
// circle are the disc of the outermost ring, with the division lines drawn over it.
enum class TileDrawing { Lines, DiscOfRingAndLines, DiscUnderLines };
TileDrawing TileDrawingFor(const ArcLayout& l, TPenStyle current, int rings, int circleStyle,
                           int divisionStyle, bool linesFill, bool ringsFill) {
    if (!l.discs || rings < 1) return TileDrawing::Lines;
    // The styles the tile's rings and lines would be drawn in: a line type out of range keeps the
    // style in force.
    const TPenStyle ringStyle = StyleAfter(current, circleStyle);
    const TPenStyle lineStyle = StyleAfter(ringStyle, divisionStyle);
    if (ringStyle == psSolid && linesFill && lineStyle == psSolid) return TileDrawing::DiscOfRingAndLines;
    if (ringStyle == psSolid && ringsFill) return TileDrawing::DiscUnderLines;
    return TileDrawing::Lines;
}

void DrawTile(TCanvas* c, const ArcLayout& l, const TileAxis& column, const TileAxis& row, TileDrawing how,
              int circleStyle, int divisionStyle) {
    switch (how) {
    case TileDrawing::DiscOfRingAndLines: {
        const TRect ring = OuterRing(column.rings, row.rings);
        const auto [x0, x1] = column.reach;
        const auto [y0, y1] = row.reach;
        DrawDisc(c, TRect(std::min(ring.Left, x0), std::min(ring.Top, y0), std::max(ring.Right, x1),
                          std::max(ring.Bottom, y1)));
        return;
    }
    case TileDrawing::DiscUnderLines:
        DrawDisc(c, OuterRing(column.rings, row.rings));
        break;
    case TileDrawing::Lines:
        ApplyLineType(c, circleStyle);
        DrawRings(c, column.rings, row.rings);
        break;
    }
    ApplyLineType(c, divisionStyle);
    DrawDivisions(c, l, column.ends, row.ends);
}

void DrawArcs(TCanvas* c, const ArcLayout& l, int width, int height, float diameter, int divisions, int rings,
              int circleStyle, int divisionStyle) {
    const TileCounts counts = ReadTileCounts();
    if (counts.None()) return;
    // A diameter of 0 gives empty rings and lines of no length: nothing to draw.
    if (diameter == 0) return;

    const TileSize size = TileSizeOf(l, diameter, rings);
    const TileRanges tiles = TilesOnCanvas(l, size, counts, width, height);
    const std::vector<Offset> ends = DivisionEnds(divisions, size.rho);
    const bool linesFill = l.discs && LinesFill(ends);
    std::vector<TileAxis> rowAxes;
    for (int row = tiles.rows.First; row < tiles.rows.Last; ++row)
        rowAxes.push_back(TileAxisAt(l.top, size.pitchY * row, size, rings, ends, false, linesFill));
    for (int col = tiles.columns.First; col < tiles.columns.Last; ++col) {
        const TileAxis column = TileAxisAt(l.left, size.pitchX * col, size, rings, ends, true, linesFill);
        for (const TileAxis& row : rowAxes) {
            const TileDrawing how = TileDrawingFor(l, c->Pen()->Style(), rings, circleStyle, divisionStyle,
                                                   linesFill, column.ringsFill && row.ringsFill);
            DrawTile(c, l, column, row, how, circleStyle, divisionStyle);
        }
    }
}
} // namespace

void PreviewArc(float Diameter, int Divisions, int Rings, int CircleStyle, int DivisionStyle) {
    TForm1* f = Form1;
    const float s = PreviewScaleSingle(f);
    const TPageSurface page = PreviewSurface(f, s, s);
    TCanvas* c = page.Canvas;
    c->Brush()->SetColor(clWhite);
    c->Pen()->SetColor(LineColor(f));
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetWidth(1);
    c->Brush()->SetStyle(bsClear);

    ArcLayout l;
    l.left = static_cast<float>(page.Left);
    l.top = static_cast<float>(page.Top);
    l.scaleX = l.scaleY = s;
    DrawArcs(c, l, page.Width, page.Height, Diameter, Divisions, Rings, CircleStyle, DivisionStyle);
}

void PrintArc(float Diameter, int Divisions, int Rings, int CircleStyle, int DivisionStyle) {
    TForm1* f = Form1;
    const TPageSurface page = PrintSurface(f);
    TCanvas* c = page.Canvas;
    c->Pen()->SetWidth(1);
    c->Pen()->SetStyle(psSolid);
    c->Brush()->SetColor(clWhite);
    c->Pen()->SetColor(LineColor(f));
    c->Brush()->SetStyle(bsClear);

    ArcLayout l;
    l.left = static_cast<float>(page.Left);
    l.top = static_cast<float>(page.Top);
    l.scaleX = f->PxPerMmX;
    l.scaleY = f->PxPerMmY;
    l.fromCentre = true;
    l.discs = true;
    DrawArcs(c, l, page.Width, page.Height, Diameter, Divisions, Rings, CircleStyle, DivisionStyle);
}
