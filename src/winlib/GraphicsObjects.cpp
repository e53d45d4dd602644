// Pens, brushes, fonts and colour values.
#include "Graphics.h"

#include <climits>

namespace {

// Multiplies and divides with rounding half away from zero; -1 when c is 0 or on overflow.
int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    int64_t n = static_cast<int64_t>(a) * b, d = c;
    const bool negative = (n < 0) != (d < 0);
    n = n < 0 ? -n : n;
    d = d < 0 ? -d : d;
    const int64_t r = (n + d / 2) / d;
    if (r > INT_MAX) return -1;
    return static_cast<int>(negative ? -r : r);
}

// The classic desktop scheme, as 0x00BBGGRR, indexed by the low byte of the system colour.
constexpr TColor kSystemColors[] = {
    0xC8D0D4, // clScrollBar
    0xA56E3A, // clBackground
    0x6A240A, // clActiveCaption
    0x808080, // clInactiveCaption
    0xC8D0D4, // clMenu
    0xFFFFFF, // clWindow
    0x000000, // clWindowFrame
    0x000000, // clMenuText
    0x000000, // clWindowText
    0xFFFFFF, // clCaptionText
    0xC8D0D4, // clActiveBorder
    0xC8D0D4, // clInactiveBorder
    0x808080, // clAppWorkSpace
    0x6A240A, // clHighlight
    0xFFFFFF, // clHighlightText
    0xC8D0D4, // clBtnFace
    0x808080, // clBtnShadow
    0x808080, // clGrayText
    0x000000, // clBtnText
    0xC8D0D4, // clInactiveCaptionText
    0xFFFFFF, // clBtnHighlight
    0x404040, // 3D dark shadow
    0xC8D0D4, // 3D light
    0x000000, // info text
    0xE1FFFF, // info background
};

} // namespace

TColor ColorToRGB(TColor c) {
    if ((static_cast<uint32_t>(c) & 0xFF000000u) != 0xFF000000u) return c;
    const unsigned i = static_cast<uint32_t>(c) & 0xFF;
    return i < std::size(kSystemColors) ? kSystemColors[i] : clBlack;
}

void TPen::Assign(TPersistent* Source) {
    if (auto* p = dynamic_cast<TPen*>(Source)) {
        color_ = p->color_;
        width_ = p->width_;
        style_ = p->style_;
        mode_ = p->mode_;
        dashScale_ = p->dashScale_;
        return;
    }
    TPersistent::Assign(Source);
}

void TBrush::Assign(TPersistent* Source) {
    if (auto* b = dynamic_cast<TBrush*>(Source)) {
        color_ = b->color_;
        style_ = b->style_;
        return;
    }
    TPersistent::Assign(Source);
}

int TFont::Size() const {
    return -MulDiv(height_, 72, ppi_);
}

void TFont::SetSize(int pt) {
    height_ = -MulDiv(pt, ppi_, 72);
}

void TFont::Assign(TPersistent* Source) {
    if (auto* f = dynamic_cast<TFont*>(Source)) {
        name_ = f->name_;
        style_ = f->style_;
        color_ = f->color_;
        charset_ = f->charset_;
        // Between fonts of different resolutions the point size is what carries over.
        if (ppi_ != f->ppi_)
            SetSize(f->Size());
        else
            height_ = f->height_;
        Changed(); // a control showing this font takes the new one
        return;
    }
    TPersistent::Assign(Source);
}
