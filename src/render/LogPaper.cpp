// Log paper: semi-logarithmic (Y logarithmic, X linear cells) or log-log. A logarithmic axis is
// made of groups of nine intervals; inside a group the interval grows from the smallest size by
// a ratio or by a constant, and the line that closes a group is drawn with a heavier pen.
//
// Both renderers share one body; they differ only in the surface and in the width of the heavy
// lines (2 pixels in the preview, 0.4 mm in print). Every line's place comes from one formula in
// double precision, whatever the number of groups and whichever way an axis runs.
//
// Every line of a direction has the same colour and the same ends, so a line drawn again on the
// same pixels changes nothing: each pixel row (or column) is drawn once for the plain and once
// for the heavy lines, and lines off the canvas not at all. Group counts of two billion cost what
// the canvas shows.
#include "render/Unit4.h"

#include "render/RenderConventions.h"
#include "render/RepeatRange.h"
#include "shell/Unit1.h"
#include "winlib/SysUtils.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace {
// How the interval grows from one index to the next.
struct Growth {
    bool byRatio = true;
    double ratio = 1.0;
    double constant = 1.0;
};

Growth ReadGrowth(TForm1* f, float ratio) {
    Growth g;
    g.byRatio = f->RadioButton5->Checked();
    g.ratio = ratio;
    double c;
    g.constant = TryStrToFloat(f->Edit20->Text(), c) ? c : 1.0;
    return g;
}

// Where an axis ends: its total length and the interval that would come next.
struct AxisEnd {
    double position = 0.0;
    double interval = 0.0;
};

// Groups on the canvas up to this many are drawn line by line; more of them than that lie
// closer than a pixel, and their closing lines cover every pixel between the first and the last.
constexpr int64_t kGroupsDrawnWhole = 200000 / 9;

// One logarithmic axis of 9 * Groups + 1 indices, every line of it from one formula in double
// precision. The intervals grow from the smallest size by the ratio or the constant, and each
// group of nine repeats the same steps from the smallest size:
//   index 0 lies at the first grown interval, First();
//   line j (1 to 9) of group g (from 1) lies at First() + (g - 1) * GroupLength() + step j;
//   the axis is First() + Groups * GroupLength() long.
// An interval of exactly 0 does not advance; the next one restarts at the smallest size.
class LogAxis {
  public:
    LogAxis(int groups, float smallest, const Growth& g) : groups_(groups), smallest_(smallest), growth_(g) {
        first_ = Grow(0.0);
        // One group from the smallest size, measured from its start.
        double p = 0.0, v = smallest_;
        for (int j = 1; j <= 9; ++j) {
            v = Grow(v);
            step_[j - 1] = p + v;
            if (j == 9 || v != 0.0) p += v;
            if (j == 9 || v == 0.0) v = smallest_;
        }
        length_ = p;
    }

    int64_t Indices() const { return groups_ < 0 ? 0 : int64_t{9} * groups_ + 1; }

    // The total length and the next interval (the smallest size; nothing without an index).
    AxisEnd End() const {
        if (groups_ < 0) return {};
        return {first_ + groups_ * length_, smallest_};
    }

    // The place of line j (1 to 9) of group g (from 1); line 9 closes the group and is heavy.
    double At(int64_t g, int j) const { return first_ + static_cast<double>(g - 1) * length_ + step_[j - 1]; }
    double First() const { return first_; }
    double GroupLength() const { return length_; }
    int Groups() const { return groups_; }
    // The span of one group's lines from its start.
    double SpanLow() const { return std::min(0.0, *std::min_element(step_.begin(), step_.end())); }
    double SpanHigh() const { return std::max(0.0, *std::max_element(step_.begin(), step_.end())); }

  private:
    double Grow(double v) const { return growth_.byRatio ? v * growth_.ratio : v + growth_.constant; }
    int groups_;
    double smallest_;
    Growth growth_;
    double first_ = 0, length_ = 0;
    std::array<double, 9> step_{};
};

// The lines of one direction, by pixel: plain and heavy lines apart, each pixel once.
class LineSet {
  public:
    // Lines across a canvas Extent pixels long whose heaviest pen is HeavyWidth pixels.
    LineSet(int extent, int heavyWidth)
        : margin_(std::max(heavyWidth, 1) + 2), plain_(static_cast<size_t>(extent + 2 * margin_)),
          heavy_(plain_.size()) {}

