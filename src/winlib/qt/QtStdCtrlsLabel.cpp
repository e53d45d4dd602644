// Labels drawn on a plain widget, and group boxes on a QGroupBox.
#include "winlib/StdCtrls.h"
#include "winlib/widgetset/WSStdCtrls.h"

#include "ControlImpl.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QPainter>

#include <algorithm>

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
    void ApplyCaption(const AnsiString&) override { wsevents::LabelTextChanged(label); }
    void ApplyFont(const TFont& f) override {
        TControlImpl::ApplyFont(f);
        wsevents::LabelTextChanged(label);
    }
    void ApplyColor(TColor) override { Widget()->update(); }
};

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

std::unique_ptr<TWSControl> ws::CreateLabel(TLabel* Label) {
    return std::make_unique<TLabelImpl>(Label, new TLabelWidget(Label));
}

TRect ws::LabelTextBounds(const TLabel* Label) {
    QFontMetrics fm(Label->Impl()->Widget()->font());
    QRect r = fm.boundingRect(QRect(0, 0, 100000, 100000), Qt::TextShowMnemonic, ToQString(Label->Caption()));
    return TRect(0, 0, r.width(), std::max(r.height(), fm.height()));
}

std::unique_ptr<TWSControl> ws::CreateGroupBox(TGroupBox* GroupBox) {
    return std::make_unique<TGroupBoxImpl>(GroupBox, new QGroupBox);
}
