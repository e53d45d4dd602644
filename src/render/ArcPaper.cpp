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
#include <tuple>
#include <vector>

namespace {
constexpr float kRadiansPerDegree = 0.017453292f;

// How one renderer places the tiles. The diameter, ring step and radius in pixels come from
// the horizontal scale for both axes; only the rows' pitch uses the vertical scale.
struct ArcLayout {
    float left = 0, top = 0;
    double scaleX = 0, scaleY = 0;
    bool fromCentre = false; // draw each division line outward instead of inward
};

// A line-type index 0 to 4 sets the pen style; any other value leaves the style as it is.
void ApplyLineType(TCanvas* c, int index) {
    if (index >= 0 && index <= 4) c->Pen()->SetStyle(PenStyleOf(index));
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

// The rings of one tile whose top-left corner is Ox, Oy pixels from the content corner. Rings
// that truncate to the same pixels as the ring before are drawn once.
void DrawRings(TCanvas* c, const ArcLayout& l, double ox, double oy, int dp, float q, int rings) {
    auto ring = [&](int k) {
        const double in = k * static_cast<double>(q);
        return std::make_tuple(ToPixel(in + l.left + ox), ToPixel(in + l.top + oy),
                               ToPixel(dp + l.left - in + ox), ToPixel(dp + l.top - in + oy));
    };
    ForEachRun(TIndexRange{0, rings}, ring, [&](int k, int) {
        const auto [x1, y1, x2, y2] = ring(k);
        c->Ellipse(x1, y1, x2, y2);
    });
}

// The division lines of one tile around (Cx, Cy); a line to the same point as the line before
// is drawn once.
void DrawDivisions(TCanvas* c, const ArcLayout& l, double cx, double cy, const std::vector<Offset>& ends) {
    const TPoint centre(ToPixel(cx), ToPixel(cy));
    TPoint last;
    for (size_t d = 0; d < ends.size(); ++d) {
        const TPoint p(ToPixel(cx + ends[d].x), ToPixel(cy + ends[d].y));
        if (d == 0 || !(p == last)) {
            const TPoint from = l.fromCentre ? centre : p, to = l.fromCentre ? p : centre;
            c->MoveTo(from.x, from.y);
            c->LineTo(to.x, to.y);
        }
        last = p;
    }
}

void DrawArcs(TCanvas* c, const ArcLayout& l, int width, int height, float diameter, int divisions, int rings,
              int circleStyle, int divisionStyle) {
    // Strict counts: a text that is not a whole number ends the renderer before it draws.
    int across = StrToWhole(Form1->Edit37->Text());
    int down = StrToWhole(Form1->Edit38->Text());
    if (across == 0) across = 1;
    if (down == 0) down = 1;
    if (across < 0 || down < 0) return;
    // A diameter of 0 gives empty rings and lines of no length: nothing to draw.
    if (diameter == 0) return;

    const int dp = ToPixel(diameter * l.scaleX);
    const float rho = static_cast<float>(diameter * 0.5 * l.scaleX);
    // Fewer than one ring leaves only the division lines (the ring step would divide by zero).
    const float q = rings > 0 ? static_cast<float>(diameter * 0.5 / rings * l.scaleX) : 0.0f;
    const double pitchX = diameter * l.scaleX, pitchY = diameter * l.scaleY;
    const double lo = std::min(0, dp), hi = std::max(0, dp);
    constexpr double kMargin = 2.0;

    // Tiles wholly beyond the canvas are skipped, so a huge count costs no more than a page.
    const TIndexRange columns = VisibleIndexes(
        across, pitchX, [&](int i) { return l.left + pitchX * i + lo; },
        [&](int i) { return l.left + pitchX * i + hi; }, width, kMargin);
    const TIndexRange rows = VisibleIndexes(
        down, pitchY, [&](int i) { return l.top + pitchY * i + lo; },
        [&](int i) { return l.top + pitchY * i + hi; }, height, kMargin);
    const std::vector<Offset> ends = DivisionEnds(divisions, rho);
    for (int col = columns.First; col < columns.Last; ++col) {
        for (int row = rows.First; row < rows.Last; ++row) {
            const double ox = pitchX * col, oy = pitchY * row;
            ApplyLineType(c, circleStyle);
            if (rings > 0) DrawRings(c, l, ox, oy, dp, q, rings);
            const double cx = ox + l.left + rho, cy = oy + l.top + rho;
            ApplyLineType(c, divisionStyle);
            DrawDivisions(c, l, cx, cy, ends);
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
    DrawArcs(c, l, page.Width, page.Height, Diameter, Divisions, Rings, CircleStyle, DivisionStyle);
}
