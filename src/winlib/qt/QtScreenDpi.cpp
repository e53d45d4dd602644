// The primary screen's logical resolution.
#include "winlib/widgetset/WSGraphics.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

int ws::ScreenLogicalDpi(bool Across) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return 0;
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return 0;
    return static_cast<int>(std::lround(Across ? s->logicalDotsPerInchX() : s->logicalDotsPerInchY()));
}
