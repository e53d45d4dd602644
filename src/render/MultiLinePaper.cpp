// Multi-line paper: horizontal lines in groups (n lines at pitch p, an extra gap q between
// groups), across the whole width inside the side margins. Every N-th line of a group may take
// the group emphasis pen, and single lines, named by their running number on the page, may take
// their own pen from the MultiLine_individual table. Lines are not stopped at the bottom margin.
//
// Counts may run to billions of lines: only the lines that reach the canvas are looked at, and of
// lines that fall on the same pixels with the same pen only the last is drawn (an earlier one is
// drawn over by it), so a rebuild costs what the canvas holds, not what the counts ask for.
#include "render/Unit4.h"

#include "render/RenderConventions.h"
#include "render/RepeatRange.h"
#include "render/StackPass.h"
#include "shell/PaperSize.h"
#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"
#include "winlib/SysUtils.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {
// A pen for one line: colour, line type and thickness in pixels.
struct LinePen {
    TColor color = clBlack;
    int type = 0;
    double px = 0;
};

struct MultiLineSettings {
    int groups = 5, lines = 5;
    double pitch = 0, gap = 0; // pixels, neither below 0
    LinePen plain, emphasis;
    bool groupEmphasis = false, perLine = false;
    int every = 4;
};

// The pitch and the gap are left as typed by their edits: a text that is not a number, below 0
// or longer than the paper gives the edit's first value instead (5 mm and 20 mm).
double SpacingMm(TForm1* f, TEdit* e, double fallback) {
    double v;
    return TryStrToFloat(e->Text(), v) && v >= 0 && WithinPaper(f, v) ? v : fallback;
}

// Every value is read and converted before anything is drawn, so a thickness that is not a
// number raises before the first line.
MultiLineSettings ReadSettings(TForm1* f, double scale) {
    MultiLineSettings m;
    m.groups = StrToWholeDef(f->EditFiveLineCount->Text(), 5);
    m.lines = StrToWholeDef(f->EditLineCount1->Text(), 5);
    m.pitch = SpacingMm(f, f->EditFiveLineLSpace, 5.0) * scale;
    m.gap = SpacingMm(f, f->EditFiveLineSpace, 20.0) * scale;
    m.plain = {LineColor(f), f->ComboBox3->ItemIndex(), StrToFloat(f->EditLineSize->Text()) * scale};
    m.emphasis = {f->ExColorPanel2->Color(), f->ComboBox6->ItemIndex(),
                  StrToFloat(f->EditLineSizeEx->Text()) * scale};
    m.groupEmphasis = f->CheckMultiline1->Checked();
    m.every = StrToWholeDef(f->Edit3->Text(), 4);
    m.perLine = f->CheckMultiline2->Checked();
    return m;
}

// The row of line Number in MultiLine_individual, when the table has one; Pen stays as it is
// when it has none or the statement fails. A stored thickness that is not finite draws nothing.
void ReadLineRow(TForm1* f, int number, double scale, LinePen& pen) {
    f->SqlText = "select * from MultiLine_individual where no=" + IntToStr(number);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(f->DbHandle, f->SqlText.c_str(), -1, &stmt, nullptr);
    if (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
        pen.color = static_cast<TColor>(sqlite3_column_int(stmt, 1));
        const double px = sqlite3_column_double(stmt, 2) * scale;
        pen.px = std::isfinite(px) ? px : 0;
        pen.type = sqlite3_column_int(stmt, 3);
    }
    sqlite3_finalize(stmt);
}

// The lines of the page in drawing order, line t (from 0) being line k = t mod n + 1 of group
// g = t div n; its running number is t + 1.
class LineSequence {
  public:
    LineSequence(const MultiLineSettings& m, double top) : m_(m), top_(top) {
        count_ = m.groups > 0 && m.lines > 0 ? int64_t{m.groups} * m.lines : 0;
        groupHeight_ = m.lines * m.pitch + m.gap;
    }
    int64_t Count() const { return count_; }
    // The floating row of line t; it never falls as t grows (pitch and gap are not negative).
    double Y(int64_t t) const {
        const int64_t g = t / m_.lines, k = t % m_.lines + 1;
        return groupHeight_ * g + k * m_.pitch + top_;
    }
    // Whether line t takes the group emphasis pen: k a multiple of the interval (an interval of
    // 0 emphasises nothing).
    bool Emphasised(int64_t t) const {
        if (!m_.groupEmphasis || m_.every == 0) return false;
        return (t % m_.lines + 1) % m_.every == 0;
    }
    // The last line at or before t that takes the emphasis pen, or -1.
    int64_t LastEmphasisedUpTo(int64_t t) const {
        if (!m_.groupEmphasis || m_.every == 0 || t < 0) return -1;
        const int64_t every = std::llabs(int64_t{m_.every});
        const int64_t g = t / m_.lines, k = t % m_.lines + 1;
        if (k >= every) return g * m_.lines + (k / every) * every - 1;
        if (g == 0 || m_.lines < every) return -1;
        return (g - 1) * m_.lines + (m_.lines / every) * every - 1;
    }

