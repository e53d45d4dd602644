// What every dialog needs of Qt: its application object, whether a screen can show it, and a
// call run after the current event.
#include "AppImpl.h"
#include "winlib/widgetset/WSDialogs.h"

#include <QCoreApplication>
#include <QGuiApplication>

void ws::EnsureDialogToolkit() {
    winlib::EnsureToolkit();
}

bool ws::ScreenlessPlatform() {
    const QString platform = QGuiApplication::platformName();
    return platform == "offscreen" || platform == "minimal";
}

void ws::CallLater(std::function<void()> Call) {
    QMetaObject::invokeMethod(qApp, std::move(Call), Qt::QueuedConnection);
}