    // A line at the floating pixel coordinate Px (position times scale plus origin).
    void Add(double px, bool heavy) {
        const int i = Index(px);
        if (i >= 0) (heavy ? heavy_ : plain_)[static_cast<size_t>(i)] = true;
    }
    // Heavy lines on every pixel from one coordinate to another, for groups closer than a pixel.
    void AddHeavyRun(double fromPx, double toPx) {
        const double lo = std::max(std::min(fromPx, toPx), -double(margin_)),
                     hi = std::min(std::max(fromPx, toPx), double(heavy_.size()));
        for (double px = lo; px <= hi; px += 1.0)
            Add(px, true);
    }
    // Calls Draw(pixel, heavy) for each pixel that has a line, plain lines first.
    template <class Draw> void ForEach(Draw draw) const {
        for (bool heavy : {false, true}) {
            const std::vector<bool>& set = heavy ? heavy_ : plain_;
            for (size_t i = 0; i < set.size(); ++i)
                if (set[i]) draw(static_cast<int>(i) - margin_, heavy);
        }
    }
    int Margin() const { return margin_; }

  private:
    int Index(double px) const {
        if (!(px > -margin_ && px < static_cast<double>(plain_.size()) - margin_)) return -1; // NaN too
        return ToPixel(px) + margin_;
    }
    int margin_;
    std::vector<bool> plain_, heavy_;
};

// What differs between the preview and the print: the surface and the heavy pen widths.
struct LogSurface {
    TPageSurface page;
    int heavyAcross = 2;     // horizontal group lines
    int heavyDown = 2;       // vertical group lines of log-log
    int heavySemiLinear = 2; // every fifth vertical line of semi-log
};

// The lines of one logarithmic axis placed by Place (millimetres along the axis to a floating
// pixel coordinate), heavy every ninth index: index 0, then the groups whose lines can reach the
// canvas.
void AddAxisLines(LineSet& set, const LogAxis& axis, const std::function<double(double)>& place, int extent) {
    if (axis.Indices() == 0) return;
    set.Add(place(axis.First()), true);
    const int64_t groups = axis.Groups();
    if (groups < 1) return;
    const double margin = set.Margin();
    // The group's pixel span, whichever way the placing runs.
    auto span = [&](int64_t g) {
        const double start = axis.First() + static_cast<double>(g - 1) * axis.GroupLength();
        const double a = place(start + axis.SpanLow()), b = place(start + axis.SpanHigh());
        return std::pair(std::min(a, b), std::max(a, b));
    };
    auto before = [&](int64_t g) { return span(g).second < -margin; };
    auto after = [&](int64_t g) { return span(g).first > extent + margin; };
    // Spans move one way as g grows (every group is the same length): find the run on the canvas.
    const bool forward = span(groups).first >= span(1).first;
    int64_t g0, g1;
    if (forward) {
        g0 = FirstTrue64(1, groups + 1, [&](int64_t g) { return !before(g); });
        g1 = FirstTrue64(g0, groups + 1, after);
    } else {
        g0 = FirstTrue64(1, groups + 1, [&](int64_t g) { return !after(g); });
        g1 = FirstTrue64(g0, groups + 1, before);
    }
    auto addGroup = [&](int64_t g) {
        for (int j = 1; j <= 9; ++j)
            set.Add(place(axis.At(g, j)), j == 9);
    };
    if (g1 - g0 <= kGroupsDrawnWhole) {
        for (int64_t g = g0; g < g1; ++g)
            addGroup(g);
        return;
    }
    // More groups on the canvas than pixels: their closing lines fall on every pixel between the
    // first and the last, and the other lines among them; the outermost groups are drawn whole.
    set.AddHeavyRun(place(axis.At(g0, 9)), place(axis.At(g1 - 1, 9)));
    for (int64_t g : {g0, g0 + 1, g1 - 2, g1 - 1})
        addGroup(g);
}

void DrawHorizontal(const LogSurface& s, const LineSet& set, double x2Mm) {
    const TPageSurface& page = s.page;
    const int x1 = ToCanvasPixel(page.Left, page.Width),
              x2 = ToCanvasPixel(x2Mm * page.ScaleX + page.Left, page.Width);
    set.ForEach([&](int y, bool heavy) {
        page.Canvas->Pen()->SetWidth(heavy ? s.heavyAcross : 1);
        page.Canvas->MoveTo(x1, y);
        page.Canvas->LineTo(x2, y);
    });
}

void DrawVertical(const TPageSurface& page, const LineSet& set, double y2Mm, int heavyWidth) {
    const int y1 = ToCanvasPixel(page.Top, page.Height),
              y2 = ToCanvasPixel(y2Mm * page.ScaleY + page.Top, page.Height);
    set.ForEach([&](int x, bool heavy) {
        page.Canvas->Pen()->SetWidth(heavy ? heavyWidth : 1);
        page.Canvas->MoveTo(x, y1);
        page.Canvas->LineTo(x, y2);
    });
}

