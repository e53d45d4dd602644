// Panels: a coloured area with bevels and a centred caption. The colour is a value the program
// keeps there (colour swatches), so setting it repaints and runs nothing.
#include "ExtCtrls.h"

#include "MessageBoxImpl.h"
#include "widgetset/WSExtCtrls.h"

TPanel::TPanel(TComponent* AOwner) : TWinControl(AOwner) {
    SetImpl(ws::CreatePanel(this));
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
    return ws::PanelCanvas(this);
}

namespace wsevents {
void PanelPaint(TPanel* Panel) {
    if (Panel->OnPaint) RunPaintGuarded(Panel, [&] { Fire(Panel->OnPaint, Panel); });
}
} // namespace wsevents
