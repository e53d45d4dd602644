// Spin buttons: an upper and a lower half, each with its own click handler, no edit attached.
#include "winlib/ExtCtrls.h"

#include "winlib/ArrowPair.h"
#include "ControlImpl.h"
#include "winlib/Forms.h"

#include <QToolButton>
#include <QVBoxLayout>

TCSpinButton::TCSpinButton(TComponent* AOwner) : TWinControl(AOwner) {
    const ArrowPair arrows = MakeArrowPair();
    SetImpl(std::make_unique<TControlImpl>(this, arrows.widget));
    SetBounds(0, 0, 20, 25);
    QObject::connect(arrows.up, &QToolButton::clicked, arrows.widget, [this] { UserClickUp(); });
    QObject::connect(arrows.down, &QToolButton::clicked, arrows.widget, [this] { UserClickDown(); });
}

void TCSpinButton::UserClickUp() {
    RunGuarded([&] { Fire(OnUpClick, this); });
}

void TCSpinButton::UserClickDown() {
    RunGuarded([&] { Fire(OnDownClick, this); });
}
