// The Qt side of paint boxes: the canvas draws into a backing image that the widget shows when
// it paints, after running OnPaint.
#include "winlib/widgetset/WSExtCtrls.h"

#include "ControlCanvas.h"
#include "ControlImpl.h"

#include <QPainter>

namespace {
class TPaintBoxImpl;

class TPaintBoxWidget : public QWidget {
  public:
    explicit TPaintBoxWidget(TPaintBox* box) : box_(box) {}

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    TPaintBox* box_;
};

class TPaintBoxImpl : public TControlImpl {
  public:
    TPaintBoxImpl(TPaintBox* b, TPaintBoxWidget* w) : TControlImpl(b, w), box(b) {
        genericClick = true;
        auto s = std::make_unique<TBackingCanvasImpl>(w);
        surface = s.get();
        canvas.SetImpl(std::move(s));
    }
    TPaintBox* box;
    TCanvas canvas;
    TBackingCanvasImpl* surface;

    void ApplyBounds(int l, int t, int w, int h) override {
        TControlImpl::ApplyBounds(l, t, w, h);
        surface->Resize(w, h);
    }

    // Runs OnPaint with drawing that schedules no repaint.
    void RunOnPaint() {
        ++surface->inPaint;
        wsevents::PaintBoxPaint(box);
        --surface->inPaint;
    }
};

TPaintBoxImpl* BoxImpl(const TPaintBox* b) {
    return static_cast<TPaintBoxImpl*>(b->Impl());
}

void TPaintBoxWidget::paintEvent(QPaintEvent*) {
    TPaintBoxImpl* impl = BoxImpl(box_);
    impl->RunOnPaint();
    impl->surface->Finish();
    QPainter p(this);
    p.drawImage(0, 0, impl->surface->Picture());
}
} // namespace

namespace ws {
std::unique_ptr<TWSControl> CreatePaintBox(TPaintBox* Box) {
    return std::make_unique<TPaintBoxImpl>(Box, new TPaintBoxWidget(Box));
}

TCanvas* PaintBoxCanvas(TPaintBox* Box) {
    return &BoxImpl(Box)->canvas;
}

void PaintBoxPaintNow(TPaintBox* Box) {
    QWidget* w = Box->Impl()->Widget();
    if (w->isVisible())
        w->repaint(); // runs OnPaint inside the paint event
    else
        BoxImpl(Box)->RunOnPaint();
}
} // namespace ws
