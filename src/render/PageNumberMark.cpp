// The page-number footer, centred at the bottom of the printable area, and the corner mark,
// a short text in one corner of it. Both ignore the margins and the frame. Their heights come
// from the sample text "Wq" measured in the font they draw with. Both count from the paper's
// edges, inward by the printer's unprintable border, on the sheet and in the preview alike.
#include "render/Unit4.h"

#include "render/RenderConventions.h"
#include "shell/Unit1.h"

namespace {
// The page number takes the face and style stored with its font, so that it does not change
// face with whatever the previous element left on the canvas; its colour is always black.
void SetPageNumberFont(TCanvas* c, TFont* stored, double scale) {
    TFont* font = c->Font();
    font->SetName(stored->Name());
    font->SetStyle(stored->Style());
    font->SetColor(clBlack);
    SetFontSizeMm(font, stored->Size(), scale);
}

void SetMarkFont(TCanvas* c, TFont* stored, double scale) {
    c->Font()->Assign(stored); // face, style and colour
    SetFontSizeMm(c->Font(), stored->Size(), scale);
}

void ClearBrush(TCanvas* c, TColor paper) {
    c->Brush()->SetColor(paper);
    c->Brush()->SetStyle(bsClear);
}

// Where a text W x H pixels wide sits in a corner of the area from (Left, Top) to
// (Right, Bottom): 1 top-left, 2 top-right, 3 bottom-left, 4 bottom-right. A corner outside 1
// to 4 is no corner: the renderers draw nothing for it.
TPoint CornerPosition(int corner, double left, double top, double right, double bottom, int w, int h) {
    const bool rightSide = corner == 2 || corner == 4;
    const bool bottomSide = corner == 3 || corner == 4;
    return TPoint(ToPixel(rightSide ? right - w : left), ToPixel(bottomSide ? bottom - h : top));
}

// The footer's top-left corner for a text W x H pixels: centred on the paper, its cell ending
// at the paper's bottom edge lifted by the unprintable border (in whole pixels), so at the
// printable bottom.
TPoint FooterPosition(const TPageSurface& page, int w, int h) {
    const int lift = ToPixel(page.BorderY);
    return TPoint(ToPixel((page.PaperLeft + page.PaperRight - w) / 2), ToPixel(page.PaperBottom) - lift - h);
}
} // namespace

void PrintPageNumber(bool Enabled) {
    if (!Enabled) return;
    TForm1* f = Form1;
    const TPageSurface page = PrintSurface(f);
    TCanvas* c = page.Canvas;
    SetPageNumberFont(c, f->FontDialog2->Font(), page.ScaleX);
    ClearBrush(c, page.Paper);
    // The total is the page count as typed, spaces and all.
    const AnsiString text =
        "- Page " + IntToStr(f->PrinterRef->PageNumber()) + " / " + f->Edit2->Text() + " -";
    const TPoint p = FooterPosition(page, c->TextWidth(text), c->TextHeight(SampleText));
    c->TextOut(p.x, p.y, text);
}

void PreviewPageNumber(bool Enabled) {
    if (!Enabled) return;
    TForm1* f = Form1;
    const float s = PreviewScaleSingle(f);
    const TPageSurface page = PreviewSurface(f, s, s);
    TCanvas* c = page.Canvas;
    SetPageNumberFont(c, f->FontDialog2->Font(), s);
    ClearBrush(c, page.Paper);
    const AnsiString text = "- Page 1 / 1 -";
    const TPoint p = FooterPosition(page, c->TextWidth(text), c->TextHeight(SampleText));
    c->TextOut(p.x, p.y, text);
}

void PrintMark(int Corner) {
    if (Corner < 1 || Corner > 4) return;
    TForm1* f = Form1;
    const TPageSurface page = PrintSurface(f);
    TCanvas* c = page.Canvas;
    SetMarkFont(c, f->FontDialog3->Font(), page.ScaleX);
    ClearBrush(c, page.Paper);
    const AnsiString text = f->TntEdit1->Text();
    const int w = c->TextWidth(text), h = c->TextHeight(SampleText);
    const TPoint p = CornerPosition(Corner, page.PrintableLeft(), page.PrintableTop(), page.PrintableRight(),
                                    page.PrintableBottom(), w, h);
    c->TextOut(p.x, p.y, text);
}

void PreviewMark(int Corner) {
    if (Corner < 1 || Corner > 4) return;
    TForm1* f = Form1;
    const float s = PreviewScaleSingle(f);
    const TPageSurface page = PreviewSurface(f, s, s);
    TCanvas* c = page.Canvas;
    SetMarkFont(c, f->FontDialog3->Font(), s);
    ClearBrush(c, page.Paper);
    const AnsiString text = f->TntEdit1->Text();
    const int w = c->TextWidth(text), h = c->TextHeight(SampleText);
    // In the printable corner, the printer's borders inside the sheet, as on the sheet.
    const TPoint p = CornerPosition(Corner, page.PrintableLeft(), page.PrintableTop(), page.PrintableRight(),
                                    page.PrintableBottom(), w, h);
    c->TextOut(p.x, p.y, text);
}
