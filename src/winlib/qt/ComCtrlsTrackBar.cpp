// Track bars: any change of the position, by the program, by clamping or by the user, runs
// OnChange once.
#include "winlib/ComCtrls.h"

#include "ControlImpl.h"
#include "winlib/Forms.h"

#include <QSlider>

#include <algorithm>

namespace {
QSlider* SliderOf(const TTrackBar* t) {
    return static_cast<QSlider*>(t->Impl()->Widget());
}

void ShowRange(const TTrackBar* t) {
    QSlider* s = SliderOf(t);
    ++t->Impl()->programWrites;
    {
        QSignalBlocker block(s);
        s->setRange(t->Min(), t->Max());
        s->setValue(t->Position());
        s->setPageStep(t->PageSize());
        s->setSingleStep(t->LineSize());
    }
    --t->Impl()->programWrites;
}
} // namespace

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner) {
    auto* s = new QSlider(Qt::Horizontal);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(frequency_);
    SetImpl(std::make_unique<TControlImpl>(this, s));
    SetBounds(0, 0, 150, 45);
    ShowRange(this);
    QObject::connect(s, &QSlider::valueChanged, s, [this](int v) {
        if (Impl()->programWrites || v == position_) return;
        position_ = v;
        RunGuarded([&] { Fire(OnChange, this); });
    });
}

void TTrackBar::SetPosition(int p) {
    p = std::clamp(p, min_, std::max(min_, max_));
    if (p == position_) return;
    position_ = p;
    ShowRange(this);
    Fire(OnChange, this);
}

void TTrackBar::SetMin(int m) {
    if (m > max_) throw EInvalidOperation("Property value out of range: minimum above maximum");
    min_ = m;
    ShowRange(this);
    SetPosition(position_);
}

void TTrackBar::SetMax(int m) {
    if (m < min_) throw EInvalidOperation("Property value out of range: maximum below minimum");
    max_ = m;
    ShowRange(this);
    SetPosition(position_);
}

void TTrackBar::SetFrequency(int f) {
    frequency_ = f;
    SliderOf(this)->setTickInterval(f);
}

void TTrackBar::SetTickMarks(TTickMark t) {
    bool vertical = SliderOf(this)->orientation() == Qt::Vertical;
    switch (t) {
    case tmBoth:
        SliderOf(this)->setTickPosition(QSlider::TicksBothSides);
        break;
    case tmTopLeft:
        SliderOf(this)->setTickPosition(vertical ? QSlider::TicksLeft : QSlider::TicksAbove);
        break;
    default:
        SliderOf(this)->setTickPosition(vertical ? QSlider::TicksRight : QSlider::TicksBelow);
        break;
    }
}

void TTrackBar::SetOrientation(TTrackBarOrientation o) {
    SliderOf(this)->setOrientation(o == trVertical ? Qt::Vertical : Qt::Horizontal);
    // A vertical bar has its minimum at the top.
    SliderOf(this)->setInvertedAppearance(o == trVertical);
}
