// The control bar: a container whose bands (tool bars) keep the Left/Top the program gives them,
// except that a band never covers another one of its row: it is pushed right, past the band
// before it. Each band is painted by OnBandPaint, which may choose the grabber and frame.
#include "winlib/ExtCtrls.h"
#include "winlib/MessageBoxImpl.h"

#include "ControlCanvas.h"
#include "ControlImpl.h"
#include "winlib/Forms.h"

#include <QPainter>

#include <algorithm>
#include <map>

namespace {
constexpr uint8_t kGrabber = 1, kFrame = 2;
constexpr int kGrabberWidth = 11;
// Space from one band's right edge to the next band's left edge, where its grabber sits.
constexpr int kBandGap = 6;

bool SameRow(const TControl* a, const TControl* b) {
    return a->Top() < b->Top() + b->Height() && b->Top() < a->Top() + a->Height();
}

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
    int arranging = 0;
    // Where the program put each band, and where the bar last placed it. A band keeps the place
    // it was given while nothing covers it, and goes back there when the cover goes.
    std::map<const TControl*, int> wantedLeft, placedLeft;

    void ApplyColor(TColor) override { widget->update(); }
    void ChildChanged(TControl* c) override {
        if (!arranging) {
            auto* bar = static_cast<TControlBar*>(Control());
            bool member = false;
            for (int i = 0; i < bar->ControlCount(); ++i)
                member = member || bar->Controls(i) == c;
            if (!member) {
                wantedLeft.erase(c);
                placedLeft.erase(c);
            } else if (auto p = placedLeft.find(c); p == placedLeft.end() || p->second != c->Left()) {
                wantedLeft[c] = c->Left();
            }
            Arrange();
        }
        widget->update();
    }

    // In the order of the places asked for, each shown band starts past every band of its row
    // that comes before it.
    void Arrange() {
        ++arranging;
        auto* bar = static_cast<TControlBar*>(Control());
        auto wanted = [this](const TControl* c) {
            auto w = wantedLeft.find(c);
            return w == wantedLeft.end() ? c->Left() : w->second;
        };
        // A hidden band covers nothing and is covered by nothing: it sits where it was put.
        std::vector<TControl*> bands;
        for (int i = 0; i < bar->ControlCount(); ++i) {
            TControl* c = bar->Controls(i);
            if (c->Visible()) {
                bands.push_back(c);
                continue;
            }
            placedLeft[c] = wanted(c);
            if (c->Left() != placedLeft[c]) c->SetLeft(placedLeft[c]);
        }
        std::stable_sort(bands.begin(), bands.end(),
                         [&](const TControl* a, const TControl* b) { return wanted(a) < wanted(b); });
        for (size_t i = 0; i < bands.size(); ++i) {
            int left = wanted(bands[i]);
            for (size_t j = 0; j < i; ++j)
                if (SameRow(bands[j], bands[i]))
                    left = std::max(left, bands[j]->Left() + bands[j]->Width() + kBandGap);
            placedLeft[bands[i]] = left;
            if (left != bands[i]->Left()) bands[i]->SetLeft(left);
        }
        --arranging;
    }
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
