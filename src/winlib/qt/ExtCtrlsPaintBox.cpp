// Paint boxes: the canvas draws into a backing image that the widget shows when it paints.
// Drawing inside OnPaint schedules nothing, so a paint handler cannot start a paint loop.
#include "winlib/ExtCtrls.h"
#include "winlib/MessageBoxImpl.h"

#include "ControlCanvas.h"
#include "ControlImpl.h"
#include "winlib/Forms.h"

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
        RunPaintGuarded(box, [&] { Fire(box->OnPaint, box); });
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

TPaintBox::TPaintBox(TComponent* AOwner) : TGraphicControl(AOwner) {
    auto* w = new TPaintBoxWidget(this);
    SetImpl(std::make_unique<TPaintBoxImpl>(this, w));
    SetBounds(0, 0, 105, 105);
}

TCanvas* TPaintBox::Canvas() {
    return &BoxImpl(this)->canvas;
}

void TPaintBox::Paint() {
    QWidget* w = Impl()->Widget();
    if (w->isVisible())
        w->repaint(); // runs OnPaint inside the paint event
    else
        BoxImpl(this)->RunOnPaint();
}
