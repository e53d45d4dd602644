// Track bars: any change of the position, by the program, by clamping or by the user, runs
// OnChange once.
#include "ComCtrls.h"

#include "Forms.h"
#include "widgetset/WSComCtrls.h"

#include <algorithm>

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner) {
    SetImpl(ws::CreateTrackBar(this));
    SetBounds(0, 0, 150, 45);
    ws::TrackBarSetFrequency(this, frequency_);
    ws::TrackBarShowRange(this);
}

void TTrackBar::SetPosition(int p) {
    p = std::clamp(p, min_, std::max(min_, max_));
    if (p == position_) return;
    position_ = p;
    ws::TrackBarShowRange(this);
    Fire(OnChange, this);
}

void TTrackBar::SetMin(int m) {
    if (m > max_) throw EInvalidOperation("Property value out of range: minimum above maximum");
    min_ = m;
    ws::TrackBarShowRange(this);
    SetPosition(position_);
}

void TTrackBar::SetMax(int m) {
    if (m < min_) throw EInvalidOperation("Property value out of range: maximum below minimum");
    max_ = m;
    ws::TrackBarShowRange(this);
    SetPosition(position_);
}

void TTrackBar::SetFrequency(int f) {
    frequency_ = f;
    ws::TrackBarSetFrequency(this, f);
}

void TTrackBar::SetTickMarks(TTickMark t) {
    ws::TrackBarSetTickMarks(this, t);
}

void TTrackBar::SetOrientation(TTrackBarOrientation o) {
    ws::TrackBarSetOrientation(this, o);
}

namespace wsevents {
void TrackBarMoved(TTrackBar* TrackBar, int Position) {
    // The slider's range is the bar's, so the position needs no clamping and SetPosition only
    // stores it and runs OnChange when it differs.
    if (Position == TrackBar->Position()) return;
    RunGuarded([&] { TrackBar->SetPosition(Position); });
}
} // namespace wsevents
