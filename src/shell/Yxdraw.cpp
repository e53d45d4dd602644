#include "Yxdraw.h"

#include "Yxcalc.h"

#include <cstdio>
#include <string>

namespace {
// The control bar's band options, as the layer reads them.
constexpr uint8_t kBandGrabber = 1, kBandFrame = 2;

struct Scheme {
    TColor base, light, text;
};
constexpr Scheme kSchemes[] = {
    {0xC0C0C0, 0xFFFFFF, 0x000000}, // 1 silver
    {0xFFC07F, 0xFFE0C0, 0x000000}, // 2 blue
    {0xC0C0FF, 0xFFFFFF, 0xFF0000}, // 3 red
    {0xA0FFA0, 0xFFFFFF, 0x000000}, // 4 green
    {0x804080, 0xFFC0FF, 0xFFFFFF}, // 5 purple
};

int Channel(int a, int b, double t) {
    return static_cast<int>(Lerp(a, b, t));
}
} // namespace

void SplitColor(TColor Color, int& Red, int& Green, int& Blue) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(Color));
    const std::string s(hex);
    Blue = std::stoi(s.substr(0, 2), nullptr, 16);
    Green = std::stoi(s.substr(2, 2), nullptr, 16);
    Red = std::stoi(s.substr(4, 2), nullptr, 16);
}

namespace {
// Ring i (1 to 3) in the colour the function gives for it.
void SetFocusRings(TControl* Control, bool On, std::function<TColor(int)> RingColor) {
    if (!On) {
        Control->SetParentOverlay(nullptr);
        Control->Invalidate();
        return;
    }
    Control->SetParentOverlay([Control, RingColor](TCanvas* c) {
        for (int i = 1; i <= 3; ++i) {
            c->Brush()->SetColor(RingColor(i));
            c->FrameRect(TRect(Control->Left() - i, Control->Top() - i, Control->Left() + Control->Width() + i,
                               Control->Top() + Control->Height() + i));
        }
    });
}
} // namespace

void DrawFocusFrame(TControl* Control, bool On, TColor FrameColor) {
    int red, green, blue;
    SplitColor(FrameColor, red, green, blue);
    SetFocusRings(Control, On, [red](int) { return RGB(red, 0, 0); });
}

void DrawFocusFrameEx(TControl* Control, bool On, TColor FrameColor) {
    int red, green, blue;
    SplitColor(FrameColor, red, green, blue);
    SetFocusRings(Control, On, [=](int i) { return RGB(red / i, green / i, blue / i); });
}

YxDraw::YxDraw() : BaseColor(clBtnFace), LightColor(clBtnFace), MidColor(clBtnFace), TextColor(clBtnText) {
    SetScheme(1);
}

void YxDraw::SetScheme(int Id) {
    SchemeId = Id;
    LoadColors(Id);
}

void YxDraw::LoadColors(int Id) {
    if (Id == 100) return;
    if (Id == 0) {
        BaseColor = LightColor = MidColor = clBtnFace;
        TextColor = clBtnText;
        return;
    }
    if (Id < 1 || Id > 5) {
        BaseColor = LightColor = MidColor = clBtnFace;
        return;
    }
    const Scheme& s = kSchemes[Id - 1];
    BaseColor = s.base;
    LightColor = s.light;
    TextColor = s.text;
    int br, bg, bb, lr, lg, lb;
    SplitColor(BaseColor, br, bg, bb);
    SplitColor(LightColor, lr, lg, lb);
    MidColor = RGB(Channel(br, lr, 0.5), Channel(bg, lg, 0.5), Channel(bb, lb, 0.5));
}

TColor YxDraw::GradientColor(int Pos, int Extent) const {
    int br, bg, bb, lr, lg, lb;
    SplitColor(BaseColor, br, bg, bb);
    SplitColor(LightColor, lr, lg, lb);
    const double t = static_cast<double>(Pos) / Extent;
    return Channel(br, lr, t) + Channel(bg, lg, t) * 256 + Channel(bb, lb, t) * 65536;
}

void YxDraw::GradientLines(TCanvas* Canvas, int Direction, int Left, int Top, int Right, int Bottom) {
    if (SchemeId == 0) return;
    if (Direction == 0) {
        for (int y = Top + 1; y <= Bottom - 1; ++y) {
            Canvas->Pen()->SetColor(GradientColor(y, Bottom));
            Canvas->MoveTo(Left, y);
            Canvas->LineTo(Right, y);
        }
    } else if (Direction == 1) {
        for (int x = Left + 1; x <= Right - 1; ++x) {
            Canvas->Pen()->SetColor(GradientColor(x, Right));
            Canvas->MoveTo(x, Top);
            Canvas->LineTo(x, Bottom);
        }
    }
}

void YxDraw::PaintBar(TToolBar* Sender, const TRect& ARect, bool&) {
    GradientLines(Sender->Canvas(), 0, ARect.Left, ARect.Top, ARect.Right, ARect.Bottom);
}

void YxDraw::DrawHighlight(TToolBar* Sender, TToolButton* Button, TCustomDrawState State, bool&) {
    if (!(State & (cdsHot | cdsSelected))) return;
    const TRect r(Button->Left() + 1, Button->Top() + 1, Button->Left() + Button->Width() - 1,
                  Button->Top() + Button->Height() - 1);
    TCanvas* c = Sender->Canvas();
    c->Pen()->SetColor(0xFF0000);
    c->Brush()->SetColor(0xFFCCAA);
    c->FillRect(r);
    c->Brush()->SetColor(0xFF0000);
    c->FrameRect(r);
}

void YxDraw::CustomDrawBand(TObject*, TControl* Control, TCanvas* Canvas, TRect&, uint8_t& Options) {
    Options = kBandGrabber | kBandFrame;
    if (SchemeId == 0) return;
    const int h = Control->Height();
    for (int i = 1; i < h; ++i) {
        Canvas->Pen()->SetColor(GradientColor(i, h));
        Canvas->MoveTo(Control->Left() - 10, Control->Top() + i);
        Canvas->LineTo(Control->Left() + 16, Control->Top() + i);
    }
}

void YxDraw::ColorControlBar(TObject* Sender) {
    if (auto* bar = dynamic_cast<TControl*>(Sender)) bar->SetColor(MidColor);
}

void YxDraw::ApplyToToolBar(TToolBar* Bar) {
    Bar->OnCustomDraw = [this](TToolBar* s, const TRect& r, bool& d) { PaintBar(s, r, d); };
    Bar->OnCustomDrawButton = [this](TToolBar* s, TToolButton* b, TCustomDrawState st, bool& d) {
        DrawHighlight(s, b, st, d);
    };
    Bar->Font()->SetColor(TextColor);
}

void YxDraw::ApplyToControlBar(TControlBar* Bar) {
    Bar->OnBandPaint = [this](TObject* s, TControl* c, TCanvas* cv, TRect& r, uint8_t& o) {
        CustomDrawBand(s, c, cv, r, o);
    };
    Bar->OnPaint = [this](TObject* s) { ColorControlBar(s); };
}

void YxDraw::ApplyToControl(TControl* Control) {
    Control->SetColor(MidColor);
}
