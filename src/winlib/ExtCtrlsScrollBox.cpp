// Scroll boxes: children live on a content area moved by two scroll bars. Child positions are
// relative to what is visible: Left is the content position minus the horizontal scroll
// position. The wheel does not scroll the box; the program's OnMouseWheel does.
#include "ExtCtrls.h"

#include "Forms.h"
#include "widgetset/WSExtCtrls.h"

#include <algorithm>

TScrollBox::TScrollBox(TComponent* AOwner) : TWinControl(AOwner) {
    SetImpl(ws::CreateScrollBox(this));
    SetBounds(0, 0, 185, 41);
}

int TScrollBox::HorzRange() const {
    return ws::ScrollBoxRange(this).x;
}
int TScrollBox::VertRange() const {
    return ws::ScrollBoxRange(this).y;
}
int TScrollBox::HorzPosition() const {
    return ws::ScrollBoxPosition(this).x;
}
int TScrollBox::VertPosition() const {
    return ws::ScrollBoxPosition(this).y;
}

void TScrollBox::SetHorzRange(int r) {
    ws::ScrollBoxSetRange(this, TPoint(std::max(0, r), VertRange()));
}

void TScrollBox::SetVertRange(int r) {
    ws::ScrollBoxSetRange(this, TPoint(HorzRange(), std::max(0, r)));
}

void TScrollBox::SetHorzPosition(int p) {
    ws::ScrollBoxSetPosition(this, TPoint(p, VertPosition()));
}

void TScrollBox::SetVertPosition(int p) {
    ws::ScrollBoxSetPosition(this, TPoint(HorzPosition(), p));
}

void TScrollBox::SetAutoScroll(bool a) {
    autoScroll_ = a;
    if (a) ws::ScrollBoxFitRange(this);
}

namespace wsevents {
void ScrollBoxWheel(TScrollBox* Box, TShiftState Shift, int WheelDelta, TPoint MousePos) {
    TMouseWheelEvent handler = Box->OnMouseWheel;
    if (!handler) return;
    bool handled = false;
    RunGuarded([&] { handler(Box, Shift, WheelDelta, MousePos, handled); });
}
} // namespace wsevents
