// The Qt side of spin buttons: two arrow halves.
#include "winlib/widgetset/WSExtCtrls.h"

#include "ArrowPair.h"
#include "ControlImpl.h"

#include <QToolButton>

namespace ws {
std::unique_ptr<TWSControl> CreateSpinButton(TCSpinButton* Spin) {
    const ArrowPair arrows = MakeArrowPair();
    QObject::connect(arrows.up, &QToolButton::clicked, arrows.widget,
                     [Spin] { wsevents::SpinButtonClicked(Spin, true); });
    QObject::connect(arrows.down, &QToolButton::clicked, arrows.widget,
                     [Spin] { wsevents::SpinButtonClicked(Spin, false); });
    return std::make_unique<TControlImpl>(Spin, arrows.widget);
}
} // namespace ws
