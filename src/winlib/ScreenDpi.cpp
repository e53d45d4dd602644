// The screen's logical resolution, 96 when the screen cannot tell (no GUI application, as in
// tools and early start-up).
#include "widgetset/WSGraphics.h"

namespace {

int OrDefault(int dpi) {
    return dpi > 0 ? dpi : 96;
}

} // namespace

int ScreenPixelsPerInchX() {
    return OrDefault(ws::ScreenLogicalDpi(true));
}
int ScreenPixelsPerInchY() {
    return OrDefault(ws::ScreenLogicalDpi(false));
}
