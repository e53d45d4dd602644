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

TFrameGeometry PrintFrameGeometry(TForm1* Form) {
    const TPageSurface page = PrintSurface(Form);
    TFrameGeometry g;
    g.Canvas = page.Canvas;
    g.ScaleX = g.PenScale = Form->PxPerMmX;
    g.ScaleY = g.TickScaleY = g.FontScale = Form->PxPerMmY;
    g.OffsetX = Form->PhysOffsetX;
    g.OffsetY = Form->PhysOffsetY;
    g.Left = page.Left;
    g.Top = page.Top;
    g.Right = page.Right;
    g.Bottom = page.Bottom;
    g.Width = page.Width;
    g.Height = page.Height;
    return g;
}

TFrameGeometry PreviewFrameGeometry(TForm1* Form) {
    const double s = PreviewScaleX(Form);
    const TPageSurface page = PreviewSurface(Form, s, s);
    TFrameGeometry g;
    g.Canvas = page.Canvas;
    g.ScaleX = g.ScaleY = g.FontScale = g.PenScale = s;
    g.TickScaleY = PreviewScaleY(Form);
    g.Left = page.Left;
    g.Top = page.Top;
    g.Right = page.Right;
    g.Bottom = page.Bottom;
    g.Width = page.Width;
    g.Height = page.Height;
    return g;
}

void PrintHeader(bool Enabled, int FrameType) {
    if (!Enabled) return;
    DrawFrame(Form1, PrintFrameGeometry(Form1), FrameType);
}

void PreviewHeader(bool Enabled, int FrameType) {
    if (!Enabled) return;
    DrawFrame(Form1, PreviewFrameGeometry(Form1), FrameType);
}
