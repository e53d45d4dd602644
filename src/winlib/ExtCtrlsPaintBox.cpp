// Paint boxes: the canvas draws into a backing image that is shown when the box paints.
// Drawing inside OnPaint schedules nothing, so a paint handler cannot start a paint loop.
#include "ExtCtrls.h"

#include "MessageBoxImpl.h"
#include "widgetset/WSExtCtrls.h"

TPaintBox::TPaintBox(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetImpl(ws::CreatePaintBox(this));
    SetBounds(0, 0, 105, 105);
}

TCanvas* TPaintBox::Canvas() {
    return ws::PaintBoxCanvas(this);
}

void TPaintBox::Paint() {
    ws::PaintBoxPaintNow(this);
}

namespace wsevents {
void PaintBoxPaint(TPaintBox* Box) {
    RunPaintGuarded(Box, [&] { Fire(Box->OnPaint, Box); });
}
} // namespace wsevents
