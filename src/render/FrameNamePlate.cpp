// The name plate. Item "1": a title centred on a line at 25 mm across the middle half of the
// paper and a name right-aligned below it; item "2": an empty white name box at the bottom right.
// Both count from the paper's edges and print where the preview shows them.
#include "render/FrameGeometry.h"
#include "shell/Unit1.h"

namespace {
// The face of the plate's texts, fixed so they do not take whatever face is on the canvas.
constexpr const char* kPlateFace = "ＭＳ Ｐゴシック";

void TitleAndName(TForm1* f, const TFrameGeometry& g) {
    TCanvas* c = g.Canvas;
    c->Pen()->SetColor(LineColor(f));
    // The paper's width is a whole number of pixels on both canvases: the middle half of it.
    const int x0 = g.PaperX0(), w = g.PaperWidthPx();
    c->MoveTo(x0 + w / 4, g.FromTop(25));
    c->LineTo(x0 + w - w / 4, g.FromTop(25));
    c->Brush()->SetStyle(bsClear);
    TFont* font = c->Font();
    font->SetName(kPlateFace);
    font->SetStyle(0);

    font->SetHeight(g.FontHeight(15));
    const AnsiString title = f->Edit36->Text();
    c->TextOut(x0 + (w - c->TextWidth(title)) / 2, g.FromTop(25, font->Height()), title);

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
    const int x0 = g.PaperX0(), w = g.PaperWidthPx();
    const TRect box(x0 + w - w / 2, g.FromBottom(20), ToPixel(g.Width - g.Right),
                    ToPixel(g.Height - g.Bottom));
    c->FillRect(box);
    c->Brush()->SetColor(color);
    c->FrameRect(box);
}
} // namespace

void DrawNamePlate(TForm1* f, const TFrameGeometry& frame) {
    switch (f->RadioGroup1->ItemIndex()) {
    case 0:
        TitleAndName(f, frame);
        break;
    case 1:
        NameBox(f, frame); // printed as well, so the sheet shows the box the preview shows
        break;
    default:
        break;
    }
}
