// Spin buttons: an upper and a lower half, each with its own click handler, no edit attached.
#include "ExtCtrls.h"

#include "Forms.h"
#include "widgetset/WSExtCtrls.h"

TCSpinButton::TCSpinButton(TComponent* AOwner) : TWinControl(AOwner) {
    SetImpl(ws::CreateSpinButton(this));
    SetBounds(0, 0, 20, 25);
}

void TCSpinButton::UserClickUp() {
    RunGuarded([&] { Fire(OnUpClick, this); });
}

void TCSpinButton::UserClickDown() {
    RunGuarded([&] { Fire(OnDownClick, this); });
}

namespace wsevents {
void SpinButtonClicked(TCSpinButton* Spin, bool Up) {
    if (Up)
        Spin->UserClickUp();
    else
        Spin->UserClickDown();
}
} // namespace wsevents
