// The control bar: a container whose bands (tool bars) keep the Left/Top the program gives them,
// except that a band never covers another one of its row: it is pushed right, past the band
// before it. Each band is painted by OnBandPaint, which may choose the grabber and frame.
#include "ExtCtrls.h"

#include "MessageBoxImpl.h"
#include "widgetset/WSExtCtrls.h"

#include <algorithm>
#include <vector>

namespace {
constexpr int kGrabberWidth = 11;
// Space from one band's right edge to the next band's left edge, where its grabber sits.
constexpr int kBandGap = 6;

bool SameRow(const TControl* a, const TControl* b) {
    return a->Top() < b->Top() + b->Height() && b->Top() < a->Top() + a->Height();
}

// In the order of the places asked for, each shown band starts past every band of its row
// that comes before it. A band keeps the place it was given while nothing covers it, and goes
// back there when the cover goes.
void Arrange(TControlBar* bar, TControlBarBands& bands) {
    ++bands.arranging;
    auto wanted = [&bands](const TControl* c) {
        auto w = bands.wantedLeft.find(c);
        return w == bands.wantedLeft.end() ? c->Left() : w->second;
    };
    // A hidden band covers nothing and is covered by nothing: it sits where it was put.
    std::vector<TControl*> shown;
    for (int i = 0; i < bar->ControlCount(); ++i) {
        TControl* c = bar->Controls(i);
        if (c->Visible()) {
            shown.push_back(c);
            continue;
        }
        bands.placedLeft[c] = wanted(c);
        if (c->Left() != bands.placedLeft[c]) c->SetLeft(bands.placedLeft[c]);
    }
    std::stable_sort(shown.begin(), shown.end(),
                     [&](const TControl* a, const TControl* b) { return wanted(a) < wanted(b); });
    for (size_t i = 0; i < shown.size(); ++i) {
        int left = wanted(shown[i]);
        for (size_t j = 0; j < i; ++j)
            if (SameRow(shown[j], shown[i]))
                left = std::max(left, shown[j]->Left() + shown[j]->Width() + kBandGap);
        bands.placedLeft[shown[i]] = left;
        if (left != shown[i]->Left()) shown[i]->SetLeft(left);
    }
    --bands.arranging;
}
} // namespace

TControlBar::TControlBar(TComponent* AOwner) : TWinControl(AOwner) {
    SetImpl(ws::CreateControlBar(this));
    SetBounds(0, 0, 100, 50);
}

TCanvas* TControlBar::Canvas() {
    return ws::ControlBarCanvas(this);
}

namespace wsevents {
void ControlBarChildChanged(TControlBar* Bar, TControl* Child, TControlBarBands& Bands) {
    if (Bands.arranging) return;
    bool member = false;
    for (int i = 0; i < Bar->ControlCount(); ++i)
        member = member || Bar->Controls(i) == Child;
    if (!member) {
        Bands.wantedLeft.erase(Child);
        Bands.placedLeft.erase(Child);
    } else if (auto p = Bands.placedLeft.find(Child);
               p == Bands.placedLeft.end() || p->second != Child->Left()) {
        // A place the bar did not give it is one the program asked for.
        Bands.wantedLeft[Child] = Child->Left();
    }
    Arrange(Bar, Bands);
}

void ControlBarPaint(TControlBar* Bar) {
    // The paint handler may set the bar's colour; that asks for at most one more paint.
    RunPaintGuarded(Bar, [&] { Fire(Bar->OnPaint, Bar); });
}

uint8_t ControlBarPaintBand(TControlBar* Bar, TControl* Band, TRect& Rect) {
    Rect = TRect(Band->Left() - kGrabberWidth, Band->Top() - 1, Band->Left() + Band->Width() + 1,
                 Band->Top() + Band->Height() + 1);
    uint8_t options = ControlBarGrabber | ControlBarFrame;
    TCanvas* canvas = Bar->Canvas();
    canvas->Brush()->SetColor(Bar->Color());
    auto handler = Bar->OnBandPaint;
    if (handler) RunPaintGuarded(Bar, [&] { handler(Bar, Band, canvas, Rect, options); });
    return options;
}
} // namespace wsevents
