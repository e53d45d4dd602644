// The Qt side of control bars: the bar's paint (its colour, its OnPaint, then each band's frame
// and grabber as OnBandPaint leaves them) on the bar's canvas.
#include "winlib/widgetset/WSExtCtrls.h"

#include "ControlCanvas.h"
#include "ControlImpl.h"

#include <QPainter>

namespace {
class TControlBarWidget : public QWidget {
  public:
    explicit TControlBarWidget(TControlBar* bar) : bar_(bar) {}
    TCanvas canvas;
    TLiveCanvasImpl* live = nullptr;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        TLiveCanvasImpl::Scope scope(live, &p);
        // The bar's colour fills the area the bands leave free; OnPaint draws over it, and a
        // colour it sets shows with the repaint that the change asks for.
        const QColor back = ToQColor(bar_->Color());
        if (back.isValid()) p.fillRect(rect(), back);
        wsevents::ControlBarPaint(bar_);
        for (int i = 0; i < bar_->ControlCount(); ++i) {
            TControl* band = bar_->Controls(i);
            if (!band->Visible()) continue;
            TRect r;
            uint8_t options = wsevents::ControlBarPaintBand(bar_, band, r);
            QRect q(r.Left, r.Top, r.Width() - 1, r.Height() - 1);
            if (options & ControlBarFrame) {
                p.setPen(ToQColor(clBtnShadow));
                p.setBrush(Qt::NoBrush);
                p.drawRect(q);
            }
            if (options & ControlBarGrabber) {
                for (int dx : {3, 6}) {
                    p.setPen(ToQColor(clBtnHighlight));
                    p.drawLine(q.left() + dx, q.top() + 3, q.left() + dx, q.bottom() - 3);
                    p.setPen(ToQColor(clBtnShadow));
                    p.drawLine(q.left() + dx + 1, q.top() + 3, q.left() + dx + 1, q.bottom() - 3);
                }
            }
        }
    }

  private:
    TControlBar* bar_;
};

class TControlBarImpl : public TControlImpl {
  public:
    TControlBarImpl(TControlBar* b, TControlBarWidget* w) : TControlImpl(b, w), widget(w) {
        auto surface = std::make_unique<TLiveCanvasImpl>(w);
        w->live = surface.get();
        w->canvas.SetImpl(std::move(surface));
    }
    TControlBarWidget* widget;
    TControlBarBands bands;

    void ApplyColor(TColor) override { widget->update(); }
    void ChildChanged(TControl* c) override {
        wsevents::ControlBarChildChanged(static_cast<TControlBar*>(Control()), c, bands);
        widget->update();
    }
};
} // namespace

namespace ws {
std::unique_ptr<TWSControl> CreateControlBar(TControlBar* Bar) {
    return std::make_unique<TControlBarImpl>(Bar, new TControlBarWidget(Bar));
}

TCanvas* ControlBarCanvas(TControlBar* Bar) {
    return &static_cast<TControlBarImpl*>(Bar->Impl())->widget->canvas;
}
} // namespace ws
