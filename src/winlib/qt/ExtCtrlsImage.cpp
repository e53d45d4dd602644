// Images: show a picture at its size, centred or stretched.
#include "winlib/ExtCtrls.h"

#include "ControlCanvas.h"
#include "ControlImpl.h"

#include <QPainter>

namespace {
class TImageWidget : public QWidget {
  public:
    explicit TImageWidget(TImage* image) : image_(image) {}
    TCanvas canvas;
    TLiveCanvasImpl* live = nullptr;

  protected:
    void paintEvent(QPaintEvent*) override {
        TGraphic* g = image_->Picture()->Graphic();
        if (!g || g->Empty()) return;
        QPainter p(this);
        TLiveCanvasImpl::Scope scope(live, &p);
        TRect r(0, 0, g->Width(), g->Height());
        if (image_->Stretch()) {
            r = TRect(0, 0, width(), height());
        } else if (image_->Center()) {
            int x = (width() - g->Width()) / 2, y = (height() - g->Height()) / 2;
            r = TRect(x, y, x + g->Width(), y + g->Height());
        }
        g->Draw(&canvas, r);
    }

  private:
    TImage* image_;
};

class TImageImpl : public TControlImpl {
  public:
    TImageImpl(TImage* i, TImageWidget* w) : TControlImpl(i, w) {
        genericClick = true;
        auto surface = std::make_unique<TLiveCanvasImpl>(w);
        w->live = surface.get();
        w->canvas.SetImpl(std::move(surface));
    }
};
} // namespace

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetImpl(std::make_unique<TImageImpl>(this, new TImageWidget(this)));
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
