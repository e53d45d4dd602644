// The Qt side of track bars: a slider.
#include "winlib/widgetset/WSComCtrls.h"

#include "ControlImpl.h"

#include <QSlider>

namespace {
QSlider* SliderOf(const TTrackBar* t) {
    return static_cast<QSlider*>(t->Impl()->Widget());
}
} // namespace

namespace ws {
std::unique_ptr<TWSControl> CreateTrackBar(TTrackBar* TrackBar) {
    auto* s = new QSlider(Qt::Horizontal);
    s->setTickPosition(QSlider::TicksBelow);
    auto impl = std::make_unique<TControlImpl>(TrackBar, s);
    TControlImpl* writes = impl.get();
    QObject::connect(s, &QSlider::valueChanged, s, [TrackBar, writes](int v) {
        if (!writes->programWrites) wsevents::TrackBarMoved(TrackBar, v);
    });
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
