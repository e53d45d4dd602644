// The Qt side of the status bar: panels painted in a row, the last one taking what is left.
// Owner-drawn panels are painted by OnDrawPanel, which may resize panels while it draws.
#include "winlib/widgetset/WSComCtrls.h"

#include "ControlCanvas.h"
#include "ControlImpl.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace {
class TStatusBarWidget : public QWidget {
  public:
    explicit TStatusBarWidget(TStatusBar* bar) : bar_(bar) {}
    TCanvas canvas;
    TLiveCanvasImpl* live = nullptr;
    bool repaintForWidths = false;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Window));
        p.setFont(font());
        p.setPen(palette().color(QPalette::WindowText));
        if (bar_->SimplePanel() || bar_->PanelCount() == 0) {
            p.drawText(rect().adjusted(3, 0, -3, 0), Qt::AlignVCenter | Qt::AlignLeft,
                       ToQString(bar_->SimpleText()));
            return;
        }
        std::vector<int> widths;
        for (int i = 0; i < bar_->PanelCount(); ++i)
            widths.push_back(bar_->Panels(i)->Width);
        bool ownerDraw = static_cast<bool>(bar_->OnDrawPanel);
        int x = 0;
        for (int i = 0; i < bar_->PanelCount(); ++i) {
            TStatusPanel* panel = bar_->Panels(i);
            int right = i + 1 == bar_->PanelCount() ? width() : x + widths[i];
            QRect frame(x, 2, std::max(0, right - x - 2), std::max(0, height() - 2));
            QStyleOptionFrame opt;
            opt.initFrom(this);
            opt.rect = frame;
            opt.frameShape = QFrame::Panel;
            opt.state |= QStyle::State_Sunken;
            opt.lineWidth = 1;
            style()->drawPrimitive(QStyle::PE_Frame, &opt, &p, this);
            QRect inner = frame.adjusted(1, 1, -1, -1);
            if (panel->Style == psOwnerDraw && ownerDraw) {
                p.save();
                p.setClipRect(inner);
                {
                    TLiveCanvasImpl::Scope scope(live, &p);
                    TRect r(inner.left(), inner.top(), inner.right() + 1, inner.bottom() + 1);
                    wsevents::StatusBarDrawPanel(bar_, panel, r);
                }
                p.restore();
            } else if (panel->Style == psText) {
                p.drawText(inner.adjusted(2, 0, -1, 0), Qt::AlignVCenter | Qt::AlignLeft,
                           ToQString(panel->Text));
            }
            x = right;
        }
        // A handler that changed widths gets one more paint to show them; a handler that changes
        // them on every paint does not keep the bar repainting.
        bool changed = false;
        for (int i = 0; i < bar_->PanelCount() && i < static_cast<int>(widths.size()); ++i)
            changed = changed || bar_->Panels(i)->Width != widths[i];
        if (changed && !repaintForWidths) {
            repaintForWidths = true;
            update();
        } else {
            repaintForWidths = false;
        }
    }

  private:
    TStatusBar* bar_;
};

class TStatusBarImpl : public TControlImpl {
  public:
    TStatusBarImpl(TStatusBar* bar, TStatusBarWidget* w) : TControlImpl(bar, w), widget(w) {
        genericClick = true;
        auto surface = std::make_unique<TLiveCanvasImpl>(w);
        w->live = surface.get();
        w->canvas.SetImpl(std::move(surface));
    }
    TStatusBarWidget* widget;
};

TStatusBarImpl* BarImpl(const TStatusBar* b) {
    return static_cast<TStatusBarImpl*>(b->Impl());
}
} // namespace

namespace ws {
std::unique_ptr<TWSControl> CreateStatusBar(TStatusBar* Bar) {
    return std::make_unique<TStatusBarImpl>(Bar, new TStatusBarWidget(Bar));
}

void StatusBarRedraw(TStatusBar* Bar) {
    BarImpl(Bar)->widget->update();
}

TCanvas* StatusBarCanvas(TStatusBar* Bar) {
    return &BarImpl(Bar)->widget->canvas;
}
} // namespace ws
