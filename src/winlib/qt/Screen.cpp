// The screen: its size, depth, refresh rate, resolution, installed font families, the active
// form and the cursor.
#include "winlib/AppImpl.h"

#include <QApplication>
#include <QCursor>
#include <QFontDatabase>
#include <QScreen>

#include <algorithm>
#include <optional>

TScreen* Screen = new TScreen();

namespace {

std::optional<TPoint>& CursorOverride() {
    static std::optional<TPoint> p;
    return p;
}

std::vector<TRect>& WorkAreasOverride() {
    static std::vector<TRect> areas;
    return areas;
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

TRect TScreen::WorkAreaNear(TPoint P) const {
    // Each screen as its whole area and its work area, the primary one first.
    std::vector<std::pair<TRect, TRect>> screens;
    if (!WorkAreasOverride().empty()) {
        for (const TRect& a : WorkAreasOverride())
            screens.emplace_back(a, a);
    } else {
        winlib::EnsureToolkit();
        auto rect = [](const QRect& r) { return TRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1); };
        QList<QScreen*> all = QGuiApplication::screens();
        all.removeAll(QGuiApplication::primaryScreen());
        all.prepend(QGuiApplication::primaryScreen());
        for (QScreen* s : all)
            if (s) screens.emplace_back(rect(s->geometry()), rect(s->availableGeometry()));
    }
    if (screens.empty()) return TRect();
    // Distances in 64 bits: P may be any stored number.
    auto distance = [&](const TRect& g) {
        const long long dx = std::max({0LL, 1LL * g.Left - P.x, 1LL * P.x - (g.Right - 1)});
        const long long dy = std::max({0LL, 1LL * g.Top - P.y, 1LL * P.y - (g.Bottom - 1)});
        return dx * dx + dy * dy;
    };
    size_t best = 0;
    for (size_t i = 1; i < screens.size(); ++i)
        if (distance(screens[i].first) < distance(screens[best].first)) best = i;
    return screens[best].second;
}

void SetWorkAreasForTest(const std::vector<TRect>& Areas) {
    WorkAreasOverride() = Areas;
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