void DrawSemiLog(const LogSurface& s, float minX, float minY, const Growth& g, TForm1* f) {
    const TPageSurface& page = s.page;
    const int columns = f->LogGroupsX;
    const LogAxis axisY(f->LogGroupsY, minY, g);
    const AxisEnd end = axisY.End();
    const double totalY = end.position;
    const bool reversed = f->CheckBox7->Checked();
    const double length = columns * static_cast<double>(minX);
    LineSet rows(page.Height, s.heavyAcross);
    AddAxisLines(
        rows, axisY, [&](double at) { return (reversed ? totalY - at : at) * page.ScaleY + page.Top; },
        page.Height);
    DrawHorizontal(s, rows, length);

    // The columns reach one smallest interval past the last horizontal line. Columns on the
    // same pixel column are one line: each run of them is looked at once.
    const double bottom = end.position + end.interval;
    LineSet cols(page.Width, s.heavySemiLinear);
    auto x = [&](int64_t i) { return static_cast<double>(i) * minX * page.ScaleX + page.Left; };
    const int64_t count = columns < 0 ? 0 : int64_t{columns} + 1;
    const double margin = cols.Margin();
    auto off = [&](int64_t i) { return x(i) > page.Width + margin || x(i) < -margin; };
    // Columns move one way: skip those before the canvas, stop after it.
    const bool leftwards = minX < 0;
    auto beforeCanvas = [&](int64_t i) { return leftwards ? x(i) > page.Width + margin : x(i) < -margin; };
    int64_t i = count > 0 ? FirstTrue64(0, count, [&](int64_t k) { return !beforeCanvas(k); }) : 0;
    while (i < count && !off(i)) {
        const int px = ToPixel(x(i));
        const int64_t next =
            FirstTrue64(i + 1, count, [&](int64_t k) { return off(k) || ToPixel(x(k)) != px; });
        // The run [i, next) has a heavy column when it holds a multiple of 5, a plain one when
        // it holds any other index.
        const bool heavy = (next - 1) / 5 * 5 >= i;
        const bool plain = next - i > 1 || i % 5 != 0;
        if (plain) cols.Add(x(i), false);
        if (heavy) cols.Add(x(i), true);
        i = next;
    }
    DrawVertical(page, cols, bottom, s.heavySemiLinear);
}

void DrawLogLog(const LogSurface& s, float minX, float minY, const Growth& g, TForm1* f) {
    const TPageSurface& page = s.page;
    const LogAxis axisX(f->LogGroupsX, minX, g), axisY(f->LogGroupsY, minY, g);
    const double totalX = axisX.End().position;
    const double totalY = axisY.End().position;
    const bool reverseY = f->CheckBox6->Checked();
    LineSet rows(page.Height, s.heavyAcross);
    AddAxisLines(
        rows, axisY, [&](double at) { return (reverseY ? totalY - at : at) * page.ScaleY + page.Top; },
        page.Height);
    DrawHorizontal(s, rows, totalX);
    // The X pattern runs leftwards from the right end unless CheckBox7 puts it at the left.
    const bool fromLeft = f->CheckBox7->Checked();
    LineSet cols(page.Width, s.heavyDown);
    AddAxisLines(
        cols, axisX, [&](double at) { return (fromLeft ? at : totalX - at) * page.ScaleX + page.Left; },
        page.Width);
    DrawVertical(page, cols, totalY, s.heavyDown);
}

void DrawLogPaper(const LogSurface& s, int type, float minX, float minY, float ratio) {
    TForm1* f = Form1;
    const Growth g = ReadGrowth(f, ratio);
    s.page.Canvas->Brush()->SetStyle(bsClear);
    s.page.Canvas->Pen()->SetStyle(psSolid);
    if (type == 0)
        DrawSemiLog(s, minX, minY, g, f);
    else if (type == 1)
        DrawLogLog(s, minX, minY, g, f);
}
} // namespace

void PrintLogPaper(int Type, float MinX, float MinY, float Ratio) {
    TForm1* f = Form1;
    LogSurface s;
    s.page = PrintSurface(f);
    s.heavyAcross = ToPixel(0.4 * f->PxPerMmY);
    s.heavyDown = ToPixel(0.4 * f->PxPerMmX);
    s.heavySemiLinear = ToPixel(0.4 * f->PxPerMmY);
    // The pen colour is the one the print job set for the page.
    DrawLogPaper(s, Type, MinX, MinY, Ratio);
}

void PreviewLogPaper(int Type, float MinX, float MinY, float Ratio) {
    TForm1* f = Form1;
    const float scale = PreviewScaleSingle(f);
    LogSurface s;
    s.page = PreviewSurface(f, scale, scale);
    s.page.Canvas->Pen()->SetColor(LineColor(f));
    DrawLogPaper(s, Type, MinX, MinY, Ratio);
}
