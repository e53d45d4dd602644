// Ruler scales: along each chosen edge a base line 5 mm inside the paper edge and a tick every
// step from the content rectangle's start, longer every 5th and 10th. Every tick's place is
// truncated once, on all four edges, so the preview's ticks lie within a pixel of the sheet's.
#include "render/FrameGeometry.h"
#include "shell/Unit1.h"
#include "winlib/SysUtils.h"

#include <algorithm>

namespace {
// The step in millimetres: not below 1 mm, and 1 mm when the text is not a number.
double ScaleStep(const AnsiString& text) {
    double step;
    if (!TryStrToFloat(text, step)) step = 1.0;
    return step < 1.0 ? 1.0 : step;
}

// Calls Tick(k, pos) for pos = k * Pitch while pos stays short of Length.
template <class Tick> void ForEachTick(double length, double pitch, Tick tick) {
    double pos = 0;
    for (int k = 0; length > pos; ++k) {
        tick(k, pos);
        const double next = pos + pitch;
        if (!(next > pos)) break; // a pitch too small to move on
        pos = next;
    }
}

// How far tick k reaches from the paper edge: 7 mm, 8.5 mm every 5th, and every 10th also a
// line to 10 mm over it.
template <class Draw> void TickEnds(int k, Draw draw) {
    if (k % 5 != 0) {
        draw(7.0);
        return;
    }
    draw(8.5);
    if (k % 10 == 0) draw(10.0);
}

void Line(TCanvas* c, int x1, int y1, int x2, int y2) {
    c->MoveTo(x1, y1);
    c->LineTo(x2, y2);
}
} // namespace

void DrawRulerScales(TForm1* f, const TFrameGeometry& g) {
    TCanvas* c = g.Canvas;
    const double step = ScaleStep(f->EditFrameScale1->Text());
    const double pitchX = step * g.ScaleX, pitchY = step * g.ScaleY;
    c->Pen()->SetWidth(ToPixel(std::max(0.1 * g.PenScale, 1.0)));
    const int left = ToPixel(g.Left), right = ToPixel(g.Width - g.Right);
    const int top = ToPixel(g.Top), bottom = ToPixel(g.Height - g.Bottom);

    if (f->CheckScale1->Checked()) {
        Line(c, left, g.FromTop(5), right, g.FromTop(5));
        ForEachTick(g.ContentWidth(), pitchX, [&](int k, double pos) {
            const int x = ToPixel(g.Left + pos);
            TickEnds(k, [&](double mm) { Line(c, x, g.TickFromTop(5), x, g.TickFromTop(mm)); });
        });
    }
    if (f->CheckScale2->Checked()) {
        Line(c, g.FromLeft(5), top, g.FromLeft(5), bottom);
        ForEachTick(g.ContentHeight(), pitchY, [&](int k, double pos) {
            const int y = ToPixel(g.Top + pos);
            TickEnds(k, [&](double mm) { Line(c, g.FromLeft(5), y, g.FromLeft(mm), y); });
        });
    }
    if (f->CheckScale3->Checked()) {
        Line(c, g.FromRight(5), top, g.FromRight(5), bottom);
        ForEachTick(g.ContentHeight(), pitchY, [&](int k, double pos) {
            const int y = ToPixel(g.Top + pos);
            TickEnds(k, [&](double mm) { Line(c, g.FromRight(5), y, g.FromRight(mm), y); });
        });
    }
    if (f->CheckScale4->Checked()) {
        Line(c, left, g.FromBottom(5), right, g.FromBottom(5));
        ForEachTick(g.ContentWidth(), pitchX, [&](int k, double pos) {
            const int x = ToPixel(g.Left + pos);
            TickEnds(k, [&](double mm) { Line(c, x, g.FromBottom(5), x, g.FromBottom(mm)); });
        });
    }
}
