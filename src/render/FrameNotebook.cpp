// The notebook header: two title lines standing on rules near the top, a rule with ticks every
// 10 mm (a small circle every fifth) at 29 mm from the top and at 10 mm from the bottom, and a
// date field at the top right.
#include "render/FrameGeometry.h"
#include "render/HeaderDate.h"
#include "shell/Unit1.h"

namespace {
// The face of the title lines; the canvas would otherwise lend them whatever face the previous
// element left there.
constexpr const char* kTitleFace = "ＭＳ Ｐゴシック";
constexpr const char* kDateFace = "ＭＳ ゴシック";

void Rule(const TFrameGeometry& g, int y) {
    g.Canvas->MoveTo(ToPixel(g.Left), y);
    g.Canvas->LineTo(ToPixel(g.Width - g.Right), y);
}

// Marks every 10 mm between rows Y1 and Y2 across the content width, starting at its left
// edge. The step accumulates in floating point and each mark is truncated, so the marks keep
// their 10 mm pitch across the whole page.
void Ticks(const TFrameGeometry& g, int y1, int y2) {
    TCanvas* c = g.Canvas;
    const double half = 0.5 * g.ScaleX, step = 10 * g.ScaleX;
    double x = 0;
    for (int k = 0; x < g.ContentWidth(); ++k) {
        if (k % 5 == 0) {
            c->Ellipse(ToPixel(x + g.Left - half), y1, ToPixel(x + g.Left + half), y2);
        } else {
            c->MoveTo(ToPixel(x + g.Left), y1);
            c->LineTo(ToPixel(x + g.Left), y2);
        }
        const double next = x + step;
        if (!(next > x)) break; // a step too small to move on
        x = next;
    }
}

// A title line standing on the row Mm from the top.
void Title(const TFrameGeometry& g, const AnsiString& text, double mm) {
    TFont* font = g.Canvas->Font();
    font->SetName(kTitleFace);
    font->SetStyle(0);
    font->SetHeight(g.FontHeight(9));
    g.Canvas->TextOut(ToPixel(g.Left), g.FromTop(mm, font->Height()), text);
}
} // namespace

void DrawNotebookHeader(TForm1* f, const TFrameGeometry& g) {
    TCanvas* c = g.Canvas;
    Rule(g, g.FromTop(29));
    Ticks(g, g.FromTop(29), g.FromTop(30));
    Rule(g, g.FromBottom(10));
    Ticks(g, g.FromBottom(11), g.FromBottom(10));
    Title(g, f->HeadText2->Text(), 29);
    c->Pen()->SetWidth(g.PenWidth(0.3));
    Rule(g, g.FromTop(19));
    Title(g, f->HeadText1->Text(), 19);

    c->Font()->SetHeight(g.FontHeight(5));
    c->Font()->SetName(kDateFace);
    // The field is the sample's width in a 5 mm font, the same length on the sheet and in the
    // preview, whose font is a whole number of pixels high.
    const double sample = TextWidthAtHeight(c, DateFieldSample, 5 * g.FontScale);
    const int x = ToPixel(g.Width - sample - g.Right);
    c->Pen()->SetWidth(g.PenWidth(0.2));
    c->MoveTo(x, g.FromTop(14));
    c->LineTo(ToPixel(g.Width - g.Right), g.FromTop(14));
    c->TextOut(x, g.FromTop(9), DateFieldText(f->HeadCheck1->Checked(), HeaderNow()));
}
