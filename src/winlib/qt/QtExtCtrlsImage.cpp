// The Qt side of images: a widget whose paint draws the picture through the image's canvas.
#include "winlib/widgetset/WSExtCtrls.h"

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
        wsevents::ImagePaint(image_, &canvas, width(), height());
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

namespace ws {
std::unique_ptr<TWSControl> CreateImage(TImage* Image) {
    return std::make_unique<TImageImpl>(Image, new TImageWidget(Image));
}
} // namespace ws
