// Panels: a coloured area with bevels and a centred caption. The colour is a value the program
// keeps there (colour swatches), so setting it repaints and runs nothing.
#include "winlib/ExtCtrls.h"
#include "winlib/MessageBoxImpl.h"

#include "ControlCanvas.h"
#include "ControlImpl.h"
#include "winlib/Forms.h"

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
            RunPaintGuarded(panel_, [&] { Fire(panel_->OnPaint, panel_); });
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

TPanel::TPanel(TComponent* AOwner) : TWinControl(AOwner) {
    auto* w = new TPanelWidget(this);
    SetImpl(std::make_unique<TPanelImpl>(this, w));
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetColor(TColor c) {
    TWinControl::SetColor(c);
}

void TPanel::SetBevelInner(TBevelCut b) {
    bevelInner_ = b;
    Invalidate();
    Realign();
}

void TPanel::SetBevelOuter(TBevelCut b) {
    bevelOuter_ = b;
    Invalidate();
    Realign();
}

TCanvas* TPanel::Canvas() {
    return &static_cast<TPanelImpl*>(Impl())->widget->canvas;
}
