// The Qt side of panels: the colour, the bevels and the caption, then OnPaint on the canvas.
#include "winlib/widgetset/WSExtCtrls.h"

#include "ControlCanvas.h"
#include "ControlImpl.h"

#include <QPainter>

namespace {
void Bevel(QPainter& p, QRect& r, TBevelCut cut) {
    if (cut == bvNone) return;
    if (cut != bvSpace) {
        QColor light = ToQColor(clBtnHighlight), dark = ToQColor(clBtnShadow);
        if (cut == bvLowered) std::swap(light, dark);
        p.setPen(light);
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(dark);
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
    }
    r.adjust(1, 1, -1, -1);
}

class TPanelWidget : public QWidget {
  public:
    explicit TPanelWidget(TPanel* panel) : panel_(panel) {}
    TCanvas canvas;
    TLiveCanvasImpl* live = nullptr;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QColor back = ToQColor(panel_->Color());
        if (back.isValid()) p.fillRect(rect(), back);
        QRect r = rect().adjusted(0, 0, -1, -1);
        Bevel(p, r, panel_->BevelOuter());
        Bevel(p, r, panel_->BevelInner());
        if (!panel_->Caption().empty()) {
            p.setPen(palette().color(QPalette::WindowText));
            p.setFont(font());
            p.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, ToQString(panel_->Caption()));
        }
        if (panel_->OnPaint) {
            TLiveCanvasImpl::Scope scope(live, &p);
            wsevents::PanelPaint(panel_);
        }
    }

  private:
    TPanel* panel_;
};

class TPanelImpl : public TControlImpl {
  public:
    TPanelImpl(TPanel* p, TPanelWidget* w) : TControlImpl(p, w), panel(p), widget(w) {
        genericClick = true;
        auto surface = std::make_unique<TLiveCanvasImpl>(w);
        w->live = surface.get();
        w->canvas.SetImpl(std::move(surface));
    }
    TPanel* panel;
    TPanelWidget* widget;
    void ApplyCaption(const AnsiString&) override { widget->update(); }
    void ApplyColor(TColor) override { widget->update(); }
    // Aligned children stay inside the bevels.
    TRect AlignRect() const override {
        QSize s = ClientSize();
        int inset = (panel->BevelOuter() != bvNone) + (panel->BevelInner() != bvNone);
        return TRect(inset, inset, std::max(inset, s.width() - inset), std::max(inset, s.height() - inset));
    }
};
} // namespace

namespace ws {
std::unique_ptr<TWSControl> CreatePanel(TPanel* Panel) {
    return std::make_unique<TPanelImpl>(Panel, new TPanelWidget(Panel));
}

TCanvas* PanelCanvas(TPanel* Panel) {
    return &static_cast<TPanelImpl*>(Panel->Impl())->widget->canvas;
}
} // namespace ws
