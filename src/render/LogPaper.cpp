// Log paper: semi-logarithmic (Y logarithmic, X linear cells) or log-log. A logarithmic axis is
// made of groups of nine intervals; inside a group the interval grows from the smallest size by
// a ratio or by a constant, and the line that closes a group is drawn with a heavier pen.
//
// Both renderers share one body; they differ only in the surface and in the width of the heavy
// lines (2 pixels in the preview, 0.4 mm in print).
#include "render/Unit4.h"

#include "render/RenderConventions.h"
#include "shell/Unit1.h"
#include "winlib/SysUtils.h"

#include <cstdint>
#include <functional>

namespace {
// How the interval grows from one index to the next.
struct Growth {
    bool byRatio = true;
    float ratio = 1.0f;
    float constant = 1.0f;
};

Growth ReadGrowth(TForm1* f, float ratio) {
    Growth g;
    g.byRatio = f->RadioButton5->Checked();
    g.ratio = ratio;
    double c;
    g.constant = TryStrToFloat(f->Edit20->Text(), c) ? static_cast<float>(c) : 1.0f;
    return g;
}

// Where a walk along an axis ended: the running position and the running interval.
struct WalkEnd {
    float position = 0.0f;
    float interval = 0.0f;
};

// Walks the 9 * Groups + 1 indices of one logarithmic axis, calling Line(i, at) with the place
// P + v of each line (when given). The end's position is the axis total. An interval of exactly
// 0 does not advance; the next one restarts at the smallest size.
WalkEnd WalkAxis(int groups, float smallest, const Growth& g,
                 const std::function<void(int64_t, float)>& line = nullptr) {
    float v = 0.0f, p = 0.0f;
    const int64_t last = int64_t{9} * groups; // no overflow for any group count
    for (int64_t i = 0; i <= last; ++i) {
        v = g.byRatio ? v * g.ratio : v + g.constant;
        if (line) line(i, p + v);
        if (i % 9 == 0) {
            p = p + v;
            v = smallest;
        } else if (v == 0.0f) {
            v = smallest;
        } else {
            p = p + v;
        }
    }
    return {p, v};
}

// What differs between the preview and the print: the surface and the heavy pen widths.
struct LogSurface {
    TPageSurface page;
    int heavyAcross = 2;     // horizontal group lines
    int heavyDown = 2;       // vertical group lines of log-log
    int heavySemiLinear = 2; // every fifth vertical line of semi-log
};

void SetWidth(TCanvas* c, bool heavy, int heavyWidth) {
    c->Pen()->SetWidth(heavy ? heavyWidth : 1);
}

void HorizontalLine(const TPageSurface& page, double yMm, double x2Mm) {
    const int y = page.Y(yMm);
    page.Canvas->MoveTo(page.X(0), y);
    page.Canvas->LineTo(page.X(x2Mm), y);
}

void VerticalLine(const TPageSurface& page, double xMm, double y2Mm) {
    const int x = page.X(xMm);
    page.Canvas->MoveTo(x, page.Y(0));
    page.Canvas->LineTo(x, page.Y(y2Mm));
}

void DrawSemiLog(const LogSurface& s, float minX, float minY, const Growth& g, TForm1* f) {
    const TPageSurface& page = s.page;
    TCanvas* c = page.Canvas;
    const int columns = f->LogGroupsX;
    const double totalY = WalkAxis(f->LogGroupsY, minY, g).position;
    const bool reversed = f->CheckBox7->Checked();
    const float length = static_cast<float>(columns) * minX;
    const WalkEnd end = WalkAxis(f->LogGroupsY, minY, g, [&](int64_t i, float at) {
        SetWidth(c, i % 9 == 0, s.heavyAcross);
        HorizontalLine(page, reversed ? totalY - at : at, length);
    });
    // The columns reach one smallest interval past the last horizontal line.
    const float bottom = end.position + end.interval;
    for (int i = 0; i <= columns; ++i) {
        SetWidth(c, i % 5 == 0, s.heavySemiLinear);
        VerticalLine(page, static_cast<float>(i) * minX, bottom);
    }
}

void DrawLogLog(const LogSurface& s, float minX, float minY, const Growth& g, TForm1* f) {
    const TPageSurface& page = s.page;
    TCanvas* c = page.Canvas;
    const double totalX = WalkAxis(f->LogGroupsX, minX, g).position;
    const double totalY = WalkAxis(f->LogGroupsY, minY, g).position;
    const bool reverseY = f->CheckBox6->Checked();
    WalkAxis(f->LogGroupsY, minY, g, [&](int64_t i, float at) {
        SetWidth(c, i % 9 == 0, s.heavyAcross);
        HorizontalLine(page, reverseY ? totalY - at : at, totalX);
    });
    // The X pattern runs leftwards from the right end unless CheckBox7 puts it at the left.
    const bool fromLeft = f->CheckBox7->Checked();
    WalkAxis(f->LogGroupsX, minX, g, [&](int64_t i, float at) {
        SetWidth(c, i % 9 == 0, s.heavyDown);
        VerticalLine(page, fromLeft ? at : totalX - at, totalY);
    });
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
