// What every dialog needs of Qt: its application object and whether a screen can show it.
#include "AppImpl.h"
#include "winlib/widgetset/WSDialogs.h"

#include <QGuiApplication>

void ws::EnsureDialogToolkit() {
    winlib::EnsureToolkit();
}

bool ws::ScreenlessPlatform() {
    const QString platform = QGuiApplication::platformName();
    return platform == "offscreen" || platform == "minimal";
}
