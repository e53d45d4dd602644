// The owner-drawn tabs: the paper tabs down the right edge of the left page control, and the
// inner tabs of the graph-paper, multi-line and settings pages.
#include "Unit1.h"

#include <string>
#include <vector>

namespace {
constexpr TColor kTabMark = 0x00A5FF; // orange

// The caption of the TabIndex-th tab that is shown (hidden tabs are not counted).
AnsiString ShownTabCaption(TPageControl* pc, int TabIndex) {
    for (int i = 0, shown = 0; i < pc->PageCount(); ++i) {
        if (!pc->Pages(i)->TabVisible()) continue;
        if (shown++ == TabIndex) return pc->Pages(i)->Caption();
    }
    return "";
}

// The caption split into its characters (UTF-8 sequences).
std::vector<AnsiString> Characters(const AnsiString& s) {
    std::vector<AnsiString> out;
    for (size_t i = 0; i < s.size();) {
        size_t n = 1;
        while (i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80)
            ++n;
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}
} // namespace

void TForm1::PageControl1DrawTab(TObject* Control, int TabIndex, const TRect& Rect, bool Active) {
    auto* pc = static_cast<TPageControl*>(Control);
    TCanvas* c = pc->Canvas();
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(Rect);
    c->Font()->SetColor(clBlack);
    // The caption runs downwards, one character under the other.
    const std::vector<AnsiString> chars = Characters(ShownTabCaption(pc, TabIndex));
    for (size_t i = 0; i < chars.size(); ++i) {
        const int step = 12 * static_cast<int>(i);
        if (Active)
            c->TextOut(Rect.Left + 6, Rect.Top + 6 + step - 2, chars[i]);
        else
            c->TextOut(Rect.Left + 1, Rect.Top + 1 + step, chars[i]);
    }
    if (Active) {
        c->Brush()->SetColor(kTabMark);
        c->Pen()->SetColor(clWhite);
        c->RoundRect(Rect.Right - 5, Rect.Top, Rect.Right, Rect.Bottom, 5, 5);
    }
}

void TForm1::PageControl2DrawTab(TObject* Control, int TabIndex, const TRect& Rect, bool Active) {
    auto* pc = static_cast<TPageControl*>(Control);
    TCanvas* c = pc->Canvas();
    c->Font()->SetColor(clBlack);
    c->Brush()->SetColor(clBtnFace);
    const AnsiString caption = ShownTabCaption(pc, TabIndex);
    if (Active) {
        c->TextOut(Rect.Left + 6, Rect.Top + 4, caption);
        c->Brush()->SetColor(kTabMark);
        c->Pen()->SetColor(clWhite);
        c->RoundRect(Rect.Left, Rect.Top, Rect.Right, Rect.Top + 5, 5, 5);
    } else {
        c->TextOut(Rect.Left + 4, Rect.Top + 2, caption);
    }
}
