// The name plate. Item "1": a title centred on a line at 25 mm across the middle half of the
// page and a name right-aligned below it; item "2": an empty white name box at the bottom right.
// The title plate counts from the canvas corner, so on a printer with an unprintable border it
// lies lower on the sheet by that border than in the preview; the name box counts from the
// paper's edges and prints where the preview shows it.
#include "render/FrameGeometry.h"
#include "shell/Unit1.h"

namespace {
// The face of the plate's texts, fixed so they do not take whatever face is on the canvas.
constexpr const char* kPlateFace = "ＭＳ Ｐゴシック";

void TitleAndName(TForm1* f, const TFrameGeometry& g) {
    TCanvas* c = g.Canvas;
    c->Pen()->SetColor(LineColor(f));
    c->MoveTo(g.Width / 4, g.FromTop(25));
    c->LineTo(g.Width - g.Width / 4, g.FromTop(25));
    c->Brush()->SetStyle(bsClear);
    TFont* font = c->Font();
    font->SetName(kPlateFace);
    font->SetStyle(0);

    font->SetHeight(g.FontHeight(15));
    const AnsiString title = f->Edit36->Text();
    c->TextOut((g.Width - c->TextWidth(title)) / 2, g.FromTop(25, font->Height()), title);

    font->SetHeight(g.FontHeight(5));
    const AnsiString name = f->Edit35->Text();
    c->TextOut(ToPixel((g.Width - c->TextWidth(name)) - g.Right), g.FromTop(30, font->Height()), name);
}

// White over whatever pattern lies there, framed one pixel wide in the line colour: from the
// middle of the sheet to the right content edge, and from 20 mm above the paper's bottom edge
// to the bottom content edge.
void NameBox(TForm1* f, const TFrameGeometry& g) {
    TCanvas* c = g.Canvas;
    const TColor color = LineColor(f);
    c->Pen()->SetColor(color);
    c->Brush()->SetColor(clWhite);
    const int paperWidth = ToPixel(g.Width + 2 * g.OffsetX);
    const TRect box(ToPixel(paperWidth - paperWidth / 2 - g.OffsetX), g.FromBottom(20),
                    ToPixel(g.Width - g.Right), ToPixel(g.Height - g.Bottom));
    c->FillRect(box);
    c->Brush()->SetColor(color);
    c->FrameRect(box);
}
} // namespace

void DrawNamePlate(TForm1* f, const TFrameGeometry& frame) {
    switch (f->RadioGroup1->ItemIndex()) {
    case 0: {
        // Positions from the canvas corner, the physical offsets entering only through the bands.
        TFrameGeometry g = frame;
        g.OffsetX = g.OffsetY = 0;
        TitleAndName(f, g);
        break;
    }
    case 1:
        NameBox(f, frame); // printed as well, so the sheet shows the box the preview shows
        break;
    default:
        break;
    }
}
