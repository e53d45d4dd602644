// The Qt side of track bars: a slider.
#include "winlib/widgetset/WSComCtrls.h"

#include "ControlImpl.h"

#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolTip>

namespace {
QSlider* SliderOf(const TTrackBar* t) {
    return static_cast<QSlider*>(t->Impl()->Widget());
}

// The small window beside the thumb that shows the position while the thumb is dragged.
class TPositionTip {
  public:
    explicit TPositionTip(QSlider* s) : slider_(s) {}
    ~TPositionTip() { delete tip_; }

    void Show(TPositionToolTip where) {
        if (where == ptNone) return;
        if (!tip_) {
            tip_ = new QLabel(nullptr, Qt::ToolTip | Qt::WindowStaysOnTopHint);
            tip_->setObjectName("TrackBarPositionTip");
            tip_->setPalette(QToolTip::palette());
            tip_->setFont(QToolTip::font());
            tip_->setAutoFillBackground(true);
            tip_->setFrameStyle(QFrame::Box | QFrame::Plain);
            tip_->setMargin(2);
        }
        tip_->setText(QString::number(slider_->sliderPosition()));
        tip_->adjustSize();
        QStyleOptionSlider opt;
        opt.initFrom(slider_);
        opt.orientation = slider_->orientation();
        opt.minimum = slider_->minimum();
        opt.maximum = slider_->maximum();
        opt.sliderPosition = slider_->sliderPosition();
        opt.sliderValue = slider_->value();
        opt.upsideDown = slider_->invertedAppearance() != (slider_->orientation() == Qt::Vertical);
        opt.tickPosition = slider_->tickPosition();
        opt.tickInterval = slider_->tickInterval();
        const QRect thumb =
            slider_->style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, slider_);
        const QRect r(slider_->mapToGlobal(thumb.topLeft()), thumb.size());
        const QSize t = tip_->size();
        constexpr int kGap = 2;
        QPoint at;
        switch (where) {
        case ptTop:
            at = QPoint(r.center().x() - t.width() / 2, r.top() - t.height() - kGap);
            break;
        case ptBottom:
            at = QPoint(r.center().x() - t.width() / 2, r.bottom() + 1 + kGap);
            break;
        case ptLeft:
            at = QPoint(r.left() - t.width() - kGap, r.center().y() - t.height() / 2);
            break;
        default:
            at = QPoint(r.right() + 1 + kGap, r.center().y() - t.height() / 2);
            break;
        }
        tip_->move(at);
        tip_->show();
        tip_->raise();
    }
    void Hide() {
        if (tip_) tip_->hide();
    }

  private:
    QSlider* slider_;
    QLabel* tip_ = nullptr;
};

class TTrackBarImpl : public TControlImpl {
  public:
    TTrackBarImpl(TTrackBar* t, QSlider* s) : TControlImpl(t, s), tip(s) {}
    TPositionTip tip;
};
} // namespace

namespace ws {
std::unique_ptr<TWSControl> CreateTrackBar(TTrackBar* TrackBar) {
    auto* s = new QSlider(Qt::Horizontal);
    s->setTickPosition(QSlider::TicksBelow);
    auto impl = std::make_unique<TTrackBarImpl>(TrackBar, s);
    TTrackBarImpl* writes = impl.get();
    QObject::connect(s, &QSlider::valueChanged, s, [TrackBar, writes](int v) {
        if (!writes->programWrites) wsevents::TrackBarMoved(TrackBar, v);
    });
    // The position follows the thumb while a person drags it, as a desktop track bar shows it.
    TPositionTip* tip = &impl->tip;
    QObject::connect(s, &QSlider::sliderPressed, s,
                     [TrackBar, tip] { tip->Show(TrackBar->PositionToolTip()); });
    QObject::connect(s, &QSlider::sliderMoved, s,
                     [TrackBar, tip](int) { tip->Show(TrackBar->PositionToolTip()); });
    QObject::connect(s, &QSlider::sliderReleased, s, [tip] { tip->Hide(); });
    return impl;
}

void TrackBarShowRange(TTrackBar* t) {
    QSlider* s = SliderOf(t);
    t->Impl()->WriteQuietly(s, [&] {
        s->setRange(t->Min(), t->Max());
        s->setValue(t->Position());
        s->setPageStep(t->PageSize());
        s->setSingleStep(t->LineSize());
    });
}

void TrackBarSetFrequency(TTrackBar* t, int Frequency) {
    SliderOf(t)->setTickInterval(Frequency);
}

void TrackBarSetTickMarks(TTrackBar* t, TTickMark TickMarks) {
    QSlider* s = SliderOf(t);
    bool vertical = s->orientation() == Qt::Vertical;
    switch (TickMarks) {
    case tmBoth:
        s->setTickPosition(QSlider::TicksBothSides);
        break;
    case tmTopLeft:
        s->setTickPosition(vertical ? QSlider::TicksLeft : QSlider::TicksAbove);
        break;
    default:
        s->setTickPosition(vertical ? QSlider::TicksRight : QSlider::TicksBelow);
        break;
    }
}

void TrackBarSetOrientation(TTrackBar* t, TTrackBarOrientation Orientation) {
    SliderOf(t)->setOrientation(Orientation == trVertical ? Qt::Vertical : Qt::Horizontal);
    // A vertical bar has its minimum at the top.
    SliderOf(t)->setInvertedAppearance(Orientation == trVertical);
}
} // namespace ws