  private:
    const MultiLineSettings& m_;
    double top_;
    int64_t count_ = 0;
    double groupHeight_ = 0;
};

// One line to draw: its place in the drawing order and its pen.
struct Stroke {
    int64_t t;
    LinePen pen;
};

// The lines that can change the picture, in drawing order: every line with its own row, and of
// the plain and emphasised lines that reach the canvas, the last of each run that covers the
// same rows.
std::vector<Stroke> VisibleStrokes(TForm1* f, const MultiLineSettings& m, const LineSequence& seq,
                                   double scale, int height) {
    std::vector<int64_t> own; // lines with a row of their own, sorted
    if (m.perLine) {
        for (int i = 0; i < f->ListBox1->ItemCount(); ++i) {
            int number;
            // The renderer looks lines up by the decimal text of their number.
            if (TryStrToWhole(f->ListBox1->Item(i), number) && IntToStr(number) == f->ListBox1->Item(i) &&
                number >= 1 && number <= seq.Count())
                own.push_back(number - 1);
        }
        std::sort(own.begin(), own.end());
        own.erase(std::unique(own.begin(), own.end()), own.end());
    }
    auto hasOwnRow = [&](int64_t t) { return std::binary_search(own.begin(), own.end(), t); };

    std::vector<Stroke> strokes;
    for (int64_t t : own) {
        LinePen pen = seq.Emphasised(t) ? m.emphasis : m.plain;
        ReadLineRow(f, static_cast<int>(t + 1), scale, pen);
        strokes.push_back({t, pen});
    }

    // The plain and emphasised lines whose stacks can reach the canvas.
    const double reach = std::max({m.plain.px, m.emphasis.px, 0.0}) * 0.5 + 2;
    const int64_t first = FirstTrue64(0, seq.Count(), [&](int64_t t) { return seq.Y(t) + reach >= 0; });
    const int64_t last =
        FirstTrue64(first, seq.Count(), [&](int64_t t) { return seq.Y(t) - reach > height; });
    auto key = [&](int64_t t) {
        // Lines with the same rows for both pens draw the same pixels.
        return std::pair(StackRows(seq.Y(t), m.plain.px, height), StackRows(seq.Y(t), m.emphasis.px, height));
    };
    for (int64_t a = first; a < last;) {
        const auto k = key(a);
        const int64_t end = FirstTrue64(a + 1, last, [&](int64_t t) { return !(key(t) == k); });
        // The last emphasised line of the run without a row of its own, and the last plain one.
        int64_t e = seq.LastEmphasisedUpTo(end - 1);
        while (e >= a && hasOwnRow(e))
            e = seq.LastEmphasisedUpTo(e - 1);
        if (e >= a) strokes.push_back({e, m.emphasis});
        for (int64_t p = end - 1; p >= a; --p) {
            if (hasOwnRow(p)) continue;
            if (!seq.Emphasised(p)) {
                strokes.push_back({p, m.plain});
                break;
            }
            if (m.every == 1 || m.every == -1) break; // every line is emphasised
        }
        a = end;
    }
    std::sort(strokes.begin(), strokes.end(), [](const Stroke& x, const Stroke& y) { return x.t < y.t; });
    return strokes;
}

// Both renderers: Scale converts millimetres (pitch, gap, thicknesses) to the surface's pixels
// down the page.
void DrawMultiLine(const TPageSurface& page, double scale) {
    TForm1* f = Form1;
    // The bands are held in single precision.
    const float top = static_cast<float>(page.Top);
    const float left = static_cast<float>(page.Left);
    const float right = static_cast<float>(page.Right);
    const MultiLineSettings m = ReadSettings(f, scale);
    TCanvas* c = page.Canvas;
    const int x1 = ToPixel(left), x2 = ToPixel(page.Width - right);
    const LineSequence seq(m, top);
    TStackPass pass(c, true, page.Height);
    for (const Stroke& s : VisibleStrokes(f, m, seq, scale, page.Height)) {
        c->Brush()->SetStyle(bsClear);
        c->Pen()->SetColor(s.pen.color);
        SetLinePen(c, s.pen.type);
        pass.Add(x1, x2, seq.Y(s.t), s.pen.px);
    }
    pass.Flush();
}
} // namespace

void PrintMultiLine() {
    TForm1* f = Form1;
    const TPageSurface page = PrintSurface(f);
    page.Canvas->Pen()->SetWidth(1);
    DrawMultiLine(page, f->PxPerMmY);
}

void PreviewMultiLine() {
    const float s = PreviewScaleSingle(Form1);
    DrawMultiLine(PreviewSurface(Form1, s, s), s);
}
