// The frame: a notebook header (type 1), ruler scales along the edges (type 2) or a name plate
// (type 3), drawn last on every page in the line colour.
#include "render/Unit4.h"

#include "render/FrameGeometry.h"
#include "shell/Unit1.h"

namespace {
void DrawFrame(TForm1* f, const TFrameGeometry& g, int frameType) {
    TCanvas* c = g.Canvas;
    const TColor color = LineColor(f);
    c->Brush()->SetStyle(bsClear);
    c->Font()->SetColor(color);
    c->Pen()->SetWidth(g.PenWidth(0.3));
    c->Pen()->SetColor(color);
    c->Pen()->SetStyle(psSolid);
    switch (frameType) {
    case 1:
        DrawNotebookHeader(f, g);
        break;
    case 2:
        DrawRulerScales(f, g);
        break;
    case 3:
        DrawNamePlate(f, g);
        break;
    default:
        break;
    }
}
} // namespace

namespace {
// How far inside its paper edge the outermost part of a frame lies, in millimetres, a line's
// whole pen width counted off so that no part of the line is cut: the notebook's date field
// (its cell's top) and the top of its upper title; its bottom rule (0.3 mm pen); a ruler
// scale's base line (0.1 mm pen); the name plate's title (its 15 mm cell above the line at
// 25 mm).
constexpr double kNotebookHeaderOuterMm = 9.0;
constexpr double kNotebookBottomOuterMm = 10.0 - 0.3;
constexpr double kRulerOuterMm = 5.0 - 0.1;
constexpr double kPlateOuterMm = 25.0 - 15.0;

// How far a part Outer mm inside an edge reaches into a border Border mm wide.
double Into(double border, double outer) {
    return border > outer ? border - outer : 0.0;
}

TFrameGeometry FrameGeometryOf(const TPageSurface& page, const TFrameShift& shift) {
    TFrameGeometry g;
    g.Canvas = page.Canvas;
    g.PaperLeft = page.PaperLeft;
    g.PaperTop = page.PaperTop;
    g.PaperRight = page.PaperRight;
    g.PaperBottom = page.PaperBottom;
    g.Shift = shift;
    g.Left = page.Left;
    g.Top = page.Top;
    g.Right = page.Right;
    g.Bottom = page.Bottom;
    g.Width = page.Width;
    g.Height = page.Height;
    return g;
}
} // namespace

TFrameShift FrameShiftMm(const TForm1* Form, int FrameType) {
    const double bx = BorderMmX(Form), by = BorderMmY(Form);
    TFrameShift s;
    switch (FrameType) {
    case 1:
        s.Top = Into(by, kNotebookHeaderOuterMm);
        s.Bottom = Into(by, kNotebookBottomOuterMm);
        break;
    case 2:
        // Only the edges that carry a scale.
        if (Form->CheckScale1->Checked()) s.Top = Into(by, kRulerOuterMm);
        if (Form->CheckScale2->Checked()) s.Left = Into(bx, kRulerOuterMm);
        if (Form->CheckScale3->Checked()) s.Right = Into(bx, kRulerOuterMm);
        if (Form->CheckScale4->Checked()) s.Bottom = Into(by, kRulerOuterMm);
        break;
    case 3:
        // The name box lies inside the content rectangle's bottom right: only the plate moves.
        if (Form->RadioGroup1->ItemIndex() == 0) s.Top = Into(by, kPlateOuterMm);
        break;
    default:
        break;
    }
    return s;
}

TFrameGeometry PrintFrameGeometry(TForm1* Form, int FrameType) {
    TFrameGeometry g = FrameGeometryOf(PrintSurface(Form), FrameShiftMm(Form, FrameType));
    g.ScaleX = g.PenScale = Form->PxPerMmX;
    g.ScaleY = g.TickScaleY = g.FontScale = Form->PxPerMmY;
    return g;
}

TFrameGeometry PreviewFrameGeometry(TForm1* Form, int FrameType) {
    const double s = PreviewScaleX(Form);
    TFrameGeometry g = FrameGeometryOf(PreviewSurface(Form, s, s), FrameShiftMm(Form, FrameType));
    g.ScaleX = g.ScaleY = g.FontScale = g.PenScale = s;
    g.TickScaleY = PreviewScaleY(Form);
    return g;
}

void PrintHeader(bool Enabled, int FrameType) {
    if (!Enabled) return;
    DrawFrame(Form1, PrintFrameGeometry(Form1, FrameType), FrameType);
}

void PreviewHeader(bool Enabled, int FrameType) {
    if (!Enabled) return;
    DrawFrame(Form1, PreviewFrameGeometry(Form1, FrameType), FrameType);
}
