// Labels (window-less text, transparent by default) and group boxes.
#include "winlib/StdCtrls.h"

#include "ControlImpl.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QPainter>

namespace {
class TLabelWidget : public QWidget {
  public:
    explicit TLabelWidget(TLabel* l) : label_(l) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        if (!label_->Transparent()) {
            QColor back = ToQColor(label_->Color());
            if (back.isValid()) p.fillRect(rect(), back);
        }
        QColor text = isEnabled() ? ToQColor(label_->Font()->Color())
                                  : palette().color(QPalette::Disabled, QPalette::WindowText);
        p.setPen(text.isValid() ? text : palette().color(QPalette::WindowText));
        p.setFont(font());
        p.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, ToQString(label_->Caption()));
    }

  private:
    TLabel* label_;
};

class TLabelImpl : public TControlImpl {
  public:
    TLabelImpl(TLabel* l, QWidget* w) : TControlImpl(l, w), label(l) { genericClick = true; }
    TLabel* label;
    void ApplyCaption(const AnsiString&) override { Fit(); }
    void ApplyFont(const TFont& f) override {
        TControlImpl::ApplyFont(f);
        Fit();
    }
    void ApplyColor(TColor) override { Widget()->update(); }
    // An auto-sized label takes the size of its text.
    void Fit() {
        Widget()->update();
        if (!label->AutoSize()) return;
        QFontMetrics fm(Widget()->font());
        QString text = ToQString(label->Caption());
        QRect r = fm.boundingRect(QRect(0, 0, 100000, 100000), Qt::TextShowMnemonic, text);
        label->SetBounds(label->Left(), label->Top(), r.width(), std::max(r.height(), fm.height()));
    }
};
} // namespace

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    auto* w = new TLabelWidget(this);
    SetImpl(std::make_unique<TLabelImpl>(this, w));
    SetBounds(0, 0, 0, 13);
}

void TLabel::SetTransparent(bool t) {
    transparent_ = t;
    Impl()->Widget()->update();
}

void TLabel::SetColor(TColor c) {
    TControl::SetColor(c);
}

namespace {
class TGroupBoxImpl : public TControlImpl {
  public:
    TGroupBoxImpl(TControl* c, QGroupBox* g) : TControlImpl(c, g), box(g) {}
    QGroupBox* box;
    void ApplyCaption(const AnsiString& c) override { box->setTitle(ToQString(c)); }
    // Aligned children stay below the caption and inside the frame.
    TRect AlignRect() const override {
        QSize s = ClientSize();
        int top = QFontMetrics(box->font()).height() + 2;
        return TRect(2, std::min(top, s.height()), std::max(2, s.width() - 2), std::max(top, s.height() - 2));
    }
};
} // namespace

TGroupBox::TGroupBox(TComponent* AOwner) : TWinControl(AOwner) {
    auto* g = new QGroupBox;
    SetImpl(std::make_unique<TGroupBoxImpl>(this, g));
    SetBounds(0, 0, 185, 105);
}
