// The owner-drawn items of the main menu and of the printer pop-up menu, in the colours of the
// settings scroll box (the scheme's mid colour).
#include "Unit1.h"

#include "ChromeImages.h"
#include "Yxdraw.h"

namespace {
struct ItemLook {
    AnsiString text;
    TPoint textAt;
    bool checked, separator, disabled;
    int imageIndex;
    TImageList* images;
};

// The caption without its last Count characters (UTF-8 sequences).
AnsiString DropLastCharacters(const AnsiString& s, int Count) {
    size_t end = s.size();
    for (int n = 0; n < Count && end > 0; ++n) {
        --end;
        while (end > 0 && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80)
            --end;
    }
    return s.substr(0, end);
}

// The frame colour of a selected item: each channel snapped to a quarter step, lighter on a
// dark background and darker on a light one.
int QuantiseChannel(int v, bool dark) {
    if (dark) return v < 64 ? 63 : v < 128 ? 127 : v < 192 ? 191 : 255;
    return v < 64 ? 0 : v < 128 ? 63 : v < 192 ? 127 : 191;
}

void Text(TCanvas* c, const ItemLook& item) {
    c->TextOut(item.textAt.x, item.textAt.y, item.text);
}

// The item's own image at the left edge of the menu.
void Image(TCanvas* c, const TRect& r, const ItemLook& item) {
    item.images->Draw(c, 0, r.Top, item.imageIndex);
}

// A checked item's check mark, over its image.
void Check(TCanvas* c, const TRect& r, const ItemLook& item) {
    if (item.checked) item.images->Draw(c, 0, r.Top, kImageCheck);
}

void DrawSelectedSkinned(TCanvas* c, const TRect& r, const ItemLook& item, TColor back) {
    int red, green, blue;
    SplitColor(back, red, green, blue);
    TColor text;
    if (red + green + blue < 192) {
        red *= 2, green *= 2, blue *= 2;
        text = clBlack;
    } else {
        red /= 2, green /= 2, blue /= 2;
        text = clWhite;
    }
    const TColor shaded = RGB(red, green, blue);
    if (item.disabled) {
        c->Brush()->SetColor(back);
        c->FillRect(r);
        c->Font()->SetColor(clGrayText);
        Text(c, item);
    } else {
        c->Brush()->SetColor(item.separator ? clBtnShadow : shaded);
        c->FillRect(r);
        c->Font()->SetColor(text);
        Text(c, item);
        Image(c, r, item);
        Check(c, r, item);
    }
    SplitColor(back, red, green, blue);
    const bool dark = red + green + blue < 256;
    const TColor frame =
        RGB(QuantiseChannel(red, dark), QuantiseChannel(green, dark), QuantiseChannel(blue, dark));
    c->Brush()->SetColor(item.disabled ? shaded : frame);
    c->FrameRect(r);
}

void DrawSelectedPlain(TCanvas* c, const TRect& r, const ItemLook& item) {
    c->Brush()->SetColor(item.disabled ? clBtnFace : clHighlight);
    c->FillRect(r);
    c->Font()->SetColor(item.disabled ? clGrayText : clHighlightText);
    Text(c, item);
    Image(c, r, item);
}

void DrawNormal(TCanvas* c, const TRect& r, const ItemLook& item, TColor back) {
    c->Brush()->SetColor(back);
    c->FillRect(r);
    c->Font()->SetColor(item.disabled ? clGrayText : clMenuText);
    Text(c, item);
    Image(c, r, item);
    Check(c, r, item);
    if (item.separator) {
        const int mid = (r.Bottom - r.Top) / 2 + r.Top - 1;
        c->Pen()->SetColor(clBlack);
        c->MoveTo(r.Left, mid);
        c->LineTo(r.Right, mid);
        c->Pen()->SetColor(clWhite);
        c->MoveTo(r.Left, mid + 1);
        c->LineTo(r.Right, mid + 1);
    }
}

void DrawItem(TCanvas* c, const TRect& r, uint8_t State, const ItemLook& item, int scheme, TColor back) {
    if (State & odSelected) {
        if (scheme != 0)
            DrawSelectedSkinned(c, r, item, back);
        else
            DrawSelectedPlain(c, r, item);
    } else {
        DrawNormal(c, r, item, back);
    }
}
} // namespace

void TForm1::PrinterSetup1AdvancedDrawItem(TObject* Sender, TCanvas* ACanvas, const TRect& ARect,
                                           uint8_t State) {
    auto* m = dynamic_cast<TMenuItem*>(Sender);
    if (!m) return;
    // Every caption ends with its accelerator group such as "(&F)", which is not drawn.
    const ItemLook item{
        DropLastCharacters(m->Caption(), 4), TPoint(18, ARect.Top + 2), m->Checked(), m->Caption() == "-",
        (State & odDisabled) != 0,           m->ImageIndex(),           ImageList1};
    DrawItem(ACanvas, ARect, State, item, CurrentSkin->SchemeId, ScrollBox2->Color());
}

void TForm1::PrinterItemAdvancedDrawItem(TObject* Sender, TCanvas* ACanvas, const TRect& ARect,
                                         uint8_t State) {
    auto* m = dynamic_cast<TMenuItem*>(Sender);
    if (!m) return;
    const ItemLook item{m->Caption(), TPoint(ARect.Left + 2, ARect.Top + 2),
                        m->Checked(), m->Caption() == "-",
                        false,        m->ImageIndex(),
                        ImageList1};
    DrawItem(ACanvas, ARect, State & ~odDisabled, item, CurrentSkin->SchemeId, ScrollBox2->Color());
}
