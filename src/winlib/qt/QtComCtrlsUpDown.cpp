// The Qt side of up-downs: two arrow halves.
#include "winlib/widgetset/WSComCtrls.h"

#include "ArrowPair.h"
#include "ControlImpl.h"

#include <QToolButton>

namespace ws {
std::unique_ptr<TWSControl> CreateUpDown(TUpDown* UpDown) {
    const ArrowPair arrows = MakeArrowPair();
    QObject::connect(arrows.up, &QToolButton::clicked, arrows.widget,
                     [UpDown] { wsevents::UpDownClicked(UpDown, btNext); });
    QObject::connect(arrows.down, &QToolButton::clicked, arrows.widget,
                     [UpDown] { wsevents::UpDownClicked(UpDown, btPrev); });
    return std::make_unique<TControlImpl>(UpDown, arrows.widget);
}
} // namespace ws
