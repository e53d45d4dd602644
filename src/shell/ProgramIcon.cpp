// The program's icon: a white sheet with a light blue grid, every fourth line darker and one red
// line, lying a little off the corner of a grey shadow, with a yellow pencil across it.
#include "ProgramIcon.h"

#include "winlib/Forms.h"

#include <algorithm>
#include <memory>

void DrawProgramIcon(TBitmap* Bitmap, int Size, TColor Background) {
    Bitmap->SetPixelFormat(pf24bit);
    Bitmap->SetSize(Size, Size);
    TCanvas* c = Bitmap->Canvas();
    c->Brush()->SetColor(Background);
    c->FillRect(TRect(0, 0, Size, Size));

    // The sheet and its shadow, one sixteenth of the size off the edges.
    const int inset = std::max(1, Size / 16), shadow = std::max(1, Size / 32);
    const TRect sheet(inset, inset, Size - inset - shadow, Size - inset - shadow);
    c->Brush()->SetColor(RGB(120, 120, 120));
    c->FillRect(TRect(sheet.Left + shadow, sheet.Top + shadow, sheet.Right + shadow, sheet.Bottom + shadow));
    c->Brush()->SetColor(clWhite);
    c->FillRect(sheet);

    // The grid: eight cells across, the fourth line darker, one line red.
    const int cell = std::max(2, (sheet.Right - sheet.Left) / 8);
    int n = 1;
    for (int p = cell; p < sheet.Right - sheet.Left - 1; p += cell, ++n) {
        c->Pen()->SetColor(n == 6 ? RGB(230, 40, 40) : n % 4 == 0 ? RGB(40, 110, 210) : RGB(150, 195, 240));
        c->MoveTo(sheet.Left + p, sheet.Top + 1);
        c->LineTo(sheet.Left + p, sheet.Bottom - 1);
        c->MoveTo(sheet.Left + 1, sheet.Top + p);
        c->LineTo(sheet.Right - 1, sheet.Top + p);
    }
    c->Brush()->SetColor(RGB(60, 60, 60));
    c->FrameRect(sheet);

    // The pencil from the lower left towards the upper right: a yellow body, a wooden tip and
    // a dark lead. Below 24 pixels it would only blur the grid.
    if (Size < 24) return;
    const int w = std::max(3, Size / 9);
    const int x0 = Size * 3 / 16, y0 = Size * 13 / 16; // the lead
    const int xt = Size * 5 / 16, yt = Size * 11 / 16; // where the wood ends
    const int x1 = Size * 14 / 16, y1 = Size * 2 / 16; // the end of the body
    c->Pen()->SetWidth(w);
    c->Pen()->SetColor(RGB(250, 200, 40));
    c->MoveTo(xt, yt);
    c->LineTo(x1, y1);
    c->Pen()->SetColor(RGB(235, 190, 140));
    c->MoveTo(x0 + (xt - x0) / 3, y0 - (y0 - yt) / 3);
    c->LineTo(xt, yt);
    c->Pen()->SetWidth(std::max(1, w / 2));
    c->Pen()->SetColor(RGB(50, 50, 50));
    c->MoveTo(x0, y0);
    c->LineTo(x0 + (xt - x0) / 3, y0 - (y0 - yt) / 3);
    c->Pen()->SetWidth(1);
}

void InstallProgramIcon() {
    std::vector<std::unique_ptr<TBitmap>> sizes;
    std::vector<TBitmap*> list;
    for (int size : kProgramIconSizes) {
        sizes.push_back(std::make_unique<TBitmap>());
        DrawProgramIcon(sizes.back().get(), size);
        list.push_back(sizes.back().get());
    }
    Application->SetIcon(list, kProgramIconMaskColor);
}
