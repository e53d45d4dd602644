// The status bar: panels are plain data painted in a row, the last one taking what is left.
// Owner-drawn panels are painted by OnDrawPanel. A bar with AutoHint shows the application's
// hint in its first panel, or as its simple text.
#include "ComCtrls.h"

#include "MessageBoxImpl.h"
#include "StatusBarHint.h"
#include "widgetset/WSComCtrls.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<TStatusBar*>& StatusBars() {
    static std::vector<TStatusBar*> bars;
    return bars;
}
} // namespace

void ShowHintInStatusBars(const AnsiString& hint) {
    for (TStatusBar* bar : StatusBars()) {
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
    SetImpl(ws::CreateStatusBar(this));
    SetBounds(0, 0, 200, 19);
    SetAlign(alBottom);
    StatusBars().push_back(this);
}

TStatusBar::~TStatusBar() {
    auto& bars = StatusBars();
    bars.erase(std::remove(bars.begin(), bars.end(), this), bars.end());
}

TStatusPanel* TStatusBar::AddPanel() {
    panels_.emplace_back();
    PanelsChanged();
    return &panels_.back();
}

void TStatusBar::PanelsChanged() {
    ws::StatusBarRedraw(this);
}

TCanvas* TStatusBar::Canvas() {
    return ws::StatusBarCanvas(this);
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

namespace wsevents {
void StatusBarDrawPanel(TStatusBar* Bar, TStatusPanel* Panel, const TRect& Rect) {
    TDrawPanelEvent handler = Bar->OnDrawPanel;
    if (!handler) return;
    TCanvas* canvas = Bar->Canvas();
    canvas->Font()->Assign(Bar->Font());
    canvas->Brush()->SetColor(Bar->Color());
    RunPaintGuarded(Bar, [&] { handler(Bar, Panel, Rect); });
}
} // namespace wsevents
