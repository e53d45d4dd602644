// The status bar: panels are plain data painted in a row, the last one taking what is left.
// Owner-drawn panels are painted by OnDrawPanel, which may resize panels while it draws.
#include "winlib/ComCtrls.h"
#include "winlib/MessageBoxImpl.h"

#include "ControlCanvas.h"
#include "ControlImpl.h"
#include "winlib/Forms.h"
#include "winlib/StatusBarHint.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace {
std::vector<TStatusBar*>& AutoHintBars() {
    static std::vector<TStatusBar*> bars;
    return bars;
}

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
        TDrawPanelEvent handler = bar_->OnDrawPanel;
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
            if (panel->Style == psOwnerDraw && handler) {
                canvas.Font()->Assign(bar_->Font());
                canvas.Brush()->SetColor(bar_->Color());
                p.save();
                p.setClipRect(inner);
                {
                    TLiveCanvasImpl::Scope scope(live, &p);
                    TRect r(inner.left(), inner.top(), inner.right() + 1, inner.bottom() + 1);
                    RunPaintGuarded(bar_, [&] { handler(bar_, panel, r); });
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
    TStatusBarImpl(TStatusBar* bar, TStatusBarWidget* w) : TControlImpl(bar, w), bar(bar), widget(w) {
        genericClick = true;
        auto surface = std::make_unique<TLiveCanvasImpl>(w);
        w->live = surface.get();
        w->canvas.SetImpl(std::move(surface));
        AutoHintBars().push_back(bar);
    }
    ~TStatusBarImpl() override {
        auto& bars = AutoHintBars();
        bars.erase(std::remove(bars.begin(), bars.end(), bar), bars.end());
    }
    TStatusBar* bar;
    TStatusBarWidget* widget;
};

TStatusBarImpl* BarImpl(const TStatusBar* b) {
    return static_cast<TStatusBarImpl*>(b->Impl());
}
} // namespace

void ShowHintInStatusBars(const AnsiString& hint) {
    for (TStatusBar* bar : AutoHintBars()) {
        if (!bar->AutoHint()) continue;
        if (bar->SimplePanel() || bar->PanelCount() == 0) {
            bar->SetSimpleText(hint);
        } else if (bar->Panels(0)->Text != hint) {
            bar->Panels(0)->Text = hint;
            bar->PanelsChanged();
        }
    }
}

TStatusBar::TStatusBar(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new TStatusBarWidget(this);
    SetImpl(std::make_unique<TStatusBarImpl>(this, w));
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
}

TStatusPanel* TStatusBar::AddPanel() {
    panels_.emplace_back();
    PanelsChanged();
    return &panels_.back();
}

void TStatusBar::PanelsChanged() {
    BarImpl(this)->widget->update();
}

TCanvas* TStatusBar::Canvas() {
    return &BarImpl(this)->widget->canvas;
}

void TStatusBar::SetSimplePanel(bool s) {
    simplePanel_ = s;
    PanelsChanged();
}

void TStatusBar::SetSimpleText(const AnsiString& t) {
    if (t == simpleText_) return;
    simpleText_ = t;
    PanelsChanged();
}
