// The screen: its size, depth, refresh rate, resolution, installed font families, the active
// form and the cursor.
#include "AppImpl.h"

#include <QApplication>
#include <QCursor>
#include <QFontDatabase>
#include <QScreen>

#include <optional>

TScreen* Screen = new TScreen();

namespace {

std::optional<TPoint>& CursorOverride() {
    static std::optional<TPoint> p;
    return p;
}

QRect PrimaryGeometry() {
    winlib::EnsureToolkit();
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect();
}

} // namespace

int TScreen::Width() const {
    return PrimaryGeometry().width();
}

int TScreen::Height() const {
    return PrimaryGeometry().height();
}

int TScreen::BitsPerPixel() const {
    winlib::EnsureToolkit();
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->depth() : 0;
}

int TScreen::RefreshRate() const {
    winlib::EnsureToolkit();
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? static_cast<int>(s->refreshRate() + 0.5) : 0;
}

const TStringList& TScreen::Fonts() {
    // The list is taken once, as the program's font combo boxes are filled once.
    if (fonts_.Count() == 0) {
        winlib::EnsureToolkit();
        fonts_.SetSorted(true);
        for (const QString& family : QFontDatabase::families())
            if (fonts_.IndexOf(family.toStdString()) < 0) fonts_.Add(family.toStdString());
    }
    return fonts_;
}

TForm* TScreen::ActiveForm() const {
    if (!QCoreApplication::instance()) return nullptr;
    return winlib::FormOfWidget(QApplication::activeWindow());
}

TPoint GetCursorPos() {
    if (CursorOverride()) return *CursorOverride();
    winlib::EnsureToolkit();
    QPoint p = QCursor::pos();
    return TPoint(p.x(), p.y());
}

void SetCursorPosForTest(TPoint p) {
    CursorOverride() = p;
}

void ClearCursorPosForTest() {
    CursorOverride().reset();
}
