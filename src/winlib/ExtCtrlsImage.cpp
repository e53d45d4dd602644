// Images: show a picture at its size, centred or stretched.
#include "ExtCtrls.h"

#include "widgetset/WSExtCtrls.h"

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetImpl(ws::CreateImage(this));
    SetBounds(0, 0, 105, 105);
}

void TImage::PictureChanged() {
    Invalidate();
}

void TImage::SetStretch(bool s) {
    stretch_ = s;
    Invalidate();
}

void TImage::SetCenter(bool c) {
    center_ = c;
    Invalidate();
}

namespace wsevents {
void ImagePaint(TImage* Image, TCanvas* Canvas, int Width, int Height) {
    TGraphic* g = Image->Picture()->Graphic();
    if (!g || g->Empty()) return;
    TRect r(0, 0, g->Width(), g->Height());
    if (Image->Stretch()) {
        r = TRect(0, 0, Width, Height);
    } else if (Image->Center()) {
        int x = (Width - g->Width()) / 2, y = (Height - g->Height()) / 2;
        r = TRect(x, y, x + g->Width(), y + g->Height());
    }
    g->Draw(Canvas, r);
}
} // namespace wsevents
