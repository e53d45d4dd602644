// The control bar: a container whose bands (tool bars) keep the Left/Top the program gives them.
// Each band is painted by OnBandPaint, which may choose the grabber and frame.
#include "ExtCtrls.h"
#include "MessageBoxImpl.h"

#include "ControlCanvas.h"
#include "ControlImpl.h"
#include "Forms.h"

#include <QPainter>

namespace {
constexpr uint8_t kGrabber = 1, kFrame = 2;
constexpr int kGrabberWidth = 11;

class TControlBarWidget : public QWidget {
  public:
    explicit TControlBarWidget(TControlBar* bar) : bar_(bar) {}
    TCanvas canvas;
    TLiveCanvasImpl* live = nullptr;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        TLiveCanvasImpl::Scope scope(live, &p);
        // The paint handler may set the bar's colour; that asks for at most one more paint.
        RunPaintGuarded(bar_, [&] { Fire(bar_->OnPaint, bar_); });
        QColor back = ToQColor(bar_->Color());
        if (back.isValid() && !bar_->OnPaint) p.fillRect(rect(), back);
        auto handler = bar_->OnBandPaint;
        for (int i = 0; i < bar_->ControlCount(); ++i) {
            TControl* band = bar_->Controls(i);
            if (!band->Visible()) continue;
            TRect r(band->Left() - kGrabberWidth, band->Top() - 1, band->Left() + band->Width() + 1,
                    band->Top() + band->Height() + 1);
            uint8_t options = kGrabber | kFrame;
            canvas.Brush()->SetColor(bar_->Color());
            if (handler) RunPaintGuarded(bar_, [&] { handler(bar_, band, &canvas, r, options); });
            QRect q(r.Left, r.Top, r.Width() - 1, r.Height() - 1);
            if (options & kFrame) {
                p.setPen(ToQColor(clBtnShadow));
                p.setBrush(Qt::NoBrush);
                p.drawRect(q);
            }
            if (options & kGrabber) {
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
    void ApplyColor(TColor) override { widget->update(); }
    void ChildChanged(TControl*) override { widget->update(); }
};
} // namespace

TControlBar::TControlBar(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new TControlBarWidget(this);
    SetImpl(std::make_unique<TControlBarImpl>(this, w));
    SetBounds(0, 0, 100, 50);
}

TCanvas* TControlBar::Canvas() {
    return &static_cast<TControlBarImpl*>(Impl())->widget->canvas;
}
