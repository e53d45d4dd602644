// The free-text page (paper kind 7): each item is a text in its own font at a position in whole
// millimetres from the paper's corner, drawn in one line from its top-left corner with a clear
// brush; later items cover earlier ones. Margins and frame insets do not move the items.
#include "render/Unit4.h"

#include "render/RenderConventions.h"
#include "shell/Abitmap.h"
#include "shell/TextItemFonts.h"
#include "shell/Unit1.h"
#include "winlib/StdCtrls.h"
#include "winlib/SysUtils.h"

namespace {
// Position i of the items. The fonts and positions should run parallel to the item texts; one
// that fell short (or a missing font) raises at the first item it cannot serve, so the items
// before it stay drawn and nothing is read past the end.
const TPoint& PositionAt(const std::vector<TPoint>& positions, int i) {
    if (i < 0 || i >= static_cast<int>(positions.size()))
        throw EListError("List index out of bounds (" + IntToStr(i) + ")");
    return positions[static_cast<size_t>(i)];
}

// The items on the page: positions count from the paper's corner, X by ScaleX and Y by ScaleY;
// the font height is the size in millimetres by ScaleX.
void DrawItems(const TPageSurface& page, const TListBox* items, const TTextItemFonts& fonts,
               const std::vector<TPoint>& positions) {
    TCanvas* c = page.Canvas;
    for (int i = 0; i < items->ItemCount(); ++i) {
        TFont* font = fonts.Font(i);
        const TPoint& at = PositionAt(positions, i);
        c->Font()->Assign(font);
        SetFontSizeMm(c->Font(), font->Size(), page.ScaleX);
        c->Brush()->SetStyle(bsClear);
        c->TextOut(ToPixel(page.PaperX(at.x)), ToPixel(page.PaperY(at.y)), items->Item(i));
    }
}

void SetTextPen(TCanvas* c, TForm1* f) {
    c->Pen()->SetWidth(1);
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetColor(LineColor(f));
    c->Brush()->SetColor(clWhite);
}
} // namespace

void PrintTextItems(const TListBox* Items, const TTextItemFonts& Fonts,
                    const std::vector<TPoint>& Positions) {
    TForm1* f = Form1;
    const TPageSurface page = PrintSurface(f);
    SetTextPen(page.Canvas, f);
    DrawItems(page, Items, Fonts, Positions);
}

void PreviewTextItems(const TListBox* Items, const TTextItemFonts& Fonts,
                      const std::vector<TPoint>& Positions) {
    TForm1* f = Form1;
    const float s = PreviewScaleSingle(f);
    const TPageSurface page = PreviewSurface(f, s, s);
    SetTextPen(page.Canvas, f);
    DrawItems(page, Items, Fonts, Positions);
}
