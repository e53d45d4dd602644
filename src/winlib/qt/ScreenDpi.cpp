// The screen's logical resolution, 96 when there is no GUI application (tools, early start-up).
#include "winlib/Graphics.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {

int ScreenDpi(bool x) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return 96;
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return 96;
    const int dpi = static_cast<int>(std::lround(x ? s->logicalDotsPerInchX() : s->logicalDotsPerInchY()));
    return dpi > 0 ? dpi : 96;
}

} // namespace

int ScreenPixelsPerInchX() {
    return ScreenDpi(true);
}
int ScreenPixelsPerInchY() {
    return ScreenDpi(false);
}
