// Graph paper: eDotY + 1 horizontal lines, then eDotX + 1 vertical lines, each a stack of
// one-pixel lines (rows that a later line draws again are left out, see StackPass.h); every N-th
// line may be an emphasis line in its own colour, type and thickness. Both renderers accumulate
// the pitch in floating point and truncate each line, so the grid keeps its exact pitch and closes
// at every zoom.
#include "render/Unit4.h"

#include "render/RenderConventions.h"
#include "render/StackPass.h"
#include "shell/Unit1.h"
#include "shell/WholeNumbers.h"
#include "winlib/Dialogs.h"
#include "winlib/SysUtils.h"

namespace {
// The line settings shared by both renderers, read from the controls at each call.
struct GraphLines {
    int penStyle = 0;      // ordinary lines
    int emphasisStyle = 0; // emphasis lines
    TColor color = clBlack;
    TColor rowColor = clBlack;    // emphasised horizontal lines
    TColor columnColor = clBlack; // emphasised vertical lines
    bool emphasis = false;
    int everyRow = 2, everyColumn = 2;
    double ordinaryPx = 0, emphasisPx = 0; // thicknesses in pixels
};

GraphLines ReadGraphLines(TForm1* f) {
    GraphLines g;
    g.penStyle = f->GraphPenStyle->ItemIndex();
    g.emphasisStyle = f->ComboBox8->ItemIndex();
    g.color = LineColor(f);
    g.rowColor = f->ExColorPanel1Y->Color();
    g.columnColor = f->ExColorPanel1->Color();
    g.emphasis = f->CheckGraphPaper1->Checked();
    g.everyRow = StrToWholeDef(f->Edit27->Text(), 2);
    g.everyColumn = StrToWholeDef(f->Edit1->Text(), 2);
    return g;
}

// Draws line i of a direction with the pen and thickness of its kind. An interval of 0 raises
// EDivByZero instead of faulting.
template <class Draw> void DrawGridLine(TCanvas* c, const GraphLines& g, bool horizontal, int i, Draw draw) {
    if (g.emphasis && IntMod(i, horizontal ? g.everyRow : g.everyColumn) == 0) {
        SetLinePen(c, g.emphasisStyle);
        c->Pen()->SetColor(horizontal ? g.rowColor : g.columnColor);
        draw(g.emphasisPx);
        SetLinePen(c, g.penStyle);
    } else {
        c->Pen()->SetColor(g.color);
        draw(g.ordinaryPx);
    }
}
} // namespace

void PrintGraphPaper() {
    TForm1* f = Form1;
    const TPageSurface page = PrintSurface(f);
    TCanvas* c = page.Canvas;
    GraphLines g = ReadGraphLines(f);
    // Thicknesses are held in single precision, both from the horizontal scale.
    const float w = static_cast<float>(ParseThickness(f->Edit32->Text()));
    const float we = static_cast<float>(ParseThickness(f->Edit33->Text()));
    g.ordinaryPx = static_cast<float>(page.Thickness(w));
    g.emphasisPx = static_cast<float>(page.Thickness(we));

    c->Pen()->SetWidth(1);
    c->Brush()->SetColor(clWhite); // nothing is filled; later renderers find a solid white brush
    SetLinePen(c, g.penStyle);

    const int rows = StrToWhole(f->eDotY->Text());
    TStackPass across(c, true, page.Height), down(c, false, page.Width);
    const int x1 = ToPixel(page.Left);
    const int x2 = page.X(StrToFloat(f->eMmX->Text()) * StrToFloat(f->eDotX->Text()));
    const double pitchY = StrToFloat(f->eMmY->Text()) * f->PxPerMmY;
    double y = 0.0;
    for (int i = 0; i <= rows; ++i) {
        DrawGridLine(c, g, true, i, [&](double px) { across.Add(x1, x2, y + page.Top, px); });
        y += pitchY;
    }
    across.Flush();

    const int columns = StrToWhole(f->eDotX->Text());
    const int y1 = ToPixel(page.Top);
    const int y2 = page.Y(StrToFloat(f->eMmY->Text()) * StrToFloat(f->eDotY->Text()));
    const double pitchX = StrToFloat(f->eMmX->Text()) * f->PxPerMmX;
    double x = 0.0;
    for (int i = 0; i <= columns; ++i) {
        DrawGridLine(c, g, false, i, [&](double px) { down.Add(y1, y2, x + page.Left, px); });
        x += pitchX;
    }
    down.Flush();
}

void PreviewGraphPaper() {
    TForm1* f = Form1;
    // Any failure (a count or size that is not a number, an interval of 0, ...) is reported
    // here; what was drawn stays and the rest of the preview is still built.
    try {
        const double sx = PreviewScaleX(f), sy = PreviewScaleY(f);
        const TPageSurface page = PreviewSurface(f, sx, sy);
        TCanvas* c = page.Canvas;
        c->Pen()->SetColor(LineColor(f));
        c->Brush()->SetStyle(bsClear);
        GraphLines g = ReadGraphLines(f);
        g.ordinaryPx = page.Thickness(ParseThickness(f->Edit32->Text()));
        g.emphasisPx = page.Thickness(ParseThickness(f->Edit33->Text()));
        const double mmX = StrToFloat(f->eMmX->Text());
        const double mmY = StrToFloat(f->eMmY->Text());
        c->Pen()->SetMode(pmCopy);
        SetLinePen(c, g.penStyle);

        // Counts are parsed where they are used, so horizontal lines already drawn stay when a
        // count only fails for the vertical lines.
        const int rows = StrToWhole(f->eDotY->Text());
        TStackPass across(c, true, page.Height), down(c, false, page.Width);
        const int x1 = ToPixel(page.Left);
        const int x2 = page.X(StrToFloat(f->eDotX->Text()) * mmX);
        double y = 0.0;
        for (int i = 0; i <= rows; ++i) {
            DrawGridLine(c, g, true, i, [&](double px) { across.Add(x1, x2, y + page.Top, px); });
            y += mmY * sy;
        }
        across.Flush();

        const int columns = StrToWhole(f->eDotX->Text());
        const int y1 = ToPixel(page.Top);
        const int y2 = page.Y(StrToFloat(f->eDotY->Text()) * mmY);
        double x = 0.0;
        for (int i = 0; i <= columns; ++i) {
            DrawGridLine(c, g, false, i, [&](double px) { down.Add(y1, y2, x + page.Left, px); });
            x += mmX * sx;
        }
        down.Flush();
    } catch (...) {
        ShowMessage("GraphiPaperの例外");
    }
}
